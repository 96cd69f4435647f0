#include "exchange/export/ExchangeExportStore.h"

#include <iterator>

#include "foundation/AdoRecordSet.h"
#include "foundation/Sql.h"
#include "platform/sys/Sys.h"

namespace exportstore {

namespace {

// The three parts of a guide bundle: the table and its scratch file.
struct BundlePart {
    const char* table;
    const char* scratch;
};
constexpr BundlePart kParts[] = {
    {"corvane_fivefundguide", "指南.xml"},
    {"corvane_five_studysubject", "专题.xml"},
    {"corvane_five_studyaspect", "研究方向.xml"},
};

void Bind(CAdoRecordSet& rs, CAdoConnection& connection) {
    rs.SetConnection(&connection);
    rs.SetCursorLocation(adUseClient);
}

// Saves the open recordset to the file, replacing a file at the path.
bool SaveTo(CAdoRecordSet& rs, const std::string& path) {
    sys::RemoveAll(sys::NativePath(path));
    return rs.Save(sys::NativePath(path), adPersistXML) != FALSE;
}

}  // namespace

std::vector<UnitName> Units(CAdoConnection& connection) {
    std::vector<UnitName> units;
    CAdoRecordSet rs;
    Bind(rs, connection);
    if (!rs.Open("select dwdm,dwmc from corvane_unit")) return units;
    while (!rs.IsEOF()) {
        UnitName unit;
        rs.GetFieldText(0, unit.code);
        rs.GetFieldText(1, unit.name);
        units.push_back(unit);
        if (!rs.MoveNext()) break;
    }
    return units;
}

bool SaveUnits(CAdoConnection& connection, const std::string& path) {
    CAdoRecordSet rs;
    Bind(rs, connection);
    return rs.Open("select * from corvane_unit") && SaveTo(rs, path);
}

std::vector<std::string> FundsDirectedTo(CAdoConnection& connection, const std::string& unitCode) {
    std::vector<std::string> funds;
    CAdoRecordSet rs;
    Bind(rs, connection);
    if (!rs.Open("select distinct JJBH from corvane_five_studyaspect where DWDM = " + db::QuoteLiteral(unitCode)))
        return funds;
    while (!rs.IsEOF()) {
        std::string fund;
        if (rs.GetString("JJBH", fund) && !fund.empty()) funds.push_back(fund);
        if (!rs.MoveNext()) break;
    }
    return funds;
}

std::vector<std::string> GuidePartNames() {
    std::vector<std::string> names;
    for (const BundlePart& part : kParts) names.emplace_back(part.scratch);
    return names;
}

bool SaveGuideParts(CAdoConnection& connection, const std::string& fund, const std::string& period,
                    const std::vector<std::string>& files) {
    if (files.size() != std::size(kParts)) return false;
    for (std::size_t i = 0; i < std::size(kParts); ++i) {
        CAdoRecordSet part;
        Bind(part, connection);
        const std::string sql = std::string("select * from ") + kParts[i].table + " where JJBH=" +
                                db::QuoteLiteral(fund) + " and FBNF=" + db::QuoteLiteral(period);
        if (!part.Open(sql) || (i == 0 && part.GetRecordCount() <= 0) || !SaveTo(part, files[i])) return false;
    }
    return true;
}

}  // namespace exportstore
