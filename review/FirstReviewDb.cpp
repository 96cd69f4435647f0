#include "review/FirstReviewDb.h"

#include "foundation/Sql.h"
#include "review/WorkflowSupport.h"

namespace firstreview {

long CountRows(CAdoConnection* connection, const std::string& sql, const std::vector<std::string>& values) {
    if (!connection) return 0;
    db::Statement rows(*connection, sql, values);
    long count = 0;
    while (rows.Next()) ++count;
    return rows.Failed() ? 0 : count;
}

std::vector<std::string> ProjectsOfCategories(CAdoConnection* connection, const std::vector<std::string>& categories,
                                              const std::string& year) {
    std::vector<std::string> numbers;
    if (!connection || categories.empty()) return numbers;
    std::string sql = "select XMBH from corvane_itemappinfo where XMLB in (";
    std::vector<std::string> values;
    for (const std::string& category : categories) {
        values.push_back(category);
        sql += (values.size() > 1 ? ", ?" : "?") + std::to_string(values.size());
    }
    values.push_back(year);
    sql += ") and NF = ?" + std::to_string(values.size()) + " order by XMBH";
    db::Statement projects(*connection, sql, values);
    while (projects.Next()) numbers.push_back(projects.Text(0));
    return numbers;
}

}  // namespace firstreview
