#include "review/DLGPROJUDGE.h"

#include <set>

#include "foundation/Transaction.h"
#include "platform/text/Text.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Lists.h"
#include "review/ReviewStore.h"

IMPLEMENT_DYNCREATE(CDLGPROJUDGE, CManageInfoView)

namespace {

constexpr DWORD kIconButton = WS_TABSTOP | BS_OWNERDRAW;
const char* const kOpinions[] = {"同意", "不同意"};
// Master-data columns shown in expert grid cells 0 to 8.
const char* const kExpertColumns[] = {"ID", "XM", "XB", "NL", "ZC", "ZYTC", "GZDW", "TXDZ", "YZBM"};

void Warn(const std::string& text) { ManagePrompt(text, MB_ICONWARNING); }

}  // namespace

void CJudgeExpertGrid::OnItemChanged(ui::GridItem* item, int row, int column) {
    CExpertGridCtrl::OnItemChanged(item, row, column);
    if (column == kNumber) m_view.SetJudge(row, GetExpertNumber(row), GetItem(row, kName)->GetValue());
}

const ui::DialogTemplate& CDLGPROJUDGE::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 749, 511}, {
        {Kind::ListCtrl, IDC_LIST_PROLIST, "", {7, 7, 735, 130}, WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS},
        {Kind::PushButton, IDC_BTN_QUERY, "", {7, 141, 36, 20}, kIconButton},
        {Kind::RadioButton, IDC_RADIO_GROUP, "会审", {60, 146, 40, 10}, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON},
        {Kind::RadioButton, IDC_RADIO_SINGLE, "函审", {105, 146, 40, 10}, BS_AUTORADIOBUTTON},
        {Kind::GroupBox, IDC_STATIC, "专家安排", {7, 165, 735, 125}},
        {Kind::Static, IDC_EXPERT_PLACE, "", {14, 177, 680, 106}, SS_BLACKFRAME, {}, true},
        {Kind::PushButton, IDC_BTN_SAVE_EXPERTS, "", {700, 177, 36, 20}, kIconButton},
        {Kind::PushButton, IDC_BTN_DELETE, "", {700, 201, 36, 20}, kIconButton},
        {Kind::GroupBox, IDC_STATIC, "打分", {7, 294, 735, 185}},
        {Kind::Static, IDC_SCORE_PLACE, "", {14, 306, 680, 166}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_STATIC, "分数：", {7, 488, 28, 10}},
        {Kind::Edit, IDC_EDIT_SCORE, "", {36, 486, 50, 13}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "评审意见：", {100, 488, 45, 10}},
        {Kind::ComboBox, IDC_COMBO_OPINION, "", {146, 486, 60, 60}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
         {kOpinions[0], kOpinions[1]}},
        {Kind::Static, IDC_STATIC, "批复经费：", {220, 488, 45, 10}},
        {Kind::Edit, IDC_EDIT_FUNDING, "", {266, 486, 60, 13}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "万元", {330, 488, 20, 10}},
        {Kind::PushButton, IDC_BTN_SAVE_SCORES, "", {700, 482, 36, 20}, kIconButton},
    }, WS_CHILD};
    return tpl;
}

CDLGPROJUDGE::CDLGPROJUDGE() : CManageInfoView(Template(), {}) {
    MapClicked(IDC_RADIO_GROUP, [this] { OnRadioGroupaudit(); });
    MapClicked(IDC_RADIO_SINGLE, [this] { OnRadioSingleaduit(); });
    MapClicked(IDC_BTN_SAVE_EXPERTS, [this] { OnBtnSaveZj(); });
    MapClicked(IDC_BTN_SAVE_SCORES, [this] { OnBtnSaveDf(); });
    MapClicked(IDC_BTN_DELETE, [this] { OnBtnDelJudgeinfo(); });
}

void CDLGPROJUDGE::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_EDIT_SCORE, m_editScore);
    dx.Control(IDC_EDIT_FUNDING, m_editFunding);
    dx.Control(IDC_BTN_QUERY, m_btnQuery);
    dx.Control(IDC_BTN_SAVE_EXPERTS, m_btnSaveExperts);
    dx.Control(IDC_BTN_DELETE, m_btnDelete);
    dx.Control(IDC_BTN_SAVE_SCORES, m_btnSaveScores);
    dx.Text(IDC_EDIT_SCORE, m_strScore);
    dx.Text(IDC_EDIT_FUNDING, m_strFunding);
    dx.CBIndex(IDC_COMBO_OPINION, m_nOpinion);
}

void CDLGPROJUDGE::OnInitialUpdate() {
    CManageInfoView::OnInitialUpdate();
    SetUpProjectList("项目编号", "基金编号");
    ButtonTexture(m_btnQuery, 6006, "查询");
    ButtonTexture(m_btnSaveExperts, 32160, "保存");
    ButtonTexture(m_btnDelete, 6007, "删除评审信息");
    ButtonTexture(m_btnSaveScores, 32160, "保存");
    m_editScore.SetValidChars("1234567890");
    m_editScore.LimitText(3);
    m_editFunding.SetValidChars("1234567890.");
    m_editFunding.LimitText(7);
    // Without the database the view stays empty (the message has been shown).
    if (!ConnectAccess()) return;
    // The expert grid offers the experts of the database, so it is made once
    // the connection is open.
    m_ctrlExpertGrid.m_pConnection = &m_connection;
    m_ctrlExpertGrid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, GetItemRect(IDC_EXPERT_PLACE), this, kExpertGridId);
    m_ctrlScoreGrid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, GetItemRect(IDC_SCORE_PLACE), this, kScoreGridId);
    m_ctrlScoreGrid.EnableHeader(TRUE, 0);
    const std::pair<const char*, int> columns[] = {{"专家编号", 80}, {"专家姓名", 80}, {"分数", 80}, {"资助意见", 400}};
    for (int i = 0; i < kJudgeColumns; ++i) m_ctrlScoreGrid.InsertColumn(i, columns[i].first, columns[i].second);
    PadRows();
    InitExpertInfo();
    UpdateProList();
    SetMode(kModeLetter);
}

void CDLGPROJUDGE::UpdateProList() { FillProjectList(reviewstore::AllProjectRows(&m_connection)); }

void CDLGPROJUDGE::InitExpertInfo() { m_arrExpertNumbers = reviewstore::ExpertNumbers(&m_connection, false); }

// ---- the grids ----

void CDLGPROJUDGE::AddJudge() {
    std::unique_ptr<ui::GridRow> row = m_ctrlScoreGrid.CreateRow(kJudgeColumns);
    for (int column = 0; column < kJudgeColumns; ++column) {
        row->GetItem(column)->SetValue("");
        row->GetItem(column)->AllowEdit(column == kJudgeScore || column == kJudgeOpinion);
    }
    m_ctrlScoreGrid.AddRow(std::move(row));
}

void CDLGPROJUDGE::SetJudge(int row, const std::string& number, const std::string& name) {
    if (row < 0 || row >= m_ctrlScoreGrid.GetRowCount()) return;
    m_ctrlScoreGrid.GetItem(row, kJudgeNumber)->SetValue(number);
    m_ctrlScoreGrid.GetItem(row, kJudgeName)->SetValue(name);
}

void CDLGPROJUDGE::DeleteJudge(int row) { m_ctrlScoreGrid.RemoveRow(row); }

void CDLGPROJUDGE::FormatGrid(int row, const std::string& number, ui::GridRow* gridRow) {
    if (!gridRow) return;
    // The number stays even when the expert has left the master data, so a
    // later save keeps the assignment.
    gridRow->GetItem(CExpertGridCtrl::kNumber)->SetValue(number);
    std::string name;
    if (reviewstore::OpenExpert(m_recordset, &m_connection, number) && m_recordset.GetRecordCount() > 0) {
        for (int column = 1; column < int(std::size(kExpertColumns)); ++column) {
            std::string value;
            m_recordset.GetString(kExpertColumns[column], value);
            gridRow->GetItem(column)->SetValue(value);
        }
        m_recordset.GetString("XM", name);
    }
    m_recordset.Close();
    SetJudge(row, number, name);
}

void CDLGPROJUDGE::PadRows() {
    while (m_ctrlExpertGrid.GetRowCount() < 3) m_ctrlExpertGrid.AddExpertRow();
    while (m_ctrlScoreGrid.GetRowCount() < m_ctrlExpertGrid.GetRowCount()) AddJudge();
}

void CDLGPROJUDGE::ClearJudging() {
    m_ctrlExpertGrid.RemoveAll();
    m_ctrlScoreGrid.RemoveAll();
    m_strScore.clear();
    m_strFunding.clear();
    m_nOpinion = -1;
    UpdateData(FALSE);
}

std::string CDLGPROJUDGE::ScoreCell(int row, int column) const {
    const ui::GridItem* item = m_ctrlScoreGrid.GetItem(row, column);
    return item ? item->GetValue() : std::string();
}

void CDLGPROJUDGE::SetMode(int mode) {
    m_nMode = mode;
    const bool letter = mode == kModeLetter;
    CheckDlgButton(IDC_RADIO_GROUP, letter ? 0 : 1);
    CheckDlgButton(IDC_RADIO_SINGLE, letter ? 1 : 0);
    m_ctrlExpertGrid.EnableWindow(letter);
    m_ctrlScoreGrid.EnableWindow(letter);
    m_btnSaveExperts.EnableWindow(letter);
    m_editScore.EnableWindow(letter);
}

void CDLGPROJUDGE::OnRadioGroupaudit() { SetMode(kModeMeeting); }

void CDLGPROJUDGE::OnRadioSingleaduit() { SetMode(kModeLetter); }

// ---- opening a project ----

void CDLGPROJUDGE::OnDblclkListProlist() {
    std::string number;
    if (!SelectedProject(number) || !m_connection.IsOpen()) return;
    ClearJudging();
    m_strCurrentProject = number;
    std::vector<std::string> experts;
    for (const reviewstore::ExpertJudgement& judgement : reviewstore::ExpertJudgements(&m_connection, number)) {
        m_ctrlExpertGrid.AddExpertRow();
        AddJudge();
        const int row = m_ctrlScoreGrid.GetRowCount() - 1;
        m_ctrlScoreGrid.GetItem(row, kJudgeScore)->SetValue(judgement.score);
        m_ctrlScoreGrid.GetItem(row, kJudgeOpinion)->SetValue(judgement.opinion);
        experts.push_back(judgement.expert);
    }
    for (int i = 0; i < int(experts.size()); ++i) FormatGrid(i, experts[i], m_ctrlExpertGrid.GetRow(i));
    PadRows();
    if (OpenManageRow(number)) {
        std::string opinion;
        m_recordset.GetString("PSZFS", m_strScore);
        m_recordset.GetString("PSYJ", opinion);
        m_recordset.GetString("PFJF", m_strFunding);
        m_nOpinion = opinion == kOpinions[0] ? 0 : opinion == kOpinions[1] ? 1 : -1;
    }
    m_recordset.Close();
    UpdateData(FALSE);
}

// ---- checks and writes ----

std::vector<int> CDLGPROJUDGE::UsedRows() const {
    std::vector<int> rows;
    for (int row = 0; row < m_ctrlExpertGrid.GetRowCount(); ++row) {
        if (!m_ctrlExpertGrid.GetExpertNumber(row).empty() || !ScoreCell(row, kJudgeScore).empty() ||
            !ScoreCell(row, kJudgeOpinion).empty())
            rows.push_back(row);
    }
    return rows;
}

bool CDLGPROJUDGE::CheckExperts(bool withScores) {
    m_ctrlExpertGrid.EndEditItem();
    m_ctrlScoreGrid.EndEditItem();
    const std::vector<int> rows = UsedRows();
    if (rows.empty()) {
        Warn("专家列表不可为空！");
        return false;
    }
    std::set<std::string> seen;
    for (int row : rows) {
        const std::string number = m_ctrlExpertGrid.GetExpertNumber(row);
        if (number.empty()) {
            Warn(text::Format("专家记录第%d条填写不正确！", row + 1));
            return false;
        }
        if (!seen.insert(number).second) {
            Warn("专家编号有重复，请修改后重试！");
            return false;
        }
        if (withScores && (ScoreCell(row, kJudgeScore).empty() || ScoreCell(row, kJudgeOpinion).empty())) {
            Warn(text::Format("专家打分记录第%d条填写不正确！", row + 1));
            return false;
        }
    }
    return true;
}

std::vector<reviewstore::ExpertJudgement> CDLGPROJUDGE::Judgements() {
    std::vector<reviewstore::ExpertJudgement> judgements;
    for (int row : UsedRows())
        judgements.push_back(
            {m_ctrlExpertGrid.GetExpertNumber(row), ScoreCell(row, kJudgeScore), ScoreCell(row, kJudgeOpinion)});
    return judgements;
}

bool CDLGPROJUDGE::WriteExperts() {
    return reviewstore::WriteExpertJudgements(m_connection, m_strCurrentProject, Judgements());
}

void CDLGPROJUDGE::OnBtnSaveZj() {
    if (m_strCurrentProject.empty()) {
        Warn("请先双击选择待评审项目！");
        return;
    }
    if (!CheckExperts(false)) return;
    const bool saved = reviewstore::SaveExpertJudgements(m_connection, m_strCurrentProject, Judgements());
    ManagePrompt(saved ? "专家信息保存成功！" : db::FailureMessage(m_connection, "数据入库失败！"),
                 saved ? MB_ICONINFORMATION : MB_ICONERROR);
}

void CDLGPROJUDGE::OnBtnSaveDf() {
    if (!UpdateData(TRUE)) return;
    if (m_strCurrentProject.empty()) {
        Warn("请先双击选择待评审项目！");
        return;
    }
    if (m_nOpinion < 0) {
        Warn("请选择评审意见");
        return;
    }
    // The total score is asked for in the letter review only: the meeting
    // review disables its edit.
    const bool letter = m_nMode == kModeLetter;
    if ((letter && m_strScore.empty()) || m_strFunding.empty()) {
        Warn("请正确填写经费、分数、评审意见项！");
        return;
    }
    if (letter && !CheckExperts(true)) return;
    const bool exists = OpenManageRow(m_strCurrentProject);
    if (exists && ManagePrompt("记录已存在, 是否覆盖？", MB_YESNO) != IDYES) {
        m_recordset.Close();
        return;
    }
    db::Transaction transaction(m_connection);
    bool saved = transaction.Began() && m_recordset.IsOpen() && (exists || m_recordset.AddNew()) &&
                 m_recordset.SetString("XMBH", m_strCurrentProject) && m_recordset.SetString("PSZFS", m_strScore) &&
                 m_recordset.SetString("PSYJ", kOpinions[m_nOpinion]) &&
                 m_recordset.SetString("PFJF", m_strFunding) && m_recordset.Update();
    if (!saved) m_recordset.CancelUpdate();
    m_recordset.Close();
    if (!saved) {
        transaction.Rollback();
        ManagePrompt(db::FailureMessage(m_connection, exists ? "数据更新失败！" : "数据入库失败！"), MB_ICONERROR);
        return;
    }
    if ((letter && !WriteExperts()) || !transaction.Commit()) {
        transaction.Rollback();
        ManagePrompt(db::FailureMessage(m_connection, "数据入库失败！"), MB_ICONERROR);
        return;
    }
    ManagePrompt("项目管理信息保存成功！", MB_ICONINFORMATION);
}

void CDLGPROJUDGE::OnBtnDelJudgeinfo() {
    std::string number;
    if (!SelectedProject(number)) {
        ManagePrompt("请先选择要删除的项！", MB_ICONERROR);
        return;
    }
    if (!ConfirmAndClear(number, "的评审信息？", {"PSZFS", "PFJF", "PSYJ"}, true, "删除数据成功！")) return;
    if (number == m_strCurrentProject) {
        ClearJudging();
        PadRows();
    }
}
