#include "review/ProjectInfoStore.h"

#include "foundation/CodeTables.h"
#include "foundation/Transaction.h"
#include "numbering/LoadedProject.h"
#include "foundation/Sql.h"
#include "numbering/ProjectRows.h"
#include "platform/text/Text.h"
#include "review/WorkflowSupport.h"

namespace projectinfo {

namespace {

// The columns as the statements list them: "XMBH,XMMC,...".
std::string ColumnList() {
    std::string list;
    for (const std::string& column : ApplicationColumns()) list += (list.empty() ? "" : ",") + column;
    return list;
}

// Opens the project's application row, its columns those of the list.
bool OpenApplication(CAdoRecordSet& rs, CAdoConnection& connection, const std::string& number) {
    return workflow::OpenQuery(
        rs, &connection,
        "select " + ColumnList() + " from " + kApplicationTable + " where " +
            projectnumber::KeyedRowsCondition("XMBH", db::QuoteLiteral(number)));
}

}  // namespace

const char* const kApplicationTable = "corvane_ITEMAPPINFO";

const std::vector<std::string>& ApplicationColumns() {
    static const std::vector<std::string> columns = {
        "XMBH", "XMMC", "XMLB",  "SQZNDM", "DWDM",   "NF",   "ZTC",   "MJ",    "SQRXM", "GZDW",     "DXDZ",
        "YZBM", "DH",   "SQRQ",  "XMQSRQ", "XMZZRQ", "SQJE", "SQRXB", "SQRNL", "XW",    "ZC",       "ZYTC",
        "LSGX", "HZDW", "XMZRS", "GJZC",   "ZJZC",   "CJZC", "BSHRS", "BSSRS", "SSSRS", "FIRSTAPPR"};
    return columns;
}

bool LoadApplication(CAdoConnection& connection, const std::string& number, Columns& row) {
    // Read through a recordset, so numbers and dates show as the editor has
    // always shown them.
    CAdoRecordSet rs;
    if (!OpenApplication(rs, connection, number) || rs.IsEOF()) return false;
    row.clear();
    for (const std::string& column : ApplicationColumns()) {
        std::string value;
        rs.GetString(column, value);
        row.emplace_back(column, value);
    }
    return true;
}

std::vector<std::vector<std::string>> LoadMembers(CAdoConnection& connection, const std::string& number,
                                                  const std::vector<std::string>& columns) {
    std::vector<std::vector<std::string>> members;
    CAdoRecordSet rs;
    if (!workflow::OpenQuery(rs, &connection,
                             "select * from corvane_project_sqcy where " +
                                 projectnumber::KeyedRowsCondition("ite_xmbh",
                                                                   db::QuoteLiteral(number))))
        return members;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::vector<std::string>& member = members.emplace_back();
        for (const std::string& column : columns) rs.GetString(column, member.emplace_back());
    }
    return members;
}

std::vector<std::string> CodeNames(CAdoConnection& connection, const std::string& table) {
    return codetables::Names(connection, table);
}

SaveOutcome SaveApplication(CAdoConnection& connection, const projectnumber::LoadedProject& loaded,
                            const std::string& newPrefix, const Columns& columns) {
    SaveOutcome outcome{SaveResult::Failed, loaded.number};
    projectnumber::Renames renames;
    const projectnumber::SaveResult saved = projectnumber::SaveLoaded(connection, loaded, [&] {
        CAdoRecordSet rs;
        if (!OpenApplication(rs, connection, loaded.number) || rs.IsEOF()) return false;
        for (const auto& [column, value] : columns)
            if (!rs.SetString(column, value)) return false;
        if (!rs.Update()) return false;
        rs.Close();
        // A new guide code, year or unit code moves the project to its new
        // prefix in this transaction (nothing moves for the same prefix).
        if (projectnumber::MoveToPrefix(connection, loaded.number, newPrefix, renames) !=
            projectnumber::RenumberResult::Done)
            return false;
        // What the row holds now, before another program may write to it.
        const std::optional<std::string> stamp = projectnumber::StampNow(connection, loaded);
        if (stamp) outcome.stamp = *stamp;
        return stamp.has_value();
    });
    switch (saved) {
    case projectnumber::SaveResult::Saved: break;
    case projectnumber::SaveResult::ChangedElsewhere: outcome.result = SaveResult::ChangedElsewhere; return outcome;
    case projectnumber::SaveResult::Failed: return outcome;
    }
    outcome.result = SaveResult::Saved;
    projectnumber::FollowRename(renames, outcome.number);
    outcome.renames = std::move(renames);
    return outcome;
}

}  // namespace projectinfo
