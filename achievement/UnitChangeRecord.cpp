#include "achievement/UnitChangeRecord.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/CodeTables.h"
#include "foundation/ColumnLimits.h"
#include "foundation/RecordTexts.h"
#include "foundation/Sql.h"
#include "foundation/Transaction.h"
#include "platform/text/Text.h"

namespace unitchange {

namespace {

constexpr ControlKind E = ControlKind::Edit, C = ControlKind::Combo, K = ControlKind::Check;

// Control ids: 单位代码 1008 and 单位名称 1022, every other column 1030 + index.
constexpr int Id(int index) { return 1030 + index; }

}  // namespace

const std::array<Field, kColumnCount>& Fields() {
    static const std::array<Field, kColumnCount> fields = {{
        {"DWDM", 1, E, IDC_DWDM, "单位代码", nullptr},
        {"DWMC", 1, E, IDC_DWMC, "单位名称", nullptr},
        {"cdxmzs", 1, E, Id(2), "十年承担该类基金项目总数", nullptr},
        {"zyyydwxz", 1, C, Id(3), "主要应用单位性质", "corvane_resultchange_yydwxz"},
        {"zhyyfhzy", 1, C, Id(4), "转化应用后发挥的主要作用", "corvane_resultchange_fhzy"},
        {"zyzhqd", 1, C, Id(5), "主要转化渠道", "corvane_resultchange_zhqd"},
        {"cdxmzjf", 1, E, Id(6), "十年承担该类项目总经费（万元）", nullptr},
        {"cdzdxms", 1, E, Id(7), "十年承担重点项目总数", nullptr},
        {"cdzdxmzjf", 1, E, Id(8), "十年承担重点项目总经费（万元）", nullptr},
        {"cdybxmzjf", 1, E, Id(9), "十年承担一般项目总经费（万元）", nullptr},
        {"btzjf", 1, E, Id(10), "十年补贴该基金总经费（万元）", nullptr},
        {"cdybxms", 1, E, Id(11), "十年承担一般项目总数", nullptr},
        {"yzhyyxms", 1, E, Id(12), "已转化应用的项目总数", nullptr},
        {"yzhxmlxjf", 1, E, Id(13), "已转化项目的立项总经费", nullptr},
        {"zhzdxms", 1, E, Id(14), "已转化的重点项目数量", nullptr},
        {"zhzdxmzjf", 1, E, Id(15), "已转化的重点项目总经费（万元）", nullptr},
        {"zhybxms", 1, E, Id(16), "已转化的一般项目数量", nullptr},
        {"zhybxmzjf", 1, E, Id(17), "已转化的一般项目总经费（万元）", nullptr},
        {"wdwbtxmzhs", 1, E, Id(18), "无单位补贴项目的转化数量", nullptr},
        {"zryy973xmzs", 1, E, Id(19), "转入预研探索计划和国防973计划的项目总数", nullptr},
        {"zryyqtxms", 1, E, Id(20), "转入预研其他计划的项目总数", nullptr},
        {"zrxhxms", 1, E, Id(21), "转入型号研制计划的项目总数", nullptr},
        {"zrjk863xms", 1, E, Id(22), "转入军口863计划的项目总数", nullptr},
        {"zrjnkyxms", 1, E, Id(23), "转入军内科研等其他军口计划的项目总数", nullptr},
        {"zcrwxms", 1, E, Id(24), "支撑重要装备型号研制或重大演习、救灾、维稳反恐等任务的项目总数", nullptr},
        {"zrdwzzyfxms", 1, E, Id(25), "转入单位自主研发计划或国防科工局国防基础科研计划的项目数", nullptr},
        {"zrmkxms", 1, E, Id(26), "转入其他民口研究计划的项目数", nullptr},
        {"zrmysyxms", 1, E, Id(27), "转入民用商业领域的项目总数", nullptr},
        {"ys2zhnf", 1, E, Id(28), "从验收到转化的平均年份", nullptr},
        {"zrszjslyxms", 1, E, Id(29), "转入所在技术领域的项目总数", nullptr},
        {"zrszhylyxms", 1, E, Id(30), "转入所在行业领域的项目总数", nullptr},
        {"zhzjjxy", 1, E, Id(31), "转化后总的经济效益（万元）", nullptr},
        {"zhyyza", 1, E, Id(32), "转化应用的主要障碍", nullptr},
        {"yzhxmfzrzc", 2, C, Id(33), "已转化项目负责人的职称主体", "corvane_resultchange_xmfzrzc"},
        {"xpyyjfxs", 2, E, Id(34), "新培育研究方向的数量", nullptr},
        {"pycxyjyzhxms", 2, E, Id(35), "培育出新研究方向的已转化项目数量", nullptr},
        {"xpykzcxxms", 2, E, Id(36), "在新培育研究方向开展持续研究的已转化项目数量", nullptr},
        {"lyzlxms", 2, E, Id(37), "新培育研究方向成为所在领域主流或重要研究方向的已转化项目数量", nullptr},
        {"xpyzzyy", 2, E, Id(38), "新培育研究方向最后终止的主要原因", nullptr},
        {"yzhxmfzrnl", 2, E, Id(39), "已转化项目负责人的主要年龄段", nullptr},
        {"cjxmrs", 2, E, Id(40), "实际参加项目研究的平均人数", nullptr},
        {"zycyyzhxms", 2, E, Id(41), "项目组主要成员长期从事所属领域研究的已转化项目数量", nullptr},
        {"czwjsggzhxms", 2, E, Id(42), "项目组主要成员目前以成长为本单位技术骨干或学术带头人的转化项目数", nullptr},
        {"jlzqntdxms", 2, E, Id(43), "已建立了一支在所属领域潜心钻研的中青年团队的转化项目数量", nullptr},
        {"dwdcxms", 2, E, Id(44), "在立项、研究到成果转化全程统筹谋划方面得到单位督促与指导的已转化项目数", nullptr},
        {"dwzcxms", 2, E, Id(45), "在协调其他项目计划或推荐给用户单位方面得到单位支持的已转化项目数", nullptr},
        {"xxgtxms", 2, E, Id(46), "在信息沟通与成果共享方面得到单位支持的已转化项目数量", nullptr},
        {"gcfwzxxms", 2, E, Id(47), "向中国国防科技报告馆藏服务中心提交技术文档的已转化项目数", nullptr},
        {"lszrzgxms", 2, E, Id(48), "单位建立成果转化归口管理机构并落实专人专管的已转化项目数", nullptr},
        {"jlzcxms", 2, E, Id(49), "单位建立并落实成果转化奖励政策的已转化项目数量", nullptr},
        {"yxbmxms", 2, E, Id(50), "所在单位采取有效保密管理措施的已转化项目数", nullptr},
        {"lxrxm", 2, E, Id(51), "联系人姓名", nullptr},
        {"szbm", 2, E, Id(52), "所在部门", nullptr},
        {"lxdh", 2, E, Id(53), "联系电话（办公电话、移动电话）", nullptr},
        {"CHECK1", 2, K, Id(54), "单位管理部门是否督促各项目组从立项、研究到成果转化全程进行统筹谋划并提供技术指导", nullptr},
        {"CHECK2", 2, K, Id(55), "单位管理部门是否协调其他项目计划或推荐给用户单位以促进基金项目成果转化", nullptr},
        {"CHECK3", 2, K, Id(56), "单位管理部门是否建立信息沟通与成果共享平台", nullptr},
        {"CHECK4", 2, K, Id(57), "单位管理部门是否组织各项目组向中国国防科技报告馆藏服务中心提交技术文档", nullptr},
        {"CHECK5", 2, K, Id(58), "所在单位是否建立成果转化归口管理机构并落实专人专管", nullptr},
        {"CHECK6", 2, K, Id(59), "所在单位是否建立并落实成果转化奖励政策", nullptr},
        {"CHECK7", 2, K, Id(60), "单位管理部门是否采取有效的保密管理措施", nullptr},
    }};
    return fields;
}

std::string SelectByCode(const std::string& code) {
    return "select * from CORVANE_RESULT_UNITCHANGE where DWDM=" + db::QuoteLiteral(code);
}

Values Read(CAdoRecordSet& rs) {
    Values values;
    for (int i = 0; i < kColumnCount; ++i) rs.GetString(Fields()[i].column, values[i]);
    return values;
}

std::string FailureMessage(CAdoConnection& connection, const Values& values, const std::string& failure) {
    const ColumnLimits limits(connection, kTable);
    for (int i = 0; i < kColumnCount; ++i) {
        const Field& field = Fields()[i];
        if (!limits.FirstTooLong({{field.column, values[i]}}).empty())
            return TooLongMessage(field.caption, limits.Of(field.column), failure);
    }
    return failure;
}

bool Write(CAdoRecordSet& rs, const Values& values) {
    for (int i = 0; i < kColumnCount; ++i)
        if (!rs.SetString(Fields()[i].column, values[i])) return false;
    return true;
}

namespace {

void Bind(CAdoRecordSet& rs, CAdoConnection& connection) {
    rs.SetConnection(&connection);
    rs.SetCursorLocation(adUseClient);
}

// The new row of `values`, added to an empty result.
bool AddRecord(CAdoConnection& connection, const Values& values) {
    CAdoRecordSet rs;
    Bind(rs, connection);
    return rs.Open("select * from corvane_result_unitchange where 1 = 0") && rs.AddNew() && Write(rs, values) &&
           rs.Update();
}

}  // namespace

std::vector<std::string> CodeNames(CAdoConnection& connection, const std::string& codeTable) {
    return codetables::Names(connection, codeTable);
}

std::vector<std::string> ColumnNames() {
    std::vector<std::string> columns;
    for (const Field& field : Fields()) columns.emplace_back(field.column);
    return columns;
}

std::vector<std::vector<std::string>> ListRows(CAdoConnection& connection, const std::vector<const char*>& columns) {
    CAdoRecordSet rs;
    Bind(rs, connection);
    rs.Open("select * FROM corvane_result_unitchange");
    return ReadRowTexts(rs, columns);
}

bool OpenRecord(CAdoRecordSet& rs, CAdoConnection& connection, const std::string& code) {
    Bind(rs, connection);
    return rs.Open(SelectByCode(code)) != FALSE;
}

db::Found IsStoredUnit(CAdoConnection& connection, const std::string& code) {
    return db::HasRow(connection, "select DWDM from CORVANE_UNIT where DWDM = ?1", {code});
}

bool SaveRecord(CAdoConnection& connection, const Values& values, bool update) {
    if (!update) return db::InTransaction(connection, [&] { return AddRecord(connection, values); });
    return db::InTransaction(connection, [&] {
        CAdoRecordSet rs;
        return OpenRecord(rs, connection, values[0]) && !rs.IsEOF() && Write(rs, values) && rs.Update();
    });
}

bool ImportRecord(CAdoConnection& connection, const Values& values, bool replace) {
    // The old row goes only when the new one is written.
    return db::InTransaction(connection, [&] {
        if (replace &&
            !db::Statement(connection, "delete from CORVANE_RESULT_UNITCHANGE where DWDM = ?1", {values[0]}).Run())
            return false;
        return AddRecord(connection, values);
    });
}

}  // namespace unitchange
