// The two unit information dialogs: a year of the period and a category
// (专业组 or 重点实验室), both first taken from the settings record; 确定
// writes the units into a workbook made from 单位信息表.xls.
#pragma once

#include "main/ReportDialog.h"
#include "main/UnitInfoReport.h"

class CDlgUnitInfoTable : public CReportDialog {
public:
    static constexpr int IDC_YEAR = 1052;
    static constexpr int IDC_CATEGORY = 1055;

    CDlgUnitInfoTable(UnitTableKind kind, ui::Wnd* parent);

    // Writes the units of the chosen year and category and closes the dialog.
    void OutputExcel();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override { OutputExcel(); }

private:
    UnitTableKind m_kind;
    int m_nCategory = -1;
};

// 单位信息表(年度计划), command 32899.
class CDlgUnitPlanTable : public CDlgUnitInfoTable {
public:
    static constexpr int IDD = 218;
    explicit CDlgUnitPlanTable(ui::Wnd* parent = nullptr) : CDlgUnitInfoTable(UnitTableKind::AnnualPlan, parent) {}
};

// 单位信息表(年度经费表), command 32900.
class CDlgUnitFundTable : public CDlgUnitInfoTable {
public:
    static constexpr int IDD = 219;
    explicit CDlgUnitFundTable(ui::Wnd* parent = nullptr) : CDlgUnitInfoTable(UnitTableKind::AnnualFunds, parent) {}
};
