#include "review/DlgAcceptPanel.h"

#include "foundation/Transaction.h"
#include "foundation/AdoRecordSet.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Services.h"
#include "foundation/LongBinary.h"
#include "review/OfficeReports.h"
#include "review/WorkflowSupport.h"
#include "review/ReviewStore.h"

namespace {

constexpr DWORD kRichStyle = WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
constexpr DWORD kIconButton = WS_TABSTOP | BS_OWNERDRAW;

// The working files of the two rich texts, in this program's scratch folder.
std::string TempFile(const std::string& name) { return sys::ScratchPath(name); }
std::string ConclusionFile() { return TempFile("验收结论.rtf"); }
std::string RemarksFile() { return TempFile("验收备注.rtf"); }

}  // namespace

CDlgAcceptPanel::CDlgAcceptPanel() : ui::Dialog(Template(), nullptr) {
    MapClicked(IDC_BTN_SAVE, [this] { OnBtnSave(); });
    MapClicked(IDC_BTN_COMPILE, [this] { OnBtnCompile(); });
    MapCommand(IDC_COMBO_GRADE, CBN_SELCHANGE, [this] { OnSelchangeGrade(); });
}

const ui::DialogTemplate& CDlgAcceptPanel::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 531, 507}, {
        {Kind::Static, IDC_DETAIL_PLACE, "", {5, 5, 521, 290}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_STATIC, "验收状态:", {5, 304, 40, 10}},
        {Kind::ComboBox, IDC_COMBO_STATE, "", {47, 302, 80, 80}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
         {"转专业组", "延期", "未交", "完成验收"}},
        {Kind::Static, IDC_STATIC, "验收情况:", {140, 304, 40, 10}},
        {Kind::ComboBox, IDC_COMBO_GRADE, "", {182, 302, 60, 80}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
         {"优", "良", "中", "差"}},
        {Kind::Static, IDC_STATIC, "分数:", {255, 304, 24, 10}},
        {Kind::Edit, IDC_EDIT_SCORE, "", {281, 302, 50, 13}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {Kind::PushButton, IDC_BTN_SAVE, "", {440, 298, 36, 22}, kIconButton},
        {Kind::PushButton, IDC_BTN_COMPILE, "", {482, 298, 36, 22}, kIconButton},
        {Kind::Static, IDC_STATIC, "验收结论:", {5, 322, 60, 10}},
        {Kind::RichEdit, IDC_RICH_CONCLUSION, "", {5, 333, 521, 90}, kRichStyle},
        {Kind::Static, IDC_STATIC, "备注:", {5, 428, 60, 10}},
        {Kind::RichEdit, IDC_RICH_REMARKS, "", {5, 439, 521, 62}, kRichStyle},
    }, WS_CHILD};
    return tpl;
}

void CDlgAcceptPanel::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_RICH_CONCLUSION, m_richConclusion);
    dx.Control(IDC_RICH_REMARKS, m_richRemarks);
    dx.Control(IDC_BTN_SAVE, m_btnSave);
    dx.Control(IDC_BTN_COMPILE, m_btnCompile);
    dx.CBIndex(IDC_COMBO_STATE, m_nState);
    dx.CBIndex(IDC_COMBO_GRADE, m_nGrade);
    dx.Text(IDC_EDIT_SCORE, m_strScore);
}

BOOL CDlgAcceptPanel::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(workflow::kPanelBackground);
    m_dlgDetail.CreateOver(this, IDC_DETAIL_PLACE);
    workflow::StyleButton(m_btnSave, workflow::kSaveIcon, "保存");
    workflow::StyleButton(m_btnCompile, reviewart::kCompile, "生成成果选编");
    return TRUE;
}

void CDlgAcceptPanel::ClearResult() {
    m_strScore.clear();
    m_nGrade = -1;
    m_nState = -1;
    m_richConclusion.SetWindowText("");
    m_richRemarks.SetWindowText("");
    UpdateData(FALSE);
}

void CDlgAcceptPanel::LoadResult(const std::string& number) {
    ClearResult();
    m_loaded = m_pConnection ? projectnumber::LoadProject(*m_pConnection, number) : projectnumber::LoadedProject();
    m_loaded.number = number;  // the number shown, stored or not
    CAdoRecordSet rs;
    if (!reviewstore::OpenAcceptanceRow(rs, m_pConnection, number) || rs.GetRecordCount() <= 0) return;
    long grade = 0, state = 0;  // an empty column reads as 0
    rs.GetString("FINALSCORE", m_strScore);
    rs.GetInt("YSQK", grade);
    rs.GetInt("YSZT", state);
    m_nGrade = int(grade);
    m_nState = int(state);
    const std::string conclusion = ConclusionFile(), remarks = RemarksFile();
    const bool conclusionRead = LongBinaryToFile(rs, "YSJL", conclusion);
    const bool remarksRead = LongBinaryToFile(rs, "YSBZ", remarks);
    if (conclusionRead) m_richConclusion.LoadRtfFile(conclusion);
    if (remarksRead) m_richRemarks.LoadRtfFile(remarks);
    UpdateData(FALSE);
}

void CDlgAcceptPanel::OnSelchangeGrade() {
    if (m_nGrade != -1) return;
    UpdateData(TRUE);
    m_nState = kStateAccepted;
    UpdateData(FALSE);
}

void CDlgAcceptPanel::OnBtnSave() {
    if (!UpdateData(TRUE)) return;
    const std::string number = m_dlgDetail.ShownProject();
    // After a root or fund-number node the information page still shows the
    // previous project while this page was cleared: nothing is saved until a
    // project is selected again.
    if (number.empty() || number != m_loaded.number) {
        ui::MessageBox("请先选择一个项目！", "提示", MB_ICONINFORMATION);
        return;
    }
    switch (StoreResult(number)) {
    case projectnumber::SaveResult::Saved: ui::MessageBox("保存成功！", "提示", MB_ICONINFORMATION); return;
    case projectnumber::SaveResult::ChangedElsewhere: projectnumber::TellChangedElsewhere(); return;
    case projectnumber::SaveResult::Failed: break;
    }
    ui::MessageBox(db::FailureMessage(*m_pConnection, "数据入库失败！"), "提示", MB_ICONINFORMATION);
}

projectnumber::SaveResult CDlgAcceptPanel::StoreResult(const std::string& number) {
    if (!m_pConnection) return projectnumber::SaveResult::Failed;
    return projectnumber::SaveLoaded(*m_pConnection, m_loaded, [&] { return WriteResult(number); });
}

bool CDlgAcceptPanel::WriteResult(const std::string& number) {
    const std::string conclusion = ConclusionFile(), remarks = RemarksFile();
    CAdoRecordSet rs;
    bool stored = reviewstore::OpenAcceptanceRow(rs, m_pConnection, number);
    if (stored && rs.GetRecordCount() <= 0) stored = rs.AddNew() && rs.SetString("XMBH", number);
    stored = stored && rs.SetString("FINALSCORE", m_strScore) && rs.SetInt("YSQK", m_nGrade) &&
             rs.SetInt("YSZT", m_nState) && m_richConclusion.SaveRtfFile(conclusion) > 0 &&
             m_richRemarks.SaveRtfFile(remarks) > 0 && rs.AppendChunkFromFile("YSJL", conclusion) &&
             rs.AppendChunkFromFile("YSBZ", remarks) && rs.Update();
    if (!stored) rs.CancelUpdate();
    rs.Close();
    return stored;
}

void CDlgAcceptPanel::OnBtnCompile() { officereports::RunCGXB(m_pConnection); }
