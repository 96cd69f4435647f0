#include "foundation/CodeTables.h"

#include "foundation/AdoRecordSet.h"

namespace codetables {

std::vector<std::string> Names(CAdoConnection& connection, const std::string& table) {
    std::vector<std::string> names;
    CAdoRecordSet rs;
    rs.SetConnection(&connection);
    rs.SetCursorLocation(adUseClient);
    if (!rs.Open("select * from " + table)) return names;
    for (; !rs.IsEOF(); rs.MoveNext()) rs.GetString("NAME", names.emplace_back());
    return names;
}

}  // namespace codetables
