#include "guide_annual/DlgStudyAspect.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/DlgUnitSelect.h"
#include "guide_annual/GuideViewSupport.h"
#include "guide_annual/TopicLookup.h"
#include "guide_annual/TopicScopeDocument.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Services.h"

namespace {
constexpr const char* kUnitsMissing = "请正确填写定向发布单位！";
}  // namespace

namespace {
const AspectEditorLayout kAnnualLayout{
    CDlgStudyAspect::IDD,        CDlgStudyAspect::IDC_ZTBH,       CDlgStudyAspect::IDC_ZTMC,
    CDlgStudyAspect::IDC_CODEHEAD, CDlgStudyAspect::IDC_SUFFIX,   CDlgStudyAspect::IDC_YJFXMC,
    CDlgStudyAspect::IDC_KEY_YES, CDlgStudyAspect::IDC_KEY_NO,    CDlgStudyAspect::IDC_GRIDFRAME,
    CDlgStudyAspect::IDC_ADDROW,  CDlgStudyAspect::IDC_REMOVEROWS, CDlgStudyAspect::IDC_PICKUNITS,
    CDlgStudyAspect::IDC_UNITGRID, false, false};
}  // namespace

ui::DialogTemplate CDlgStudyAspect::BuildTemplate(const AspectEditorLayout& layout) {
    using ui::Kind;
    constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL | WS_BORDER;
    // The key-direction row takes 16 units; without it what follows moves up.
    const int keyRow = layout.HasKeyFlag() ? 16 : 0;
    ui::DialogTemplate tpl{layout.dialog, "研究方向", {0, 0, 396, 405 + keyRow}, {
        {Kind::GroupBox, IDC_STATIC, "基本信息", {7, 7, 382, 88 + keyRow}},
        {Kind::Static, IDC_STATIC, "专题编号：", {18, 24, 70, 10}},
        {Kind::Edit, layout.ztbh, "", {92, 22, 120, 13}, kEdit | ES_READONLY},
        {Kind::Static, IDC_STATIC, "专题名称：", {18, 42, 70, 10}},
        {Kind::Edit, layout.ztmc, "", {92, 40, 285, 13}, kEdit | ES_READONLY},
        {Kind::Static, IDC_STATIC, "研究方向编号：", {18, 60, 70, 10}},
        {Kind::Static, layout.codeHead, "", {92, 60, 60, 10}, SS_RIGHT},
        {Kind::Edit, layout.suffix, "", {154, 58, 30, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "研究方向名称：", {18, 78, 70, 10}},
        {Kind::Edit, layout.yjfxmc, "", {92, 76, 285, 13}, kEdit},
    }};
    if (layout.HasKeyFlag()) {
        tpl.controls.push_back({Kind::Static, IDC_STATIC, "是否重点研究方向：", {18, 95, 80, 10}});
        tpl.controls.push_back({Kind::RadioButton, layout.keyYes, "是", {100, 94, 30, 10}, WS_TABSTOP | WS_GROUP});
        tpl.controls.push_back({Kind::RadioButton, layout.keyNo, "否", {135, 94, 30, 10}});
    }
    const ui::ControlTemplate rest[] = {
        {Kind::GroupBox, IDC_STATIC, "定向发布单位", {7, 101 + keyRow, 382, 276}},
        {Kind::Static, layout.gridFrame, "", {14, 114 + keyRow, 368, 238}, SS_BLACKFRAME},
        {Kind::PushButton, layout.addRow, "添加", {160, 357 + keyRow, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, layout.removeRows, "移除", {215, 357 + keyRow, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, layout.pickUnits, "查看单位信息", {270, 357 + keyRow, 70, 14}, WS_TABSTOP},
        {Kind::DefPushButton, IDOK, "确定", {130, 384 + keyRow, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {215, 384 + keyRow, 50, 14}, WS_TABSTOP},
    };
    tpl.controls.insert(tpl.controls.end(), std::begin(rest), std::end(rest));
    return tpl;
}

const ui::DialogTemplate& CDlgStudyAspect::Template() {
    static const ui::DialogTemplate tpl = BuildTemplate(kAnnualLayout);
    return tpl;
}

CDlgStudyAspect::CDlgStudyAspect(ui::Wnd* parent) : CDlgStudyAspect(kAnnualLayout, parent) {}

CDlgStudyAspect::CDlgStudyAspect(const AspectEditorLayout& layout, ui::Wnd* parent)
    : ui::Dialog(BuildTemplate(layout), parent), m_layout(layout) {
    if (layout.HasKeyFlag()) {
        MapClicked(layout.keyYes, [this] { SetKey(1); });
        MapClicked(layout.keyNo, [this] { SetKey(0); });
    }
    MapClicked(layout.addRow, [this] { m_gridUnits.AddUnitRow(); });
    MapClicked(layout.removeRows, [this] { OnRemoveRows(); });
    MapClicked(layout.pickUnits, [this] { OnPickUnits(); });
}

CDlgStudyAspect::~CDlgStudyAspect() = default;

void CDlgStudyAspect::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(m_layout.suffix, m_editSuffix);
    dx.Text(m_layout.ztbh, m_strZTBH);
    dx.Text(m_layout.ztmc, m_strZTMC);
    dx.Text(m_layout.codeHead, m_strZTBH);
    dx.Text(m_layout.suffix, m_strSuffix);
    dx.Text(m_layout.yjfxmc, m_strYJFXMC);
}

void CDlgStudyAspect::SetKey(int key) {
    CheckDlgButton(m_layout.keyYes, key == 1);
    CheckDlgButton(m_layout.keyNo, key != 1);
    m_nKey = key;
}

BOOL CDlgStudyAspect::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuideDialogBackground);
    if (m_layout.HasKeyFlag()) SetKey(0);
    UpdateData(FALSE);
    // The unit dictionary as the unit table holds it now, so that a unit
    // added while the guide view was open can be chosen (without the
    // database the view's stays).
    if (CAdoConnection connection; ConnectGuideDatabase(connection)) {
        CAdoRecordSet units;
        BindGuideRecordset(units, connection);
        guideview::LoadUnitDictionary(units);
    }
    m_gridUnits.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, GetItemRect(m_layout.gridFrame), this, m_layout.unitGrid);
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
    if (m_layout.HasKeyFlag()) {
        const std::string marker = aspect.GetAttribute(topic::kKeyAspect);
        if (marker == "1") SetKey(1);
        else if (!marker.empty()) SetKey(0);
        else {
            CheckDlgButton(m_layout.keyYes, 0);
            CheckDlgButton(m_layout.keyNo, 0);
            m_nKey = 0;
        }
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
    SetDlgItemText(m_layout.yjfxmc, m_strYJFXMC);
    m_strYJFXMC = topiclookup::FiveYearAspectName(m_strZTBH + m_strSuffix, m_strFBNF);
    if (!m_strYJFXMC.empty()) SetDlgItemText(m_layout.yjfxmc, m_strYJFXMC);
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
    if (m_gridUnits.GetRowCount() == 0) {
        const std::optional<bool> group = topiclookup::IsSpecialtyGroup(m_strJJBH);
        if (!group || *group != m_layout.undirectedOnlyForSpecialtyGroups) {
            GuidePrompt(kUnitsMissing, 0);
            return false;
        }
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
    const std::string code = m_strZTBH + m_strSuffix;
    TopicScopeDocument document;
    bool written = document.Load(m_strTopicFile);
    if (written && removeOld)
        written = document.RemoveAspect(m_strZTBH, m_strOldCode) || !m_layout.modifyNeedsOldAspect;
    std::vector<TopicUnit> units;
    for (int row = 0; row < m_gridUnits.GetRowCount(); ++row)
        units.push_back({m_gridUnits.GetCode(row), m_gridUnits.GetName(row)});
    written = written && document.AddAspect(m_strZTBH, code, m_strYJFXMC, m_nKey, units);
    if (written && !m_layout.HasKeyFlag()) {
        xmldom::Node aspect = document.Aspect(m_strZTBH, code);
        written = aspect && aspect.SetAttribute(topic::kKeyAspect, "");
    }
    written = written && document.Save();
    if (!written) topiclookup::ShowDocumentFailure(document.LastError());
    return written;
}

BOOL CDlgStudyAspect::AddAspect() { return WriteAspect(false); }

BOOL CDlgStudyAspect::ModifyAspect() { return WriteAspect(true); }

void CDlgStudyAspect::OnOK() {
    if (!CheckFields()) return;
    if (m_nMode == kAdd ? AddAspect() : ModifyAspect()) EndDialog(IDOK);
}
