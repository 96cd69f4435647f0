#include "achievement/ResultChangeRecord.h"

#include <algorithm>

#include "application/ApplicationDb.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Sql.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

namespace resultchange {

const std::array<std::string, kColumnCount>& Columns() {
    static const std::array<std::string, kColumnCount> columns = [] {
        std::array<std::string, kColumnCount> c = {
            "XMBH",     "XMMC",     "XMJF",     "XMZZXM",   "ZZGH",       "ZZSJ",     "CYDW",       "LHCYDW",
            "YYZHNF",   "YYMC",     "YYBH",     "XHZHNF",   "XHMC",       "XHBH",     "MKZHNF",     "XMYJQJSZB",
            "XMYSJSZB", "QTMC",     "PZJG",     "XYJFX",    "JSYYQJ",     "XMFZRNL",  "XMFZRZC",    "ZGLDXM",
            "ZGLDGH",   "ZGLDSJ",   "GLRYXM",   "GLRYGH",   "GLRYSJ",     "YTPSHYCS", "LXHYSJ",     "XDSJ",
            "BFSJ",     "BFBL",     "JDJCHYCS", "JDJCSJ",   "JTJCHYCS",   "JTJCSJ",   "HXFZFXHYCS", "HXFZHYSJ",
            "YXZZPSHYCS", "YXZZHYSJ"};
        for (int i = 0; i < kCheckCount; ++i) c[kFirstCheck + i] = "CHECK" + std::to_string(i + 1);
        return c;
    }();
    return columns;
}

int RichSlot(int index) {
    for (int slot = 0; slot < int(kRichColumns.size()); ++slot)
        if (kRichColumns[slot] == index) return slot;
    return -1;
}

bool IsRichColumn(int index) { return RichSlot(index) >= 0; }

std::string RichScratchPath(const std::string& programFolder, int slot) {
    return sys::JoinPath(sys::JoinPath(programFolder, "temp"), "NewFrame_richedit" + std::to_string(slot + 1) + ".rtf");
}

const std::array<ChildTable, kChildCount>& ChildTables() {
    static const std::array<ChildTable, kChildCount> tables = {{
        {"CORVANE_NEW_RESULTCHANGE_JCYJ", {"XM", "GZDW", "JCYJFX"}, true},
        {"CORVANE_NEW_RESULTCHANGE_GGLL", {"XM", "MQGW", "ZYFG"}, true},
        {"CORVANE_NEW_RESULTCHANGE_YYSSGG", {"PX", "XM", "YYXMMC", "YYXMBH", "ZYFG"}, false},
        {"CORVANE_NEW_RESULTCHANGE_XHSSGG", {"PX", "XM", "XHXMMC", "XHXMBH", "ZYFG"}, false},
        {"CORVANE_NEW_RESULTCHANGE_GZZDLIST", {"GZZDLX", "GZZDMC", "FBSJ"}, true},
    }};
    return tables;
}

std::string SelectByKey(const std::string& table, const std::string& keyColumn, const std::string& key) {
    return "select * from " + table + " where " + keyColumn + "=" + db::QuoteLiteral(key);
}

bool RecordExists(CAdoConnection& connection, const std::string& number) {
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open("select xmbh from corvane_new_resultchange where xmbh=" + db::QuoteLiteral(number))) return false;
    return rs.GetRecordCount() >= 1;
}

std::string Field(CAdoRecordSet& recordset, const std::string& column) {
    std::string value;
    recordset.GetString(column, value);
    return value;
}

const std::array<std::string, 3>& RegulationTypes() {
    static const std::array<std::string, 3> types = {"预研基金立项论证、过程管理的规章制度",
                                                     "预研基金检查验收、经费使用的规章制度",
                                                     "预研基金成果管理、申报后续项目、转化奖励的规章制度"};
    return types;
}

}  // namespace resultchange
