#include "foundation/DatabaseIndexes.h"

#include <iterator>
#include <vector>

#include "foundation/Transaction.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ProjectTables.h"

namespace {

struct IndexSpec {
    const char* table;
    const char* columns;
};

// One column each: rows that share a key come back in the order they were
// stored, as they did before the indexes, for the queries without an order.
// The project number of every keyed table (ProjectTables.h) has one too.
constexpr IndexSpec kIndexes[] = {
    {"CORVANE_ITEMAPPINFO", "NF"},  // the lists and reviews of one year
    {"CORVANE_RESULT_UNITCHANGE", "DWDM"},
    {"CORVANE_UNIT", "DWDM"},
    {"CORVANE_EXPERTINFO", "ID"},
    {"CORVANE_SPECGROUP", "JJBH"},
    {"CORVANE_LAB", "sysdm"},
    {"CORVANE_YEARFUNDGUIDE", "JJBH"},
    {"CORVANE_YEAR_STUDYSUBJECT", "JJBH"},
    {"CORVANE_YEAR_STUDYASPECT", "YJFXBH"},
    {"CORVANE_YEAR_STUDYASPECT", "JJBH"},
    {"CORVANE_FIVEFUNDGUIDE", "JJBH"},
    {"CORVANE_FIVE_STUDYSUBJECT", "JJBH"},
    {"CORVANE_FIVE_STUDYASPECT", "YJFXBH"},
    {"CORVANE_FIVE_STUDYASPECT", "JJBH"},
};

std::string IndexName(const IndexSpec& index) {
    std::string name = std::string("IX_") + index.table;
    for (const char* c = index.columns; *c; ++c)
        if (*c != ' ') name += *c == ',' ? '_' : *c;
    return name;
}

bool HasTable(CAdoConnection& connection, const char* table) {
    CAdoRecordSet rs;
    rs.SetConnection(&connection);
    rs.SetCursorLocation(adUseClient);
    return rs.Open(std::string("select * from ") + table + " where 1 = 0");
}

}  // namespace

bool EnsureIndexes(CAdoConnection& connection) {
    std::vector<IndexSpec> indexes(std::begin(kIndexes), std::end(kIndexes));
    for (const projecttables::KeyedTable& keyed : projecttables::ProjectKeyedTables())
        indexes.push_back({keyed.table, keyed.column});
    db::Transaction transaction(connection);
    if (!transaction.Began()) return false;
    for (const IndexSpec& index : indexes) {
        if (!HasTable(connection, index.table)) continue;
        const std::string sql = "CREATE INDEX IF NOT EXISTS " + IndexName(index) + " ON " + index.table + " (" +
                                index.columns + ")";
        if (!connection.Execute(sql)) return false;
    }
    return transaction.Commit();
}
