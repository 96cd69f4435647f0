#include "guide_fiveyear/DlgFiveGuide.h"

#include "foundation/Sql.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/AnnualGuideStore.h"
#include "guide_annual/DlgStudySubject.h"
#include "guide_annual/GuideViewSupport.h"
#include "guide_annual/GuideWordWriter.h"
#include "guide_fiveyear/DlgGuideSearch.h"
#include "guide_fiveyear/DlgSelectGroupLab.h"
#include "guide_fiveyear/DlgSelectOutput.h"
#include "guide_fiveyear/FiveGuideBundle.h"
#include "guide_fiveyear/FiveGuideStore.h"
#include "guide_fiveyear/FiveGuideWordExport.h"
#include "foundation/Transaction.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

IMPLEMENT_DYNCREATE(CDlgFiveGuide, ui::FormView)

std::string CDlgFiveGuide::m_strPublishYear;

namespace {
constexpr int kSecondIcon = 3006;
constexpr COLORREF kButtonBackground = RGB(242, 246, 255);
}  // namespace

const ui::DialogTemplate& CDlgFiveGuide::Template() {
    static const ui::DialogTemplate tpl = guideview::ViewTemplate(IDD, IDC_LIST_FRAME, IDC_DETAIL_FRAME);
    return tpl;
}

CDlgFiveGuide::CDlgFiveGuide()
    : ui::FormView(Template()), m_dlgList(GuideListPanel::CommandsOf(*this)),
      m_dlgDetail(GuideDetailPanel::CommandsOf(*this), [this] { OnKillfocusGuideName(); }) {}

CDlgFiveGuide::~CDlgFiveGuide() = default;

void CDlgFiveGuide::OnInitialUpdate() {
    ui::FormView::OnInitialUpdate();
    m_dlgList.CreateOver(this, IDC_LIST_FRAME);
    m_dlgDetail.CreateOver(this, IDC_DETAIL_FRAME);
    ConnectAccess();
    InitUnitDict();
    m_arrChapterFiles.clear();
    for (int i = 0; i < fiveyearstore::kChapterCount; ++i) m_arrChapterFiles.push_back(fiveyearstore::ChapterFile(i));
    ShowFundInfo(m_strPublishYear);
    guideview::StyleButtons(m_dlgList, m_dlgDetail, [this](CButtonST& button, int icon, const std::string& tooltip) {
        ButtonTexture(button, icon, tooltip);
    });
    Header().UpdateData(FALSE);
}

BOOL CDlgFiveGuide::ConnectAccess() { return guideview::Connect(m_connection, m_recordset) ? TRUE : FALSE; }

void CDlgFiveGuide::InitUnitDict() { guideview::LoadUnitDictionary(m_recordset); }

std::string CDlgFiveGuide::GetExePath() { return sys::ProgramFolder(); }

void CDlgFiveGuide::ButtonTexture(CButtonST& button, int icon, const std::string& tooltip) {
    button.SetIcon(icon, kSecondIcon);
    for (int index : {CButtonST::BTNST_COLOR_BK_IN, CButtonST::BTNST_COLOR_BK_OUT, CButtonST::BTNST_COLOR_BK_FOCUS})
        button.SetColor(index, kButtonBackground);
    button.SetTooltipText(tooltip.c_str());
}

void CDlgFiveGuide::Emptyfile(const std::string& path) { sys::TruncateFile(sys::NativePath(path)); }

int CDlgFiveGuide::IfOutput(int chapter) { return IsChapterChosen(m_arrOutputChapters, chapter) ? 1 : 0; }

int CDlgFiveGuide::IsRecordExist(const std::string& fund, const std::string& period) {
    return fiveyearstore::IsGuideStored(m_connection, fund, period) ? 1 : 0;
}

// ---- the list ----

void CDlgFiveGuide::AppendGuides(const std::vector<fiveyearstore::ListedGuide>& guides) {
    for (const fiveyearstore::ListedGuide& guide : guides) m_dlgList.AddGuide(guide.fund, guide.owner, guide.name);
}

int CDlgFiveGuide::ShowFundInfo(std::string period) {
    m_dlgList.List().DeleteAllItems();
    AppendGuides(fiveyearstore::ListGuides(m_connection, period));
    return 1;
}

void CDlgFiveGuide::OnBtnSearch() {
    fiveyear::CDlgGuideSearch search(this);
    if (search.DoModal() != IDOK) return;
    m_dlgList.List().DeleteAllItems();
    AppendGuides(fiveyearstore::SearchGuides(m_connection, search.m_search, m_strPublishYear));
}

std::vector<std::string> CDlgFiveGuide::SelectedFunds() const {
    std::vector<std::string> funds;
    const ui::ListCtrl& list = m_dlgList.List();
    for (int row = list.GetNextItem(-1, LVNI_SELECTED); row >= 0; row = list.GetNextItem(row, LVNI_SELECTED))
        funds.push_back(list.GetItemText(row, 0));
    return funds;
}

// ---- the editor ----

void CDlgFiveGuide::SetTopicGuide() {
    fiveyear::CDlgStudySubjectTree& tree = Tabs().SubjectTree();
    tree.m_strJJBH = Header().m_strFundCode;
    tree.m_strZNMC = Header().m_strGuideName;
    tree.m_strFBNF = Header().m_strPublishYear;
}

void CDlgFiveGuide::EnableGuideName(bool enable) {
    Header().GetDlgItem(fiveyear::CDlgGuideHeader::IDC_NAME)->EnableWindow(enable ? TRUE : FALSE);
}

void CDlgFiveGuide::ResetEditor(bool enableName) {
    Header().m_strFundCode.clear();
    Header().m_strGuideName.clear();
    Header().m_strPublishYear.clear();
    Tabs().ClearAll();
    m_bOpenGuide = false;
    Header().UpdateData(FALSE);
    EnableGuideName(enableName);
}

void CDlgFiveGuide::Clear() { ResetEditor(false); }

void CDlgFiveGuide::OnKillfocusGuideName() {
    Header().UpdateData(TRUE);
    Tabs().SubjectTree().m_strZNMC = Header().m_strGuideName;
    Tabs().SubjectTree().LoadSubjects();
}

void CDlgFiveGuide::OnDblclkListFundinfo() {
    const ui::ListCtrl& list = m_dlgList.List();
    const int row = list.GetSelectionMark();
    if (row < 0 || row >= list.GetItemCount()) return;
    Tabs().ClearAll();
    Header().m_strFundCode = list.GetItemText(row, 0);
    Header().m_strGuideName = list.GetItemText(row, 2);
    Header().m_strPublishYear = m_strPublishYear;
    SetTopicGuide();
    if (fiveyearstore::LoadGuide(m_connection, Header().m_strFundCode, Header().m_strPublishYear,
                                 fiveyearstore::EditorFiles()))
        for (int i = 0; i < fiveyearstore::kChapterCount; ++i) Tabs().Chapter(i).LoadRtfFile(m_arrChapterFiles[i]);
    Header().UpdateData(FALSE);
    Tabs().SubjectTree().LoadSubjects();
    EnableGuideName(true);
    m_bOpenGuide = true;
}

void CDlgFiveGuide::OnBtnAdd() {
    CDlgSelectGroupLab choose(this);
    for (const fiveyearstore::GuideOwner& owner : fiveyearstore::GuideOwners(m_connection)) {
        choose.m_arrNames.push_back(owner.name);
        choose.m_arrCodes.push_back(owner.code);
        choose.m_arrKinds.push_back(owner.lab ? CDlgSelectGroupLab::kLab : CDlgSelectGroupLab::kGroup);
    }
    if (choose.m_arrCodes.empty()) {
        GuidePrompt("您还没有编写专业组/实验室信息，不能编写五年指南！", MB_ICONERROR);
        return;
    }
    if (choose.DoModal() != IDOK) return;

    for (const std::string& file : m_arrChapterFiles) Emptyfile(file);
    const bool lab = choose.m_strKind != CDlgSelectGroupLab::kGroup;
    const std::string name = fiveyearstore::OwnerName(m_connection, choose.m_strCode, lab);

    ResetEditor(true);
    Header().m_strFundCode = choose.m_strCode;
    Header().m_strGuideName = name;
    Header().m_strPublishYear = m_strPublishYear;
    Header().UpdateData(FALSE);
    SetTopicGuide();
    Tabs().SetActiveTab(0);
}

void CDlgFiveGuide::PrepareChapters() {
    ui::CharFormat chars = PurposeCharFormat();
    chars.dwMask = ui::CFM_SIZE | ui::CFM_COLOR | ui::CFM_FACE;
    const ui::ParaFormat para = PurposeParaFormat();
    for (int i = 0; i < fiveyearstore::kChapterCount; ++i) {
        COleRichEdit& editor = Tabs().Chapter(i);
        editor.SetSel(0, -1);
        editor.SetSelectionCharFormat(chars);
        editor.SetParaFormat(para);
        editor.SaveRtfFile(m_arrChapterFiles[i]);
    }
}

void CDlgFiveGuide::OnButtonSave() {
    Header().UpdateData(TRUE);
    const std::string& fund = Header().m_strFundCode;
    if (fund.empty() || Header().m_strGuideName.empty() || Header().m_strPublishYear.empty()) {
        GuidePrompt("基金编号、指南名称和发布年份都是必填项！", 0);
        return;
    }
    // The table itself is asked, so that a guide the list does not show
    // (after a search) is never stored twice.
    if (IsRecordExist(fund, Header().m_strPublishYear)) {
        if (GuidePrompt("该指南已存在, 是否替换原纪录？", 0, MB_YESNO) == IDYES) UpdateFundInfo();
        return;
    }
    AddNewFund();
}

void CDlgFiveGuide::AddNewFund() {
    PrepareChapters();
    if (!fiveyearstore::StoreGuide(m_connection, Header().m_strFundCode, Header().m_strGuideName,
                                   Header().m_strPublishYear, fiveyearstore::EditorFiles(), false)) {
        ui::MessageBox(db::FailureMessage(m_connection, "数据入库操作失败！"), "操作失败", MB_ICONEXCLAMATION);
        return;
    }
    ui::MessageBox("数据入库完成！", "操作成功", MB_ICONINFORMATION);
    ShowFundInfo(m_strPublishYear);
}

void CDlgFiveGuide::UpdateFundInfo() {
    PrepareChapters();
    if (!fiveyearstore::StoreGuide(m_connection, Header().m_strFundCode, Header().m_strGuideName,
                                   Header().m_strPublishYear, fiveyearstore::EditorFiles(), true)) {
        ui::MessageBox(db::FailureMessage(m_connection, "数据更新操作失败！"), "操作失败", MB_ICONEXCLAMATION);
        return;
    }
    ui::MessageBox("数据更新成功！", "操作成功", MB_ICONINFORMATION);
    ShowFundInfo(m_strPublishYear);
}

// Each guide goes with its topics and directions in one transaction.
void CDlgFiveGuide::OnBtnDelete() {
    const std::vector<std::string> funds = SelectedFunds();
    if (funds.empty()) {
        ui::MessageBox("请先选中要删除的记录", "删除指南", MB_ICONERROR);
        return;
    }
    if (GuidePrompt("确定删除该记录？", MB_ICONQUESTION, MB_YESNO) != IDYES) return;
    ui::ProgressDialog progress("删除指南", int(funds.size()));
    for (const std::string& fund : funds) {
        progress.Next(fund);
        if (!fiveyearstore::DeleteGuide(m_connection, fund, m_strPublishYear)) {
            ui::MessageBox(db::FailureMessage(m_connection, "数据删除操作失败！"), "操作失败", MB_ICONEXCLAMATION);
            ShowFundInfo(m_strPublishYear);
            return;
        }
        if (fund == Header().m_strFundCode) ResetEditor(false);
    }
    ShowFundInfo(m_strPublishYear);
    GuidePrompt("删除成功！");
}

// ---- bundles ----

void CDlgFiveGuide::OnBtnExport() {
    const std::vector<std::string> funds = SelectedFunds();
    guideview::ExportBundles(static_cast<int>(funds.size()), "五年指南", MB_ICONERROR,
                             [&](int i, const std::string& folder, const std::string& today) {
                                 return FiveGuideBundle::Export(m_connection, funds[i], m_strPublishYear, folder, today);
                             });
}

int CDlgFiveGuide::Import(const std::string& path) {
    return FiveGuideBundle::Import(m_connection, path, m_nPolicy) == FiveGuideBundle::ImportResult::Imported ? 1 : 0;
}

void CDlgFiveGuide::OnBtnImport() {
    const auto importOne = [&](const std::string& path, int policy, std::string* reason) {
        return FiveGuideBundle::Import(m_connection, path, policy, reason);
    };
    const bool imported = guideview::ImportBundles(this, m_nPolicy, "选择导入文件夹路径", importOne);
    if (imported) ShowFundInfo(m_strPublishYear);
}

// ---- Word ----

void CDlgFiveGuide::OnBtnExportToWord() {
    fiveyear::CDlgSelectOutput choose(this);
    choose.m_strPublishYear = m_strPublishYear;
    choose.m_pConnection = &m_connection;
    if (choose.DoModal() != IDOK) return;
    m_arrOutputChapters = choose.m_arrChapters;
    fiveyearword::ExportGuidesToWord(m_connection, choose.m_arrFunds, m_strPublishYear, m_arrOutputChapters);
}

// ---- window ----

std::optional<ui::CtlColor> CDlgFiveGuide::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (kind == CTLCOLOR_DLG) return ui::CtlColor{RGB(255, 255, 255)};
    return ui::FormView::OnCtlColor(control, kind);
}

void CDlgFiveGuide::OnDestroy() {
    ui::FormView::OnDestroy();
    for (const std::string& file : m_arrChapterFiles) Emptyfile(file);
    m_connection.Close();
}
