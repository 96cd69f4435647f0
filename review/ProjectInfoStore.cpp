#include "review/ProjectInfoStore.h"

#include "foundation/Transaction.h"
#include "foundation/Sql.h"
#include "numbering/ProjectRows.h"
#include "platform/text/Text.h"
#include "review/WorkflowSupport.h"

namespace projectinfo {

namespace {

const char* const kApplicationColumns =
    "XMBH,XMMC,XMLB,SQZNDM,DWDM,NF,ZTC,MJ,SQRXM,GZDW,DXDZ,YZBM,DH,SQRQ,XMQSRQ,XMZZRQ,SQJE,SQRXB,SQRNL,XW,ZC,ZYTC,"
    "LSGX,HZDW,XMZRS,GJZC,ZJZC,CJZC,BSHRS,BSSRS,SSSRS,FIRSTAPPR";

}  // namespace

SaveOutcome SaveApplication(CAdoConnection& connection, const std::string& oldNumber, const std::string& newPrefix,
                            const Columns& columns) {
    SaveOutcome outcome{SaveResult::Failed, oldNumber};
    projectnumber::Renames renames;
    const bool saved = db::InTransaction(connection, [&] {
        CAdoRecordSet rs;
        if (!workflow::OpenQuery(rs, &connection,
                                 std::string("select ") + kApplicationColumns +
                                     " from CORVANE_ITEMAPPINFO where XMBH=" + db::QuoteLiteral(oldNumber)))
            return false;
        if (rs.IsEOF()) {
            outcome.result = SaveResult::NoSuchProject;
            return false;
        }
        for (const auto& [column, value] : columns)
            if (!rs.SetString(column, value)) return false;
        if (!rs.Update()) return false;
        rs.Close();
        // A new guide code, year or unit code moves the project to its new
        // prefix in this transaction (nothing moves for the same prefix).
        return projectnumber::MoveToPrefix(connection, oldNumber, newPrefix, renames) ==
               projectnumber::RenumberResult::Done;
    });
    if (!saved) return outcome;
    outcome.result = SaveResult::Saved;
    projectnumber::FollowRename(renames, outcome.number);
    outcome.renames = std::move(renames);
    return outcome;
}

}  // namespace projectinfo
