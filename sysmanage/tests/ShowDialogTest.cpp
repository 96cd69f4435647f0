// The library's entry: each code runs its dialog modally inside the call and
// the call always answers 1.
#include "ManageTestSupport.h"
#include "sysmanage/DlgModifyPassword.h"
#include "sysmanage/ShowDialog.h"

using managetest::Query;
using managetest::Rows;

using ShowDialogEntry = ManageTest;

TEST_F(ShowDialogEntry, EachCodeRunsTheDialogOfItsCommandAndAnswersOne) {
    const char* titles[] = {"单位信息管理", "专业组信息管理", "专家信息管理", "评分指标管理",
                            "登录密码修改", "专业组/实验室信息管理", "实验室信息管理"};
    for (int code = 1; code <= 7; ++code) {
        std::string caption;
        driver.OnModal([&](ui::Dialog& dialog) {
            caption = dialog.GetWindowText();
            dialog.EndDialog(IDCANCEL);
        });
        EXPECT_EQ(ShowDialog(code, "jjb"), 1) << code;
        EXPECT_EQ(caption, titles[code - 1]);
        EXPECT_TRUE(driver.Finished());
    }
}

TEST(ShowDialog, UnknownCodeShowsNothingAndAnswersOne) {
    ui::TestDriver driver;  // any dialog would be reported as unexpected
    EXPECT_EQ(ShowDialog(0, "jjb"), 1);
    EXPECT_EQ(ShowDialog(8, "jjb"), 1);
    EXPECT_TRUE(driver.Calls().empty());
}

TEST_F(ShowDialogEntry, EachCallChangesThePasswordOfItsOwnUser) {
    for (auto [user, old] : {std::pair{"sbdw", "sbdw2024"}, std::pair{"jjb", "jjb2024"}}) {
        driver.OnModal<CDlgModifyPassword>([old = std::string(old)](CDlgModifyPassword& dlg) {
            dlg.SetDlgItemText(CDlgModifyPassword::IDC_OLD, old);
            dlg.SetDlgItemText(CDlgModifyPassword::IDC_NEW, "neu");
            dlg.SetDlgItemText(CDlgModifyPassword::IDC_CONFIRM, "neu");
            dlg.Click(IDOK);
        });
        driver.ExpectMessageBox("提示", "密码修改成功！");
        EXPECT_EQ(ShowDialog(5, user), 1);
    }
    EXPECT_EQ(Query(kProjectDatabase, "select YHM, YHMM from CORVANE_USERS order by JS"),
              (Rows{{"zngl", "zngl2024"}, {"sbdw", "neu"}, {"jjb", "neu"}}));
}
