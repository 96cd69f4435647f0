// The letter review's two Excel outputs of one year, per ticked fund: the
// project review table (the projects with their three experts) and the expert
// opinion summary (opinions, score, result and reason of the letter review).
// Both cover the general projects of the specialty-group funds that passed
// the first review.
#pragma once

#include <string>

#include "office_reports/FundChoiceDialog.h"

class CDlgHanSExcel : public reports::CFundChoiceDialog {
public:
    static constexpr int IDD = 6041;
    static constexpr int IDC_REVIEW_TABLE = 6134;
    static constexpr int IDC_OPINION_SUMMARY = 6135;

    explicit CDlgHanSExcel(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    int m_nOutputKind = 0;  // 0 项目评议表, 1 专家意见汇总表

    void FillFundList() override;
    // The research direction's name of a guide code in the selected year.
    std::string GetAspectName(const std::string& code);
    // The expert's name, empty for an empty or unknown id.
    std::string GetExpertName(const std::string& id);
    // Writes the expert opinion summary.
    void OutputOpinionSummary();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;

private:
    // Writes the project review table; false when nothing was shown.
    bool OutputReviewTable();
    // The statement of one fund's projects with the given columns of the
    // review row.
    std::string FundQuery(const std::string& fund, const std::string& reviewColumns) const;
};
