#include "main/ReportDialog.h"

#include "main/Period.h"
#include "platform/ui/Lists.h"

CReportDialog::CReportDialog(const ui::DialogTemplate& tpl, ui::Wnd* parent) : ui::Dialog(tpl, parent) {}

BOOL CReportDialog::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    return TRUE;
}

void CReportDialog::FillYears(int comboId) {
    auto* years = Item<ui::ComboBox>(comboId);
    if (!years) return;
    years->ResetContent();
    for (const std::string& year : YearsOfRange(m_strPeriod)) years->AddString(year);
}

std::string CReportDialog::SelectedText(int comboId) const {
    auto* combo = Item<ui::ComboBox>(comboId);
    if (!combo || combo->GetCurSel() < 0) return {};
    return combo->GetLBText(combo->GetCurSel());
}
