#include "guide_fiveyear/DlgStudyAspect.h"

#include <algorithm>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/AnnualGuideStore.h"
#include "guide_annual/DlgUnitSelect.h"
#include "guide_annual/TopicLookup.h"
#include "guide_annual/TopicScopeDocument.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Services.h"

namespace fiveyear {

namespace {
constexpr const char* kUnitsMissing = "请正确填写定向发布单位！";

// Only a specialty group's guide may have a direction without directed
// units. Without the database nothing is allowed.
bool IsSpecialtyGroup(const std::string& fund) {
    CAdoConnection connection;
    if (!ConnectGuideDatabase(connection)) {
        ui::AfxMessageBox(topiclookup::kConnectFailed);
        return false;
    }
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    return rs.Open("select * from corvane_specgroup where jjbh = '" + guidestore::Quote(fund) + "'") && !rs.IsEOF();
}
}  // namespace

const ui::DialogTemplate& CDlgStudyAspect::Template() {
    using ui::Kind;
    constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL | WS_BORDER;
    static const ui::DialogTemplate tpl{IDD, "研究方向", {0, 0, 396, 405}, {
        {Kind::GroupBox, IDC_STATIC, "基本信息", {7, 7, 382, 88}},
        {Kind::Static, IDC_STATIC, "专题编号：", {18, 24, 70, 10}},
        {Kind::Edit, IDC_ZTBH, "", {92, 22, 120, 13}, kEdit | ES_READONLY},
        {Kind::Static, IDC_STATIC, "专题名称：", {18, 42, 70, 10}},
        {Kind::Edit, IDC_ZTMC, "", {92, 40, 285, 13}, kEdit | ES_READONLY},
        {Kind::Static, IDC_STATIC, "研究方向编号：", {18, 60, 70, 10}},
        {Kind::Static, IDC_CODEHEAD, "", {92, 60, 60, 10}, SS_RIGHT},
        {Kind::Edit, IDC_SUFFIX, "", {154, 58, 30, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "研究方向名称：", {18, 78, 70, 10}},
        {Kind::Edit, IDC_YJFXMC, "", {92, 76, 285, 13}, kEdit},
        {Kind::GroupBox, IDC_STATIC, "定向发布单位", {7, 101, 382, 276}},
        {Kind::Static, IDC_GRIDFRAME, "", {14, 114, 368, 238}, SS_BLACKFRAME},
        {Kind::PushButton, IDC_ADDROW, "添加", {160, 357, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_REMOVEROW, "移除", {215, 357, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_PICKUNITS, "查看单位信息", {270, 357, 70, 14}, WS_TABSTOP},
        {Kind::DefPushButton, IDOK, "确定", {130, 384, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {215, 384, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgStudyAspect::CDlgStudyAspect(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapClicked(IDC_ADDROW, [this] { m_gridUnits.AddUnitRow(); });
    MapClicked(IDC_REMOVEROW, [this] { OnRemoveRow(); });
    MapClicked(IDC_PICKUNITS, [this] { OnPickUnits(); });
}

CDlgStudyAspect::~CDlgStudyAspect() = default;

void CDlgStudyAspect::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_SUFFIX, m_editSuffix);
    dx.Text(IDC_ZTBH, m_strZTBH);
    dx.Text(IDC_ZTMC, m_strZTMC);
    dx.Text(IDC_CODEHEAD, m_strZTBH);
    dx.Text(IDC_SUFFIX, m_strSuffix);
    dx.Text(IDC_YJFXMC, m_strYJFXMC);
}

BOOL CDlgStudyAspect::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuideDialogBackground);
    UpdateData(FALSE);
    m_gridUnits.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, GetItemRect(IDC_GRIDFRAME), this, IDC_UNITGRID);
    m_strOldCode = m_strZTBH + m_strSuffix;
    if (m_nMode == kModify) LoadUnits();
    m_editSuffix.ApplySuffixRule();
    return TRUE;
}

// Without the database the units are still listed (with empty names), so
// that OK refuses the rows instead of dropping them.
void CDlgStudyAspect::LoadUnits() {
    CAdoConnection connection;
    CAdoRecordSet recordset;
    const bool connected = ConnectGuideDatabase(connection);
    if (connected) BindGuideRecordset(recordset, connection);
    else ui::AfxMessageBox(topiclookup::kConnectFailed);

    TopicScopeDocument document;
    if (!document.Load(m_strTopicFile)) {
        topiclookup::ShowDocumentFailure(document.LastError());
        return;
    }
    int row = 0;
    for (const xmldom::Node& unit : document.Aspect(m_strZTBH, m_strOldCode).ChildElements()) {
        m_gridUnits.AddUnitRow();
        const std::string code = unit.GetAttribute(topic::kUnitCode);
        m_gridUnits.SetRowTexts(row++, code, connected ? topiclookup::UnitName(recordset, code) : std::string());
    }
}

void CDlgStudyAspect::OnRemoveRow() {
    if (!m_gridUnits.GetCurSel()) {
        GuidePrompt("你尚未选中任何条目!", 0);
        return;
    }
    std::vector<int> rows = m_gridUnits.GetSelectedRows();
    std::sort(rows.rbegin(), rows.rend());  // from the highest, so lower indexes stay valid
    for (int row : rows) m_gridUnits.RemoveRow(row);
}

void CDlgStudyAspect::OnPickUnits() {
    CDlgUnitSelect picker(this);
    picker.m_pUnitGrid = &m_gridUnits;
    picker.DoModal();
}

bool CDlgStudyAspect::CheckFields() {
    m_gridUnits.EndEditItem(TRUE);
    if (!UpdateData(TRUE)) return false;
    if (m_strSuffix.empty() || m_strYJFXMC.empty()) {
        GuidePrompt("研究方向编号和研究方向名称都是必填项！", 0);
        return false;
    }
    bool unitsComplete = m_gridUnits.GetRowCount() > 0 || IsSpecialtyGroup(m_strJJBH);
    for (int row = 0; row < m_gridUnits.GetRowCount() && unitsComplete; ++row)
        unitsComplete = !m_gridUnits.GetCode(row).empty() && !m_gridUnits.GetName(row).empty();
    if (!unitsComplete) {
        GuidePrompt(kUnitsMissing, 0);
        return false;
    }
    const std::string code = m_strZTBH + m_strSuffix;
    const bool shown = std::find(m_arrAspectCodes.begin(), m_arrAspectCodes.end(), code) != m_arrAspectCodes.end();
    if (shown && !(m_nMode == kModify && code == m_strOldCode)) {
        ui::AfxMessageBox("该研究方向编号已存在！");
        m_editSuffix.SetFocus();
        return false;
    }
    return true;
}

bool CDlgStudyAspect::WriteAspect() {
    const std::string code = m_strZTBH + m_strSuffix;
    std::vector<TopicUnit> units;
    for (int row = 0; row < m_gridUnits.GetRowCount(); ++row)
        units.push_back({m_gridUnits.GetCode(row), m_gridUnits.GetName(row)});
    TopicScopeDocument document;
    bool written = document.Load(m_strTopicFile) &&
                   (m_nMode != kModify || document.RemoveAspect(m_strZTBH, m_strOldCode)) &&
                   document.AddAspect(m_strZTBH, code, m_strYJFXMC, 0, units);
    if (written) {
        xmldom::Node aspect = document.Aspect(m_strZTBH, code);
        written = aspect && aspect.SetAttribute(topic::kKeyAspect, "") && document.Save();
    }
    if (!written) topiclookup::ShowDocumentFailure(document.LastError());
    return written;
}

void CDlgStudyAspect::OnOK() {
    if (CheckFields() && WriteAspect()) EndDialog(IDOK);
}

}  // namespace fiveyear
