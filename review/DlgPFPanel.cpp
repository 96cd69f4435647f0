#include "review/DlgPFPanel.h"

#include "foundation/AdoRecordSet.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "review/ApprovalPanelSupport.h"
#include "review/OfficeReports.h"
#include "review/WorkflowSupport.h"
#include "review/ReviewStore.h"

namespace {

const char* const kExpertFile = "专家意见.rtf";
const char* const kApprovalFile = "批复意见.rtf";

// An item edit of the budget: its id and its amount, in the order of
// reviewstore::Budget.
struct BudgetItem {
    int id;
    float CDlgPFPanel::*amount;
};
constexpr BudgetItem kItems[reviewstore::kBudgetItems] = {
    {CDlgPFPanel::IDC_SJF, &CDlgPFPanel::m_fDesign},      {CDlgPFPanel::IDC_CLF, &CDlgPFPanel::m_fMaterials},
    {CDlgPFPanel::IDC_WXF, &CDlgPFPanel::m_fOutsideWork}, {CDlgPFPanel::IDC_ZYF, &CDlgPFPanel::m_fSpecial},
    {CDlgPFPanel::IDC_SYF, &CDlgPFPanel::m_fTests},       {CDlgPFPanel::IDC_GDZCF, &CDlgPFPanel::m_fFixedAssets},
    {CDlgPFPanel::IDC_GZF, &CDlgPFPanel::m_fWages},       {CDlgPFPanel::IDC_GLF, &CDlgPFPanel::m_fManagement},
};

constexpr DWORD kAmountStyle = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kRichStyle = WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr DWORD kButtonStyle = WS_TABSTOP | BS_OWNERDRAW;

// The opinions are typed in 仿宋_GB2312 of 14 points, black, the first line
// of each paragraph indented.
void FormatOpinionEditor(COleRichEdit& editor) {
    ui::CharFormat cf;
    cf.dwMask = ui::CFM_FACE | ui::CFM_SIZE | ui::CFM_BOLD | ui::CFM_COLOR;
    cf.szFaceName = "仿宋_GB2312";
    cf.yHeight = 280;
    cf.crTextColor = RGB(0, 0, 0);
    editor.SetDefaultCharFormat(cf);
    ui::ParaFormat pf;
    pf.dwMask = ui::PFM_STARTINDENT | ui::PFM_OFFSET;
    pf.dxStartIndent = 580;
    pf.dxOffset = -580;
    editor.SetParaFormat(pf);
}

}  // namespace

CDlgPFPanel::CDlgPFPanel() : ui::Dialog(Template()) {
    MapClicked(IDC_SAVE, [this] { OnBtnSave(); });
    MapClicked(IDC_OUTPUT, [this] { OnBtnOutput(); });
    MapClicked(IDC_REORDER, [this] { OnBtnReorder(); });
    for (const BudgetItem& item : kItems) MapCommand(item.id, EN_KILLFOCUS, [this] { UpdateTotal(); });
}

const ui::DialogTemplate& CDlgPFPanel::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 531, 507}, {
        {Kind::Static, IDC_SUMMARY_PLACE, "", {4, 2, 479, 155}, SS_BLACKFRAME, {}, true},
        {Kind::PushButton, IDC_SAVE, "", {490, 10, 34, 26}, kButtonStyle},
        {Kind::PushButton, IDC_OUTPUT, "", {490, 42, 34, 26}, kButtonStyle},
        {Kind::PushButton, IDC_REORDER, "", {490, 74, 34, 26}, kButtonStyle},
        {Kind::GroupBox, IDC_STATIC, "资助经费(万元)", {4, 160, 523, 66}},
        {Kind::Static, IDC_STATIC, "设计费:", {12, 176, 60, 10}},
        {Kind::Edit, IDC_SJF, "", {74, 174, 86, 12}, kAmountStyle},
        {Kind::Static, IDC_STATIC, "材料费:", {180, 176, 60, 10}},
        {Kind::Edit, IDC_CLF, "", {242, 174, 86, 12}, kAmountStyle},
        {Kind::Static, IDC_STATIC, "试验费:", {348, 176, 80, 10}},
        {Kind::Edit, IDC_SYF, "", {430, 174, 86, 12}, kAmountStyle},
        {Kind::Static, IDC_STATIC, "外协费:", {12, 192, 60, 10}},
        {Kind::Edit, IDC_WXF, "", {74, 190, 86, 12}, kAmountStyle},
        {Kind::Static, IDC_STATIC, "专用费:", {180, 192, 60, 10}},
        {Kind::Edit, IDC_ZYF, "", {242, 190, 86, 12}, kAmountStyle},
        {Kind::Static, IDC_STATIC, "固定资产使用费:", {348, 192, 80, 10}},
        {Kind::Edit, IDC_GDZCF, "", {430, 190, 86, 12}, kAmountStyle},
        {Kind::Static, IDC_STATIC, "工资费:", {12, 208, 60, 10}},
        {Kind::Edit, IDC_GZF, "", {74, 206, 86, 12}, kAmountStyle},
        {Kind::Static, IDC_STATIC, "管理费:", {180, 208, 60, 10}},
        {Kind::Edit, IDC_GLF, "", {242, 206, 86, 12}, kAmountStyle},
        {Kind::Static, IDC_STATIC, "总经费:", {348, 208, 80, 10}},
        {Kind::Edit, IDC_TOTAL, "", {430, 206, 86, 12}, kAmountStyle | ES_READONLY},
        {Kind::GroupBox, IDC_STATIC, "专家意见", {4, 230, 523, 134}},
        {Kind::RichEdit, IDC_EXPERT_OPINION, "", {10, 242, 511, 116}, kRichStyle},
        {Kind::GroupBox, IDC_STATIC, "批复意见", {4, 368, 523, 135}},
        {Kind::RichEdit, IDC_APPROVAL_OPINION, "", {10, 380, 511, 117}, kRichStyle},
    }, WS_CHILD};
    return t;
}

BOOL CDlgPFPanel::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(workflow::kPanelBackground);
    workflow::StyleButton(m_btnSave, workflow::kSaveIcon, "保存");
    workflow::StyleButton(m_btnOutput, workflow::kExcelIcon, "输出");
    workflow::StyleButton(m_btnReorder, workflow::kReorderIcon, "重排序");
    FormatOpinionEditor(m_richExpertOpinion);
    FormatOpinionEditor(m_richApprovalOpinion);
    m_dlgSummary.CreateOver(this, IDC_SUMMARY_PLACE);
    return TRUE;
}

void CDlgPFPanel::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_REORDER, m_btnReorder);
    dx.Control(IDC_OUTPUT, m_btnOutput);
    dx.Control(IDC_APPROVAL_OPINION, m_richApprovalOpinion);
    dx.Control(IDC_EXPERT_OPINION, m_richExpertOpinion);
    dx.Control(IDC_SAVE, m_btnSave);
    for (const BudgetItem& item : kItems) dx.Text(item.id, this->*item.amount);
    dx.Text(IDC_TOTAL, m_fTotal);
}

void CDlgPFPanel::ClearApproval() {
    for (const BudgetItem& item : kItems) this->*item.amount = 0;
    m_fTotal = 0;
    m_richExpertOpinion.SetWindowText("");
    m_richApprovalOpinion.SetWindowText("");
    UpdateData(FALSE);
}

void CDlgPFPanel::ShowApproval(const std::string& xmbh) {
    ClearApproval();
    CAdoRecordSet rs;
    if (!reviewstore::OpenReviewRow(rs, m_pConnection, xmbh) || rs.IsEOF()) {
        rs.Close();
        FillFromApplication(xmbh);
        return;
    }
    const reviewstore::Budget granted = reviewstore::GrantedBudget(rs);
    if (granted.total == 0.0f) FillFromApplication(xmbh);
    else ShowBudget(granted);
    const std::string expertFile = approval::ScratchPath(kExpertFile);
    const std::string approvalFile = approval::ScratchPath(kApprovalFile);
    approval::ColumnToFile(rs, "ZJYJ", expertFile);
    approval::ColumnToFile(rs, "PFYJ", approvalFile);
    rs.Close();
    m_richExpertOpinion.LoadRtfFile(expertFile);
    m_richApprovalOpinion.LoadRtfFile(approvalFile);
}

void CDlgPFPanel::FillFromApplication(const std::string& xmbh) {
    CAdoRecordSet rs;
    if (!reviewstore::OpenApplicationRow(rs, m_pConnection, xmbh) || rs.IsEOF()) return;
    ShowBudget(reviewstore::AppliedBudget(rs));
}

void CDlgPFPanel::ShowBudget(const reviewstore::Budget& budget) {
    m_fTotal = budget.total;
    for (int i = 0; i < reviewstore::kBudgetItems; ++i) this->*kItems[i].amount = budget.items[i];
    UpdateData(FALSE);
}

bool CDlgPFPanel::UpdateTotal() {
    // A refused amount is reported by a message box that takes the focus from
    // the next edit; that edit's focus loss must not report it a second time.
    if (m_bUpdatingTotal) return false;
    m_bUpdatingTotal = true;
    const bool taken = UpdateData(TRUE);
    m_bUpdatingTotal = false;
    if (!taken) return false;
    double sum = 0;
    for (const BudgetItem& item : kItems) sum += this->*item.amount;
    m_fTotal = float(sum);
    UpdateData(FALSE);
    return true;
}

void CDlgPFPanel::OnBtnSave() {
    // Only the project just selected in the tree: after a root or fund-number
    // node the summary still shows the previous project while the panel is
    // empty, and that must not be written over its approval.
    const projectnumber::LoadedProject project = m_dlgSummary.SelectedProject();
    const std::string xmbh = project.number;
    if (xmbh.empty()) {
        workflow::Prompt("请先选择一个项目！");
        return;
    }
    if (!UpdateTotal()) return;
    CAdoRecordSet rs;
    if (!reviewstore::OpenReviewRow(rs, m_pConnection, xmbh) || rs.IsEOF()) {
        workflow::Prompt("该项目尚未通过函审或会审！");
        return;
    }
    reviewstore::Budget budget;
    budget.total = m_fTotal;
    for (int i = 0; i < reviewstore::kBudgetItems; ++i) budget.items[i] = this->*kItems[i].amount;
    bool ok = reviewstore::SetGrantedBudget(rs, budget);
    ok = ok && approval::EditorToColumn(m_richExpertOpinion, approval::ScratchPath(kExpertFile), rs, "ZJYJ") &&
         approval::EditorToColumn(m_richApprovalOpinion, approval::ScratchPath(kApprovalFile), rs, "PFYJ");
    approval::FinishSave(m_pConnection, project, rs, ok);
}

void CDlgPFPanel::OnBtnOutput() { officereports::RunPFOutput(m_pConnection, 0); }

void CDlgPFPanel::OnBtnReorder() {
    // The panel keeps what was typed for the selected project, under its new number.
    if (m_onReorder) m_dlgSummary.FollowRenames(m_onReorder());
}
