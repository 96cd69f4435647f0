#include "sysmanage/MasterDataStore.h"

#include "foundation/Sql.h"
#include "foundation/Transaction.h"

namespace masterstore {

namespace {

// `column` LIKE the text as a part, joined to `where` with "and".
void AddContains(std::string& where, const char* column, const std::string& text) {
    if (text.empty()) return;
    where += (where.empty() ? "" : " and ") + std::string(column) + " LIKE " + db::QuoteLiteral("%" + text + "%");
}

// The text of `column` in each record of `sql`, in order.
std::vector<std::string> ReadColumn(CAdoRecordSet& rs, const std::string& sql, const char* column) {
    std::vector<std::string> texts;
    rs.Open(sql);
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::string value;
        rs.GetString(column, value);
        texts.push_back(value);
    }
    rs.Close();
    return texts;
}

}  // namespace

bool OpenUnitList(CAdoRecordSet& rs, const std::string& code, const std::string& name) {
    const std::string c = db::QuoteLiteral(code);
    if (code.empty() && name.empty()) return rs.Open("SELECT * FROM CORVANE_UNIT ORDER BY DWDM ASC");
    if (!code.empty() && !name.empty())
        return rs.Open("SELECT * FROM CORVANE_UNIT where DWDM=" + c + " and DWMC=" + db::QuoteLiteral(name) +
                       " ORDER BY DWDM ASC");
    if (!code.empty()) return rs.Open("SELECT * FROM CORVANE_UNIT where DWDM=" + c);
    return rs.Open("SELECT * FROM CORVANE_UNIT where DWMC LIKE " + db::QuoteLiteral("%" + name + "%") +
                   " ORDER BY DWDM ASC");
}

bool OpenUnitsInOrder(CAdoRecordSet& rs) { return rs.Open("SELECT * FROM CORVANE_UNIT order by dwdm"); }

bool OpenUnits(CAdoRecordSet& rs) { return rs.Open("select * from corvane_unit"); }

bool OpenExpertList(CAdoRecordSet& rs, const std::string& category, const std::string& name) {
    std::string where;
    AddContains(where, "SSJJLB", category);
    AddContains(where, "XM", name);
    return rs.Open("SELECT * FROM CORVANE_EXPERTINFO " + (where.empty() ? "" : "where " + where + " ") +
                   "ORDER BY ID ASC");
}

bool OpenLabList(CAdoRecordSet& rs, const std::string& outwardName, const std::string& hostUnit) {
    std::string where;
    AddContains(where, "sysdwmc", outwardName);
    AddContains(where, "ytdw", hostUnit);
    return rs.Open("SELECT * FROM CORVANE_LAB " + (where.empty() ? "" : "where " + where + " ") + "ORDER BY sysdm ASC");
}

bool OpenSpecGroupList(CAdoRecordSet& rs, const std::string& fundNumber, const std::string& hostUnit) {
    const std::string select = "SELECT * FROM corvane_specgroup ";
    if (fundNumber.empty() && hostUnit.empty()) return rs.Open(select + "ORDER BY JJBH ASC");
    if (hostUnit.empty()) return rs.Open(select + "where JJBH=" + db::QuoteLiteral(fundNumber));
    if (fundNumber.empty())
        return rs.Open(select + "where YTDW LIKE " + db::QuoteLiteral("%" + hostUnit + "%") + " ORDER BY JJBH ASC");
    return rs.Open(select + "where JJBH=" + db::QuoteLiteral(fundNumber) + " and YTDW=" + db::QuoteLiteral(hostUnit) +
                   " ORDER BY JJBH ASC");
}

bool OpenRecord(CAdoRecordSet& rs, const char* table, const char* keyColumn, const std::string& key) {
    return rs.Open(std::string("select * from ") + table + " where " + keyColumn + "=" + db::QuoteLiteral(key));
}

bool OpenUnit(CAdoRecordSet& rs, const std::string& code) { return OpenRecord(rs, "corvane_unit", "dwdm", code); }

bool OpenUser(CAdoRecordSet& rs, const std::string& name) {
    return rs.Open("select * from CORVANE_USERS where YHM = " + db::QuoteLiteral(name));
}

std::vector<std::string> FundNumbers(CAdoRecordSet& rs) {
    return ReadColumn(rs, "select JJBH from CORVANE_SPECGROUP order by JJBH", "JJBH");
}

std::vector<std::string> TitleNames(CAdoRecordSet& rs) { return ReadColumn(rs, "select * from corvane_zd_zc", "NAME"); }

bool DeleteRecords(CAdoConnection& connection, const char* table, const char* keyColumn,
                   const std::vector<std::string>& keys) {
    return db::InTransaction(connection, [&] {
        db::Statement remove(connection, std::string("delete from ") + table + " where " + keyColumn + " = ?1");
        for (const std::string& key : keys)
            if (!remove.RunWith({key})) return false;
        return true;
    });
}

bool DeleteUnits(CAdoConnection& connection, const std::vector<std::string>& codes) {
    return DeleteRecords(connection, "corvane_unit", "dwdm", codes);
}

}  // namespace masterstore
