#include "review/DlgProSummary.h"

#include "foundation/AdoRecordSet.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Lists.h"
#include "review/WorkflowSupport.h"
#include "review/ReviewStore.h"

namespace {
constexpr DWORD kReadOnly = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY;
}

CDlgProSummary::CDlgProSummary(ui::Wnd* parent) : ui::Dialog(Template(), parent) {}

const ui::DialogTemplate& CDlgProSummary::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 479, 155}, {
        {Kind::Static, IDC_STATIC, "项目编号:", {7, 10, 42, 10}},
        {Kind::Edit, IDC_XMBH, "", {52, 8, 160, 12}, kReadOnly},
        {Kind::Static, IDC_STATIC, "项目名称:", {7, 28, 42, 10}},
        {Kind::Edit, IDC_XMMC, "", {52, 26, 420, 12}, kReadOnly},
        {Kind::Static, IDC_STATIC, "申请单位:", {7, 46, 42, 10}},
        {Kind::Edit, IDC_GZDW, "", {52, 44, 180, 12}, kReadOnly},
        {Kind::Static, IDC_STATIC, "合作单位:", {242, 46, 42, 10}},
        {Kind::Edit, IDC_HZDW, "", {287, 44, 185, 12}, kReadOnly},
        {Kind::Static, IDC_STATIC, "申请人:", {7, 64, 42, 10}},
        {Kind::Edit, IDC_SQRXM, "", {52, 62, 70, 12}, kReadOnly},
        {Kind::Static, IDC_STATIC, "性别:", {132, 64, 24, 10}},
        {Kind::Edit, IDC_SQRXB, "", {158, 62, 40, 12}, kReadOnly},
        {Kind::Static, IDC_STATIC, "年龄:", {208, 64, 24, 10}},
        {Kind::Edit, IDC_SQRNL, "", {234, 62, 40, 12}, kReadOnly},
        {Kind::Static, IDC_STATIC, "职称:", {284, 64, 24, 10}},
        {Kind::Edit, IDC_ZC, "", {310, 62, 162, 12}, kReadOnly},
        {Kind::Static, IDC_AMOUNT_LABEL, "申请经费:", {7, 82, 42, 10}},
        {Kind::Edit, IDC_SQJE, "", {52, 80, 70, 12}, kReadOnly},
        {Kind::Static, IDC_STATIC, "万元", {125, 82, 20, 10}},
        {Kind::Static, IDC_FS_LABEL, "分数:", {160, 82, 26, 10}},
        {Kind::Edit, IDC_FS, "", {188, 80, 60, 12}, kReadOnly},
        {Kind::Static, IDC_PSJG_LABEL, "评审结果:", {262, 82, 42, 10}},
        {Kind::Edit, IDC_PSJG, "", {306, 80, 60, 12}, kReadOnly},
        {Kind::Static, IDC_RESULT_LABEL, "评审结果:", {7, 100, 42, 10}, 0, {}, true},
        {Kind::ComboBox, IDC_RESULT, "", {52, 98, 60, 40}, WS_TABSTOP | CBS_DROPDOWNLIST, {"+", "-"}, true},
        {Kind::Static, IDC_PROGRESS_LABEL, "进度要求:", {7, 118, 42, 10}, 0, {}, true},
        {Kind::Edit, IDC_PROGRESS, "", {52, 116, 420, 32},
         WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, {}, true},
    }, WS_CHILD};
    return t;
}

BOOL CDlgProSummary::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(workflow::kPanelBackground);
    return TRUE;
}

void CDlgProSummary::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_XMBH, m_strXMBH);
    dx.Text(IDC_XMMC, m_strXMMC);
    dx.Text(IDC_GZDW, m_strGZDW);
    dx.Text(IDC_HZDW, m_strHZDW);
    dx.Text(IDC_SQRXM, m_strSQRXM);
    dx.Text(IDC_SQRXB, m_strSQRXB);
    dx.Text(IDC_SQRNL, m_strSQRNL);
    dx.Text(IDC_ZC, m_strZC);
    dx.Text(IDC_SQJE, m_strSQJE);
    dx.Text(IDC_FS, m_strFS);
    dx.Text(IDC_PSJG, m_strPSJG);
}

void CDlgProSummary::ShowControl(int id, bool show) {
    if (ui::Wnd* control = GetDlgItem(id)) control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CDlgProSummary::FollowRenames(const projectnumber::Renames& renames) {
    if (m_bLastFound && projectnumber::FollowRename(renames, m_loaded)) {
        m_strXMBH = m_loaded.number;
        SetDlgItemText(IDC_XMBH, m_strXMBH);
    }
}

void CDlgProSummary::ShowProject(const std::string& xmbh) {
    CAdoRecordSet rs;
    m_bLastFound = reviewstore::OpenSummary(rs, m_pConnection, xmbh) && rs.GetRecordCount() > 0;
    if (!m_bLastFound) return;
    rs.GetString("XMBH", m_strXMBH);
    m_loaded = m_pConnection ? projectnumber::LoadProject(*m_pConnection, m_strXMBH) : projectnumber::LoadedProject();
    rs.GetString("XMMC", m_strXMMC);
    rs.GetString("GZDW", m_strGZDW);
    rs.GetString("HZDW", m_strHZDW);
    rs.GetString("SQRXM", m_strSQRXM);
    rs.GetString("SQRXB", m_strSQRXB);
    rs.GetString("SQRNL", m_strSQRNL);
    rs.GetString("ZC", m_strZC);
    rs.GetString("SQJE", m_strSQJE);
    float score = 0;
    rs.GetFloat("FS", score);
    m_strFS = score == 0 ? std::string() : text::Format("%g", score);
    m_strPSJG.clear();
    rs.GetString("PSJG", m_strPSJG);
    auto* result = Item<ui::ComboBox>(IDC_RESULT);
    int found = -1;
    for (int i = 0; i < result->GetCount(); ++i)
        if (result->GetLBText(i) == m_strPSJG) found = i;
    result->SetCurSel(found);
    UpdateData(FALSE);
}
