#include "application/DlgOutputList.h"

#include <array>

#include "application/Dlgproappl.h"
#include "platform/office/Excel.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Services.h"

namespace {

using namespace office::excel;

const COLORREF kPanelBackground = RGB(242, 246, 255);

void ThinBorder(const Range& range) { range.BorderAround(xlContinuous, xlThin, xlColorIndexAutomatic); }

void BorderEachCell(const Range& row) {
    for (int column = 1; column <= row.ColumnsCount(); ++column) ThinBorder(row.Item(1, column));
}

void WriteHeading(Worksheet& sheet) {
    static const std::array<const char*, 10> kHeadings = {"序号", "指南代码", "项目编号", "项目名称", "项目类别",
                                                          "起止年月", "申请人", "职称", "申请经费(万元)", "备注"};
    Range row = sheet.Range("A1", "J1");
    for (int column = 1; column <= int(kHeadings.size()); ++column) row.Item(1, column).SetValue(kHeadings[column - 1]);
    row.Font().SetBold(true);
    row.Font().SetSize(11);
    row.SetRowHeight(33);
    BorderEachCell(row);
}

// One project on sheet row `r`, read from the current row of `rs`; a
// number without a row gives its running number and " - " only.
void WriteProject(Worksheet& sheet, int r, int count, CAdoRecordSet& rs) {
    auto field = [&rs](const char* name) {
        std::string value;
        rs.GetString(name, value);
        return value;
    };
    const std::string number = field("XMBH");
    Range row = sheet.Range(text::Format("A%d", r), text::Format("J%d", r));
    row.Font().SetSize(10);
    row.SetRowHeight(36);
    row.SetVerticalAlignment(xlCenter);  // one line of text in the middle of the row
    row.SetWrapText(true);
    const std::string cells[] = {std::to_string(count), number.substr(0, 11),
                                 number, field("XMMC"), field("XMLB"), field("XMQSRQ") + " - " + field("XMZZRQ"),
                                 field("SQRXM"), field("ZC"), field("SQJE")};
    for (int column = 1; column <= int(std::size(cells)); ++column) row.Item(1, column).SetValue(cells[column - 1]);
    BorderEachCell(row);
}

void WriteTotal(Worksheet& sheet, int lastRow) {
    const int t = lastRow + 1;
    Range label = sheet.Range(text::Format("A%d", t), text::Format("H%d", t));
    label.Merge(false);
    label.Font().SetSize(12);
    label.SetRowHeight(33);
    label.Item(1, 1).SetValue("合计");
    ThinBorder(label);
    Range sum = sheet.Range(text::Format("I%d", t));
    sum.Font().SetSize(12);
    sum.SetValue(text::Format("=SUM(I%d:I%d)", 2, lastRow));
    ThinBorder(sum);
    ThinBorder(sheet.Range(text::Format("J%d", t)));
}

}  // namespace

CDlgOutputList::CDlgOutputList(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapClicked(IDC_SELECT_ALL, [this] { OnSelectAll(); });
    MapClicked(IDC_INVERT, [this] { OnInvert(); });
    MapClicked(IDC_EXPORT_EXCEL, [this] { OutputExcel(); });
    // The icon buttons and a double click pass to the form view that owns the list.
    const std::pair<int, void (CDlgproappl::*)()> commands[] = {
        {IDC_BTN_IMPORT, &CDlgproappl::OnBtnImportPartial}, {IDC_BTN_PROEXP, &CDlgproappl::OnBtnProexp},
        {IDC_BTN_PROQUERY, &CDlgproappl::OnBtnProquery},    {IDC_BTN_PRODEL, &CDlgproappl::OnBtnProdel},
        {IDC_BTN_SORT, &CDlgproappl::OnButtonSort},
    };
    for (const auto& [id, command] : commands)
        MapClicked(id, [this, command = command] {
            if (CDlgproappl* view = View()) (view->*command)();
        });
    MapNotify(IDC_LIST_PROLIST, NM_DBLCLK, [this](const ui::NotifyInfo& info) {
        LRESULT result = 0;
        if (CDlgproappl* view = View()) view->OnDblclkListProlist(&info, &result);
    });
}

CDlgproappl* CDlgOutputList::View() const { return dynamic_cast<CDlgproappl*>(GetParent()); }

const ui::DialogTemplate& CDlgOutputList::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 753, 124}, {
        {Kind::ListCtrl, IDC_LIST_PROLIST, "", {5, 6, 624, 112},
         WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS},
        {Kind::GroupBox, IDC_STATIC, "操作", {636, 6, 62, 112}},
        {Kind::PushButton, IDC_SELECT_ALL, "全选", {643, 24, 48, 16}, WS_TABSTOP},
        {Kind::PushButton, IDC_INVERT, "反选", {643, 52, 48, 16}, WS_TABSTOP},
        {Kind::PushButton, IDC_EXPORT_EXCEL, "导出Excel", {643, 80, 48, 16}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_PRODEL, "", {712, 2, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_PROQUERY, "", {712, 26, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_PROEXP, "", {712, 50, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_IMPORT, "", {712, 74, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_SORT, "", {712, 98, 23, 21}, WS_TABSTOP},
    }, WS_CHILD};
    return t;
}

ui::ListCtrl& CDlgOutputList::List() const { return *Item<ui::ListCtrl>(IDC_LIST_PROLIST); }

BOOL CDlgOutputList::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kPanelBackground);
    m_btnProdel.SubclassDlgItem(IDC_BTN_PRODEL, this);
    m_btnProquery.SubclassDlgItem(IDC_BTN_PROQUERY, this);
    m_btnProexp.SubclassDlgItem(IDC_BTN_PROEXP, this);
    m_btnImport.SubclassDlgItem(IDC_BTN_IMPORT, this);
    m_btnSort.SubclassDlgItem(IDC_BTN_SORT, this);
    return TRUE;
}

void CDlgOutputList::InitProjectList() {
    ui::ListCtrl& list = List();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    while (list.GetColumnCount() > 0) list.DeleteColumn(0);
    // A first column cannot be centred: a dummy one goes first and is removed.
    list.InsertColumn(0, "", LVCFMT_LEFT, 10);
    static const std::pair<const char*, int> kColumns[] = {{"序号", 50},    {"项目编号", 150}, {"指南代码", 100},
                                                          {"项目类别", 170}, {"年份", 80},      {"单位代码", 80},
                                                          {"单位名称", 250}, {"负责人", 80},    {"申请经费", 80}};
    int column = 1;
    for (const auto& [heading, width] : kColumns) list.InsertColumn(column++, heading, LVCFMT_CENTER, width);
    list.DeleteColumn(0);
}

void CDlgOutputList::LoadProjects(CAdoRecordSet& rs, const std::string& sql) {
    ui::ListCtrl& list = List();
    list.DeleteAllItems();
    rs.Open(sql);
    for (int count = 1; !rs.IsEOF(); rs.MoveNext(), ++count) {
        std::string number, guide, category, year, unitCode, unit, leader, amount;
        rs.GetString("xmlb", category);
        rs.GetString("nf", year);
        rs.GetString("xmbh", number);
        rs.GetString("sqzndm", guide);
        rs.GetString("dwdm", unitCode);
        rs.GetString("gzdw", unit);
        rs.GetString("sqrxm", leader);
        rs.GetString("sqje", amount);
        const int row = list.InsertItem(list.GetItemCount(), text::Format("%d", count));
        int column = 1;
        for (const std::string* value : {&number, &guide, &category, &year, &unitCode, &unit, &leader})
            list.SetItemText(row, column++, *value);
        list.SetItemText(row, column, amount + " 万元");
    }
    rs.Close();
}

std::vector<std::string> CDlgOutputList::CheckedNumbers() const {
    std::vector<std::string> numbers;
    const ui::ListCtrl& list = List();
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (list.GetCheck(row)) numbers.push_back(list.GetItemText(row, kNumberColumn));
    return numbers;
}

void CDlgOutputList::OnSelectAll() {
    ui::ListCtrl& list = List();
    for (int row = 0; row < list.GetItemCount(); ++row) list.SetCheck(row, TRUE);
}

void CDlgOutputList::OnInvert() {
    ui::ListCtrl& list = List();
    for (int row = 0; row < list.GetItemCount(); ++row) list.SetCheck(row, !list.GetCheck(row));
}

void CDlgOutputList::OutputExcel() {
    const std::vector<std::string> numbers = CheckedNumbers();
    if (numbers.empty()) {
        ui::MessageBox("请选择输出项目！", "提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    std::unique_ptr<Application> excel = Application::Create();
    if (!excel) {
        ui::AfxMessageBox("Excel启动失败!");
        return;
    }
    Workbook book = excel->Workbooks().Add(sys::JoinPath(sys::ProgramFolder(), "模板\\申请表.xls"));
    Worksheet sheet = book.Sheets().Item("sheet1");
    if (!sheet.IsValid()) {
        // Nothing half-made stays behind in a hidden Excel.
        const std::string error = book.IsValid() ? "模板中没有工作表 sheet1" : excel->LastError();
        excel->Quit();
        ui::AfxMessageBox(error, MB_OK | MB_ICONERROR);
        return;
    }
    CAdoRecordSet rs;
    rs.SetConnection(m_pConnection);
    rs.SetCursorLocation(adUseClient);
    int row = 1;
    for (const std::string& number : numbers) {
        rs.Open("select XMBH, XMMC, XMLB, XMQSRQ, XMZZRQ, SQRXM, SQRXB, SQRNL, ZC, SQJE from CORVANE_ITEMAPPINFO "
                "where XMBH = '" + text::EscapeSql(number) + "'");
        if (row == 1) WriteHeading(sheet);
        ++row;
        WriteProject(sheet, row, row - 1, rs);
    }
    rs.Close();
    WriteTotal(sheet, row);
    excel->SetVisible(true);
}
