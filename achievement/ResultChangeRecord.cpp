#include "achievement/ResultChangeRecord.h"

#include <algorithm>

#include "application/ApplicationDb.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/LongBinary.h"
#include "foundation/ProjectTables.h"
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
    return "select * from " + table + " where " + projecttables::KeyedRowsCondition(keyColumn, db::QuoteLiteral(key));
}

bool DeleteByKey(CAdoConnection& connection, const std::string& table, const std::string& keyColumn,
                 const std::string& key) {
    return db::Statement(connection, projecttables::DeleteWhere(table, projecttables::KeyedRowsCondition(keyColumn, "?1")),
                         {key})
        .Run();
}

bool RecordExists(CAdoConnection& connection, const std::string& number) {
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open("select xmbh from corvane_new_resultchange where " +
                 projecttables::KeyedRowsCondition("xmbh", db::QuoteLiteral(number))))
        return false;
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

std::vector<std::string> RegulationTypeNames(CAdoConnection& connection) {
    std::vector<std::string> names;
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open("select * from corvane_new_resultchange_gzzd")) return names;
    for (; !rs.IsEOF(); rs.MoveNext()) names.push_back(Field(rs, "NAME"));
    return names;
}

std::string ChooserQuery() { return "select xmmc,xmbh from corvane_new_resultchange order by xmbh"; }

bool ProjectName(CAdoConnection& connection, const std::string& number, std::string& name) {
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    return rs.Open("select xmmc from corvane_new_resultchange where " +
                   projecttables::KeyedRowsCondition("xmbh", db::QuoteLiteral(number))) &&
           !rs.IsEOF() && rs.GetString("xmmc", name);
}

std::string BuildResultQuery(const ResultQueryFields& fields) {
    std::string where;
    auto add = [&where](const std::string& clause) { where += clause + " and "; };
    if (fields.category == "重点项目") add("check13 = '是'");
    else if (fields.category != "全部基金") add("check13 = '否'");
    if (!fields.number.empty()) add("xmbh like " + db::QuoteLiteral(fields.number + "%"));
    if (!fields.name.empty()) add("xmmc = " + db::QuoteLiteral(fields.name));
    if (!fields.leader.empty()) add("xmzzxm = " + db::QuoteLiteral(fields.leader));
    if (!fields.unit.empty()) add("cydw = " + db::QuoteLiteral(fields.unit));
    if (!fields.jointUnit.empty()) add("lhcydw = " + db::QuoteLiteral(fields.jointUnit));
    if (where.empty()) return "select * FROM corvane_new_resultchange";
    where.resize(where.size() - 5);  // the last " and "
    return "select * from corvane_new_resultchange where " + where;
}

bool OpenList(CAdoRecordSet& rs, CAdoConnection& connection, const std::string& selection) {
    appdb::Bind(rs, connection);
    return rs.Open(selection.empty() ? "select * FROM corvane_new_resultchange" : selection);
}

db::Found ReadMainRow(CAdoConnection& connection, const std::string& number, const std::string& programFolder,
                      MainValues& values) {
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open(SelectByKey(kMainTable, "XMBH", number))) return db::Found::Failed;
    if (rs.IsEOF()) return db::Found::NoRow;
    for (int index = 0; index < kColumnCount; ++index) {
        const int slot = RichSlot(index);
        if (slot < 0) {
            values[index] = Field(rs, Columns()[index]);
            continue;
        }
        values[index] = RichScratchPath(programFolder, slot);
        LongBinaryToFile(rs, Columns()[index], values[index]);
    }
    return db::Found::Row;
}

std::vector<std::vector<std::string>> ReadChildRows(CAdoConnection& connection, int child, const std::string& number) {
    const ChildTable& table = ChildTables()[child];
    std::vector<std::vector<std::string>> rows;
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open(SelectByKey(table.table, "ITEM_XMBH", number))) return rows;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::vector<std::string> row;
        for (const std::string& column : table.stored) row.push_back(Field(rs, column));
        rows.push_back(row);
    }
    return rows;
}

bool WriteMainRow(CAdoConnection& connection, const MainValues& values, bool update) {
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    // The number's row: none for a new record, the one to rewrite otherwise.
    if (!rs.Open(SelectByKey(kMainTable, "XMBH", values[0]))) return false;
    const bool ready = !update ? rs.AddNew() != FALSE : !rs.IsEOF();
    bool written = ready;
    for (int index = 0; written && index < kColumnCount; ++index) {
        const std::string& column = Columns()[index];
        if (!IsRichColumn(index)) {
            written = rs.SetString(column, values[index]) != FALSE;
            continue;
        }
        std::string bytes;
        written = sys::ReadFile(values[index], bytes) && WriteLongBinary(rs, column, bytes);
    }
    if (!written) {
        if (ready) rs.CancelUpdate();
        return false;
    }
    return rs.Update() != FALSE;
}

bool WriteChildRows(CAdoConnection& connection, const std::string& number,
                    const std::array<GridRows, kChildCount>& grids) {
    for (int child = 0; child < kChildCount; ++child) {
        const ChildTable& table = ChildTables()[child];
        const std::string name = text::ToLowerAscii(table.table);
        // A refused delete would leave the old rows beside the new ones.
        if (!DeleteByKey(connection, name, "ITEM_XMBH", number)) return false;
        CAdoRecordSet rs;
        appdb::Bind(rs, connection);
        if (!rs.Open("select * from " + name + " where 1=0")) return false;
        for (const std::vector<std::string>& cells : grids[child]) {
            bool written = rs.AddNew() && rs.SetString("ITEM_XMBH", number);
            for (std::size_t i = 0; written && i < table.stored.size(); ++i) {
                const std::size_t column = std::size_t(table.GridColumnOf(int(i)));
                written = rs.SetString(table.stored[i], column < cells.size() ? cells[column] : std::string());
            }
            if (!written || !rs.Update()) {
                rs.CancelUpdate();
                return false;
            }
        }
    }
    return true;
}

bool DeleteRecord(CAdoConnection& connection, const std::string& number) {
    if (!DeleteByKey(connection, kMainTable, "XMBH", number)) return false;
    for (const ChildTable& child : ChildTables())
        if (!DeleteByKey(connection, child.table, "ITEM_XMBH", number)) return false;
    return true;
}

}  // namespace resultchange
