#include "numbering/LoadedProject.h"

#include "numbering/NumberingSql.h"
#include "platform/ui/Services.h"

namespace projectnumber {

const char* const kChangedElsewhereMessage = "该项目已被其他程序修改或删除，未保存！请重新打开该项目。";
const char* const kListChangedElsewhereMessage = "所选项目已被其他程序修改或删除，未删除任何项目！请重新选择。";

namespace {

// The stamp of the columns as one text: each value quoted, so that NULL, an
// empty text, a number and a binary value each read apart.
std::string StampOf(const std::vector<std::string>& columns) {
    std::string stamp = "''";
    for (const std::string& column : columns) stamp += " || ',' || quote(" + db::QuoteIdentifier(column) + ")";
    return stamp;
}

}  // namespace

LoadedProject LoadProject(CAdoConnection& connection, const std::string& number,
                          const std::vector<std::string>& columns) {
    if (number.empty()) return {};
    // One of a legacy pair of numbers that differ only in case is the one stored so.
    Statement rows(connection,
                   "select rowid, xmbh, " + StampOf(columns) + " from corvane_itemappinfo where " +
                       KeyedRowsCondition("xmbh", "?1"),
                   {number});
    LoadedProject loaded;
    if (!rows.Next()) return {};
    loaded.row = rows.Text(0);
    loaded.number = rows.Text(1);
    loaded.columns = columns;
    loaded.stamp = rows.Text(2);
    if (rows.Next() || rows.Failed()) return {};
    return loaded;
}

std::optional<std::string> StampNow(CAdoConnection& connection, const LoadedProject& project) {
    if (!project.IsLoaded()) return std::nullopt;
    return db::Scalar(connection, "select " + StampOf(project.columns) + " from corvane_itemappinfo where rowid = ?1",
                      {project.row});
}

bool FollowRename(const Renames& renames, LoadedProject& project) {
    return FollowRename(renames, project.number);
}

bool TakeWriteLock(CAdoConnection& connection) {
    // A statement that writes takes the lock (waiting out the busy timeout)
    // though it changes no row.
    return Execute(connection, "update corvane_itemappinfo set xmbh = xmbh where 0");
}

SaveResult CheckLoaded(CAdoConnection& connection, const LoadedProject& project) {
    if (!project.IsLoaded()) return SaveResult::ChangedElsewhere;
    // The number compared as the database compares numbers.
    // The stamped columns compared only where the view stamped some.
    Statement row(connection,
                  "select 1 from corvane_itemappinfo where rowid = ?1 and xmbh = ?2" +
                      (project.columns.empty() ? std::string() : " and " + StampOf(project.columns) + " = ?3"),
                  project.columns.empty() ? std::vector<std::string>{project.row, project.number}
                                          : std::vector<std::string>{project.row, project.number, project.stamp});
    if (row.Next()) return SaveResult::Saved;
    return row.Failed() ? SaveResult::Failed : SaveResult::ChangedElsewhere;
}

void TellChangedElsewhere() { ui::MessageBox(kChangedElsewhereMessage, "系统提示", MB_OK | MB_ICONEXCLAMATION); }

}  // namespace projectnumber
