// The budget page: the total of the eight amounts and what an amount takes.
#include "AppWriterTestSupport.h"

namespace {

class BudgetPage : public AppWriterTest {
protected:
    CDlgAppBudget& Page() { return Writer().m_dlgBudget; }
};

}  // namespace

TEST_F(BudgetPage, TotalIsTheSumOfTheAmountsWrittenShortAndStaysWhenAllAreEmpty) {
    const struct {
        std::vector<std::string> amounts;  // in the page's order; missing ones empty
        std::string total;
    } cases[] = {
        {{"1.5", "", "2"}, "3.5"},
        {{"12.5", "3"}, "15.5"},
        {{"1.2.3"}, "1.2"},
        {{"", "", "", "", "", "", "", "."}, "0"},
        {{"", "", "", "", "", "", "", ""}, "0"},  // unchanged
        {{"999999", "1"}, "1e+06"},
        {{"1", "2", "3", "4", "5", "6", "7", "8"}, "36"},
    };
    for (const auto& c : cases) {
        for (int i = 0; i < CDlgAppBudget::kItemCount; ++i)
            Page().SetDlgItemText(CDlgAppBudget::kItems[size_t(i)].amountId,
                                  size_t(i) < c.amounts.size() ? c.amounts[size_t(i)] : "");
        Page().OnCommand(CDlgAppBudget::kItems[7].amountId, EN_KILLFOCUS);
        EXPECT_EQ(Page().GetDlgItemText(CDlgAppBudget::IDC_TOTAL), c.total);
    }
}

TEST_F(BudgetPage, EveryAmountLosingTheFocusRecomputesTheTotal) {
    for (const CDlgAppBudget::Item& item : CDlgAppBudget::kItems) {
        for (const CDlgAppBudget::Item& other : CDlgAppBudget::kItems) Page().SetDlgItemText(other.amountId, "");
        Page().SetDlgItemText(item.amountId, "4");
        Page().SetDlgItemText(CDlgAppBudget::IDC_TOTAL, "");
        Page().OnCommand(item.amountId, EN_KILLFOCUS);
        EXPECT_EQ(Page().GetDlgItemText(CDlgAppBudget::IDC_TOTAL), "4") << item.column;
    }
}

TEST_F(BudgetPage, AmountsTakeDigitsAndPointsUpToSevenCharacters) {
    ui::MaskEdit& amount = Page().m_editAmounts[0];
    ui::sim::Type(amount, "12a.5-67890");
    EXPECT_EQ(amount.GetWindowText(), "12.5678");
}

TEST_F(BudgetPage, ReasonsKeepTheControlsOwnFormatAndDoNotFollowTheToolBar) {
    COleRichEdit& reason = Page().m_richReasons[0];
    EXPECT_EQ(reason.GetEventMask() & ui::ENM_SELCHANGE, 0u);
    ui::CharFormat format;
    reason.GetDefaultCharFormat(format);
    EXPECT_NE(format.szFaceName, "仿宋_GB2312");
}
