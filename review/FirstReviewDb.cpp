#include "review/FirstReviewDb.h"

#include "review/WorkflowSupport.h"

namespace firstreview {

long CountRows(CAdoConnection* connection, const std::string& sql) {
    CAdoRecordSet rs;
    if (!workflow::OpenQuery(rs, connection, sql)) return 0;
    const long count = rs.GetRecordCount();
    return count > 0 ? count : 0;
}

std::string Part(const std::string& text, std::size_t first, std::size_t count) {
    return first < text.size() ? text.substr(first, count) : std::string();
}

}  // namespace firstreview
