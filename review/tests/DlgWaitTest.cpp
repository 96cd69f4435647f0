// The please-wait window of the long document outputs.
#include <gtest/gtest.h>

#include "platform/ui/App.h"
#include "platform/ui/Controls.h"
#include "review/DlgWait.h"

TEST(DlgWait, ShowsTheShareAndCountOfUnitsWritten) {
    ui::EnsureApplication();
    static const ui::DialogTemplate outputTemplate{1, "output", {0, 0, 300, 200}, {}};
    ui::Dialog output(outputTemplate);
    output.Create();
    CDlgWait wait;
    wait.Create(&output);
    wait.ShowWindow(SW_SHOW);
    EXPECT_EQ(wait.GetWindowText(), "请稍后...");
    EXPECT_EQ(wait.GetDlgItemText(CDlgWait::IDC_DONE), "已输出：");
    auto* bar = wait.Item<ui::ProgressCtrl>(CDlgWait::IDC_PROGRESS);
    ASSERT_NE(bar, nullptr);
    const struct {
        int done, percent;
        const char* text;
    } steps[] = {{1, 33, "已输出：1/3"}, {2, 66, "已输出：2/3"}, {3, 100, "已输出：3/3"}};
    for (const auto& step : steps) {
        wait.ShowProgress(step.done, 3);
        EXPECT_EQ(bar->GetPos(), step.percent);
        EXPECT_EQ(wait.GetDlgItemText(CDlgWait::IDC_DONE), step.text);
    }
    // The message answers the bar's previous position; wParam is not used.
    EXPECT_EQ(wait.SendMessage(WM_WAIT_SETPROGRESS, 99, 40), 100);
    EXPECT_EQ(bar->GetPos(), 40);
    EXPECT_EQ(WM_WAIT_SETPROGRESS, 0x0AF1u);
}
