#include "foundation/DatabaseIndexes.h"

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"

namespace {

struct IndexSpec {
    const char* table;
    const char* columns;
};

// One column each: rows that share a key come back in the order they were
// stored, as they did before the indexes, for the queries without an order.
// Project numbers name the rows of a project in every table that holds them.
constexpr IndexSpec kIndexes[] = {
    {"CORVANE_ITEMAPPINFO", "XMBH"},
    {"CORVANE_PROJECT_SQCY", "ITE_XMBH"},
    {"CORVANE_GF", "XMBH"},
    {"CORVANE_LW", "XMBH"},
    {"CORVANE_ATTACH", "XMBH"},
    {"CORVANE_CGHB", "XMBH"},
    {"CORVANE_ITEMPF", "XMBH"},
    {"CORVANE_ITEMPLAN", "XMBH"},
    {"CORVANE_ITEMMANAGEINFO", "XMBH"},
    {"CORVANE_EXPERTJUDGE", "XMBH"},
    {"CORVANE_ITEMPROGRESS", "XMBH"},
    {"CORVANE_ITEMCHECKACCEPT", "XMBH"},
    {"CORVANE_ITEMYEARPLAN", "XMBH"},
    {"CORVANE_CGHZ", "XMBH"},
    {"CORVANE_NEW_RESULTCHANGE", "XMBH"},
    {"CORVANE_NEW_RESULTCHANGE_JCYJ", "ITEM_XMBH"},
    {"CORVANE_NEW_RESULTCHANGE_GGLL", "ITEM_XMBH"},
    {"CORVANE_NEW_RESULTCHANGE_YYSSGG", "ITEM_XMBH"},
    {"CORVANE_NEW_RESULTCHANGE_XHSSGG", "ITEM_XMBH"},
    {"CORVANE_NEW_RESULTCHANGE_GZZDLIST", "ITEM_XMBH"},
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
    if (connection.BeginTrans() < 1) return false;
    for (const IndexSpec& index : kIndexes) {
        if (!HasTable(connection, index.table)) continue;
        const std::string sql = "CREATE INDEX IF NOT EXISTS " + IndexName(index) + " ON " + index.table + " (" +
                                index.columns + ")";
        if (!connection.Execute(sql)) {
            connection.RollbackTrans();
            return false;
        }
    }
    return connection.CommitTrans() != FALSE;
}
