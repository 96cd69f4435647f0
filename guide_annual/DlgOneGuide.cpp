#include "guide_annual/DlgOneGuide.h"

#include "guide_annual/GuideWordWriter.h"

#include "foundation/Sql.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/AnnualGuideStore.h"
#include "guide_annual/DlgGuideSearch.h"
#include "guide_annual/DlgSelectFiveGuide.h"
#include "guide_annual/GuideBundle.h"
#include "guide_annual/GuideViewSupport.h"
#include "guide_annual/GuideWordExport.h"
#include "foundation/Transaction.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

IMPLEMENT_DYNCREATE(CDlgOneGuide, ui::FormView)

std::string CDlgOneGuide::m_strPublishYear;

namespace {
constexpr int kHandCursor = 3124;
constexpr COLORREF kButtonBackground = RGB(242, 246, 255);
}  // namespace

const ui::DialogTemplate& CDlgOneGuide::Template() {
    static const ui::DialogTemplate tpl = guideview::ViewTemplate(IDD, IDC_LIST_FRAME, IDC_DETAIL_FRAME);
    return tpl;
}

CDlgOneGuide::CDlgOneGuide()
    : ui::FormView(Template()), m_dlgList(GuideListPanel::CommandsOf(*this)),
      m_dlgDetail(GuideDetailPanel::CommandsOf(*this),
                  {[this] { OnKillfocusGuideName(); }, [this] { OnSelchangeYear(); }}) {}

CDlgOneGuide::~CDlgOneGuide() = default;

void CDlgOneGuide::OnInitialUpdate() {
    ui::FormView::OnInitialUpdate();
    m_dlgList.CreateOver(this, IDC_LIST_FRAME);
    m_dlgDetail.CreateOver(this, IDC_DETAIL_FRAME);
    ConnectAccess();
    InitUnitDict();
    m_arrChapterFiles.clear();
    for (int i = 0; i < 3; ++i) m_arrChapterFiles.push_back(guidefiles::ChapterFile(i));
    guideview::StyleButtons(m_dlgList, m_dlgDetail, [this](CButtonST& button, int icon, const std::string& tooltip) {
        ButtonTexture(button, icon, tooltip);
    });
    ShowFundInfo(m_strPublishYear);
}

BOOL CDlgOneGuide::ConnectAccess() { return guideview::Connect(m_connection, m_recordset) ? TRUE : FALSE; }

void CDlgOneGuide::InitUnitDict() { guideview::LoadUnitDictionary(m_recordset); }

std::string CDlgOneGuide::GetExePath() { return sys::ProgramFolder(); }

void CDlgOneGuide::ButtonTexture(CButtonST& button, int icon, const std::string& tooltip) {
    button.SetIcon(icon);
    button.SetHandCursor(kHandCursor);
    for (int index : {CButtonST::BTNST_COLOR_BK_IN, CButtonST::BTNST_COLOR_BK_OUT, CButtonST::BTNST_COLOR_BK_FOCUS})
        button.SetColor(index, kButtonBackground);
    button.SetTooltipText(tooltip.c_str());
}

void CDlgOneGuide::Emptyfile(const std::string& path) { sys::TruncateFile(sys::NativePath(path)); }

void CDlgOneGuide::DelFolder(const std::string& path) {
    const std::string folder = sys::NativePath(path);
    for (const std::string& name : sys::ListFiles(folder, "")) sys::RemoveAll(sys::JoinListedName(folder, name));
}

int CDlgOneGuide::IfOutput(int chapter) { return IsChapterChosen(m_arrOutputChapters, chapter) ? 1 : 0; }

int CDlgOneGuide::IsRecordExist(const std::string& fund, const std::string& year) {
    return guidestore::IsGuideStored(m_connection, fund, year) ? 1 : 0;
}

// ---- the period and the list ----

int CDlgOneGuide::ShowFundInfo(std::string period) {
    ui::ComboBox& years = Header().YearList();
    years.ResetContent();
    const long first = text::Atol(PeriodFirstYear(period));
    for (long year = first; year < first + 5; ++year) years.AddString(text::Format("%ld", year));
    years.SetCurSel(0);
    FillGuideList(guidestore::ListGuides(m_connection, PeriodFirstYear(period), PeriodLastYear(period)));
    return 1;
}

void CDlgOneGuide::FillGuideList(const std::vector<guidestore::ListedGuide>& guides) {
    m_dlgList.List().DeleteAllItems();
    for (const guidestore::ListedGuide& guide : guides) m_dlgList.AddGuide(guide.fund, guide.name, guide.year);
}

void CDlgOneGuide::RefillGuideList() {
    FillGuideList(
        guidestore::ListGuides(m_connection, PeriodFirstYear(m_strPublishYear), PeriodLastYear(m_strPublishYear)));
}

void CDlgOneGuide::Clear() {
    Header().m_strFundCode.clear();
    Header().m_strGuideName.clear();
    Header().YearList().SetCurSel(0);
    Tabs().ClearAll();
}

void CDlgOneGuide::OnBtnSearch() {
    CDlgGuideSearch search(this);
    if (search.DoModal() != IDOK) return;
    FillGuideList(guidestore::SearchGuides(m_connection, PeriodFirstYear(m_strPublishYear),
                                           PeriodLastYear(m_strPublishYear), search.m_search));
}

std::vector<std::pair<std::string, std::string>> CDlgOneGuide::SelectedGuides() const {
    std::vector<std::pair<std::string, std::string>> guides;
    const ui::ListCtrl& list = m_dlgList.List();
    for (int row = list.GetNextItem(-1, LVNI_SELECTED); row >= 0; row = list.GetNextItem(row, LVNI_SELECTED))
        guides.emplace_back(list.GetItemText(row, 0), list.GetItemText(row, 2));
    return guides;
}

// ---- the editor ----

void CDlgOneGuide::SetTopicGuide() {
    CDlgStudySubjectTree& tree = Tabs().SubjectTree();
    tree.m_strJJBH = Header().m_strFundCode;
    tree.m_strZNMC = Header().m_strGuideName;
    tree.m_strFBNF = Header().CurrentYear();
}

void CDlgOneGuide::ReloadTopic() { Tabs().SubjectTree().LoadSubjects(); }

void CDlgOneGuide::EnableGuideName(bool enable) {
    Header().GetDlgItem(CDlgGuideHeader::IDC_NAME)->EnableWindow(enable ? TRUE : FALSE);
}

void CDlgOneGuide::LoadChapters(int count) {
    for (int i = 0; i < count; ++i) Tabs().Chapter(i).LoadRtfFile(m_arrChapterFiles[i]);
}

void CDlgOneGuide::OnKillfocusGuideName() {
    Header().UpdateData(TRUE);
    SetTopicGuide();
    ReloadTopic();
}

void CDlgOneGuide::OnSelchangeYear() { SetTopicGuide(); }

void CDlgOneGuide::OnBtnAdd() {
    g_arrFiveGuideName.clear();
    g_arrFiveGuideCode.clear();
    for (const guidestore::FiveYearGuide& guide : guidestore::FiveYearGuides(m_connection, m_strPublishYear)) {
        g_arrFiveGuideName.push_back(guide.name);
        g_arrFiveGuideCode.push_back(guide.fund);
    }
    if (g_arrFiveGuideCode.empty()) {
        GuidePrompt("您还没有编写五年指南，不能编写年度指南！");
        return;
    }
    CDlgSelectFiveGuide choose(this);
    if (choose.DoModal() != IDOK) return;

    for (const std::string& file : m_arrChapterFiles) Emptyfile(file);
    Tabs().ClearAll();
    Header().m_strFundCode = choose.m_strFundCode;
    if (guidestore::LoadFiveYearChapters(m_connection, choose.m_strFundCode, m_strPublishYear,
                                         Header().m_strGuideName, m_arrChapterFiles[0], m_arrChapterFiles[1]))
        LoadChapters(2);
    Header().UpdateData(FALSE);
    SetTopicGuide();
    ReloadTopic();
    Header().YearList().SetCurSel(0);
    SetTopicGuide();
    Tabs().SetActiveTab(2);
    EnableGuideName(true);
}

void CDlgOneGuide::OnDblclkListFundinfo() {
    const ui::ListCtrl& list = m_dlgList.List();
    const int row = list.GetSelectionMark();
    if (row < 0 || row >= list.GetItemCount()) return;
    Tabs().ClearAll();
    Header().m_strFundCode = list.GetItemText(row, 0);
    Header().m_strGuideName = list.GetItemText(row, 1);
    const std::string year = list.GetItemText(row, 2);
    ui::ComboBox& years = Header().YearList();
    years.SetCurSel(years.FindStringExact(-1, year));
    SetTopicGuide();
    if (guidestore::LoadGuide(m_connection, Header().m_strFundCode, year, guidestore::EditorFiles())) LoadChapters(3);
    Header().UpdateData(FALSE);
    ReloadTopic();
    EnableGuideName(true);
}

void CDlgOneGuide::PrepareChapters() {
    ui::CharFormat chars;
    chars.dwMask = ui::CFM_SIZE | ui::CFM_COLOR | ui::CFM_FACE | ui::CFM_BOLD;
    chars.yHeight = 280;
    chars.crTextColor = RGB(0, 0, 0);
    chars.szFaceName = "仿宋_GB2312";
    ui::ParaFormat para;
    para.dwMask = ui::PFM_STARTINDENT | ui::PFM_OFFSET;
    para.dxStartIndent = 580;
    para.dxOffset = -580;
    for (int i = 0; i < 3; ++i) {
        COleRichEdit& editor = Tabs().Chapter(i);
        editor.SetSel(0, -1);
        editor.SetSelectionCharFormat(chars);
        editor.SetParaFormat(para);
        editor.SaveRtfFile(m_arrChapterFiles[i]);
    }
}

void CDlgOneGuide::OnButtonSave() {
    Header().UpdateData(TRUE);
    if (Header().m_strFundCode.empty() || Header().m_strGuideName.empty()) {
        GuidePrompt("基金编号、指南名称都是必填项！", 0);
        return;
    }
    // The table itself is asked, so that a guide that the list does not show
    // is never stored twice.
    if (IsRecordExist(Header().m_strFundCode, Header().CurrentYear())) {
        if (GuidePrompt("该指南已存在, 是否替换原纪录？", MB_ICONINFORMATION, MB_YESNO) == IDYES) UpdateFundInfo();
        return;
    }
    AddNewFund();
}

void CDlgOneGuide::AddNewFund() {
    PrepareChapters();
    if (!guidestore::StoreGuide(m_connection, Header().m_strFundCode, Header().m_strGuideName, Header().CurrentYear(),
                                guidestore::EditorFiles(), false)) {
        ui::MessageBox(db::FailureMessage(m_connection, "数据入库操作失败！"), "操作失败", MB_ICONEXCLAMATION);
        return;
    }
    ui::MessageBox("数据入库完成！", "操作成功", MB_ICONINFORMATION);
    RefillGuideList();
}

void CDlgOneGuide::UpdateFundInfo() {
    PrepareChapters();
    if (!guidestore::StoreGuide(m_connection, Header().m_strFundCode, Header().m_strGuideName, Header().CurrentYear(),
                                guidestore::EditorFiles(), true)) {
        ui::MessageBox(db::FailureMessage(m_connection, "数据更新操作失败！"), "操作失败", MB_ICONEXCLAMATION);
        return;
    }
    ui::MessageBox("数据更新成功！", "操作成功", MB_ICONINFORMATION);
    RefillGuideList();
}

void CDlgOneGuide::OnBtnDelete() {
    const auto guides = SelectedGuides();
    if (guides.empty()) {
        ui::MessageBox("请先选中要删除的记录", "删除指南", MB_ICONINFORMATION);
        return;
    }
    if (GuidePrompt("确定删除该记录？", MB_ICONQUESTION, MB_YESNO) != IDYES) return;
    ui::ProgressDialog progress("删除指南", int(guides.size()));
    for (const auto& [fund, year] : guides) {
        progress.Next(fund);
        if (!guidestore::DeleteGuide(m_connection, fund, year)) {
            ui::MessageBox(db::FailureMessage(m_connection, "数据删除操作失败！"), "操作失败", MB_ICONEXCLAMATION);
            return;
        }
        if (fund == Header().m_strFundCode) {
            Header().m_strFundCode.clear();
            Header().m_strGuideName.clear();
            Header().YearList().SetCurSel(0);
            Tabs().ClearAll();
            EnableGuideName(false);
        }
    }
    ShowFundInfo(m_strPublishYear);
    Header().UpdateData(FALSE);
    GuidePrompt("删除成功！");
}

// ---- bundles ----

void CDlgOneGuide::OnBtnExport() {
    const auto guides = SelectedGuides();
    guideview::ExportBundles(static_cast<int>(guides.size()), "年度指南", MB_ICONINFORMATION,
                             [&](int i, const std::string& folder, const std::string& today) {
                                 return GuideBundle::Export(m_connection, guides[i].first, guides[i].second, folder,
                                                            today);
                             });
}

int CDlgOneGuide::Import(const std::string& path) {
    return GuideBundle::Import(m_connection, path, m_nPolicy) == GuideBundle::ImportResult::Imported ? 1 : 0;
}

void CDlgOneGuide::OnBtnImport() {
    const auto importOne = [&](const std::string& path, int policy, std::string* reason) {
        return GuideBundle::Import(m_connection, path, policy, reason);
    };
    const bool imported = guideview::ImportBundles(this, m_nPolicy, "选择导入文件路径", importOne);
    if (imported) ShowFundInfo(m_strPublishYear);
}

void CDlgOneGuide::OnBtnExportToWord() {
    OutputGuidesToWord(this, m_connection, m_recordset, m_strPublishYear, m_arrOutputChapters);
}

// ---- window ----

std::optional<ui::CtlColor> CDlgOneGuide::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (kind == CTLCOLOR_DLG) return ui::CtlColor{RGB(255, 255, 255)};
    return ui::FormView::OnCtlColor(control, kind);
}

void CDlgOneGuide::OnDestroy() {
    ui::FormView::OnDestroy();
    for (const std::string& file : m_arrChapterFiles) Emptyfile(file);
    m_connection.Close();
}
