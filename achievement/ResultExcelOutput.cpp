#include "achievement/ResultExcelOutput.h"

#include <algorithm>

#include "achievement/ResultChangeRecord.h"
#include "application/ApplicationDb.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/LongBinary.h"
#include "platform/office/Excel.h"
#include "platform/richtext/PlainText.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Services.h"

namespace resultchange {

namespace {

using namespace office::excel;

constexpr int kKeyColumn = 1;

void Border(const Range& range) { range.BorderAround(xlContinuous, xlThin, xlColorIndexAutomatic); }

void BorderEachCell(const Range& row) {
    for (int column = 1; column <= row.ColumnsCount(); ++column) Border(row.Item(1, column));
}

Range RowRange(const Worksheet& sheet, int row, int columns) {
    return sheet.Range(text::Format("A%d", row), ColumnName(columns) + std::to_string(row));
}

void WriteHeader(const Worksheet& sheet, const ExcelTable& table) {
    const Range row = RowRange(sheet, 1, int(table.headers.size()));
    for (int c = 0; c < int(table.headers.size()); ++c) row.Item(1, c + 1).SetValue(table.headers[c]);
    row.Font().SetBold(true);
    row.Font().SetSize(11);
    row.SetRowHeight(table.headerRowHeight);
    row.SetHorizontalAlignment(xlCenter);
    row.SetVerticalAlignment(xlCenter);
    row.SetWrapText(true);
    BorderEachCell(row);
    sheet.PageSetup().SetPaperSize(table.paperSize);
    for (std::size_t c = 0; c < table.columnWidths.size(); ++c) row.Item(1, int(c) + 1).SetColumnWidth(table.columnWidths[c]);
}

void WriteRow(const Worksheet& sheet, const ExcelTable& table, int r, const std::vector<std::string>& values) {
    const Range row = RowRange(sheet, r, int(table.headers.size()));
    row.Font().SetSize(10);
    row.SetRowHeight(table.dataRowHeight);
    row.SetVerticalAlignment(xlCenter);
    row.SetWrapText(true);
    for (int c : table.amountColumns) row.Item(1, c).SetNumberFormat("0.00");
    // Codes, project numbers and telephone numbers as written, whatever their digits.
    for (int c = 0; c < int(table.headers.size()); ++c)
        if (HoldsCodes(table.headers[c])) row.Item(1, c + 1).SetNumberFormat("@");
    for (int c : table.centredColumns) row.Item(1, c).SetHorizontalAlignment(xlCenter);
    for (int c = 0; c < int(values.size()) && c < int(table.headers.size()); ++c) row.Item(1, c + 1).SetValue(values[c]);
    BorderEachCell(row);
}

void WriteTotal(const Worksheet& sheet, const ExcelTable& table, int lastDataRow) {
    const int t = lastDataRow + 1;
    const Range label = sheet.Range(text::Format("A%d", t), text::Format("H%d", t));
    label.Merge(false);
    label.Font().SetSize(12);
    label.SetRowHeight(33);
    label.Item(1, 1).SetValue("合计");
    Border(label);
    const Range sum = sheet.Range(text::Format("I%d", t));
    sum.Font().SetSize(12);
    if (std::find(table.amountColumns.begin(), table.amountColumns.end(), 9) != table.amountColumns.end())
        sum.SetNumberFormat("0.00");  // the sum of amounts as they are shown
    sum.SetValue(text::Format("=SUM(I%d:I%d)", 2, lastDataRow));
    Border(sum);
    Border(sheet.Range(text::Format("J%d", t)));
}

// The record's row of CORVANE_NEW_RESULTCHANGE as column -> text.
struct Record {
    explicit Record(CAdoConnection& connection, const std::string& number) {
        appdb::Bind(rs, connection);
        found = rs.Open(SelectByKey(kMainTable, "XMBH", number)) && !rs.IsEOF();
    }
    std::string operator[](const char* column) { return found ? Field(rs, column) : std::string(); }
    bool Ticked(int n) { return IsTicked((*this)[("CHECK" + std::to_string(n)).c_str()]); }
    std::string PlainText(const char* column) {
        std::string bytes;
        if (!found || !ReadLongBinary(rs, column, bytes) || bytes.empty()) return {};
        return richtext::PlainTextOfRtf(bytes);
    }
    CAdoRecordSet rs;
    bool found = false;
};

std::string Category(Record& r) { return r.Ticked(13) ? "重点项目" : "一般项目"; }
std::string Transferred(Record& r, int n) { return r.Ticked(n) ? "已转入" : "未转入"; }
std::string YesNo(Record& r, int n) { return r.Ticked(n) ? "有" : "无"; }

std::string PreResearchKind(Record& r) {
    if (r.Ticked(3)) return "预研探索计划";
    if (r.Ticked(4)) return "国防973计划";
    if (r.Ticked(5)) return "预研专项计划";
    return "应用开发计划";
}

// The first of three check columns that is ticked names the role.
std::string SupportRole(Record& r, int first) {
    if (r.Ticked(first)) return "支撑了转入项目立项论证与申报";
    if (r.Ticked(first + 1)) return "支撑了分系统或部（组）件设计与制造";
    if (r.Ticked(first + 2)) return "支撑了整机或核心部件设计与制造";
    return "支撑了转入项目实验验证";
}

// Listing and name of the unit's innovation platform, read from the boxes
// that hold them on the information page: CHECK21 (listed) and CHECK23,
// CHECK24 (the two named kinds; otherwise the free name QTMC).
std::string PlatformListing(Record& r) {
    return r.Ticked(21) ? "被列入本单位获得批准的一个研究方向" : "未列入本单位获得批准的主要研究方向";
}

std::string PlatformName(Record& r) {
    if (r.Ticked(23)) return "国防科技重点实验室批复的研究方向";
    if (r.Ticked(24)) return "科研院所主要研究方向";
    return r["QTMC"];
}

// Rows of a child table of the project whose `column` satisfies `counts`.
template <class Counts>
int CountChildRows(CAdoConnection& connection, const std::string& table, const std::string& number,
                   const char* column, Counts counts) {
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open(SelectByKey(table, "ITEM_XMBH", number))) return 0;
    int count = 0;
    for (; !rs.IsEOF(); rs.MoveNext())
        if (counts(Field(rs, column))) ++count;
    return count;
}

std::string StaffCount(CAdoConnection& connection, int child, const std::string& number) {
    return std::to_string(CountChildRows(connection, ChildTables()[child].table, number, "XM",
                                         [](const std::string& name) { return !name.empty(); }));
}

std::string RegulationCount(CAdoConnection& connection, int type, const std::string& number) {
    const std::string& wanted = RegulationTypes()[type];
    return std::to_string(CountChildRows(connection, ChildTables()[kGzzdlist].table, number, "gzzdlx",
                                         [&wanted](const std::string& kind) { return kind == wanted; }));
}

}  // namespace

std::vector<std::string> TickedKeys(const ui::ListCtrl& list) {
    std::vector<std::string> keys;
    for (int i = 0; i < list.GetItemCount(); ++i)
        if (list.GetCheck(i)) keys.push_back(list.GetItemText(i, kKeyColumn));
    return keys;
}

void OutputTickedRows(ui::Wnd& owner, const ui::ListCtrl& list, const ExcelTable& table, const char* title,
                      const RowValues& rowValues) {
    const std::vector<std::string> keys = TickedKeys(list);
    if (keys.empty()) {
        owner.MessageBox("请选择输出项目！", "提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    auto excel = Application::Create();
    if (!excel) {
        owner.MessageBox("Excel启动失败!");
        return;
    }
    const Workbook book =
        excel->Workbooks().Add(sys::JoinPath(sys::JoinPath(sys::ProgramFolder(), "模板"), "申请表.xls"));
    const Worksheet sheet = book.Sheets().Item("sheet1");
    if (!sheet.IsValid()) {
        // Nothing half-made stays behind in a hidden Excel.
        const std::string error = book.IsValid() ? "模板中没有工作表 sheet1" : excel->LastError();
        excel->Quit();
        owner.MessageBox(error, "提示", MB_OK | MB_ICONERROR);
        return;
    }
    book.SetTitle(title);
    WriteHeader(sheet, table);
    int row = 1;
    for (const std::string& key : keys) {
        ++row;
        WriteRow(sheet, table, row, rowValues(key, row - 1));
    }
    if (table.totalRow) WriteTotal(sheet, table, row);
    excel->SetVisible(true);
}

const ExcelTable& InformationTable() {
    static const ExcelTable table{{"序号",
                                   "项目名称",
                                   "项目编号",
                                   "项目组长姓名",
                                   "项目经费(万元)",
                                   "项目类别",
                                   "承研单位",
                                   "转入预研情况",
                                   "预研从验收到转化的年份",
                                   "预研项目名称",
                                   "预研项目编号",
                                   "转入预研类别",
                                   "预研支撑作用",
                                   "转入型号情况",
                                   "型号从验收到转化的年份",
                                   "型号项目名称",
                                   "型号项目编号",
                                   "型号支撑作用",
                                   "转入民口领域",
                                   "民口从验收到转化的年份",
                                   "技术指标提升情况",
                                   "是否列入单位技术创新平台",
                                   "单位技术创新平台名称",
                                   "新研究方向的名称",
                                   "军事应用背景",
                                   "验收时项目负责人年龄",
                                   "验收时项目负责人职称",
                                   "为预研项目输送骨干人数",
                                   "为型号项目输送骨干人数",
                                   "凝聚长期从事基础研究的人数",
                                   "培养科研管理骨干人数",
                                   "所在单位主管领导姓名",
                                   "预研基金专职管理人员姓名",
                                   "涉及预研基金立项论证、过程管理的规章制度数目",
                                   "涉及预研基金检查验收、经费使用的规章制度数目",
                                   "涉及预研基金成果管理、申请后续项目、转化奖励规章制度数目",
                                   "立项论证研讨与评审的会议次数",
                                   "预研基金年度计划是否下达通知",
                                   "是否及时拨付经费",
                                   "组织节点检查的会议次数",
                                   "组织结题检查的会议次数",
                                   "讨论基金项目后续发展方向的会议次数",
                                   "基金项目组申报后续项目得到优先资助的评审会议次数"},
                                  100,
                                  false,
                                  60,
                                  xlPaperA3};
    return table;
}

const ExcelTable& ProjectListTable() {
    static const ExcelTable table{{"序号", "项目编号", "项目名称", "项目类别", "项目经费(万元)", "项目负责人",
                                   "联系电话", "承研单位", "联合承研单位", "备注"},
                                  36,
                                  false,
                                  33,
                                  xlPaperA4,
                                  // The twenty-character project number and the
                                  // units' names on lines of their own.
                                  {5, 24, 30, 10, 9, 9, 14, 28, 24, 8},
                                  {5},
                                  {1, 4, 6}};
    return table;
}

std::vector<std::string> InformationRow(CAdoConnection& connection, const std::string& number, int runningNumber) {
    Record r(connection, number);
    const std::string indicators =
        "研究前:" + r.PlainText("XMYJQJSZB") + "\n" + "验收时：" + r.PlainText("XMYSJSZB");
    return {std::to_string(runningNumber),
            r["XMMC"],
            r["XMBH"],
            r["XMZZXM"],
            r["XMJF"],
            Category(r),
            r["CYDW"],
            Transferred(r, 1),
            r["YYZHNF"],
            r["YYMC"],
            r["YYBH"],
            PreResearchKind(r),
            SupportRole(r, 7),
            Transferred(r, 15),
            r["XHZHNF"],
            r["XHMC"],
            r["XHBH"],
            SupportRole(r, 17),
            Transferred(r, 11),
            r["MKZHNF"],
            indicators,
            PlatformListing(r),
            PlatformName(r),
            r["XYJFX"],
            r.PlainText("JSYYQJ"),
            r["XMFZRNL"],
            r["XMFZRZC"],
            StaffCount(connection, kYyssgg, number),
            StaffCount(connection, kXhssgg, number),
            StaffCount(connection, kJcyj, number),
            StaffCount(connection, kGgll, number),
            r["ZGLDXM"],
            r["GLRYXM"],
            RegulationCount(connection, 0, number),
            RegulationCount(connection, 1, number),
            RegulationCount(connection, 2, number),
            r["YTPSHYCS"],
            YesNo(r, 26),
            YesNo(r, 28),
            r["JDJCHYCS"],
            r["JTJCHYCS"],
            r["HXFZFXHYCS"],
            r["YXZZPSHYCS"]};
}

std::vector<std::string> ProjectListRow(CAdoConnection& connection, const std::string& number, int runningNumber) {
    Record r(connection, number);
    return {std::to_string(runningNumber), r["XMBH"], r["XMMC"], Category(r), r["XMJF"], r["XMZZXM"],
            r["ZZSJ"],                     r["CYDW"], r["LHCYDW"], ""};
}

}  // namespace resultchange
