#include "review/DlgHanSPanel.h"

#include <algorithm>

#include "foundation/AdoRecordSet.h"
#include "foundation/ColumnLimits.h"
#include "foundation/Transaction.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Lists.h"
#include "review/DlgExpertBrowse.h"
#include "review/OfficeReports.h"
#include "review/WorkflowSupport.h"
#include "review/ApprovalPanelSupport.h"
#include "review/ReviewStore.h"

namespace {
constexpr DWORD kReadOnly = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY;
constexpr DWORD kDropList = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
const char* const kExpertColumns[3] = {"ZJ1", "ZJ2", "ZJ3"};
const char* const kGradeColumns[3] = {"PF1", "PF2", "PF3"};
const char* const kOpinionColumns[3] = {"YJ1", "YJ2", "YJ3"};
constexpr float kNotGraded = -2, kCountMismatch = -1;
}  // namespace

CDlgHanSPanel::CDlgHanSPanel(ui::Wnd* parent)
    : ui::Dialog(Template(), parent),
      m_nIndexCount(m_options.GetIndexCount()),
      m_nWeights(m_options.GetIndexWeights()),
      m_nGradeValues(m_options.GetGradeScores()) {
    MapClicked(IDC_SAVE, [this] { SaveReview(); });
    MapClicked(IDC_CLEAR, [this] { OnBtnClear(); });
    MapClicked(IDC_BROWSE, [this] { OnBtnBrowseExperts(); });
    MapClicked(IDC_EXCEL, [this] { OnBtnExcel(); });
    MapCommand(IDC_OPINION[0], CBN_SELCHANGE, [this] { OnSelchangeOpinion1(); });
    MapCommand(IDC_OPINION[1], CBN_SELCHANGE, [this] { OnSelchangeOpinion2(); });
    MapCommand(IDC_OPINION[2], CBN_SELCHANGE, [this] { OnSelchangeOpinion3(); });
    for (int id : IDC_GRADES) MapCommand(id, EN_KILLFOCUS, [this] { CalcScore(); });
}

const ui::DialogTemplate& CDlgHanSPanel::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t = [] {
        ui::DialogTemplate d{IDD, "", {0, 0, 531, 525}, {
            {Kind::Static, IDC_SUMMARY_PLACE, "", {7, 4, 479, 155}, SS_BLACKFRAME, {}, true},
            {Kind::PushButton, IDC_SAVE, "保存", {490, 8, 38, 40}, WS_TABSTOP},
            {Kind::PushButton, IDC_EXCEL, "输出Excel", {490, 52, 38, 48}, WS_TABSTOP},
            {Kind::GroupBox, IDC_STATIC, "评议专家安排", {7, 164, 521, 128}},
            {Kind::Static, IDC_GRID_PLACE, "", {14, 176, 450, 110}, SS_BLACKFRAME, {}, true},
            {Kind::PushButton, IDC_CLEAR, "清空", {468, 190, 56, 16}, WS_TABSTOP},
            {Kind::PushButton, IDC_BROWSE, "浏览专家信息", {468, 214, 56, 16}, WS_TABSTOP},
            {Kind::GroupBox, IDC_STATIC, "专家评议表", {7, 298, 521, 160}},
            {Kind::Static, IDC_STATIC, "专家姓名:", {14, 310, 80, 10}},
            {Kind::Static, IDC_STATIC, "评分数据:", {170, 310, 60, 10}},
            {Kind::Static, IDC_STATIC, "资助意见:", {340, 310, 44, 10}},
            {Kind::Static, IDC_STATIC, "不资助理由:", {392, 310, 60, 10}},
        }, WS_CHILD};
        for (int i = 0; i < 3; ++i) {
            const int y = 324 + 20 * i;
            d.controls.push_back({Kind::Edit, IDC_NUMBER[i], "", {14, y, 50, 12}, kReadOnly});
            d.controls.push_back({Kind::Edit, IDC_NAME[i], "", {66, y, 96, 12}, kReadOnly});
            d.controls.push_back(
                {Kind::Edit, IDC_GRADES[i], "", {170, y, 160, 12}, WS_TABSTOP | WS_BORDER | ES_UPPERCASE});
            d.controls.push_back({Kind::ComboBox, IDC_OPINION[i], "", {340, y, 40, 40}, kDropList, {"y", "n"}});
        }
        d.controls.push_back({Kind::RichEdit, IDC_REASON, "", {392, 324, 130, 126},
                              WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN});
        d.controls.push_back({Kind::Static, IDC_STATIC, "分数:", {14, 470, 30, 10}});
        d.controls.push_back({Kind::Edit, IDC_SCORE, "", {46, 468, 60, 12}, kReadOnly});
        d.controls.push_back({Kind::Static, IDC_STATIC, "评审结果:", {124, 470, 42, 10}});
        d.controls.push_back({Kind::ComboBox, IDC_RESULT, "", {168, 468, 40, 40}, kDropList, {"+", "-"}});
        return d;
    }();
    return t;
}

BOOL CDlgHanSPanel::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(workflow::kPanelBackground);
    m_dlgSummary.CreateOver(this, IDC_SUMMARY_PLACE);
    m_ctrlExpertGrid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, GetItemRect(IDC_GRID_PLACE), this, IDC_EXPERT_GRID);
    for (int i = 0; i < 3; ++i) m_editGrades[i].SubclassDlgItem(IDC_GRADES[i], this);
    m_editReason.SubclassDlgItem(IDC_REASON, this);
    if (m_pConnection)
        ColumnLimits(*m_pConnection, reviewstore::kReviewTable)
            .LimitBoxes(*this, {{IDC_GRADES[0], kGradeColumns[0]},
                                {IDC_GRADES[1], kGradeColumns[1]},
                                {IDC_GRADES[2], kGradeColumns[2]}});
    ApplyGradeMask();
    m_btnSave.SubclassDlgItem(IDC_SAVE, this);
    m_btnExcel.SubclassDlgItem(IDC_EXCEL, this);
    workflow::StyleButton(m_btnSave, workflow::kSaveIcon, "保存");
    workflow::StyleButton(m_btnExcel, workflow::kExcelIcon, "输出Excel报表");
    // Right of the summary the column is narrow: the caption goes under the icon.
    for (CButtonST* button : {&m_btnSave, &m_btnExcel}) button->SetAlign(CButtonST::ST_ALIGN_VERT);
    UpdateData(TRUE);
    return TRUE;
}

void CDlgHanSPanel::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_SCORE, m_strScore);
    for (int i = 0; i < 3; ++i) dx.Text(IDC_GRADES[i], m_strGrades[i]);
    dx.Text(IDC_REASON, m_strReason);
}

std::string CDlgHanSPanel::GradeRow(char letter) const {
    if (!HasGradeMask()) return {};
    std::string row(1, letter);
    for (int i = 1; i < m_nIndexCount; ++i) row += std::string(" ") + letter;
    return row;
}

bool CDlgHanSPanel::HasGradeMask() const { return m_nIndexCount >= 6 && m_nIndexCount <= 10; }

void CDlgHanSPanel::ApplyGradeMask() {
    if (!HasGradeMask()) return;
    for (ui::MaskEdit& edit : m_editGrades) {
        edit.EnableMask(GradeRow('A'), GradeRow('_'), '_', "ABCDEFXabcdefx");
        edit.SetWindowText(GradeRow('_'));
    }
}

void CDlgHanSPanel::RemoveGradeMask() {
    for (ui::MaskEdit& edit : m_editGrades) {
        edit.DisableMask();
        edit.SetValidChars("");
    }
}

void CDlgHanSPanel::SelectExact(int listId, const std::string& text) {
    auto* list = Item<ui::ComboBox>(listId);
    int found = -1;
    for (int i = 0; i < list->GetCount() && found < 0; ++i)
        if (list->GetLBText(i) == text) found = i;
    list->SetCurSel(found);
}

void CDlgHanSPanel::Clear() {
    m_ctrlExpertGrid.EndEditItem(FALSE);
    m_ctrlExpertGrid.RemoveAll();
    for (int i = 0; i < 3; ++i) m_ctrlExpertGrid.AddExpertRow();
    ApplyGradeMask();
    SetDlgItemText(IDC_SCORE, "");
    for (int id : {IDC_RESULT, IDC_OPINION[2], IDC_OPINION[1], IDC_OPINION[0]}) Item<ui::ComboBox>(id)->SetCurSel(-1);
    for (int i = 0; i < 3; ++i) {
        SetDlgItemText(IDC_NUMBER[i], "");
        SetDlgItemText(IDC_NAME[i], "");
    }
    SetDlgItemText(IDC_REASON, "");
    UpdateData(TRUE);
}

float CDlgHanSPanel::CalcExpertScore(const std::string& grades) const {
    if (grades.empty() || grades.find('_') != std::string::npos) return kNotGraded;
    if (int(grades.size()) / 2 + 1 != m_nIndexCount) return kCountMismatch;
    float score = 0;
    for (int i = 0; i < m_nIndexCount; ++i) {
        static const std::string kGrades = "ABCDE";
        const size_t found = kGrades.find(grades[2 * i]);
        const int index = found == std::string::npos ? 5 : int(found);
        score = float(score + double(m_nGradeValues[index] * m_nWeights[i]) * 0.01);
    }
    return score;
}

bool CDlgHanSPanel::ReadScoring() {
    // Read at each computation: weights changed in 评分指标管理 count at once.
    const COptions options;
    m_nWeights = options.GetIndexWeights();
    m_nGradeValues = options.GetGradeScores();
    const auto nonZero = [](int value) { return value != 0; };
    const int used = std::clamp(m_nIndexCount, 0, int(m_nWeights.size()));
    return std::any_of(m_nWeights.begin(), m_nWeights.begin() + used, nonZero) &&
           std::any_of(m_nGradeValues.begin(), m_nGradeValues.end(), nonZero);
}

void CDlgHanSPanel::CalcScore() {
    if (m_bShowingMismatch) return;
    const bool scored = ReadScoring();
    float sum = 0;
    int count = 0;
    for (int id : IDC_GRADES) {
        const float score = CalcExpertScore(GetDlgItemText(id));
        if (score == kCountMismatch) {
            m_bShowingMismatch = true;
            workflow::Prompt("评分个数与指标个数不一致，无法计算分数。");
            m_bShowingMismatch = false;
            return;
        }
        if (score == kNotGraded) continue;
        sum = float(sum + score);
        ++count;
    }
    if (count == 0) return;
    if (!scored) {
        // Every grade would count 0: no score rather than a score of 0.
        m_bShowingMismatch = true;
        workflow::Prompt("评分指标的权重或等级分值全为0，无法计算分数，请先在评分指标管理中设置。");
        m_bShowingMismatch = false;
        return;
    }
    m_strScore = text::Format("%.4g", double(sum / float(count)));
    SetDlgItemText(IDC_SCORE, m_strScore);
}

void CDlgHanSPanel::OnSelchangeOpinion(int expert) {
    if (GetDlgItemText(IDC_OPINION[expert]) != "n") return;
    if (HasGradeMask()) SetDlgItemText(IDC_GRADES[expert], GradeRow('E'));
    CheckOpinions();
    CalcScore();
}

void CDlgHanSPanel::CheckOpinions() {
    int refusals = 0;
    for (int id : IDC_OPINION)
        if (GetDlgItemText(id) == "n") ++refusals;
    if (refusals >= 2) SelectExact(IDC_RESULT, "-");
}

std::string CDlgHanSPanel::FailureText(const std::string& failure) const {
    const ColumnLimits limits(*m_pConnection, reviewstore::kReviewTable);
    for (int i = 0; i < 3; ++i)
        if (!limits.FirstTooLong({{kGradeColumns[i], m_strGrades[i]}}).empty())
            return TooLongMessage(FieldLabel(*this, IDC_GRADES[i]), limits.Of(kGradeColumns[i]), failure);
    return failure;
}

void CDlgHanSPanel::SaveReview() {
    // Only a project the user has just selected is saved: after a root or
    // fund-number node the summary still shows the previous project while
    // this panel is empty, and saving would wipe that project's review.
    const projectnumber::LoadedProject project = m_dlgSummary.SelectedProject();
    const std::string xmbh = project.number;
    if (xmbh.empty()) {
        workflow::Prompt("请先选择一个项目！");
        return;
    }
    UpdateData(TRUE);
    m_ctrlExpertGrid.EndEditItem(TRUE);
    CAdoRecordSet rs;
    bool ok = reviewstore::OpenReviewRow(rs, m_pConnection, xmbh);
    if (ok && rs.GetRecordCount() <= 0) ok = rs.AddNew() && rs.SetString("XMBH", xmbh);
    for (int i = 0; ok && i < 3; ++i)
        ok = rs.SetString(kExpertColumns[i], m_ctrlExpertGrid.GetExpertNumber(i)) &&
             rs.SetString(kGradeColumns[i], m_strGrades[i]) &&
             rs.SetString(kOpinionColumns[i], GetDlgItemText(IDC_OPINION[i]));
    ok = ok && rs.SetDouble("FS", text::Atof(m_strScore)) && rs.SetString("PSJG", GetDlgItemText(IDC_RESULT)) &&
         rs.SetString("BZZLY", m_strReason);
    // A value the table refuses (an over-long grade text typed into a loaded
    // review) leaves the stored review as it was; so does a project deleted
    // or renumbered meanwhile.
    if (!approval::SaveProjectRows(m_pConnection, project, [&] { return ok && rs.Update(); },
                                   FailureText("保存失败！"))) {
        rs.CancelUpdate();
        return;
    }
    m_dlgSummary.ShowProject(xmbh);
}

void CDlgHanSPanel::LoadReview(const std::string& xmbh) {
    Clear();
    CAdoRecordSet rs;
    if (!reviewstore::OpenReviewRow(rs, m_pConnection, xmbh) || rs.GetRecordCount() <= 0) return;
    RemoveGradeMask();
    std::array<std::string, 3> experts, opinions;
    std::string result;
    for (int i = 0; i < 3; ++i) {
        rs.GetString(kExpertColumns[i], experts[i]);
        rs.GetString(kGradeColumns[i], m_strGrades[i]);
        rs.GetString(kOpinionColumns[i], opinions[i]);
    }
    float score = 0;
    rs.GetFloat("FS", score);
    m_strScore = score == 0 ? std::string() : text::Format("%g", double(score));
    rs.GetString("PSJG", result);
    rs.GetString("BZZLY", m_strReason);
    rs.Close();

    for (int i = 0; i < 3; ++i) {
        ui::GridItem* cell = m_ctrlExpertGrid.GetItem(i, CExpertGridCtrl::kNumber);
        if (!cell) continue;
        cell->SetValue(experts[i]);
        m_ctrlExpertGrid.OnCellChanged(cell, i, CExpertGridCtrl::kNumber);
        SelectExact(IDC_OPINION[i], opinions[i]);
    }
    SelectExact(IDC_RESULT, result);
    UpdateData(FALSE);
}

void CDlgHanSPanel::OnBtnBrowseExperts() {
    CDlgExpertBrowse browse(this);
    browse.m_pConnection = m_pConnection;
    browse.m_pGrid = &m_ctrlExpertGrid;
    browse.m_strXMBH = m_dlgSummary.GetDlgItemText(CDlgProSummary::IDC_XMBH);
    browse.DoModal();
}

void CDlgHanSPanel::OnBtnExcel() { officereports::RunHanSExcel(this, m_pConnection); }
