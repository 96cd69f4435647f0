// The small dialogs of the annual-guide view: the import policy shows the
// current policy and gives the chosen one; the progress dialog follows
// WM_USER+1777.
#include "GuideTestSupport.h"
#include "guide_annual/DlgImportPolicy.h"
#include "guide_annual/DlgWait.h"
#include "platform/ui/Controls.h"

using annualguide::CDlgImportPolicy;

TEST(GuideDialogs, ImportPolicyPresetsTheCurrentPolicyAndReturnsTheChosenOne) {
    ui::EnsureApplication();
    ui::TestDriver driver;
    const struct {
        int current, checked, choose, result;
    } cases[] = {
        {0, CDlgImportPolicy::IDC_OVERWRITE, CDlgImportPolicy::IDC_KEEP, 1},
        {1, CDlgImportPolicy::IDC_KEEP, CDlgImportPolicy::IDC_ASK, 2},
        {2, CDlgImportPolicy::IDC_ASK, CDlgImportPolicy::IDC_OVERWRITE, 0},
        {7, CDlgImportPolicy::IDC_OVERWRITE, CDlgImportPolicy::IDC_ASK, 2},
    };
    for (const auto& c : cases) {
        driver.OnModal<CDlgImportPolicy>([&](CDlgImportPolicy& dlg) {
            for (int id : {CDlgImportPolicy::IDC_OVERWRITE, CDlgImportPolicy::IDC_KEEP, CDlgImportPolicy::IDC_ASK})
                EXPECT_EQ(dlg.IsDlgButtonChecked(id) != 0, id == c.checked) << c.current << " " << id;
            dlg.Click(c.choose);
            dlg.Click(IDOK);
        });
        CDlgImportPolicy dlg;
        dlg.m_nPolicy = c.current;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_nPolicy, c.result);
    }
    driver.OnModal<CDlgImportPolicy>([](CDlgImportPolicy& dlg) {
        dlg.Click(CDlgImportPolicy::IDC_ASK);
        dlg.Click(IDCANCEL);
    });
    CDlgImportPolicy cancelled;
    cancelled.m_nPolicy = 1;
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.m_nPolicy, 1);
}

TEST(GuideDialogs, ProgressFollowsTheMessagesPercentage) {
    ui::EnsureApplication();
    CDlgWait wait;
    wait.Create();
    auto& bar = *wait.Item<ui::ProgressCtrl>(CDlgWait::IDC_PROGRESS);
    wait.SendMessage(WM_USER + 1777, 5, 40);  // the first parameter is not used
    EXPECT_EQ(bar.GetPos(), 40);
    wait.ShowProgress(1, 3);
    EXPECT_EQ(bar.GetPos(), 33);
    EXPECT_EQ(wait.GetDlgItemText(CDlgWait::IDC_DONE), "已输出：1/3");
}
