// The login dialog: messages for missing or wrong input, the login itself
// and the settings dialog it opens.
#include "MainTestSupport.h"

#include "foundation/Options.h"
#include "main/DlgDbSetting.h"

using LoginDialog = MainWindowTest;

TEST_F(LoginDialog, RefusedInputKeepsTheDialogOpenWithItsMessage) {
    struct Case {
        const char *user, *password, *message;
    } cases[] = {
        {"", "jjb2024", "请输入用户名！"},
        {"jjb", "", "请输入密码！"},
        {"jjb", "wrong", "用户名或密码错误!"},
        {"' or '1'='1", "' or '1'='1", "用户名或密码错误!"},
    };
    for (const Case& c : cases) {
        ui::TestDriver script;
        bool stayedOpen = false;
        script.OnModal<CDlgLogin>([&](CDlgLogin& dlg) {
            dlg.SetDlgItemText(CDlgLogin::IDC_USER, c.user);
            dlg.SetDlgItemText(CDlgLogin::IDC_PASSWORD, c.password);
            dlg.Click(IDOK);
            stayedOpen = dlg.IsRunningModal();
            EXPECT_EQ(dlg.GetDlgItemText(CDlgLogin::IDC_USER), c.user);  // the fields keep their texts
            dlg.Click(IDCANCEL);
        });
        script.ExpectMessageBox("Tessaly", c.message);
        EXPECT_EQ(CDlgLogin().DoModal(), IDCANCEL) << c.user;
        EXPECT_TRUE(stayedOpen) << c.user;
        EXPECT_TRUE(script.Finished()) << c.user;
        EXPECT_EQ(UserRole, -1);
    }
}

TEST_F(LoginDialog, MissingDatabaseGivesBothMessagesInOrder) {
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    ScriptLogin("jjb", "jjb2024");
    driver.ExpectMessageBox("Tessaly", "连接数据库失败！");
    driver.ExpectMessageBox("Tessaly", "用户名或密码错误!");
    EXPECT_EQ(CDlgLogin().DoModal(), IDCANCEL);
    EXPECT_TRUE(driver.Finished());
}

// The settings record keeps the user only once the start has its main
// window (FrameLoaderTest): a login alone records nothing.
TEST_F(LoginDialog, SuccessSetsUserAndRoleAndLeavesTheSettingsRecordToTheStart) {
    ScriptLogin("sbdw", "sbdw2024");
    EXPECT_EQ(CDlgLogin().DoModal(), IDOK);
    EXPECT_EQ(g_strUserName, "sbdw");
    EXPECT_EQ(UserRole, 1);
    const COptions options;
    EXPECT_NE(options.GetUserName(), "sbdw");
}

TEST_F(LoginDialog, SettingsButtonShowsAndStoresTheDatabaseTexts) {
    {
        COptions options;
        options.SetDataSource("orcl");
        options.SetUserId("scott");
        options.SetDbPassword("tiger");
        options.Save();
    }
    driver.OnModal<CDlgLogin>([](CDlgLogin& login) { login.Click(CDlgLogin::IDC_SETTINGS); login.Click(IDCANCEL); });
    driver.OnModal<CDlgDbSetting>([](CDlgDbSetting& settings) {
        EXPECT_EQ(settings.GetDlgItemText(1044), "orcl");
        EXPECT_EQ(settings.GetDlgItemText(1045), "scott");
        EXPECT_EQ(settings.GetDlgItemText(1047), "tiger");
        settings.SetDlgItemText(1044, "db2");
        settings.SetDlgItemText(1047, "secret");
        settings.Click(IDOK);
    });
    CDlgLogin().DoModal();
    const COptions options;
    EXPECT_EQ(options.GetDataSource(), "db2");
    EXPECT_EQ(options.GetUserId(), "scott");
    EXPECT_EQ(options.GetDbPassword(), "secret");
}
