// 专家评议情况: for a year of the period and a specialty-group fund number,
// the experts of that fund who reviewed projects of the year; 生成Excel
// writes their records into a workbook made from 专家信息表.xls.
#pragma once

#include <vector>

#include "main/ExpertReviewReport.h"
#include "main/ReportDialog.h"

class CDlgExpertReview : public CReportDialog {
public:
    static constexpr int IDD = 213;
    static constexpr int IDC_YEAR = 1048;
    static constexpr int IDC_EXPERTS = 1051;
    static constexpr int IDC_FUND = 1052;

    explicit CDlgExpertReview(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // The fund numbers of the chosen year; the first is chosen and its
    // experts are listed.
    void FillFundNumbers();
    // The experts of the chosen fund number who reviewed in the chosen year.
    void FillExperts();
    // Writes the listed experts into the workbook and closes the dialog.
    void OutputExcel();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override { OutputExcel(); }

private:
    // The experts as the list shows them.
    std::vector<ReviewingExpert> ListedExperts() const;
};
