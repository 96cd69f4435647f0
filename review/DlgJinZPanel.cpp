#include "review/DlgJinZPanel.h"

#include "foundation/AdoRecordSet.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "review/ApprovalPanelSupport.h"
#include "review/OfficeReports.h"
#include "review/WorkflowSupport.h"
#include "review/ReviewStore.h"

namespace {

const char* const kConclusionFile = "jcjl.rtf";
const char* const kSummaryFile = "jieduan.rtf";
const char* const kSavedConclusionFile = "阶段进展检查结论.rtf";

}  // namespace

CDlgJinZPanel::CDlgJinZPanel() : ui::Dialog(Template()) {
    MapClicked(IDC_SAVE, [this] { OnBtnSave(); });
    MapClicked(IDC_OUTPUT, [this] { OnBtnOutput(); });
}

const ui::DialogTemplate& CDlgJinZPanel::Template() {
    using ui::Kind;
    constexpr DWORD kButtonStyle = WS_TABSTOP | BS_OWNERDRAW;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 531, 507}, {
        {Kind::Static, IDC_DETAIL_PLACE, "", {4, 2, 479, 250}, SS_BLACKFRAME, {}, true},
        {Kind::PushButton, IDC_SAVE, "", {490, 10, 34, 26}, kButtonStyle},
        {Kind::PushButton, IDC_OUTPUT, "", {490, 42, 34, 26}, kButtonStyle, {}, true},
        {Kind::GroupBox, IDC_STATIC, "阶段进展检查结论", {4, 256, 523, 247}},
        {Kind::RichEdit, IDC_CONCLUSION, "", {10, 268, 511, 229},
         WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN},
    }, WS_CHILD};
    return t;
}

BOOL CDlgJinZPanel::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(workflow::kPanelBackground);
    m_dlgDetail.CreateOver(this, IDC_DETAIL_PLACE);
    workflow::StyleButton(m_btnOutput, workflow::kExcelIcon, "输出Excel报表");
    workflow::StyleButton(m_btnSave, workflow::kSaveIcon, "保存");
    return TRUE;
}

void CDlgJinZPanel::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_CONCLUSION, m_richConclusion);
    dx.Text(IDC_CONCLUSION, m_strConclusion);
    dx.Control(IDC_OUTPUT, m_btnOutput);
    dx.Control(IDC_SAVE, m_btnSave);
}

void CDlgJinZPanel::ShowOutputButton(bool show) { m_btnOutput.ShowWindow(show ? SW_SHOW : SW_HIDE); }

void CDlgJinZPanel::ShowProgress(const std::string& xmbh) {
    m_richConclusion.SetWindowText("");
    m_dlgDetail.m_richSummary.SetWindowText("");
    CAdoRecordSet rs;
    if (!reviewstore::OpenProgressRow(rs, m_pConnection, xmbh) || rs.IsEOF()) return;
    const std::string conclusionFile = approval::ScratchPath(kConclusionFile);
    const std::string summaryFile = approval::ScratchPath(kSummaryFile);
    approval::ColumnToFile(rs, "JCJL", conclusionFile);
    m_richConclusion.LoadRtfFile(conclusionFile);
    approval::ColumnToFile(rs, "WCQKJJ", summaryFile);
    m_dlgDetail.m_richSummary.LoadRtfFile(summaryFile);
}

void CDlgJinZPanel::OnBtnSave() {
    // Only the project just selected in the tree: after a root or fund-number
    // node the detail still shows the previous project while the conclusion
    // is empty, and that must not be written over its conclusion.
    const projectnumber::LoadedProject project = m_dlgDetail.SelectedProject();
    const std::string xmbh = project.number;
    if (xmbh.empty()) {
        workflow::Prompt("请先选择一个项目！");
        return;
    }
    UpdateData(TRUE);
    CAdoRecordSet rs;
    if (!reviewstore::OpenProgressRow(rs, m_pConnection, xmbh)) {
        approval::FinishSave(m_pConnection, project, rs, false);
        return;
    }
    // The conclusion belongs to the applicant's report row, which only the
    // report and its import create.
    if (rs.IsEOF()) {
        workflow::Prompt("该项目尚未提交阶段进展报告，不能保存检查结论！");
        return;
    }
    approval::FinishSave(m_pConnection, project, rs, approval::EditorToColumn(m_richConclusion, approval::ScratchPath(kSavedConclusionFile),
                                                      rs, "JCJL"));
}

void CDlgJinZPanel::OnBtnOutput() { officereports::RunLabReviewExcel(nullptr, m_pConnection); }
