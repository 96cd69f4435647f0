// The password change of the current user.
#include "ManageTestSupport.h"
#include "foundation/Password.h"
#include "sysmanage/DlgModifyPassword.h"

using managetest::Query;

namespace {

class PasswordChange : public ManageTest {
protected:
    void SetUp() override {
        ManageTest::SetUp();
        SetCurrentUserName("jjb");
    }
    // Fills the three boxes and presses OK, which must show `message`; the
    // dialog is cancelled when it stays open.
    int Change(const std::string& old, const std::string& fresh, const std::string& confirm,
               const std::string& message) {
        driver.OnModal<CDlgModifyPassword>([=](CDlgModifyPassword& dlg) {
            dlg.SetDlgItemText(CDlgModifyPassword::IDC_OLD, old);
            dlg.SetDlgItemText(CDlgModifyPassword::IDC_NEW, fresh);
            dlg.SetDlgItemText(CDlgModifyPassword::IDC_CONFIRM, confirm);
            dlg.Click(IDOK);
            if (dlg.IsRunningModal()) {
                EXPECT_EQ(dlg.GetDlgItemText(CDlgModifyPassword::IDC_NEW), fresh);  // the input stays
                dlg.Click(IDCANCEL);
            }
        });
        driver.ExpectMessageBox("提示", message);
        return CDlgModifyPassword().DoModal();
    }
    static std::string Stored(const std::string& user) {
        const auto rows = Query(kProjectDatabase, "select YHMM from CORVANE_USERS where YHM = '" + user + "'");
        return rows.empty() ? "<no row>" : rows[0][0];
    }
    // True when `user` logs in with `plain`, and only with it in this case.
    static bool HasPassword(const std::string& user, const std::string& plain) {
        const std::string stored = Stored(user);
        return password::IsHash(stored) && password::Matches(stored, plain);
    }
};

TEST_F(PasswordChange, MatchingOldAndTwiceTypedNewStoresItForThisUserOnly) {
    EXPECT_EQ(Change("jjb2024", "s3cret", "s3cret", "密码修改成功！"), IDOK);
    EXPECT_TRUE(HasPassword("jjb", "s3cret"));
    EXPECT_FALSE(HasPassword("jjb", "S3CRET"));
    EXPECT_TRUE(HasPassword("sbdw", "sbdw2024"));
    for (const auto& row : Query(kProjectDatabase, "select YHM, YHMM from CORVANE_USERS"))
        EXPECT_TRUE(password::IsHash(row[1])) << row[0];  // nothing in clear after a change
    EXPECT_EQ(driver.MessageBoxes()[0].type, UINT(MB_OK | MB_ICONINFORMATION));
}

TEST_F(PasswordChange, RefusedAttemptsStoreNothingAndStayOpen) {
    struct Case {
        const char* old;
        const char* fresh;
        const char* confirm;
        const char* message;
    };
    const std::string tooLong(51, 'x');
    const Case cases[] = {
        {"wrong", "a", "b", "旧密码错误！"},        // the old password is tested first
        {"JJB2024", "a", "a", "旧密码错误！"},      // exact comparison
        {"jjb2024", "a", "b", "新密码输入不一致！"},
        {"jjb2024", "", "", "新密码不能为空！"},    // null could never log in
        {"jjb2024", tooLong.c_str(), tooLong.c_str(), "密码修改失败！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(Change(c.old, c.fresh, c.confirm, c.message), IDCANCEL);
        EXPECT_TRUE(HasPassword("jjb", "jjb2024"));
    }
}

TEST_F(PasswordChange, AnUnknownUserIsNeverReportedAsChanged) {
    SetCurrentUserName("nobody' or '1'='1");
    EXPECT_EQ(Change("", "a", "a", "找不到当前登录用户，密码未修改！"), IDCANCEL);
    EXPECT_TRUE(HasPassword("jjb", "jjb2024"));
    EXPECT_TRUE(HasPassword("zngl", "zngl2024"));
}

TEST_F(PasswordChange, CancelStoresNothing) {
    driver.OnModal<CDlgModifyPassword>([](CDlgModifyPassword& dlg) {
        dlg.SetDlgItemText(CDlgModifyPassword::IDC_OLD, "jjb2024");
        dlg.SetDlgItemText(CDlgModifyPassword::IDC_NEW, "a");
        dlg.SetDlgItemText(CDlgModifyPassword::IDC_CONFIRM, "a");
        dlg.Click(IDCANCEL);
    });
    EXPECT_EQ(CDlgModifyPassword().DoModal(), IDCANCEL);
    EXPECT_TRUE(HasPassword("jjb", "jjb2024"));
}

TEST_F(PasswordChange, AMissingDatabaseIsReportedAndTheDialogStaysOpen) {
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    driver.OnModal<CDlgModifyPassword>([](CDlgModifyPassword& dlg) {
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    driver.AnswerMessageBox(IDOK);  // the plain box has the program's title as caption
    EXPECT_EQ(CDlgModifyPassword().DoModal(), IDCANCEL);
    EXPECT_EQ(driver.MessageBoxes().at(0).text, kConnectFailed);
}

}  // namespace
