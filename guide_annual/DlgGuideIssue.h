// The panel of the guide-issuing view: the units named for research
// directions of a year (key, general or both kinds), the chapters to print,
// and 输出指南, which writes one Word guide per ticked unit.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/ui/Dialog.h"

namespace ui {
class ListCtrl;
}

class CDlgGuideIssue : public ui::Dialog {
public:
    static constexpr int IDD = 7011;
    static constexpr int IDC_UNIT_LIST = 3109;
    static constexpr int IDC_SELECT_ALL = 7028;
    static constexpr int IDC_INVERT = 7029;
    static constexpr int IDC_KEY_DIRECTIONS = 7026;
    static constexpr int IDC_GENERAL_DIRECTIONS = 7027;
    static constexpr int IDC_YEAR = 7016;
    static constexpr int IDC_OUTPUT = 7022;

    explicit CDlgGuideIssue(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    ui::ListCtrl& UnitList() const;
    // Lists the units of the selected year for the checked direction kinds;
    // no row is ticked.
    void FillUnitList();
    // The years of the annual guide's current period, the first selected,
    // and the units of that year.
    void ReloadYear();
    // Writes the Word guide of every ticked unit into 下发年度指南 under a
    // folder the user picks.
    void OnBtnOutput();

    // The chapters of the last output, "0" to "3".
    const std::vector<std::string>& ChosenChapters() const { return m_arrChapters; }

protected:
    BOOL OnInitDialog() override;
    // Enter and Esc do not close a panel.
    void OnOK() override {}
    void OnCancel() override {}

private:
    void FillYears();
    void TickAllUnits();
    void InvertUnitTicks();

    CAdoConnection m_connection;
    CAdoRecordSet m_recordset;
    std::vector<std::string> m_arrChapters;
};
