// The import policy dialog: the radio shown for the value given, the value
// chosen, Cancel keeping the value, and the per-record question of AskEach.
#include <gtest/gtest.h>

#include "application/DlgImportPolicy.h"
#include "platform/ui/TestDriverGTest.h"

namespace {

struct PolicyRun {
    DuplicatePolicy given;
    int expectedRadio;
    int clicked;  // radio clicked before closing; 0 none
    int closeWith;
    DuplicatePolicy expectedResult;
};

TEST(DlgImportPolicy, ShowsTheGivenValueAndYieldsTheChosenOne) {
    using D = CDlgImportPolicy;
    const PolicyRun runs[] = {
        {duplicate_policy::AskEach, D::IDC_RADIO_ASK, 0, D::IDC_BTN_OK, duplicate_policy::AskEach},
        {duplicate_policy::KeepExisting, D::IDC_RADIO_KEEP, 0, D::IDC_BTN_OK, duplicate_policy::KeepExisting},
        {7, D::IDC_RADIO_OVERWRITE, 0, D::IDC_BTN_OK, duplicate_policy::Overwrite},
        {duplicate_policy::Overwrite, D::IDC_RADIO_OVERWRITE, D::IDC_RADIO_KEEP, D::IDC_BTN_OK,
         duplicate_policy::KeepExisting},
        {duplicate_policy::KeepExisting, D::IDC_RADIO_KEEP, D::IDC_RADIO_ASK, IDCANCEL, duplicate_policy::KeepExisting},
    };
    for (const PolicyRun& run : runs) {
        SCOPED_TRACE(run.given);
        ui::TestDriver driver;
        CDlgImportPolicy dlg;
        dlg.m_nPolicy = run.given;
        int shown = 0;
        driver.OnModal<CDlgImportPolicy>([&](CDlgImportPolicy& d) {
            for (int radio : {D::IDC_RADIO_OVERWRITE, D::IDC_RADIO_KEEP, D::IDC_RADIO_ASK})
                if (d.IsDlgButtonChecked(radio)) shown = radio;
            EXPECT_EQ(d.GetTemplate().caption, "导入");
            d.Click(IDOK);  // Enter's OK does nothing
            EXPECT_TRUE(d.IsRunningModal());
            if (run.clicked) d.Click(run.clicked);
            d.Click(run.closeWith);
        });
        EXPECT_EQ(dlg.DoModal(), run.closeWith == IDCANCEL ? IDCANCEL : IDOK);
        EXPECT_EQ(shown, run.expectedRadio);
        EXPECT_EQ(dlg.m_nPolicy, run.expectedResult);
    }
}

TEST(DuplicatePolicy, AskEachAsksPerRecordOthersDecideAlone) {
    ui::TestDriver driver;
    EXPECT_TRUE(ShouldOverwriteExisting(duplicate_policy::Overwrite, "P1"));
    EXPECT_TRUE(ShouldOverwriteExisting(5, "P1"));
    EXPECT_FALSE(ShouldOverwriteExisting(duplicate_policy::KeepExisting, "P1"));
    driver.ExpectMessageBox("提示", "项目编号P1已存在，是否覆盖原有记录？", IDYES);
    EXPECT_TRUE(ShouldOverwriteExisting(duplicate_policy::AskEach, "P1"));
    driver.ExpectMessageBox("提示", "项目编号P2已存在，是否覆盖原有记录？", IDNO);
    EXPECT_FALSE(ShouldOverwriteExisting(duplicate_policy::AskEach, "P2"));
    EXPECT_EQ(driver.MessageBoxes().at(0).type, UINT(MB_YESNO | MB_ICONQUESTION));
}

}  // namespace
