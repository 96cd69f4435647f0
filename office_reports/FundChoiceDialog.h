// The base of the report dialogs that print fund blocks: a year list of the
// current period and the fund grid with its tick buttons (全选, 反选) and,
// where the template has them, the project-type buttons. A change of year
// rebuilds the grid through the dialog's FillFundList.
#pragma once

#include <string>

#include "office_reports/FundGrid.h"
#include "office_reports/ReportSupport.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Lists.h"

class CAdoConnection;

namespace reports {

class CFundChoiceDialog : public ui::Dialog {
public:
    static constexpr int IDC_YEAR = 6136;
    static constexpr int IDC_GRID_PLACE = 6077;
    static constexpr int IDC_SELECT_ALL = 6142;
    static constexpr int IDC_INVERT = 6144;
    static constexpr int IDC_SET_GENERAL = 6145;
    static constexpr int IDC_SET_KEY = 6143;
    static constexpr int IDC_SET_ALL = 6146;

    ui::ComboBox m_cboYear;
    CAdoConnection* m_pConnection = nullptr;  // the opener's, borrowed
    CFundGrid m_gridFunds;

    virtual void FillFundList() = 0;
    void AddFundRow(const std::string& fund) { m_gridFunds.AddFundRow(fund); }
    // The text of the selected year; empty when none is selected.
    std::string SelectedYear() const { return reports::SelectedText(m_cboYear); }

protected:
    CFundChoiceDialog(const ui::DialogTemplate& tpl, ui::Wnd* parent);
    void DoDataExchange(ui::DataExchange& dx) override;
    // The standard set-up, the grid (fund column `fundWidth` pixels wide, with
    // or without the type column) and the year list; the caller fills the grid.
    void SetUpYearAndGrid(int fundWidth, bool withType, const std::string& storedYear);

    void OnSelectAll() { m_gridFunds.SelectAll(); }
    void OnInvertSelection() { m_gridFunds.InvertSelection(); }
    void OnSetGeneral() { m_gridFunds.SetAllTypes(kTypeGeneral); }
    void OnSetKey() { m_gridFunds.SetAllTypes(kTypeKey); }
    void OnSetAll() { m_gridFunds.SetAllTypes(kTypeAll); }
    void OnYearChanged() { FillFundList(); }

    // Empties the grid and reads the controls into the members.
    void ClearFundList();
};

}  // namespace reports
