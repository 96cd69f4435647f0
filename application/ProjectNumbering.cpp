#include "application/ProjectNumbering.h"

#include "application/ApplicationDb.h"
#include "application/LeadingCharacters.h"
#include "platform/text/Text.h"

namespace projectnumber {

namespace {

// Gives the current row of `rs` the number `to` and moves its child rows.
bool Renumber(CAdoConnection& connection, CAdoRecordSet& rs, const std::string& from, const std::string& to) {
    if (from == to) return true;
    return rs.SetString("xmbh", to) && rs.Update() && MoveProjectRows(connection, from, to);
}

std::string LikePrefix(const std::string& prefix) {
    return "select xmbh from corvane_itemappinfo where xmbh like '" + text::EscapeSql(prefix) + "%'";
}

}  // namespace

bool MoveProjectRows(CAdoConnection& connection, const std::string& from, const std::string& to) {
    if (from == to) return true;
    const std::string set = " = '" + text::EscapeSql(to) + "' where ";
    const std::string old = " = '" + text::EscapeSql(from) + "'";
    return connection.Execute("update CORVANE_PROJECT_SQCY set ite_xmbh" + set + "ite_xmbh" + old) &&
           connection.Execute("update CORVANE_ITEMPF set xmbh" + set + "xmbh" + old) &&
           connection.Execute("update CORVANE_ITEMPLAN set xmbh" + set + "xmbh" + old);
}

std::string SerialText(long counter) {
    const std::string digits = text::Format("%ld", counter);
    if (digits.size() == 1) return "00" + digits;
    if (digits.size() == 2) return "0" + digits;
    return digits;
}

std::string Prefix(const std::string& guideCode, const std::string& year, const std::string& unitCode) {
    const std::string yearEnd = year.size() > 2 ? year.substr(year.size() - 2) : year;
    return guideCode + yearEnd + unitCode;
}

long CountUnderPrefix(CAdoConnection& connection, const std::string& prefix) {
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open(LikePrefix(prefix))) return 0;
    const long count = rs.GetRecordCount();
    return count > 0 ? count : 0;
}

bool IsNumberStored(CAdoConnection& connection, const std::string& number) {
    return appdb::HasRow(connection,
                         "select xmbh from corvane_itemappinfo where xmbh = '" + text::EscapeSql(number) + "'");
}

std::string NextNumber(CAdoConnection& connection, const std::string& prefix) {
    long serial = CountUnderPrefix(connection, prefix) + 1;
    while (IsNumberStored(connection, prefix + SerialText(serial))) ++serial;
    return prefix + SerialText(serial);
}

bool RenumberPrefix(CAdoConnection& connection, const std::string& prefix, Renames* renames) {
    Renames moved;
    const bool done = appdb::InTransaction(connection, [&] {
        CAdoRecordSet rs;
        appdb::Bind(rs, connection);
        if (!rs.Open(LikePrefix(prefix) + " order by xmbh")) return false;
        long counter = 0;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string old;
            const std::string number = prefix + SerialText(++counter);
            if (!rs.GetString("xmbh", old) || !Renumber(connection, rs, old, number)) return false;
            if (old != number) moved[old] = number;
        }
        return true;
    });
    if (done && renames) *renames = std::move(moved);
    return done;
}

bool RenumberAll(CAdoConnection& connection, Renames* renames) {
    Renames moved;
    const bool done = appdb::InTransaction(connection, [&] {
        CAdoRecordSet rs;
        appdb::Bind(rs, connection);
        // Marking first: no marked number can equal a number given below.
        if (!rs.Open("select xmbh from corvane_itemappinfo")) return false;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string old;
            if (!rs.GetString("xmbh", old) || !Renumber(connection, rs, old, old + "X")) return false;
        }
        if (!rs.Open("select xmbh, dwdm from corvane_itemappinfo order by dwdm, xmlb, xmbh")) return false;
        std::string unit;
        long counter = 0;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string marked, rowUnit;
            if (!rs.GetString("xmbh", marked) || !rs.GetString("dwdm", rowUnit)) return false;
            if (rowUnit != unit) {
                unit = rowUnit;
                counter = 0;
            }
            const std::string number = LeadingCharacters(marked, kPrefixLength) + SerialText(++counter);
            if (!Renumber(connection, rs, marked, number)) return false;
            const std::string former = marked.substr(0, marked.size() - 1);
            if (former != number) moved[former] = number;
        }
        return true;
    });
    if (done && renames) *renames = std::move(moved);
    return done;
}

}  // namespace projectnumber
