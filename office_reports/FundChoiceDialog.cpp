#include "office_reports/FundChoiceDialog.h"

#include "platform/ui/DataExchange.h"

namespace reports {

CFundChoiceDialog::CFundChoiceDialog(const ui::DialogTemplate& tpl, ui::Wnd* parent) : ui::Dialog(tpl, parent) {
    MapClicked(IDC_SELECT_ALL, [this] { OnSelectAll(); });
    MapClicked(IDC_INVERT, [this] { OnInvertSelection(); });
    MapClicked(IDC_SET_GENERAL, [this] { OnSetGeneral(); });
    MapClicked(IDC_SET_KEY, [this] { OnSetKey(); });
    MapClicked(IDC_SET_ALL, [this] { OnSetAll(); });
    MapCommand(IDC_YEAR, CBN_SELCHANGE, [this] { OnYearChanged(); });
}

void CFundChoiceDialog::DoDataExchange(ui::DataExchange& dx) { dx.Control(IDC_YEAR, m_cboYear); }

void CFundChoiceDialog::SetUpYearAndGrid(int fundWidth, bool withType, const std::string& storedYear) {
    StandardSetUp(*this);
    UpdateData(FALSE);
    m_gridFunds.CreateOver(*this, IDC_GRID_PLACE, fundWidth, withType);
    FillYearList(m_cboYear, storedYear);
}

void CFundChoiceDialog::ClearFundList() {
    m_gridFunds.RemoveAll();
    m_gridFunds.AdjustLayout();
    UpdateData(TRUE);
}

}  // namespace reports
