// 未资助项目表: the units with unfunded projects of a year and category are
// listed with check boxes; 确定 types one notice per ticked unit into a Word
// document made from 未获资助通知.doc, left open for the user.
#pragma once

#include "main/ReportCheckGrid.h"
#include "main/ReportDialog.h"

class CDlgUnfunded : public CReportDialog {
public:
    static constexpr int IDD = 216;
    static constexpr int IDC_YEAR = 1048;
    static constexpr int IDC_SELECT_ALL = 1050;
    static constexpr int IDC_CATEGORY = 1052;
    static constexpr int IDC_INVERT = 1053;
    static constexpr int IDC_GRID_PLACE = 1054;

    explicit CDlgUnfunded(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    CReportCheckGrid& GetGrid() { return m_wndGrid; }

    // Lists the units of the chosen year and category (ticks are lost).
    void FillUnits();
    void OnSelectAll() { m_wndGrid.CheckAll(); }
    void OnInvertSelection() { m_wndGrid.InvertChecks(); }
    // Types the notices of the ticked units and closes the dialog.
    void OutputWord();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override { OutputWord(); }

private:
    int m_nCategory = -1;
    CReportCheckGrid m_wndGrid;
};
