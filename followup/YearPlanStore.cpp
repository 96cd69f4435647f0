#include "followup/YearPlanStore.h"

#include "application/ApplicationDb.h"
#include "application/ApplicationStore.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/LongBinary.h"
#include "foundation/ProjectTables.h"
#include "foundation/Sql.h"
#include "foundation/Transaction.h"

namespace yearplanstore {

namespace {

std::string PlanRowsQuery(const std::string& number) {
    return "select * from corvane_ITEMYEARPLAN where " +
           projecttables::KeyedRowsCondition("XMBH", db::QuoteLiteral(number));
}

std::string LongText(CAdoRecordSet& rs, const char* column) {
    std::string bytes;
    if (!ReadLongBinary(rs, column, bytes)) bytes.clear();
    return bytes;
}

std::string Text(CAdoRecordSet& rs, const char* column) {
    std::string value;
    rs.GetString(column, value);
    return value;
}

}  // namespace

RowTexts ListRows(CAdoConnection& connection, const std::string& selection) {
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open(selection.empty() ? appstore::QueryFormSelect() : selection)) return {};
    return ReadRowTexts(rs, {"xmlb", "nf", "xmbh", "sqzndm", "dwdm"});
}

bool ReadOverview(CAdoConnection& connection, const std::string& number, PlanOverview& overview) {
    overview = {};
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open(appstore::RowQuery(number)) || rs.IsEOF()) return false;
    overview.unit = Text(rs, "GZDW");
    overview.partner = Text(rs, "HZDW");
    overview.total = Text(rs, "PFJF");
    overview.allocated = Text(rs, "YBJF");
    overview.goals = LongText(rs, "YJMBNR");
    overview.completion = LongText(rs, "ZWCXS");
    return true;
}

std::vector<YearPlan> ReadYearPlans(CAdoConnection& connection, const std::string& number) {
    std::vector<YearPlan> plans;
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open(PlanRowsQuery(number))) return plans;
    for (; !rs.IsEOF(); rs.MoveNext())
        plans.push_back({Text(rs, "NF"), Text(rs, "NDJF"), Text(rs, "JDYQ"), LongText(rs, "NDYJMUYNR"),
                         LongText(rs, "NDWCXS")});
    return plans;
}

bool WriteOverview(CAdoConnection& connection, const std::string& number, const std::string& total,
                   const std::string& allocated, const std::string& completionFile) {
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    return db::InTransaction(connection, [&] {
        if (!rs.Open(appstore::RowQuery(number)) || rs.IsEOF()) return false;
        if (rs.SetString("PFJF", total) && rs.SetString("YBJF", allocated) &&
            rs.AppendChunkFromFile("ZWCXS", completionFile) && rs.Update())
            return true;
        rs.CancelUpdate();
        return false;
    });
}

bool WriteYearPlan(CAdoConnection& connection, const std::string& number, const std::string& year,
                   const std::string& funding, const std::string& schedule, const std::string& goalsFile,
                   const std::string& completionFile) {
    return db::InTransaction(connection, [&] {
        CAdoRecordSet rs;
        appdb::Bind(rs, connection);
        if (!rs.Open(PlanRowsQuery(number) + " and NF=" + db::QuoteLiteral(year))) return false;
        const bool ok = (!rs.IsEOF() || rs.AddNew()) && rs.SetString("XMBH", number) &&
                        rs.SetString("NDJF", funding) && rs.SetString("JDYQ", schedule) && rs.SetString("NF", year) &&
                        rs.AppendChunkFromFile("NDYJMUYNR", goalsFile) &&
                        rs.AppendChunkFromFile("NDWCXS", completionFile) && rs.Update();
        if (!ok) rs.CancelUpdate();
        return ok;
    });
}

bool DeletePlans(CAdoConnection& connection, const std::string& number) {
    return db::InTransaction(connection, [&] {
        return db::Statement(connection,
                             projecttables::DeleteWhere("corvane_ITEMYEARPLAN",
                                                        projecttables::KeyedRowsCondition("xmbh", "?1")),
                             {number})
                   .Run() &&
               appstore::ClearPlanColumns(connection, number);
    });
}

}  // namespace yearplanstore
