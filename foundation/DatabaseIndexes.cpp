#include "foundation/DatabaseIndexes.h"

#include <iterator>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ProjectCategory.h"
#include "foundation/ProjectTables.h"
#include "foundation/Transaction.h"
#include "platform/text/Text.h"

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

// The applications stored with a short category get its full name, as a
// save or an import would store it now.
bool CompleteShortCategories(CAdoConnection& connection) {
    if (!HasTable(connection, "CORVANE_ITEMAPPINFO")) return true;
    CAdoRecordSet rs;
    rs.SetConnection(&connection);
    rs.SetCursorLocation(adUseClient);
    if (!rs.Open("select distinct XMLB, JJBH, SQZNDM, XMBH from CORVANE_ITEMAPPINFO "
                 "where XMLB in ('一般项目', '重点项目')"))
        return false;
    // Rows alike in these columns are completed alike: one update each.
    std::vector<std::string> updates;
    const auto quoted = [](const std::string& value) { return "'" + text::EscapeSql(value) + "'"; };
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::string values[4];
        for (long i = 0; i < 4; ++i) rs.GetFieldText(i, values[i]);
        const std::string full = projectcategory::FullCategory(values[0], {values[1], values[2], values[3]});
        if (full == values[0]) continue;
        updates.push_back("update CORVANE_ITEMAPPINFO set XMLB = " + quoted(full) + " where XMLB = " +
                          quoted(values[0]) + " and coalesce(JJBH, '') = " + quoted(values[1]) +
                          " and coalesce(SQZNDM, '') = " + quoted(values[2]) + " and coalesce(XMBH, '') = " +
                          quoted(values[3]) + " collate binary");
    }
    rs.Close();
    for (const std::string& update : updates)
        if (!connection.Execute(update)) return false;
    return true;
}

}  // namespace

bool EnsureIndexes(CAdoConnection& connection) {
    std::vector<IndexSpec> indexes(std::begin(kIndexes), std::end(kIndexes));
    for (const projecttables::KeyedTable& keyed : projecttables::ProjectKeyedTables())
        indexes.push_back({keyed.table, keyed.column});
    return db::InTransaction(connection, [&] {
        for (const IndexSpec& index : indexes) {
            if (!HasTable(connection, index.table)) continue;
            const std::string sql = "CREATE INDEX IF NOT EXISTS " + IndexName(index) + " ON " + index.table + " (" +
                                    index.columns + ")";
            if (!connection.Execute(sql)) return false;
        }
        return CompleteShortCategories(connection);
    });
}
