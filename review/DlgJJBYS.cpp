#include "review/DlgJJBYS.h"

#include "platform/ui/DataExchange.h"
#include "platform/ui/Lists.h"
#include "review/ReviewStore.h"

IMPLEMENT_DYNCREATE(CDlgJJBYS, CManageInfoView)

namespace {
const char* const kConclusionFile = "验收结论.rtf";
const char* const kRemarksFile = "备注.rtf";
constexpr DWORD kRichStyle = WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
constexpr DWORD kIconButton = WS_TABSTOP | BS_OWNERDRAW;
}  // namespace

const ui::DialogTemplate& CDlgJJBYS::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 749, 511}, {
        {Kind::ListCtrl, IDC_LIST_PROLIST, "", {7, 7, 735, 150}, WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS},
        {Kind::PushButton, IDC_BTN_SAVE, "", {7, 163, 40, 22}, kIconButton},
        {Kind::PushButton, IDC_BTN_DELETE, "", {52, 163, 40, 22}, kIconButton},
        {Kind::PushButton, IDC_BTN_EXPORT, "", {97, 163, 40, 22}, kIconButton},
        {Kind::PushButton, IDC_BTN_QUERY, "", {142, 163, 40, 22}, kIconButton},
        {Kind::Static, IDC_STATIC, "验收状态：", {7, 195, 45, 10}},
        {Kind::Edit, IDC_EDIT_STATE, "", {54, 193, 150, 13}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "分数：", {220, 195, 28, 10}},
        {Kind::Edit, IDC_EDIT_SCORE, "", {250, 193, 50, 13}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "等级：", {316, 195, 28, 10}},
        {Kind::ComboBox, IDC_COMBO_GRADE, "", {346, 193, 60, 80}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
         {"优", "良", "中", "差"}},
        {Kind::Static, IDC_STATIC, "验收结论：", {7, 214, 60, 10}},
        {Kind::RichEdit, IDC_RICH_CONCLUSION, "", {7, 226, 735, 150}, kRichStyle},
        {Kind::Static, IDC_STATIC, "备注：", {7, 382, 60, 10}},
        {Kind::RichEdit, IDC_RICH_REMARKS, "", {7, 394, 735, 110}, kRichStyle},
    }, WS_CHILD};
    return tpl;
}

CDlgJJBYS::CDlgJJBYS() : CManageInfoView(Template(), {kConclusionFile, kRemarksFile}) {
    MapClicked(IDC_BTN_SAVE, [this] { OnBtnYsSave(); });
    MapClicked(IDC_BTN_DELETE, [this] { OnBtnProDel(); });
}

void CDlgJJBYS::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_RICH_CONCLUSION, m_richConclusion);
    dx.Control(IDC_RICH_REMARKS, m_richRemarks);
    dx.Control(IDC_EDIT_SCORE, m_editScore);
    dx.Control(IDC_BTN_SAVE, m_btnSave);
    dx.Control(IDC_BTN_DELETE, m_btnDelete);
    dx.Control(IDC_BTN_EXPORT, m_btnExport);
    dx.Control(IDC_BTN_QUERY, m_btnQuery);
    dx.Text(IDC_EDIT_STATE, m_strState);
    dx.Text(IDC_EDIT_SCORE, m_strScore);
    dx.CBIndex(IDC_COMBO_GRADE, m_nGrade);
}

void CDlgJJBYS::OnInitialUpdate() {
    CManageInfoView::OnInitialUpdate();
    SetUpProjectList("编号", "指南编号");
    ConnectAccess();
    UpdateProList();
    SetRichTextFormat(m_richConclusion, RGB(255, 0, 0));
    SetRichTextFormat(m_richRemarks, RGB(255, 0, 0));
    ButtonTexture(m_btnSave, 32160, "保存");
    ButtonTexture(m_btnDelete, 6007, "删除");
    ButtonTexture(m_btnExport, 32158, "导出");
    ButtonTexture(m_btnQuery, 6006, "查询");
    m_editScore.SetValidChars("1234567890");
    m_editScore.LimitText(3);
}

void CDlgJJBYS::UpdateProList() { FillProjectList(reviewstore::ManagedProjectRows(&m_connection)); }

void CDlgJJBYS::ClearFields() {
    m_richConclusion.SetWindowText("");
    m_richRemarks.SetWindowText("");
    m_strState.clear();
    m_strScore.clear();
    m_nGrade = -1;
    UpdateData(FALSE);
}

void CDlgJJBYS::OnDblclkListProlist() {
    std::string number;
    if (!SelectedProject(number)) return;
    // A project without acceptance data shows empty fields, never those of
    // the project shown before.
    ClearFields();
    m_strCurrentProject = number;
    if (OpenManageRow(number)) {
        std::string grade;
        m_recordset.GetString("PFZT", m_strState);
        m_recordset.GetString("YSFS", m_strScore);
        m_recordset.GetString("YSDJ", grade);
        // The grade is stored as its text and shown by that text.
        m_nGrade = grade.empty() ? -1 : Item<ui::ComboBox>(IDC_COMBO_GRADE)->FindStringExact(-1, grade);
        LoadRichText(m_richConclusion, "YSJL", kConclusionFile);
        LoadRichText(m_richRemarks, "YSBZ", kRemarksFile);
    }
    m_recordset.Close();
    UpdateData(FALSE);
}

void CDlgJJBYS::OnBtnYsSave() {
    if (!UpdateData(TRUE)) return;
    if (m_strCurrentProject.empty()) {
        ManagePrompt("请先双击选择项目！", MB_ICONERROR);
        return;
    }
    if (m_nGrade < 0) {
        ManagePrompt("请先选择等级！", MB_ICONERROR);
        return;
    }
    if (m_strState.empty() || m_strScore.empty()) {
        ManagePrompt("评审状态和分数项不可为空！", MB_ICONERROR);
        return;
    }
    if (m_richConclusion.GetTextLength() == 0 || m_richRemarks.GetTextLength() == 0) {
        ManagePrompt("验收结论和备注都不能为空！", MB_ICONERROR);
        return;
    }
    const std::string conclusionPath = WorkingFile(kConclusionFile), remarksPath = WorkingFile(kRemarksFile);
    const bool written =
        m_richConclusion.SaveRtfFile(conclusionPath) > 0 && m_richRemarks.SaveRtfFile(remarksPath) > 0;
    const std::string grade = Item<ui::ComboBox>(IDC_COMBO_GRADE)->GetLBText(m_nGrade);
    SaveManageRow(m_strCurrentProject, [&] {
        return written && m_recordset.SetString("PFZT", m_strState) && m_recordset.SetString("YSFS", m_strScore) &&
               m_recordset.SetString("YSDJ", grade) && m_recordset.AppendChunkFromFile("YSJL", conclusionPath) &&
               m_recordset.AppendChunkFromFile("YSBZ", remarksPath);
    });
}

void CDlgJJBYS::OnBtnProDel() {
    std::string number;
    if (!SelectedProject(number)) {
        ManagePrompt("请先选择要删除的项！", MB_ICONERROR);
        return;
    }
    if (!ConfirmAndClear(number, "的验收信息？", {"PFZT", "YSFS", "YSDJ", "YSJL", "YSBZ"}, false, "删除成功！")) return;
    if (number == m_strCurrentProject) ClearFields();
}
