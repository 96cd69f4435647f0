// The application list of one year to Excel: one block per ticked fund
// number with its count and requested total, the applications of the chosen
// project type, a subtotal per block and the total of all. Specialty-group
// lists group the applications under their research direction and show the
// guide-code check of each in the remark column.
#pragma once

#include <string>

#include "office_reports/FundChoiceDialog.h"

class CDlgFirstExcel : public reports::CFundChoiceDialog {
public:
    static constexpr int IDD = 7033;
    static constexpr int IDC_CATEGORY = 6053;

    explicit CDlgFirstExcel(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    int m_nCategory = -1;  // 0 专业组, 1 重点实验室 (any other value reads as 1)

    void FillFundList() override;
    // The research direction's name of an 11-character guide code in the
    // selected year, or empty.
    std::string GetAspectName(const std::string& code);
    // The guide-code check of one project; empty when it passes.
    std::string CheckProject(const std::string& xmbh);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;

private:
    void OnCategoryChanged() { FillFundList(); }
    bool IsSpecialtyGroup() const { return m_nCategory == 0; }
    // True when a direction row of the guide code in the year has, with a
    // `column`, `value` in it.
    bool AspectRowExists(const std::string& code, const std::string& column = "", const std::string& value = "");
};
