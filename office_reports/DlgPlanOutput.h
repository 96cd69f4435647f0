// 输出项目计划: the plan output dialog. For the key projects with a plan of a
// year it prints either the plan drafts in Word (项目计划表, one document or
// one per unit) or, for the specialty groups, the plan lists in Excel
// (项目计划清单, one workbook or one per unit).
#pragma once

#include <string>

#include "office_reports/PlanOutputDialog.h"

class CDlgPlanOutput : public CPlanOutputDialog {
public:
    static constexpr int IDD = 6042;
    static constexpr int IDC_PER_UNIT_DRAFTS = 6092;

    explicit CDlgPlanOutput(ui::Wnd* parent = nullptr);
    ~CDlgPlanOutput() override;
    static const ui::DialogTemplate& Template();

    BOOL m_bPerUnitDrafts = FALSE;  // 6092: one Word document per unit

    // The plan lists in Excel (specialty-group key projects).
    void OutputPlanList();
    // The plan drafts in Word; true when they were written.
    bool OutputPlanDrafts();

    // The name of a unit code, or "" (also for an empty code, without a query).
    std::string GetUnitName(const std::string& unit);
    // The project's approved funds "%g", or "" when it has no approval row
    // (also for an empty number, without a query).
    std::string GetApprovedFundText(const std::string& xmbh);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;
    void OnCategoryChanged() override;

    std::string FundListQuery(const std::string& year) const override;
    std::string CountQuery(const reportqueries::FundProjects& projects, const std::string& unit) const override;
    std::string SumQuery(const reportqueries::FundProjects& projects, const std::string& unit) const override;
    const std::string& CategoryOf(int category) const override;

private:
    // The plan lists are offered for the specialty groups only.
    void EnablePlanListChoice();
};
