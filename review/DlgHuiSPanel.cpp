#include "review/DlgHuiSPanel.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/Transaction.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "review/OfficeReports.h"
#include "review/WorkflowSupport.h"
#include "review/ApprovalPanelSupport.h"
#include "review/ReviewStore.h"

namespace {

// The budget items' labels, in the order of CDlgHuiSPanel::IDC_AMOUNTS and
// of reviewstore::Budget.
constexpr const char* kLabels[reviewstore::kBudgetItems] = {"设计费:", "材料费:", "外协费:", "专用费:",
                                                            "试验费:", "固定资产使用费:", "工资费:", "管理费:"};

}  // namespace

CDlgHuiSPanel::CDlgHuiSPanel(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    for (int id : IDC_AMOUNTS) MapCommand(id, EN_KILLFOCUS, [this] { SumBudget(); });
    MapClicked(IDC_SAVE, [this] { SaveReview(); });
    MapClicked(IDC_EXCEL, [this] { OnBtnExcel(); });
}

const ui::DialogTemplate& CDlgHuiSPanel::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t = [] {
        ui::DialogTemplate d{IDD, "", {0, 0, 531, 525}, {
            {Kind::Static, IDC_SUMMARY_PLACE, "", {7, 4, 479, 155}, SS_BLACKFRAME, {}, true},
            {Kind::PushButton, IDC_SAVE, "保存", {490, 8, 38, 40}, WS_TABSTOP},
            {Kind::PushButton, IDC_EXCEL, "输出Excel", {490, 52, 38, 48}, WS_TABSTOP, {}, true},
            {Kind::GroupBox, IDC_STATIC, "资助经费(万元)", {7, 166, 479, 120}},
        }, WS_CHILD};
        for (int i = 0; i < 8; ++i) {
            const int x = 14 + 236 * (i % 2), y = 182 + 20 * (i / 2);
            d.controls.push_back({Kind::Static, IDC_STATIC, kLabels[i], {x, y + 2, 70, 10}});
            d.controls.push_back({Kind::Edit, IDC_AMOUNTS[i], "", {x + 74, y, 80, 12},
                                  WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL});
        }
        d.controls.push_back({Kind::Static, IDC_STATIC, "总经费:", {14, 264, 70, 10}});
        d.controls.push_back(
            {Kind::Edit, IDC_TOTAL, "", {88, 262, 80, 12}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY});
        return d;
    }();
    return t;
}

BOOL CDlgHuiSPanel::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(workflow::kPanelBackground);
    m_dlgSummary.CreateOver(this, IDC_SUMMARY_PLACE);
    // The meeting's result is chosen in the summary's list, not shown as a score.
    for (int id : {CDlgProSummary::IDC_FS_LABEL, CDlgProSummary::IDC_PSJG_LABEL, CDlgProSummary::IDC_FS,
                   CDlgProSummary::IDC_PSJG})
        m_dlgSummary.ShowControl(id, false);
    for (int id : {CDlgProSummary::IDC_RESULT_LABEL, CDlgProSummary::IDC_RESULT}) m_dlgSummary.ShowControl(id, true);
    m_btnSave.SubclassDlgItem(IDC_SAVE, this);
    m_btnExcel.SubclassDlgItem(IDC_EXCEL, this);
    workflow::StyleButton(m_btnSave, workflow::kSaveIcon, "保存");
    workflow::StyleButton(m_btnExcel, workflow::kExcelIcon, "输出Excel报表");
    // Right of the summary the column is narrow: the caption goes under the icon.
    for (CButtonST* button : {&m_btnSave, &m_btnExcel}) button->SetAlign(CButtonST::ST_ALIGN_VERT);
    UpdateData(FALSE);
    return TRUE;
}

void CDlgHuiSPanel::DoDataExchange(ui::DataExchange& dx) {
    for (int i = 0; i < 8; ++i) dx.Text(IDC_AMOUNTS[i], m_fAmounts[i]);
    dx.Text(IDC_TOTAL, m_fTotal);
}

void CDlgHuiSPanel::ClearBudget() {
    m_fTotal = 0;
    m_fAmounts.fill(0);
    UpdateData(FALSE);
}

bool CDlgHuiSPanel::SumBudget() {
    // A refused amount is reported; the others are summed as they stand.
    const bool accepted = UpdateData(TRUE);
    double total = 0;
    for (float amount : m_fAmounts) total += amount;
    m_fTotal = float(total);
    UpdateData(FALSE);
    return accepted;
}

void CDlgHuiSPanel::LoadReview(const std::string& xmbh) {
    ClearBudget();
    CAdoRecordSet rs;
    if (!reviewstore::OpenReviewRow(rs, m_pConnection, xmbh)) return;
    if (rs.GetRecordCount() <= 0) {
        rs.Close();
        LoadAppliedBudget(xmbh);
        return;
    }
    ShowBudget(reviewstore::GrantedBudget(rs));
}

void CDlgHuiSPanel::ShowBudget(const reviewstore::Budget& budget) {
    m_fTotal = budget.total;
    std::copy(budget.items.begin(), budget.items.end(), m_fAmounts.begin());
    UpdateData(FALSE);
}

void CDlgHuiSPanel::LoadAppliedBudget(const std::string& xmbh) {
    CAdoRecordSet rs;
    if (!reviewstore::OpenApplicationRow(rs, m_pConnection, xmbh) || rs.GetRecordCount() <= 0) return;
    ShowBudget(reviewstore::AppliedBudget(rs));
}

void CDlgHuiSPanel::SaveReview() {
    // Only a project the user has just selected is saved: after a root or
    // fund-number node the summary still shows the previous project while
    // the amounts are reset, and saving would overwrite its granted budget.
    const projectnumber::LoadedProject project = m_dlgSummary.SelectedProject();
    const std::string xmbh = project.number;
    if (xmbh.empty()) {
        workflow::Prompt("请先选择一个项目！");
        return;
    }
    const std::string result = m_dlgSummary.GetDlgItemText(CDlgProSummary::IDC_RESULT);
    if (result.empty()) {
        workflow::Prompt("请选择评审结果！");
        return;
    }
    if (!SumBudget()) return;  // the refused amount was named; nothing is saved
    CAdoRecordSet rs;
    bool ok = reviewstore::OpenReviewRow(rs, m_pConnection, xmbh);
    if (ok && rs.GetRecordCount() <= 0) ok = rs.AddNew() && rs.SetString("XMBH", xmbh);
    reviewstore::Budget budget;
    budget.total = m_fTotal;
    std::copy(m_fAmounts.begin(), m_fAmounts.end(), budget.items.begin());
    ok = ok && rs.SetString("PSJG", result) && reviewstore::SetGrantedBudget(rs, budget);
    // Written only while the project is the one selected: a project deleted
    // meanwhile gets no review row.
    if (!approval::SaveProjectRows(m_pConnection, project, [&] { return ok && rs.Update(); }, "保存失败！"))
        rs.CancelUpdate();
}

void CDlgHuiSPanel::OnBtnExcel() { officereports::RunLabReviewExcel(this, m_pConnection); }
