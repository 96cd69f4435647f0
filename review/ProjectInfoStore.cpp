#include "review/ProjectInfoStore.h"

#include "review/FirstReviewDb.h"
#include "review/WorkflowSupport.h"
#include "platform/text/Text.h"

namespace projectinfo {

namespace {

std::string GroupQuery(const std::string& prefix) {
    return "select xmbh from corvane_itemappinfo where xmbh like '" + text::EscapeSql(prefix) + "%'";
}

bool IsNumberStored(CAdoConnection& connection, const std::string& number) {
    return firstreview::CountRows(&connection, "select xmbh from corvane_itemappinfo where xmbh = '" +
                                                   text::EscapeSql(number) + "'") > 0;
}

const char* const kApplicationColumns =
    "XMBH,XMMC,XMLB,SQZNDM,DWDM,NF,ZTC,MJ,SQRXM,GZDW,DXDZ,YZBM,DH,SQRQ,XMQSRQ,XMZZRQ,SQJE,SQRXB,SQRNL,XW,ZC,ZYTC,"
    "LSGX,HZDW,XMZRS,GJZC,ZJZC,CJZC,BSHRS,BSSRS,SSSRS,FIRSTAPPR";

}  // namespace

std::string Prefix(const std::string& guideCode, const std::string& year, const std::string& unitCode) {
    const std::string yearEnd = year.size() > 2 ? year.substr(year.size() - 2) : year;
    return guideCode + yearEnd + unitCode;
}

std::string SerialText(long serial) {
    const std::string digits = text::Format("%ld", serial);
    if (digits.size() == 1) return "00" + digits;
    if (digits.size() == 2) return "0" + digits;
    return digits;
}

std::string NextFreeNumber(CAdoConnection& connection, const std::string& prefix) {
    long serial = firstreview::CountRows(&connection, GroupQuery(prefix)) + 1;
    while (IsNumberStored(connection, prefix + SerialText(serial))) ++serial;
    return prefix + SerialText(serial);
}

bool MoveProjectRows(CAdoConnection& connection, const std::string& from, const std::string& to) {
    if (from == to) return true;
    const std::string set = " = '" + text::EscapeSql(to) + "' where ";
    const std::string old = " = '" + text::EscapeSql(from) + "'";
    return connection.Execute("update CORVANE_PROJECT_SQCY set ite_xmbh" + set + "ite_xmbh" + old) &&
           connection.Execute("update CORVANE_ITEMPF set xmbh" + set + "xmbh" + old) &&
           connection.Execute("update CORVANE_ITEMPLAN set xmbh" + set + "xmbh" + old);
}

bool RenumberGroup(CAdoConnection& connection, const std::string& prefix) {
    return firstreview::InTransaction(connection, [&] {
        CAdoRecordSet rs;
        if (!workflow::OpenQuery(rs, &connection, GroupQuery(prefix) + " order by xmbh")) return false;
        // In ascending order the i-th number is never below serial i, so
        // each number given is free.
        long serial = 0;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string old;
            if (!rs.GetString("xmbh", old)) return false;
            const std::string number = prefix + SerialText(++serial);
            if (number == old) continue;
            if (!rs.SetString("xmbh", number) || !rs.Update() || !MoveProjectRows(connection, old, number))
                return false;
        }
        return true;
    });
}

SaveOutcome SaveApplication(CAdoConnection& connection, const std::string& oldNumber, const std::string& newPrefix,
                            const Columns& columns) {
    SaveOutcome outcome{SaveResult::Failed, oldNumber};
    const std::string oldPrefix = firstreview::Part(oldNumber, 0, kPrefixLength);
    const bool renumbered = newPrefix != oldPrefix;
    const bool saved = firstreview::InTransaction(connection, [&] {
        std::string number = oldNumber;
        if (renumbered) {
            number = NextFreeNumber(connection, newPrefix);
            if (!MoveProjectRows(connection, oldNumber, number)) return false;
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
        if (renumbered && !RenumberGroup(connection, oldPrefix)) return false;
        outcome.number = number;
        return true;
    });
    if (saved) outcome.result = SaveResult::Saved;
    return outcome;
}

}  // namespace projectinfo
