#include "followup/AcceptanceStore.h"

#include "application/ApplicationStore.h"
#include "foundation/ProjectTables.h"
#include "foundation/Sql.h"
#include "review/ReviewStore.h"

namespace acceptancestore {

namespace {
const std::string kAcceptance = reviewstore::kAcceptanceTable;
const std::string kApplication = appstore::kApplicationTable;
}  // namespace

std::string RowQuery(const std::string& number) {
    return "select * from " + kAcceptance + " where " + projecttables::KeyedRowsCondition("xmbh", db::QuoteLiteral(number));
}

std::string WordQuery(const std::string& number) {
    return "select " + kApplication + ".xmbh,xmmc,xmlb,sqrxm,dh,gzdw,xmqsrq,xmzzrq,wcsj,tbsj from " + kApplication +
           " left join " + kAcceptance + " on " +
           projecttables::KeyedRowsCondition(kAcceptance + ".xmbh", kApplication + ".xmbh") + " where " +
           projecttables::KeyedRowsCondition(kApplication + ".xmbh", db::QuoteLiteral(number));
}

bool DeleteRow(CAdoConnection& connection, const std::string& number) {
    return db::Statement(connection, projecttables::DeleteWhere(kAcceptance, projecttables::KeyedRowsCondition("xmbh", "?1")),
                         {number})
        .Run();
}

}  // namespace acceptancestore
