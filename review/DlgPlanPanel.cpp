#include "review/DlgPlanPanel.h"

#include "foundation/AdoRecordSet.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "review/ApprovalPanelSupport.h"
#include "review/OfficeReports.h"
#include "review/WorkflowSupport.h"
#include "review/ReviewStore.h"

namespace {

// A section of the plan: its editor, its column and its scratch file, in the
// order in which they are stored.
struct PlanSection {
    int id;
    COleRichEdit CDlgPlanPanel::*editor;
    const char* column;
    const char* file;
};
const PlanSection kSections[] = {
    {CDlgPlanPanel::IDC_TOTAL_GOALS, &CDlgPlanPanel::m_richTotalGoals, "ZMBYNR", "总研究目标与内容.rtf"},
    {CDlgPlanPanel::IDC_TOTAL_FORM, &CDlgPlanPanel::m_richTotalForm, "ZWCXS", "总完成形式.rtf"},
    {CDlgPlanPanel::IDC_YEAR_GOALS, &CDlgPlanPanel::m_richYearGoals, "NDMBYNR", "年度研究目标与内容.rtf"},
    {CDlgPlanPanel::IDC_YEAR_FORM, &CDlgPlanPanel::m_richYearForm, "NDWCXS", "年度完成形式.rtf"},
    {CDlgPlanPanel::IDC_REMARKS, &CDlgPlanPanel::m_richRemarks, "BZ", "备注.rtf"},
};

constexpr DWORD kRichStyle = WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr DWORD kButtonStyle = WS_TABSTOP | BS_OWNERDRAW;

}  // namespace

CDlgPlanPanel::CDlgPlanPanel() : ui::Dialog(Template()) {
    MapClicked(IDC_SAVE, [this] { OnBtnSave(); });
    MapClicked(IDC_OUTPUT, [this] { OnBtnOutput(); });
    MapClicked(IDC_REORDER, [this] { OnBtnReorder(); });
}

const ui::DialogTemplate& CDlgPlanPanel::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 531, 507}, {
        {Kind::Static, IDC_SUMMARY_PLACE, "", {4, 2, 479, 155}, SS_BLACKFRAME, {}, true},
        {Kind::PushButton, IDC_SAVE, "", {490, 10, 34, 26}, kButtonStyle},
        {Kind::PushButton, IDC_OUTPUT, "", {490, 42, 34, 26}, kButtonStyle},
        {Kind::PushButton, IDC_REORDER, "", {490, 74, 34, 26}, kButtonStyle},
        {Kind::GroupBox, IDC_STATIC, "总研究目标与内容", {4, 160, 260, 128}},
        {Kind::RichEdit, IDC_TOTAL_GOALS, "", {10, 172, 248, 110}, kRichStyle},
        {Kind::GroupBox, IDC_STATIC, "总完成形式", {267, 160, 260, 128}},
        {Kind::RichEdit, IDC_TOTAL_FORM, "", {273, 172, 248, 110}, kRichStyle},
        {Kind::GroupBox, IDC_STATIC, "年度研究目标与内容", {4, 292, 260, 128}},
        {Kind::RichEdit, IDC_YEAR_GOALS, "", {10, 304, 248, 110}, kRichStyle},
        {Kind::GroupBox, IDC_STATIC, "年度完成形式", {267, 292, 260, 128}},
        {Kind::RichEdit, IDC_YEAR_FORM, "", {273, 304, 248, 110}, kRichStyle},
        {Kind::GroupBox, IDC_STATIC, "备注", {4, 424, 523, 79}},
        {Kind::RichEdit, IDC_REMARKS, "", {10, 436, 511, 61}, kRichStyle},
    }, WS_CHILD};
    return t;
}

BOOL CDlgPlanPanel::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(workflow::kPanelBackground);
    workflow::StyleButton(m_btnSave, workflow::kSaveIcon, "保存");
    workflow::StyleButton(m_btnOutput, workflow::kExcelIcon, "输出项目计划");
    workflow::StyleButton(m_btnReorder, workflow::kReorderIcon, "重排序");
    ui::CharFormat size;
    size.dwMask = ui::CFM_SIZE;
    size.yHeight = 210;
    for (const PlanSection& section : kSections) (this->*section.editor).SetDefaultCharFormat(size);

    m_dlgSummary.CreateOver(this, IDC_SUMMARY_PLACE);
    for (int id : {CDlgProSummary::IDC_FS_LABEL, CDlgProSummary::IDC_PSJG_LABEL, CDlgProSummary::IDC_FS,
                   CDlgProSummary::IDC_PSJG})
        m_dlgSummary.ShowControl(id, false);
    m_dlgSummary.ShowControl(CDlgProSummary::IDC_PROGRESS_LABEL, true);
    m_dlgSummary.ShowControl(CDlgProSummary::IDC_PROGRESS, true);
    m_dlgSummary.SetDlgItemText(CDlgProSummary::IDC_AMOUNT_LABEL, "  总经费:");
    return TRUE;
}

void CDlgPlanPanel::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_REORDER, m_btnReorder);
    dx.Control(IDC_OUTPUT, m_btnOutput);
    dx.Control(IDC_REMARKS, m_richRemarks);
    dx.Control(IDC_YEAR_FORM, m_richYearForm);
    dx.Control(IDC_YEAR_GOALS, m_richYearGoals);
    dx.Control(IDC_TOTAL_FORM, m_richTotalForm);
    dx.Control(IDC_TOTAL_GOALS, m_richTotalGoals);
    dx.Control(IDC_SAVE, m_btnSave);
}

void CDlgPlanPanel::ShowApprovedTotal(const std::string& xmbh) {
    CAdoRecordSet rs;
    std::string total;
    if (reviewstore::OpenReviewRow(rs, m_pConnection, xmbh) && !rs.IsEOF()) {
        float approved = 0;
        rs.GetFloat("PFJF", approved);
        total = text::Format("%g", approved);
    }
    m_dlgSummary.SetDlgItemText(CDlgProSummary::IDC_SQJE, total);
}

void CDlgPlanPanel::ClearPlan() {
    m_dlgSummary.SetDlgItemText(CDlgProSummary::IDC_PROGRESS, "");
    for (const PlanSection& section : kSections) (this->*section.editor).SetWindowText("");
}

void CDlgPlanPanel::ShowPlan(const std::string& xmbh) {
    ClearPlan();
    CAdoRecordSet rs;
    if (!reviewstore::OpenPlanRow(rs, m_pConnection, xmbh) || rs.IsEOF()) return;
    std::string progress;
    rs.GetString("JDYQ", progress);
    m_dlgSummary.SetDlgItemText(CDlgProSummary::IDC_PROGRESS, progress);
    for (const PlanSection& section : kSections)
        approval::ColumnToFile(rs, section.column, approval::ScratchPath(section.file));
    rs.Close();
    for (const PlanSection& section : kSections)
        (this->*section.editor).LoadRtfFile(approval::ScratchPath(section.file));
}

void CDlgPlanPanel::OnBtnSave() {
    // Only the project just selected in the tree: after a root or fund-number
    // node the summary still shows the previous project while the sections
    // are empty, and that must not be written over its plan.
    const projectnumber::LoadedProject project = m_dlgSummary.SelectedProject();
    const std::string xmbh = project.number;
    if (xmbh.empty()) {
        workflow::Prompt("请先选择一个项目！");
        return;
    }
    if (!reviewstore::HasReviewRow(m_pConnection, xmbh)) {
        workflow::Prompt("该项目尚未通过函审或会审！");
        return;
    }
    CAdoRecordSet rs;
    if (!reviewstore::OpenPlanRow(rs, m_pConnection, xmbh)) {
        approval::FinishSave(m_pConnection, project, rs, false);
        return;
    }
    bool ok = !rs.IsEOF() || (rs.AddNew() && rs.SetString("XMBH", xmbh));
    ok = ok && rs.SetString("JDYQ", m_dlgSummary.GetDlgItemText(CDlgProSummary::IDC_PROGRESS));
    for (const PlanSection& section : kSections)
        ok = ok && approval::EditorToColumn(this->*section.editor, approval::ScratchPath(section.file), rs,
                                            section.column);
    approval::FinishSave(m_pConnection, project, rs, ok);
}

void CDlgPlanPanel::OnBtnOutput() { officereports::RunPlanOutput(m_pConnection, 0); }

void CDlgPlanPanel::OnBtnReorder() {
    // The panel keeps what was typed for the selected project, under its new number.
    if (m_onReorder) m_dlgSummary.FollowRenames(m_onReorder());
}
