// Shared set-up of the main program's window tests: a fresh installed
// folder, the application object (for the title of message boxes), a test
// driver, and a logged-in user of a role with the main frame built for it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "foundation/AdoConnection.h"
#include "main/Commands.h"
#include "main/CorvaneApp.h"
#include "main/CurrentUser.h"
#include "main/DlgLogin.h"
#include "main/MainFrame.h"
#include "main/ViewTable.h"
#include "main/OutlookLayout.h"
#include "platform/sys/Sys.h"
#include "platform/ui/TestDriverGTest.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

// The installed users, one per role.
struct InstalledUser {
    const char* name;
    const char* password;
    int role;
};
inline constexpr InstalledUser kInstalledUsers[] = {
    {"zngl", "zngl2024", 0}, {"sbdw", "sbdw2024", 1}, {"jjb", "jjb2024", 2}};

// The commands that show a view in the pane, with their names: the outlook
// buttons' and the exchange commands'.
inline std::vector<std::pair<std::string, int>> ViewCommands(int role) {
    std::vector<std::pair<std::string, int>> commands;
    for (const OutlookGroupSpec& group : OutlookGroupsForRole(role))
        for (const OutlookButtonSpec& button : group.buttons) commands.emplace_back(button.text, button.command);
    for (int command : ExchangeCommands()) commands.emplace_back(ExchangeCommandText(command), command);
    return commands;
}

class MainWindowTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        g_strUserName.clear();
        UserRole = -1;
    }
    void TearDown() override {
        app.SetMainWnd(nullptr);
        frame.reset();
        InstalledFolder::TearDown();
    }

    // Scripts the login dialog to log in with these texts (and cancel when
    // the login is refused, so that no dialog stays open).
    void ScriptLogin(const std::string& user, const std::string& password) {
        driver.OnModal<CDlgLogin>([user, password](CDlgLogin& dlg) {
            dlg.SetDlgItemText(CDlgLogin::IDC_USER, user);
            dlg.SetDlgItemText(CDlgLogin::IDC_PASSWORD, password);
            dlg.Click(IDOK);
            if (dlg.IsRunningModal()) dlg.Click(IDCANCEL);
        });
    }

    // A main frame for an already logged-in user of the role.
    CMainFrame& OpenFrame(int role, const std::string& user = "tester") {
        UserRole = role;
        g_strUserName = user;
        frame = std::make_unique<CMainFrame>();
        EXPECT_TRUE(frame->Create("Tessaly", {0, 0, 1270, 850}));
        frame->ShowWindow(SW_SHOW);
        app.SetMainWnd(frame.get());  // the period dialog tells the main window
        return *frame;
    }

    // Shows each view of each installed user's role in turn, in a frame of
    // the role, and hands it to `check` with where it is ("jjb 项目申请").
    void ForEachView(const std::function<void(const std::string& where, ui::Wnd& view)>& check) {
        for (const InstalledUser& user : kInstalledUsers) {
            CMainFrame& main = OpenFrame(user.role, user.name);
            for (const auto& [name, command] : ViewCommands(user.role)) {
                const std::string where = std::string(user.name) + " " + name;
                main.SendMessage(WM_COMMAND, MAKEWPARAM(command, 0));
                ui::Wnd* view = main.GetPaneView();
                ASSERT_NE(view, nullptr) << where;
                check(where, *view);
            }
            frame.reset();
        }
    }

    // Runs a statement on, and puts rows into a table of, the installed project.mdb.
    void Execute(const std::string& sql) { testdb::Exec(sql); }
    void Seed(const testdb::Table& table) { testdb::Seed(table); }

    CCorvaneApp app;
    ui::TestDriver driver;
    std::unique_ptr<CMainFrame> frame;
};
