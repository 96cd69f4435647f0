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

}  // namespace projecttables
