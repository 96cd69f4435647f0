// The key-laboratory projects of one year that passed review, with their
// approved funds, to Excel: one block per ticked fund number with its count
// and approved total, the projects of the chosen type, a subtotal per block
// and the total of all.
#pragma once

#include "office_reports/FundChoiceDialog.h"

class CDlgLabReviewExcel : public reports::CFundChoiceDialog {
public:
    static constexpr int IDD = 6044;

    explicit CDlgLabReviewExcel(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    void FillFundList() override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
