#include "guide_annual/DlgStudyAspect.h"

#include <algorithm>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/DlgUnitSelect.h"
#include "guide_annual/TopicLookup.h"
#include "guide_annual/TopicScopeDocument.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Services.h"

namespace {
constexpr const char* kUnitsMissing = "请正确填写定向发布单位！";
}  // namespace

const ui::DialogTemplate& CDlgStudyAspect::Template() {
    using ui::Kind;
    constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL | WS_BORDER;
    static const ui::DialogTemplate tpl{IDD, "研究方向", {0, 0, 396, 421}, {
        {Kind::GroupBox, IDC_STATIC, "基本信息", {7, 7, 382, 104}},
        {Kind::Static, IDC_STATIC, "专题编号：", {18, 24, 70, 10}},
        {Kind::Edit, IDC_ZTBH, "", {92, 22, 120, 13}, kEdit | ES_READONLY},
        {Kind::Static, IDC_STATIC, "专题名称：", {18, 42, 70, 10}},
        {Kind::Edit, IDC_ZTMC, "", {92, 40, 285, 13}, kEdit | ES_READONLY},
        {Kind::Static, IDC_STATIC, "研究方向编号：", {18, 60, 70, 10}},
        {Kind::Static, IDC_CODEHEAD, "", {92, 60, 60, 10}, SS_RIGHT},
        {Kind::Edit, IDC_SUFFIX, "", {154, 58, 30, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "研究方向名称：", {18, 78, 70, 10}},
        {Kind::Edit, IDC_YJFXMC, "", {92, 76, 285, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "是否重点研究方向：", {18, 95, 80, 10}},
        {Kind::RadioButton, IDC_KEY_YES, "是", {100, 94, 30, 10}, WS_TABSTOP | WS_GROUP},
        {Kind::RadioButton, IDC_KEY_NO, "否", {135, 94, 30, 10}},
        {Kind::GroupBox, IDC_STATIC, "定向发布单位", {7, 117, 382, 276}},
        {Kind::Static, IDC_GRIDFRAME, "", {14, 130, 368, 238}, SS_BLACKFRAME},
        {Kind::PushButton, IDC_ADDROW, "添加", {160, 373, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_REMOVEROWS, "移除", {215, 373, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_PICKUNITS, "查看单位信息", {270, 373, 70, 14}, WS_TABSTOP},
        {Kind::DefPushButton, IDOK, "确定", {130, 400, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {215, 400, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgStudyAspect::CDlgStudyAspect(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapClicked(IDC_KEY_YES, [this] { SetKey(1); });
    MapClicked(IDC_KEY_NO, [this] { SetKey(0); });
    MapClicked(IDC_ADDROW, [this] { m_gridUnits.AddUnitRow(); });
    MapClicked(IDC_REMOVEROWS, [this] { OnRemoveRows(); });
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

void CDlgStudyAspect::SetKey(int key) {
    CheckDlgButton(IDC_KEY_YES, key == 1);
    CheckDlgButton(IDC_KEY_NO, key != 1);
    m_nKey = key;
}

BOOL CDlgStudyAspect::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuideDialogBackground);
    SetKey(0);
    UpdateData(FALSE);
    m_gridUnits.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, GetItemRect(IDC_GRIDFRAME), this, IDC_UNITGRID);
    m_strOldCode = m_strZTBH + m_strSuffix;
    if (m_nMode == kModify) LoadAspect();
    m_editSuffix.ApplySuffixRule();
    m_editSuffix.SetCharHook([this](ui::Edit&, UINT) { LookUpName(); });
    return TRUE;
}

// The stored direction: its key flag and its units, named from the unit
// table. Without the database the units are still listed (with empty
// names), so that OK refuses the rows instead of dropping them.
void CDlgStudyAspect::LoadAspect() {
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
    const xmldom::Node aspect = document.Aspect(m_strZTBH, m_strOldCode);
    const std::string marker = aspect.GetAttribute(topic::kKeyAspect);
    if (marker == "1") SetKey(1);
    else if (!marker.empty()) SetKey(0);
    else {
        CheckDlgButton(IDC_KEY_YES, 0);
        CheckDlgButton(IDC_KEY_NO, 0);
        m_nKey = 0;
    }
    int row = 0;
    for (const xmldom::Node& unit : aspect.ChildElements()) {
        m_gridUnits.AddUnitRow();
        const std::string code = unit.GetAttribute(topic::kUnitCode);
        m_gridUnits.SetRowTexts(row++, code, connected ? topiclookup::UnitName(recordset, code) : std::string());
    }
}

void CDlgStudyAspect::LookUpName() {
    if (m_strFBNF.empty()) return;
    UpdateData(TRUE);
    m_strYJFXMC.clear();
    SetDlgItemText(IDC_YJFXMC, m_strYJFXMC);
    m_strYJFXMC = topiclookup::FiveYearAspectName(m_strZTBH + m_strSuffix, m_strFBNF);
    if (!m_strYJFXMC.empty()) SetDlgItemText(IDC_YJFXMC, m_strYJFXMC);
}

void CDlgStudyAspect::OnRemoveRows() {
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
    if (m_gridUnits.GetRowCount() == 0 && !topiclookup::IsUndirectedAllowed(m_strJJBH)) {
        GuidePrompt(kUnitsMissing, 0);
        return false;
    }
    for (int row = 0; row < m_gridUnits.GetRowCount(); ++row)
        if (m_gridUnits.GetCode(row).empty() || m_gridUnits.GetName(row).empty()) {
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

BOOL CDlgStudyAspect::WriteAspect(bool removeOld) {
    TopicScopeDocument document;
    bool written = document.Load(m_strTopicFile);
    if (written && removeOld) document.RemoveAspect(m_strZTBH, m_strOldCode);
    std::vector<TopicUnit> units;
    for (int row = 0; row < m_gridUnits.GetRowCount(); ++row)
        units.push_back({m_gridUnits.GetCode(row), m_gridUnits.GetName(row)});
    written = written && document.AddAspect(m_strZTBH, m_strZTBH + m_strSuffix, m_strYJFXMC, m_nKey, units) &&
              document.Save();
    if (!written) topiclookup::ShowDocumentFailure(document.LastError());
    return written;
}

BOOL CDlgStudyAspect::AddAspect() { return WriteAspect(false); }

BOOL CDlgStudyAspect::ModifyAspect() { return WriteAspect(true); }

void CDlgStudyAspect::OnOK() {
    if (!CheckFields()) return;
    if (m_nMode == kAdd ? AddAspect() : ModifyAspect()) EndDialog(IDOK);
}
