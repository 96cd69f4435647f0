#include "foundation/DatabaseIndexes.h"

#include <iterator>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ProjectCategory.h"
#include "foundation/ProjectTables.h"
#include "foundation/Sql.h"
#include "foundation/Transaction.h"

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
    struct Completion {
        std::string full, values[4];
    };
    std::vector<Completion> completions;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        Completion c;
        for (long i = 0; i < 4; ++i) rs.GetFieldText(i, c.values[i]);
        c.full = projectcategory::FullCategory(c.values[0], {c.values[1], c.values[2], c.values[3]});
        if (c.full != c.values[0]) completions.push_back(c);
    }
    rs.Close();
    if (completions.empty()) return true;
    db::Statement update(connection,
                         "update CORVANE_ITEMAPPINFO set XMLB = ?1 where XMLB = ?2 and coalesce(JJBH, '') = ?3 "
                         "and coalesce(SQZNDM, '') = ?4 and coalesce(XMBH, '') = ?5 collate binary");
    for (const Completion& c : completions)
        if (!update.RunWith({c.full, c.values[0], c.values[1], c.values[2], c.values[3]})) return false;
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
