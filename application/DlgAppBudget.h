// The budget page (经费预算): eight cost items, each an amount in 万元 and a
// rich-text calculation basis, and their total, recomputed whenever an
// amount loses the focus.
#pragma once

#include <array>
#include <string>

#include "application/DlgAppPage.h"
#include "platform/ui/MaskEdit.h"

class CDlgAppBudget : public CDlgAppPage {
public:
    static constexpr int IDD = 5002;
    static constexpr int IDC_TOTAL = 5562;
    static constexpr int kItemCount = 8;

    // One cost item: its label, amount edit and column, reason field, RTF
    // column and scratch file under temp.
    struct Item {
        const char* label;
        int amountId;
        const char* column;
        int reasonId;
        const char* reasonColumn;
        const char* scratchFile;
    };
    // In the page's order, top to bottom.
    static const std::array<Item, kItemCount> kItems;

    CDlgAppBudget();
    static const ui::DialogTemplate& Template();

    std::array<ui::MaskEdit, kItemCount> m_editAmounts;
    std::array<COleRichEdit, kItemCount> m_richReasons;

    // The sum of the eight amounts written "%g" into the total; nothing
    // changes while every amount is empty.
    void UpdateTotal();

protected:
    BOOL OnInitDialog() override;
};
