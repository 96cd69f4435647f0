// What the approval output dialog (CDlgPFOutput) and the plan output dialog
// (CDlgPlanOutput) share: the choice of year, category, output kind, paper
// size and per-unit mode, the list of fund numbers with projects to print,
// the hidden rich-text control that turns a stored text into plain text, and
// the per-fund figures of the headings. Each twin gives its own template and
// the statements that select its projects.
#pragma once

#include <string>
#include <vector>

#include "widgets/OleRichEdit.h"
#include "office_reports/FundGrid.h"
#include "office_reports/PlanTableExcel.h"
#include "office_reports/ReportQueries.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Lists.h"

class CAdoConnection;

class CPlanOutputDialog : public ui::Dialog {
public:
    static constexpr int IDC_YEAR = 6136;
    static constexpr int IDC_CATEGORY = 6053;
    static constexpr int IDC_KIND = 6134;         // first radio button of the output kind
    static constexpr int IDC_KIND_SECOND = 6135;  // output kind 1
    static constexpr int IDC_PAPER = 6137;
    static constexpr int IDC_PER_UNIT = 6089;
    static constexpr int IDC_GRID_PLACE = 6077;
    static constexpr int IDC_SELECT_ALL = 6142;
    static constexpr int IDC_INVERT = 6144;
    static constexpr int IDC_RICH = 6075;

    CPlanOutputDialog(const ui::DialogTemplate& tpl, ui::Wnd* parent);
    ~CPlanOutputDialog() override;

    ui::ComboBox m_cboYear;
    int m_nCategory = -1;  // 0 专业组, any other value 重点实验室
    int m_nOutputKind = 0;
    std::string m_strRichText;  // plain text of the hidden control 6075
    int m_nPaperSize = 0;
    BOOL m_bPerUnit = FALSE;  // 6089
    CAdoConnection* m_pConnection = nullptr;  // the opener's, never closed here
    reports::CFundGrid m_gridFunds;
    COleRichEdit m_richEdit{COleRichEdit::Variant::KeepDefaultFormat};

    // Rebuilds the fund list for the selected year and category.
    void LoadFundList();
    void AddFundRow(const std::string& fund) { m_gridFunds.AddFundRow(fund); }
    void OnSelchangeYear() { LoadFundList(); }
    void OnBtnSelectAll() { m_gridFunds.SelectAll(); }
    void OnBtnInvert() { m_gridFunds.InvertSelection(); }

    // The guide name of a fund in a year, or "".
    std::string GetGuideName(const std::string& fund, const std::string& year);
    // "<n>项": the fund's projects of the year and category (of one unit
    // when `unit` is not empty).
    std::string GetProjectCountText(const std::string& fund, const std::string& year, int category,
                                    const std::string& unit);
    // "<sum>万元" with two decimals: their approved funds.
    std::string GetFundSumText(const std::string& fund, const std::string& year, int category,
                               const std::string& unit);
    // "<fund> <guide name>  <n>项  经费小计：<sum>万元", the heading of a fund.
    std::string FundHeading(const std::string& fund, const std::string& year, int category);

    // The selected year's text ("" when none is selected).
    std::string SelectedYear() const;
    // The ticked fund numbers, top to bottom.
    std::vector<std::string> TickedFunds();
    // The plan-table output as chosen: year, paper, per unit, ticked funds.
    reports::PlanTableRequest PlanTables();

protected:
    BOOL OnInitDialog() override;
    // Binds the controls and values both twins have, in this order: the hidden
    // control, the year combo, category, output kind, the hidden control's text, paper size and
    // the per-unit flag.
    void ExchangeCommon(ui::DataExchange& dx);
    // After the category changed: the twin's rule for the output kind.
    virtual void OnCategoryChanged() = 0;

    // The statement listing the year's qualifying project numbers in order.
    virtual std::string FundListQuery(const std::string& year) const = 0;
    // The statements of a fund heading: the projects counted and the sum of
    // their approved funds (of one unit when `unit` is not empty).
    virtual std::string CountQuery(const reportqueries::FundProjects& projects, const std::string& unit) const = 0;
    virtual std::string SumQuery(const reportqueries::FundProjects& projects, const std::string& unit) const = 0;
    // The category (XMLB) of the twin's projects of a category.
    virtual const std::string& CategoryOf(int category) const = 0;

private:
    void OnSelchangeCategory();
    // The fund's projects of the year and category.
    reportqueries::FundProjects FundProjects(const std::string& fund, const std::string& year, int category) const;
};
