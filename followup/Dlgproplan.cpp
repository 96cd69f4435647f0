#include "followup/Dlgproplan.h"

#include "application/ApplicationDb.h"
#include "application/ApplicationStore.h"
#include "application/DlgProQuery.h"
#include "followup/ProjectRowsFile.h"
#include "followup/YearPlanStore.h"
#include "foundation/RecordTexts.h"
#include "platform/office/Word.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Services.h"

IMPLEMENT_DYNCREATE(CDlgproplan, ui::FormView)

namespace {

constexpr int kHandCursor = 5165;
constexpr COLORREF kButtonHover = RGB(175, 204, 237);
constexpr COLORREF kButtonBackground = RGB(215, 226, 238);
constexpr const char* kGeneralFund = "一般基金";
constexpr const char* kGoalsScratch = "计划_总研究目标内容.rtf";
constexpr const char* kCompletionScratch = "计划_总完成形式.rtf";
constexpr const char* kTemplate = "计划草案模板.doc";
constexpr const char* kLabelFont = "宋体";
constexpr const char* kValueFont = "仿宋_GB2312";
constexpr DWORD kRichStyle = WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;

}  // namespace

const ui::DialogTemplate& CDlgproplan::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 640, 500}, {
        {Kind::ListCtrl, IDC_LIST_PROLIST, "", {5, 5, 590, 108}, WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS},
        {Kind::PushButton, IDC_BTN_IMPORT, "", {605, 5, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_PROEXP, "", {605, 29, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_PRODEL, "", {605, 53, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_PROQUERY, "", {605, 77, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_SAVE, "", {605, 101, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_WORD, "", {605, 125, 23, 21}, WS_TABSTOP},
        {Kind::Static, IDC_STATIC, "研究单位：", {5, 121, 42, 10}},
        {Kind::Static, IDC_GZDW, "", {48, 121, 240, 10}},
        {Kind::Static, IDC_STATIC, "合作单位：", {297, 121, 42, 10}},
        {Kind::Static, IDC_HZDW, "", {340, 121, 255, 10}},
        {Kind::Static, IDC_STATIC, "总研究目标与内容：", {5, 136, 100, 10}},
        {Kind::RichEdit, IDC_RICH_GOALS, "", {5, 147, 290, 80}, kRichStyle | ES_READONLY},
        {Kind::Static, IDC_STATIC, "总完成形式：", {305, 136, 100, 10}},
        {Kind::RichEdit, IDC_RICH_COMPLETION, "", {305, 147, 290, 80}, kRichStyle},
        {Kind::Static, IDC_STATIC, "总经费：", {5, 235, 34, 10}},
        {Kind::Edit, IDC_TOTAL_FUNDING, "", {40, 233, 60, 12}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "万元", {103, 235, 20, 10}},
        {Kind::Static, IDC_STATIC, "已拨经费：", {140, 235, 42, 10}},
        {Kind::Edit, IDC_ALLOCATED_FUNDING, "", {183, 233, 60, 12}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "万元", {246, 235, 20, 10}},
        {Kind::Static, IDC_TAB_PLACE, "", {5, 252, 590, 220}, SS_BLACKFRAME},
    }, WS_CHILD};
    return tpl;
}

CDlgproplan::CDlgproplan() : ui::FormView(Template()) {
    MapNotify(IDC_LIST_PROLIST, NM_CLICK, [this](const ui::NotifyInfo& info) {
        LRESULT result = 0;
        OnClickListProlistPlan(&info, &result);
    });
    MapClicked(IDC_BTN_SAVE, [this] { OnBtnSave(); });
    MapClicked(IDC_BTN_PRODEL, [this] { OnBtnProdel(); });
    MapClicked(IDC_BTN_PROEXP, [this] { OnBtnProexp(); });
    MapClicked(IDC_BTN_PROQUERY, [this] { OnBtnProquery(); });
    MapClicked(IDC_BTN_IMPORT, [this] { OnButtonImport(); });
    MapClicked(IDC_BTN_WORD, [this] { OnBtnWord(); });
    MapMessage(ui::BCGM_CHANGE_ACTIVE_TAB, [this](WPARAM tab, LPARAM value) { return OnChangeActiveTab(tab, value); });
}

CDlgproplan::~CDlgproplan() = default;

void CDlgproplan::DoDataExchange(ui::DataExchange& dx) {
    ui::FormView::DoDataExchange(dx);
    dx.Control(IDC_RICH_GOALS, m_richGoals);
    dx.Control(IDC_RICH_COMPLETION, m_richCompletion);
    dx.Control(IDC_TOTAL_FUNDING, m_editTotalFunding);
    dx.Control(IDC_ALLOCATED_FUNDING, m_editAllocatedFunding);
    dx.Control(IDC_BTN_IMPORT, m_btnImport);
    dx.Control(IDC_BTN_PROEXP, m_btnProexp);
    dx.Control(IDC_BTN_PRODEL, m_btnProdel);
    dx.Control(IDC_BTN_PROQUERY, m_btnProquery);
    dx.Control(IDC_BTN_SAVE, m_btnSave);
    dx.Control(IDC_BTN_WORD, m_btnWord);
}

std::optional<ui::CtlColor> CDlgproplan::StaticColor(UINT kind) {
    // Static texts lie on the panel colour, without a background of their own.
    if (kind == CTLCOLOR_STATIC) return ui::CtlColor{kButtonBackground, std::nullopt, true};
    return std::nullopt;
}

std::optional<ui::CtlColor> CDlgproplan::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (auto color = StaticColor(kind)) return color;
    return ui::FormView::OnCtlColor(control, kind);
}

ui::ListCtrl& CDlgproplan::List() const { return *Item<ui::ListCtrl>(IDC_LIST_PROLIST); }

CDlgPlanYear& CDlgproplan::YearPage(int index) {
    CDlgPlanYear* pages[] = {&m_dlgYear1, &m_dlgYear2, &m_dlgYear3};
    return *pages[index];
}

// ---- set-up ----

void CDlgproplan::OnInitialUpdate() {
    ui::FormView::OnInitialUpdate();
    ui::ListCtrl& list = List();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    // A first column cannot be centred: a dummy one goes first and is removed.
    list.InsertColumn(0, "dummy", LVCFMT_LEFT, 10);
    const std::pair<const char*, int> columns[] = {
        {"项目类别", 100}, {"年份", 80}, {"编号", 100}, {"指南编号", 100}, {"单位代码", 100}};
    int column = 1;
    for (const auto& [heading, width] : columns) list.InsertColumn(column++, heading, LVCFMT_CENTER, width);
    list.DeleteColumn(0);
    StyleButtons();
    if (!m_wndTab.IsWindow()) CreateTabs();

    m_strExePath = sys::ProgramFolder();
    if (!appdb::Connect(m_connection)) {
        ui::AfxMessageBox("数据库连接失败");
        return;
    }
    LoadlistDate();
    for (ui::MaskEdit* box : {&m_editTotalFunding, &m_editAllocatedFunding}) {
        box->DisableMask();
        box->SetValidChars(CDlgPlanYear::kFundingChars);
        box->LimitText(CDlgPlanYear::kFundingLength);
    }
}

void CDlgproplan::StyleIconButton(CButtonST& button, int icon, const char* tooltip) {
    button.SetIcon(icon, icon);
    button.SetHandCursor(kHandCursor);
    button.SetColor(CButtonST::BTNST_COLOR_BK_IN, kButtonHover);
    button.SetColor(CButtonST::BTNST_COLOR_BK_OUT, kButtonBackground);
    button.SetColor(CButtonST::BTNST_COLOR_BK_FOCUS, kButtonBackground);
    button.SetTooltipText(tooltip);
}

void CDlgproplan::StyleButtons() {
    StyleIconButton(m_btnImport, 3003, "导入");
    StyleIconButton(m_btnProexp, 5162, "导出");
    StyleIconButton(m_btnProdel, 5160, "删除");
    StyleIconButton(m_btnProquery, 5156, "查询");
    StyleIconButton(m_btnSave, 5154, "保存");
    StyleIconButton(m_btnWord, 5153, "生成word文档");
}

void CDlgproplan::CreateTabs() {
    m_wndTab.Create(ui::TabWnd::STYLE_3D_ROUNDED, GetItemRect(IDC_TAB_PLACE), this, IDC_TABWND,
                    ui::TabWnd::LOCATION_BOTTOM, FALSE);
    for (int i = 0; i < 3; ++i) {
        YearPage(i).Create(&m_wndTab);
        m_wndTab.AddTab(&YearPage(i), kYears[i], UINT(-1), TRUE);
    }
    m_crStdTab = m_wndTab.GetTabBkColor(1);
    if (ui::Wnd* place = GetDlgItem(IDC_TAB_PLACE)) place->ShowWindow(SW_HIDE);
}

BOOL CDlgproplan::DestroyWindow() {
    if (IsWindow() && m_wndTab.IsWindow()) ClearAll();
    return ui::FormView::DestroyWindow();
}

LRESULT CDlgproplan::OnChangeActiveTab(WPARAM tab, LPARAM) {
    for (int i = 0; i < m_wndTab.GetTabsNum(); ++i)
        m_wndTab.SetTabBkColor(i, i == int(tab) ? kActiveTab : m_crStdTab);
    m_wndTab.Invalidate();
    return 0;
}

// ---- scratch files ----

std::string CDlgproplan::ScratchPath(const std::string& name) const {
    return sys::ScratchPath(name);
}

std::string CDlgproplan::GoalsFile(int year) const {
    return ScratchPath(text::Format("计划_year%d_研究目标.rtf", year + 1));
}

std::string CDlgproplan::CompletionFile(int year) const {
    return ScratchPath(text::Format("计划_year%d_完成形式.rtf", year + 1));
}

void CDlgproplan::LoadRich(COleRichEdit& box, const std::string& bytes, const std::string& file) {
    if (!bytes.empty() && sys::WriteFileAtomic(file, bytes)) {
        box.LoadRtfFile(file);
        return;
    }
    box.SetWindowText("");
}

void CDlgproplan::ClearAll() {
    m_editAllocatedFunding.SetWindowText("");
    m_richCompletion.SetWindowText("");
    for (int i = 0; i < 3; ++i) {
        YearPage(i).Clear();
        sys::RemoveFile(GoalsFile(i));
        sys::RemoveFile(CompletionFile(i));
    }
}

// ---- list ----

void CDlgproplan::FillList(const std::string& selection, bool skipGeneralFund) {
    ui::ListCtrl& list = List();
    list.DeleteAllItems();
    RowTexts rows = yearplanstore::ListRows(m_connection, selection);
    if (skipGeneralFund)
        std::erase_if(rows, [](const std::vector<std::string>& row) { return row[0] == kGeneralFund; });
    list.AppendRows(rows);
}

void CDlgproplan::LoadlistDate() {
    UpdateData(TRUE);
    FillList({}, true);
    UpdateData(FALSE);
}

std::string CDlgproplan::MarkedNumber() const {
    const int mark = List().GetSelectionMark();
    return mark >= 0 && mark < List().GetItemCount() ? List().GetItemText(mark, 2) : std::string();
}

std::vector<std::string> CDlgproplan::SelectedNumbers() const {
    std::vector<std::string> numbers;
    for (int row = List().GetNextItem(-1, LVNI_SELECTED); row >= 0; row = List().GetNextItem(row, LVNI_SELECTED))
        numbers.push_back(List().GetItemText(row, 2));
    return numbers;
}

// ---- load ----

void CDlgproplan::OnClickListProlistPlan(const ui::NotifyInfo*, LRESULT* result) {
    UpdateData(TRUE);
    ClearAll();
    if (result) *result = 0;
    const std::string number = MarkedNumber();
    if (number.empty()) return;
    m_strXMBH = number;

    yearplanstore::PlanOverview overview;
    if (yearplanstore::ReadOverview(m_connection, number, overview)) {
        SetDlgItemText(IDC_GZDW, overview.unit);
        SetDlgItemText(IDC_HZDW, overview.partner);
        SetDlgItemText(IDC_TOTAL_FUNDING, overview.total);
        SetDlgItemText(IDC_ALLOCATED_FUNDING, overview.allocated);
        LoadRich(m_richGoals, overview.goals, ScratchPath(kGoalsScratch));
        LoadRich(m_richCompletion, overview.completion, ScratchPath(kCompletionScratch));
    } else {
        for (int id : {IDC_GZDW, IDC_HZDW, IDC_TOTAL_FUNDING}) SetDlgItemText(id, "");
        m_richGoals.SetWindowText("");
    }

    for (const yearplanstore::YearPlan& plan : yearplanstore::ReadYearPlans(m_connection, number)) {
        const int index = plan.year == kYears[0] ? 0 : plan.year == kYears[1] ? 1 : plan.year == kYears[2] ? 2 : -1;
        if (index < 0) continue;
        CDlgPlanYear& page = YearPage(index);
        page.SetDlgItemText(page.GetIds().funding, plan.funding);
        page.SetDlgItemText(page.GetIds().schedule, plan.schedule);
        LoadRich(page.m_richGoals, plan.goals, GoalsFile(index));
        LoadRich(page.m_richCompletion, plan.completion, CompletionFile(index));
    }
    UpdateData(FALSE);
}

// ---- save ----

void CDlgproplan::OnBtnSave() {
    m_richCompletion.SaveRtfFile(ScratchPath(kCompletionScratch));
    for (int i = 0; i < 3; ++i) {
        YearPage(i).m_richGoals.SaveRtfFile(GoalsFile(i));
        YearPage(i).m_richCompletion.SaveRtfFile(CompletionFile(i));
    }
    // The plans are written only once the application row has taken the overall columns.
    if (!SaveApplicationColumns()) return;
    for (int i = 0; i < 3; ++i) {
        CDlgPlanYear& page = YearPage(i);
        if (page.m_richGoals.GetTextLength() == 0) continue;
        SaveYearPlan(kYears[i], GoalsFile(i), CompletionFile(i), page.Funding(), page.Schedule());
    }
}

bool CDlgproplan::SaveApplicationColumns() {
    if (m_strXMBH.empty()) return false;
    return yearplanstore::WriteOverview(m_connection, m_strXMBH, GetDlgItemText(IDC_TOTAL_FUNDING),
                                        GetDlgItemText(IDC_ALLOCATED_FUNDING), ScratchPath(kCompletionScratch));
}

void CDlgproplan::SaveYearPlan(const std::string& year, const std::string& goalsFile, const std::string& completionFile,
                               const std::string& funding, const std::string& schedule) {
    yearplanstore::WriteYearPlan(m_connection, m_strXMBH, year, funding, schedule, goalsFile, completionFile);
}

// ---- delete and query ----

void CDlgproplan::OnBtnProdel() {
    if (List().GetSelectionMark() < 0) {
        ui::MessageBox("请先选中要删除的记录", "系统提示", MB_ICONSTOP);
        return;
    }
    if (ui::MessageBox("确定要删除该项目相关的所有计划信息吗？", "系统提示", MB_OKCANCEL) != IDOK) return;
    const std::string number = MarkedNumber();
    // The plans and the overall columns go together or not at all.
    if (!yearplanstore::DeletePlans(m_connection, number)) return;
    ui::MessageBox("删除成功！", "系统提示");
    LoadlistDate();
    ClearAll();
}

void CDlgproplan::OnBtnProquery() {
    CDlgProQuery query;
    if (query.DoModal() != IDOK) return;
    FillList(query.m_strAppQuery, false);
}

// ---- plan files ----

void CDlgproplan::OnBtnProexp() { ProjectRowsFile(m_connection, YearPlanFormat()).Export(SelectedNumbers()); }

void CDlgproplan::OnButtonImport() {
    if (ProjectRowsFile(m_connection, YearPlanFormat()).ImportFolder(m_nPolicy)) LoadlistDate();
}

int CDlgproplan::Import(const std::string& path) {
    return ProjectRowsFile(m_connection, YearPlanFormat()).Import(path, m_nPolicy);
}

int CDlgproplan::IsRecordExist(const std::string& number, const std::string& year) {
    return ProjectRowsFile(m_connection, YearPlanFormat()).IsRecordExist({number, year});
}

// ---- Word plan draft ----

void CDlgproplan::OnBtnWord() {
    // The mark is checked before Word starts, so no empty draft is left open.
    const std::string number = MarkedNumber();
    if (number.empty()) {
        ui::MessageBox("请先选中要导出的记录", "系统提示", MB_ICONSTOP);
        return;
    }
    auto word = office::word::Application::Create();
    if (!word) {
        ui::MessageBox("Word服务程序启动失败！", "提示", MB_ICONSTOP);
        return;
    }
    UpdateData(TRUE);
    if (!word->Documents().Add(sys::JoinPath(sys::JoinPath(m_strExePath, "模板"), kTemplate)).IsValid()) {
        ui::MessageBox("Word服务程序启动失败！", "提示", MB_ICONSTOP);
        return;
    }
    std::string name, unit;
    appstore::ReadName(m_connection, number, name);
    appstore::ReadUnitName(m_connection, number, unit);
    office::word::Selection sel = word->Selection();
    office::word::Font font = sel.Font();
    sel.GoToNext(office::word::wdGoToTable);
    sel.MoveRight(office::word::wdCell, 9);
    auto nextCell = [&sel] { sel.MoveRight(office::word::wdCell, 1); };
    auto label = [&](const std::string& text) {
        font.SetName(kLabelFont);
        sel.TypeText(text);
    };
    auto value = [&](const std::string& text) {
        font.SetName(kValueFont);
        sel.TypeText(text);
    };
    // Three yearly values, each after its year's label.
    auto years = [&](const std::string& first, auto textOf) {
        label(first);
        value(textOf(YearPage(0)));
        label("\n第二年度：\n");
        value(textOf(YearPage(1)));
        label("\n第三年度：\n");
        value(textOf(YearPage(2)));
    };

    sel.TypeText(number);
    nextCell();
    value(name);
    nextCell();
    sel.TypeText("总研究目标与内容：\n");
    value(m_richGoals.GetWindowText());
    years("\n\n年度研究目标及内容：\n第一年度：\n", [](CDlgPlanYear& page) { return page.GoalsText(); });
    nextCell();
    label("总完成形式：\n");
    value(m_richCompletion.GetWindowText());
    years("\n\n年度完成形式：\n第一年度：\n", [](CDlgPlanYear& page) { return page.CompletionText(); });
    nextCell();
    years("第一年度：\n", [](CDlgPlanYear& page) { return page.Schedule(); });
    nextCell();
    value(unit);
    nextCell();
    value(GetDlgItemText(IDC_TOTAL_FUNDING));
    nextCell();
    years("第一年度：\n", [](CDlgPlanYear& page) { return page.RemarkText(); });
    word->SetVisible(true);
}
