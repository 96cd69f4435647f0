#include "foundation/ProjectTables.h"

namespace projecttables {

const std::vector<KeyedTable>& ProjectKeyedTables() {
    static const std::vector<KeyedTable> tables = {
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
    };
    return tables;
}

std::string KeyedRowsCondition(const std::string& column, const std::string& value) {
    // Whether two stored applications hold the number in spellings that
    // differ only in case; both lookups go through the index of the numbers.
    const std::string pairHolds = "exists (select 1 from corvane_itemappinfo pair1, corvane_itemappinfo pair2 where "
                                  "pair1.xmbh = " + value + " and pair2.xmbh = " + value +
                                  " and pair1.xmbh <> pair2.xmbh collate binary)";
    return column + " = " + value + " and (" + column + " = " + value + " collate binary or not " + pairHolds + ")";
}

std::string DeleteWhere(const std::string& table, const std::string& condition) {
    return "delete from " + table + " where rowid in (select rowid from " + table + " where " + condition + ")";
}

}  // namespace projecttables
