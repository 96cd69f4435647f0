#include "review/ProjectInfoStore.h"

#include "numbering/ProjectRows.h"
#include "platform/text/Text.h"
#include "foundation/Transaction.h"
#include "review/FirstReviewDb.h"
#include "review/WorkflowSupport.h"
#include "platform/text/Text.h"

namespace projectinfo {

namespace {

const char* const kApplicationColumns =
    "XMBH,XMMC,XMLB,SQZNDM,DWDM,NF,ZTC,MJ,SQRXM,GZDW,DXDZ,YZBM,DH,SQRQ,XMQSRQ,XMZZRQ,SQJE,SQRXB,SQRNL,XW,ZC,ZYTC,"
    "LSGX,HZDW,XMZRS,GJZC,ZJZC,CJZC,BSHRS,BSSRS,SSSRS,FIRSTAPPR";

}  // namespace

SaveOutcome SaveApplication(CAdoConnection& connection, const std::string& oldNumber, const std::string& newPrefix,
                            const Columns& columns) {
    SaveOutcome outcome{SaveResult::Failed, oldNumber};
    const std::string oldPrefix = firstreview::Part(oldNumber, 0, kPrefixLength);
    const bool renumbered = newPrefix != oldPrefix;
    const bool saved = db::InTransaction(connection, [&] {
        std::string number = oldNumber;
        if (renumbered) {
            number = projectnumber::NextNumber(connection, newPrefix);
            if (!projectnumber::MoveProjectRows(connection, oldNumber, number)) return false;
        }
        CAdoRecordSet rs;
        if (!workflow::OpenQuery(rs, &connection,
                                 std::string("select ") + kApplicationColumns + " from CORVANE_ITEMAPPINFO where XMBH='" +
                                     text::EscapeSql(oldNumber) + "'"))
            return false;
        if (rs.IsEOF()) {
            outcome.result = SaveResult::NoSuchProject;
            return false;
        }
        if (renumbered && !rs.SetString("XMBH", number)) return false;
        for (const auto& [column, value] : columns)
            if (!rs.SetString(column, value)) return false;
        if (!rs.Update()) return false;
        rs.Close();
        if (renumbered && !projectnumber::RenumberPrefix(connection, oldPrefix)) return false;
        outcome.number = number;
        return true;
    });
    if (saved) outcome.result = SaveResult::Saved;
    return outcome;
}

}  // namespace projectinfo
