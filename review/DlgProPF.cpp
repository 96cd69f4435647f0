#include "review/DlgProPF.h"

#include "platform/ui/DataExchange.h"
#include "review/ReviewStore.h"

IMPLEMENT_DYNCREATE(CDlgProPF, CManageInfoView)

namespace {
const char* const kExpertFile = "专家意见.rtf";
const char* const kApprovalFile = "批复意见.rtf";
constexpr DWORD kRichStyle = WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
}  // namespace

const ui::DialogTemplate& CDlgProPF::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 749, 511}, {
        {Kind::ListCtrl, IDC_LIST_PROLIST, "", {7, 7, 735, 150}, WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS},
        {Kind::PushButton, IDC_BTN_SAVE, "", {7, 163, 40, 22}, WS_TABSTOP | BS_OWNERDRAW},
        {Kind::PushButton, IDC_BTN_EXPORT, "", {52, 163, 40, 22}, WS_TABSTOP | BS_OWNERDRAW},
        {Kind::PushButton, IDC_BTN_DELETE, "", {97, 163, 40, 22}, WS_TABSTOP | BS_OWNERDRAW},
        {Kind::PushButton, IDC_BTN_FILTER, "", {142, 163, 40, 22}, WS_TABSTOP | BS_OWNERDRAW},
        {Kind::GroupBox, IDC_STATIC, "计划批复意见", {7, 191, 735, 313}},
        {Kind::Static, IDC_STATIC, "专家意见：", {15, 205, 60, 10}},
        {Kind::RichEdit, IDC_RICH_EXPERT, "", {15, 217, 719, 135}, kRichStyle},
        {Kind::Static, IDC_STATIC, "批复意见：", {15, 358, 60, 10}},
        {Kind::RichEdit, IDC_RICH_APPROVAL, "", {15, 370, 719, 127}, kRichStyle},
    }, WS_CHILD};
    return tpl;
}

CDlgProPF::CDlgProPF() : CManageInfoView(Template(), {kExpertFile, kApprovalFile}) {
    MapClicked(IDC_BTN_SAVE, [this] { OnBtnSavePf(); });
    MapClicked(IDC_BTN_DELETE, [this] { OnBtnDelPro(); });
}

void CDlgProPF::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_RICH_EXPERT, m_richExpert);
    dx.Control(IDC_RICH_APPROVAL, m_richApproval);
    dx.Control(IDC_BTN_SAVE, m_btnSave);
    dx.Control(IDC_BTN_EXPORT, m_btnExport);
    dx.Control(IDC_BTN_DELETE, m_btnDelete);
    dx.Control(IDC_BTN_FILTER, m_btnFilter);
}

void CDlgProPF::OnInitialUpdate() {
    CManageInfoView::OnInitialUpdate();
    SetUpProjectList("编号", "基金编号");
    ConnectAccess();
    UpdateProList();
    SetRichTextFormat(m_richExpert, RGB(0, 0, 0));
    SetRichTextFormat(m_richApproval, RGB(0, 0, 0));
    ButtonTexture(m_btnSave, 32160, "保存");
    ButtonTexture(m_btnExport, 32158, "导出");
    ButtonTexture(m_btnDelete, 6007, "删除");
    ButtonTexture(m_btnFilter, 6006, "筛选");
}

void CDlgProPF::UpdateProList() { FillProjectList(reviewstore::ManagedProjectRows(&m_connection)); }

void CDlgProPF::OnDblclkListProlist() {
    std::string number;
    if (!SelectedProject(number)) return;
    m_richExpert.SetWindowText("");
    m_richApproval.SetWindowText("");
    m_strCurrentProject = number;
    // Each opinion is shown on its own: a project with only an approval
    // opinion shows that one.
    if (OpenManageRow(number)) {
        LoadRichText(m_richExpert, "ZJYJ", kExpertFile);
        LoadRichText(m_richApproval, "PFYJ", kApprovalFile);
    }
    m_recordset.Close();
}

void CDlgProPF::OnBtnSavePf() {
    if (m_strCurrentProject.empty()) {
        ManagePrompt("请先双击选择项目！", MB_ICONERROR);
        return;
    }
    if (m_richExpert.GetTextLength() == 0 || m_richApproval.GetTextLength() == 0) {
        ManagePrompt("专家意见和批复意见都不能为空！", MB_ICONERROR);
        return;
    }
    const std::string expertPath = WorkingFile(kExpertFile), approvalPath = WorkingFile(kApprovalFile);
    const bool written = m_richExpert.SaveRtfFile(expertPath) > 0 && m_richApproval.SaveRtfFile(approvalPath) > 0;
    SaveManageRow(m_strCurrentProject, [&] {
        return written && m_recordset.AppendChunkFromFile("ZJYJ", expertPath) &&
               m_recordset.AppendChunkFromFile("PFYJ", approvalPath);
    });
}

void CDlgProPF::OnBtnDelPro() {
    std::string number;
    if (!SelectedProject(number)) {
        ManagePrompt("请先选择要删除的项！", MB_ICONERROR);
        return;
    }
    if (!ConfirmAndClear(number, "的批复信息？", {"ZJYJ", "PFYJ"}, false, "删除成功！")) return;
    if (number == m_strCurrentProject) {
        m_richExpert.SetWindowText("");
        m_richApproval.SetWindowText("");
    }
}
