// The library's entry: each code runs its dialog modally inside the call.
#include <gtest/gtest.h>

#include "platform/ui/TestDriverGTest.h"
#include "sysmanage/ShowDialog.h"

TEST(ShowDialog, EachCodeRunsTheDialogOfItsCommand) {
    const char* titles[] = {"单位信息管理", "专业组信息管理", "专家信息管理", "评分指标管理",
                            "登录密码修改", "专业组/实验室信息管理", "实验室信息管理"};
    for (int code = 1; code <= 7; ++code) {
        ui::TestDriver driver;
        std::string caption;
        driver.OnModal([&](ui::Dialog& dialog) {
            caption = dialog.GetWindowText();
            dialog.Click(IDOK);
        });
        EXPECT_EQ(ShowDialog(code, "jjb"), IDOK) << code;
        EXPECT_EQ(caption, titles[code - 1]);
        EXPECT_TRUE(driver.Finished());
    }
}

TEST(ShowDialog, UnknownCodeShowsNothing) {
    ui::TestDriver driver;  // any dialog would be reported as unexpected
    EXPECT_EQ(ShowDialog(0, "jjb"), 0);
    EXPECT_EQ(ShowDialog(8, "jjb"), 0);
}
