#include "review/DlgFirstPanel.h"

#include "review/OfficeReports.h"
#include "review/WorkflowSupport.h"

const ui::DialogTemplate& CDlgFirstPanel::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 525, 525}, {
        {Kind::Static, IDC_EDITOR_FRAME, "", {4, 4, 479, 513}, SS_BLACKFRAME, {}, true},
        {Kind::PushButton, IDC_SAVE, "保存", {486, 8, 36, 40}, WS_TABSTOP},
        {Kind::PushButton, IDC_EXCEL, "输出Excel报表", {486, 52, 36, 48}, WS_TABSTOP},
        {Kind::PushButton, IDC_LAB_STAT, "上报统计表", {486, 104, 36, 48}, WS_TABSTOP, {}, true},
    }, WS_CHILD};
    return tpl;
}

CDlgFirstPanel::CDlgFirstPanel() : ui::Dialog(Template(), nullptr) {
    MapClicked(IDC_SAVE, [this] { OnBtnSave(); });
    MapClicked(IDC_EXCEL, [this] { OnBtnExcel(); });
    MapClicked(IDC_LAB_STAT, [this] { OnBtnLabStat(); });
}

BOOL CDlgFirstPanel::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(workflow::kPanelBackground);
    m_dlgProEdit.CreateOver(this, IDC_EDITOR_FRAME);
    m_btnSave.SubclassDlgItem(IDC_SAVE, this);
    m_btnExcel.SubclassDlgItem(IDC_EXCEL, this);
    m_btnLabStat.SubclassDlgItem(IDC_LAB_STAT, this);
    workflow::StyleButton(m_btnSave, workflow::kSaveIcon, "保存");
    workflow::StyleButton(m_btnExcel, workflow::kExcelIcon, "输出Excel报表");
    workflow::StyleButton(m_btnLabStat, workflow::kLabStatisticsIcon, "输出重点实验室项目上报统计表");
    // The buttons stand in the narrow column right of the editor: the
    // caption goes under the icon.
    for (CButtonST* button : {&m_btnSave, &m_btnExcel, &m_btnLabStat}) button->SetAlign(CButtonST::ST_ALIGN_VERT);
    return TRUE;
}

void CDlgFirstPanel::ShowLabStatButton(bool show) {
    if (ui::Wnd* button = GetDlgItem(IDC_LAB_STAT)) button->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CDlgFirstPanel::OnBtnSave() { m_dlgProEdit.SaveProject(); }

void CDlgFirstPanel::OnBtnExcel() { officereports::RunFirstExcel(m_pConnection, 0); }

void CDlgFirstPanel::OnBtnLabStat() { officereports::RunLabStatExcel(m_pConnection); }
