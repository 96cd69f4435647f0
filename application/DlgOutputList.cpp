#include "application/DlgOutputList.h"

#include "application/ApplicationStore.h"
#include "application/ProjectList.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Services.h"

namespace {

const COLORREF kPanelBackground = RGB(242, 246, 255);

}  // namespace

CDlgOutputList::CDlgOutputList(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapClicked(IDC_SELECT_ALL, [this] { OnSelectAll(); });
    MapClicked(IDC_INVERT, [this] { OnInvert(); });
    MapClicked(IDC_EXPORT_EXCEL, [this] { OutputExcel(); });
    // The icon buttons and a double click pass to the form view that owns the list.
    for (int id : {IDC_BTN_IMPORT, IDC_BTN_PROEXP, IDC_BTN_PROQUERY, IDC_BTN_PRODEL, IDC_BTN_SORT})
        MapClicked(id, [this, id] {
            if (m_onCommand) m_onCommand(id);
        });
    MapNotify(IDC_LIST_PROLIST, NM_DBLCLK, [this](const ui::NotifyInfo& info) {
        if (m_onDoubleClick) m_onDoubleClick(info);
    });
}

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
    projectlist::AppendRows(list, rs);
    m_listed.clear();
    for (int row = 0; m_pConnection && row < list.GetItemCount(); ++row)
        m_listed.push_back(projectnumber::LoadProject(*m_pConnection, list.GetItemText(row, kNumberColumn)));
}

std::vector<std::string> CDlgOutputList::CheckedNumbers() const {
    std::vector<std::string> numbers;
    const ui::ListCtrl& list = List();
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (list.GetCheck(row)) numbers.push_back(list.GetItemText(row, kNumberColumn));
    return numbers;
}

std::vector<projectnumber::LoadedProject> CDlgOutputList::CheckedProjects() const {
    std::vector<projectnumber::LoadedProject> projects;
    const ui::ListCtrl& list = List();
    for (int row = 0; row < list.GetItemCount(); ++row) {
        if (!list.GetCheck(row)) continue;
        const std::string number = list.GetItemText(row, kNumberColumn);
        if (std::size_t(row) < m_listed.size() && m_listed[row].number == number) projects.push_back(m_listed[row]);
        else projects.push_back({number, {}});  // not listed as stored: no project to act on
    }
    return projects;
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
    projectlist::OutputExcel(*m_pConnection, numbers, "项目申请表", "申请经费(万元)", appstore::ExcelRowsQuery());
}
