#include "review/DlgFirstPanel.h"

#include "review/OfficeReports.h"

namespace {

constexpr int kHandCursor = 32004;
constexpr COLORREF kPanelBackground = RGB(242, 246, 255);

void Dress(CButtonST& button, int icon, const char* tooltip) {
    button.SetIcon(icon, 0);
    button.SetHandCursor(kHandCursor);
    for (int index : {CButtonST::BTNST_COLOR_BK_IN, CButtonST::BTNST_COLOR_BK_OUT, CButtonST::BTNST_COLOR_BK_FOCUS})
        button.SetColor(index, kPanelBackground, TRUE);
    button.SetTooltipText(tooltip, TRUE);
}

}  // namespace

const ui::DialogTemplate& CDlgFirstPanel::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 567, 525}, {
        {Kind::Static, IDC_EDITOR_FRAME, "", {4, 4, 479, 513}, SS_BLACKFRAME, {}, true},
        {Kind::PushButton, IDC_SAVE, "保存", {490, 8, 70, 24}, WS_TABSTOP},
        {Kind::PushButton, IDC_EXCEL, "输出Excel报表", {490, 38, 70, 24}, WS_TABSTOP},
        {Kind::PushButton, IDC_LAB_STAT, "上报统计表", {490, 68, 70, 24}, WS_TABSTOP, {}, true},
    }, WS_CHILD};
    return tpl;
}

CDlgFirstPanel::CDlgFirstPanel(CDlgFirstSelect* select) : ui::Dialog(Template(), nullptr), m_dlgProEdit(select) {
    MapClicked(IDC_SAVE, [this] { OnBtnSave(); });
    MapClicked(IDC_EXCEL, [this] { OnBtnExcel(); });
    MapClicked(IDC_LAB_STAT, [this] { OnBtnLabStat(); });
}

BOOL CDlgFirstPanel::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kPanelBackground);
    m_dlgProEdit.CreateOver(this, IDC_EDITOR_FRAME);
    m_btnSave.SubclassDlgItem(IDC_SAVE, this);
    m_btnExcel.SubclassDlgItem(IDC_EXCEL, this);
    m_btnLabStat.SubclassDlgItem(IDC_LAB_STAT, this);
    Dress(m_btnSave, 32160, "保存");
    Dress(m_btnExcel, 6032, "输出Excel报表");
    Dress(m_btnLabStat, 6032, "输出重点实验室项目上报统计表");
    return TRUE;
}

void CDlgFirstPanel::ShowLabStatButton(bool show) {
    if (ui::Wnd* button = GetDlgItem(IDC_LAB_STAT)) button->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CDlgFirstPanel::OnBtnSave() { m_dlgProEdit.SaveProject(); }

void CDlgFirstPanel::OnBtnExcel() { officereports::RunFirstExcelPlaceholder(m_pConnection, 0); }

void CDlgFirstPanel::OnBtnLabStat() { officereports::RunLabStatExcelPlaceholder(m_pConnection); }
