#include "achievement/DlgUCGHZForm.h"

#include "achievement/DlgSelectResult.h"
#include "achievement/DlgUCGHZList.h"
#include "achievement/ResultArtwork.h"
#include "application/ApplicationDb.h"
#include "foundation/AdoRecordSet.h"
#include "platform/office/Word.h"
#include "platform/sys/Sys.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Services.h"

namespace {

struct WalkStep {
    int move;    // table cells to the right
    int column;  // index into the unit record
};

// The cells of the unit report, from the cell reached by two jumps to the
// next table and a move of eight cells: the groups of the two pages in
// order, then the unit name, department, contact and telephone.
constexpr WalkStep kWalk[] = {
    {1, 2},   {1, 6},   {1, 7},   {1, 8},   {1, 11},  {1, 9},   {1, 10},                       // 承担项目情况
    {10, 12}, {1, 13},  {1, 14},  {1, 15},  {1, 16},  {1, 17},  {1, 18},                       // 成果推广应用
    {9, 19},  {1, 20},  {1, 21},  {1, 22},  {1, 23},  {1, 24},                                 //
    {10, 25}, {1, 26},  {1, 27},  {1, 5},   {1, 28},  {1, 4},                                  //
    {10, 29}, {1, 30},  {1, 31},  {1, 32},  {1, 3},                                            //
    {11, 34}, {1, 35},  {1, 36},  {1, 37},  {1, 38},                                           // 培育研究方向
    {9, 39},  {1, 33},  {1, 40},  {1, 41},  {1, 42},  {1, 43},                                 // 培养研究队伍
    {10, 54}, {1, 55},  {1, 56},  {1, 57},  {1, 58},  {1, 59},  {1, 60},                       // 协调管理保障
    {10, 44}, {1, 45},  {1, 46},  {1, 47},  {1, 48},  {1, 49},  {1, 50},                       //
    {2, 1},   {2, 52},  {2, 51},  {2, 53},                                                     // 联系人信息
};
static_assert(std::size(kWalk) == 60);

}  // namespace

CDlgUCGHZForm::CDlgUCGHZForm() : ui::Dialog(Template(), nullptr) {
    MapClicked(IDC_BTN_NEW, [this] { OnBtnNew(); });
    MapClicked(IDC_BTN_SAVE, [this] { OnBtnSave(); });
    MapClicked(IDC_BTN_WORD, [this] { OutputWord(); });
    MapMessage(ui::BCGM_CHANGE_ACTIVE_TAB, [this](WPARAM tab, LPARAM l) { return OnChangeActiveTab(tab, l); });
}

const ui::DialogTemplate& CDlgUCGHZForm::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 753, 402}, {
        {Kind::Static, IDC_PLACEHOLDER, "", {5, 5, 689, 369}, SS_BLACKFRAME, {}, true},
        {Kind::PushButton, IDC_BTN_NEW, "", {710, 5, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_SAVE, "", {710, 36, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_WORD, "", {710, 67, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_EXCEL, "", {710, 98, 23, 21}, WS_TABSTOP},
    }, WS_CHILD};
    return t;
}

void CDlgUCGHZForm::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_BTN_NEW, m_btnNew);
    dx.Control(IDC_BTN_SAVE, m_btnSave);
    dx.Control(IDC_BTN_WORD, m_btnWord);
    dx.Control(IDC_BTN_EXCEL, m_btnExcel);
}

BOOL CDlgUCGHZForm::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(242, 246, 255));
    if (m_wndTab.IsWindow()) return FALSE;
    m_wndTab.Create(ui::TabWnd::STYLE_3D_ROUNDED, GetItemRect(IDC_PLACEHOLDER), this, IDC_TABWND,
                    ui::TabWnd::LOCATION_BOTTOM, FALSE);
    m_dlgPage1.Create(&m_wndTab);
    m_wndTab.AddTab(&m_dlgPage1, "成果转化1(单位)", UINT(-1), TRUE);
    m_dlgPage2.Create(&m_wndTab);
    m_wndTab.AddTab(&m_dlgPage2, "成果转化2(单位)", UINT(-1), TRUE);
    unitchange::StyleIconButton(m_btnNew, 5151, "新增");
    unitchange::StyleIconButton(m_btnSave, 5154, "保存");
    unitchange::StyleIconButton(m_btnWord, resultchange::kIconWord, "Word");
    unitchange::StyleIconButton(m_btnExcel, resultchange::kIconExcel, "Excel");
    m_crStdTab = m_wndTab.GetTabBkColor(1);
    return TRUE;
}

LRESULT CDlgUCGHZForm::OnChangeActiveTab(WPARAM tab, LPARAM) {
    const int active = int(tab);
    m_wndTab.SetTabBkColor(active, kActiveTab);
    for (int other = 0; other < 2; ++other)
        if (other != active) m_wndTab.SetTabBkColor(other, m_crStdTab);
    m_wndTab.Invalidate(TRUE);
    return 0;
}

void CDlgUCGHZForm::OnBtnNew() {
    CDlgSelectResult picker(nullptr);
    picker.m_pConnection = m_pConnection;
    if (picker.DoModal() != IDOK) return;
    if (m_pList) m_pList->LoadRecord(picker.m_strXMBH, picker.m_strXMMC);
}

void CDlgUCGHZForm::OnBtnSave() {
    const std::string code = m_dlgPage1.GetDlgItemText(unitchange::IDC_DWDM);
    const std::string name = m_dlgPage1.GetDlgItemText(unitchange::IDC_DWMC);
    if (code.empty() || name.empty()) {
        ui::MessageBox("单位名称，单位代码是必填项！", "系统提示", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!m_pList || !m_onSave || !m_pConnection) return;
    CAdoRecordSet rs;
    appdb::Bind(rs, *m_pConnection);
    rs.Open(unitchange::SelectByCode(code));
    // A failed query counts as a stored unit: the question guards the row.
    const bool stored = rs.GetRecordCount() != 0;
    if (stored && ui::MessageBox("该单位代码已存在，确定覆盖吗？", "系统提示", MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
        rs.Close();
        return;
    }
    m_onSave(stored ? 1 : 0);
    rs.Close();
    m_pList->FillList();
}

void CDlgUCGHZForm::OutputWord() {
    if (!m_pList || !m_pConnection) return;
    auto word = office::word::Application::Create();
    if (!word) {
        ui::MessageBox("Word服务程序启动失败！", "提示", MB_OK | MB_ICONSTOP);
        return;
    }
    word->Documents().Add(sys::JoinPath(sys::ProgramFolder(), "模板\\成果转化模板.doc"), false, 0, true);
    office::word::Selection selection = word->Selection();
    selection.GoToNext(office::word::wdGoToTable);
    selection.GoToNext(office::word::wdGoToTable);
    selection.MoveRight(office::word::wdCell, 8);

    ui::ListCtrl& list = m_pList->List();
    const int row = list.GetSelectionMark();
    if (row < 0) {
        // The document stays in the hidden Word and is never shown.
        ui::MessageBox("请先选中要导出的记录", "系统提示", MB_OK | MB_ICONSTOP);
        return;
    }
    unitchange::Values values;
    CAdoRecordSet rs;
    appdb::Bind(rs, *m_pConnection);
    if (rs.Open(unitchange::SelectByCode(list.GetItemText(row, 1))) && !rs.IsEOF()) values = unitchange::Read(rs);
    rs.Close();
    for (const WalkStep& step : kWalk) {
        selection.MoveRight(office::word::wdCell, step.move);
        selection.Font().SetName("仿宋_GB2312");
        if (!values[step.column].empty()) selection.TypeText(values[step.column]);
    }
    word->SetVisible(true);
}
