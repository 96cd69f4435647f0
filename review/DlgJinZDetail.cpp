#include "review/DlgJinZDetail.h"

#include "foundation/AdoRecordSet.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "review/WorkflowSupport.h"
#include "review/ReviewStore.h"

namespace {
constexpr DWORD kReadOnly = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY;
}

CDlgJinZDetail::CDlgJinZDetail() : ui::Dialog(Template()) {}

const ui::DialogTemplate& CDlgJinZDetail::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 479, 250}, {
        {Kind::Static, IDC_STATIC, "项目编号:", {7, 10, 42, 10}},
        {Kind::Edit, IDC_XMBH, "", {52, 8, 160, 12}, kReadOnly},
        {Kind::Static, IDC_STATIC, "负责人:", {242, 10, 42, 10}},
        {Kind::Edit, IDC_PERSON, "", {287, 8, 185, 12}, kReadOnly},
        {Kind::Static, IDC_STATIC, "项目名称:", {7, 28, 42, 10}},
        {Kind::Edit, IDC_NAME, "", {52, 26, 420, 12}, kReadOnly},
        {Kind::Static, IDC_STATIC, "进展情况简介:", {7, 46, 80, 10}},
        {Kind::RichEdit, IDC_SUMMARY, "", {7, 58, 465, 185},
         WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY},
    }, WS_CHILD};
    return t;
}

BOOL CDlgJinZDetail::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(workflow::kPanelBackground);
    return TRUE;
}

void CDlgJinZDetail::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_XMBH, m_strXMBH);
    dx.Text(IDC_NAME, m_strName);
    dx.Text(IDC_PERSON, m_strPerson);
    dx.Control(IDC_SUMMARY, m_richSummary);
}

void CDlgJinZDetail::ShowProgressInfo(const std::string& xmbh) {
    CAdoRecordSet rs;
    m_bLastFound = reviewstore::OpenProgressDetail(rs, m_pConnection, xmbh) && !rs.IsEOF();
    if (!m_bLastFound) return;
    m_strXMBH.clear();
    m_strName.clear();
    m_strPerson.clear();
    rs.GetString("XMBH", m_strXMBH);
    m_loaded = m_pConnection ? projectnumber::LoadProject(*m_pConnection, m_strXMBH) : projectnumber::LoadedProject();
    rs.GetString("BACKUPNAME", m_strName);
    rs.GetString("SJWCR", m_strPerson);
    UpdateData(FALSE);
}
