// 重点实验室经费表: the key laboratories with approved projects in a year of
// the period are listed with check boxes; 确定 writes the ticked ones into a
// workbook made from 重点实验室经费表.xls, left open for the user.
#pragma once

#include "main/ReportCheckGrid.h"
#include "main/ReportDialog.h"

class CDlgLabFundTable : public CReportDialog {
public:
    static constexpr int IDD = 214;
    static constexpr int IDC_YEAR = 1048;
    static constexpr int IDC_SELECT_ALL = 1050;
    static constexpr int IDC_INVERT = 1053;
    static constexpr int IDC_GRID_PLACE = 1054;

    explicit CDlgLabFundTable(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    CReportCheckGrid& GetGrid() { return m_wndGrid; }

    // Lists the laboratories of the chosen year (ticks are lost).
    void FillLabList();
    void OnSelectAll() { m_wndGrid.CheckAll(); }
    void OnInvertSelection() { m_wndGrid.InvertChecks(); }
    // Writes the ticked laboratories into the workbook and closes the dialog.
    void OutputExcel();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override { OutputExcel(); }

private:
    CReportCheckGrid m_wndGrid;
};
