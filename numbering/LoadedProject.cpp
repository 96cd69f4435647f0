#include "numbering/LoadedProject.h"

#include "numbering/NumberingSql.h"
#include "platform/ui/Services.h"

namespace projectnumber {

const char* const kChangedElsewhereMessage = "该项目已被其他程序修改或删除，未保存！请重新打开该项目。";
const char* const kListChangedElsewhereMessage = "所选项目已被其他程序修改或删除，未删除任何项目！请重新选择。";

LoadedProject LoadProject(CAdoConnection& connection, const std::string& number) {
    if (number.empty()) return {};
    Statement rows(connection, "select rowid, xmbh from corvane_itemappinfo where xmbh = ?1", {number});
    LoadedProject loaded;
    if (!rows.Next()) return {};
    loaded.row = rows.Text(0);
    loaded.number = rows.Text(1);
    if (rows.Next() || rows.Failed()) return {};
    return loaded;
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
    Statement row(connection, "select 1 from corvane_itemappinfo where rowid = ?1 and xmbh = ?2",
                  {project.row, project.number});
    if (row.Next()) return SaveResult::Saved;
    return row.Failed() ? SaveResult::Failed : SaveResult::ChangedElsewhere;
}

void TellChangedElsewhere() { ui::MessageBox(kChangedElsewhereMessage, "系统提示", MB_OK | MB_ICONEXCLAMATION); }

}  // namespace projectnumber
