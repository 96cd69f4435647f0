// The library's entry: each code runs its dialog modally inside the call and
// the call always answers 1.
#include "ManageTestSupport.h"
#include <functional>

#include "foundation/Password.h"
#include "sysmanage/DlgExpertManage.h"
#include "sysmanage/DlgLabManage.h"
#include "sysmanage/DlgModifyPassword.h"
#include "sysmanage/DlgScoreIndex.h"
#include "sysmanage/DlgSpecGroupInfo.h"
#include "sysmanage/DlgSpecGroupManage.h"
#include "sysmanage/DlgUnitManage.h"
#include "sysmanage/ShowDialog.h"

using managetest::Query;
using managetest::Rows;

using ShowDialogEntry = ManageTest;

namespace {
template <class T>
bool Is(ui::Dialog& dialog) {
    return dynamic_cast<T*>(&dialog) != nullptr;
}
}  // namespace

TEST_F(ShowDialogEntry, EachCodeRunsTheDialogOfItsCommandAndAnswersOne) {
    const std::function<bool(ui::Dialog&)> dialogOfCode[] = {
        Is<CDlgUnitManage>, Is<CDlgSpecGroupManage>, Is<CDlgExpertManage>, Is<CDlgScoreIndex>,
        Is<CDlgModifyPassword>, Is<CDlgSpecGroupInfo>, Is<CDlgLabManage>,
    };
    for (int code = 1; code <= 7; ++code) {
        bool rightDialog = false;
        driver.OnModal([&](ui::Dialog& dialog) {
            rightDialog = dialogOfCode[code - 1](dialog);
            dialog.EndDialog(IDCANCEL);
        });
        EXPECT_EQ(ShowDialog(code, "jjb"), 1) << code;
        EXPECT_TRUE(rightDialog) << code;
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
    const Rows users = Query(kProjectDatabase, "select YHM, YHMM from CORVANE_USERS order by JS");
    ASSERT_EQ(users.size(), 3u);
    const char* expected[][2] = {{"zngl", "zngl2024"}, {"sbdw", "neu"}, {"jjb", "neu"}};
    for (std::size_t i = 0; i < users.size(); ++i) {
        EXPECT_EQ(users[i][0], expected[i][0]);
        EXPECT_TRUE(password::Matches(users[i][1], expected[i][1])) << expected[i][0];
    }
}
