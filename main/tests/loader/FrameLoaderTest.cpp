// The program as it is linked: the start-up and the login without the frame,
// which comes from libCorvaneFrame.so in the program folder once the login
// has succeeded.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QWidget>
#include <cstdlib>
#include <filesystem>

#include "foundation/Options.h"
#include "main/CorvaneApp.h"
#include "main/CurrentUser.h"
#include "main/DlgLogin.h"
#include "main/MainFrameStart.h"
#include "platform/ui/App.h"
#include "platform/ui/OutlookBar.h"
#include "platform/ui/Resources.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TestDriverGTest.h"
#include "testsupport/InstalledFolder.h"

namespace fs = std::filesystem;

namespace {

template <typename Bar>
Bar* FindChild(ui::Wnd& frame) {
    for (QWidget* widget : frame.GetWidget()->findChildren<QWidget*>())
        if (auto* bar = dynamic_cast<Bar*>(ui::Wnd::FromWidget(widget))) return bar;
    return nullptr;
}

bool IsLoaded(const char* library) {
    void* handle = dlopen(library, RTLD_NOW | RTLD_NOLOAD);
    if (handle) dlclose(handle);
    return handle != nullptr;
}

}  // namespace

class FrameLibrary : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        g_strUserName.clear();
        UserRole = -1;
    }

    // The built libraries beside the program, as the build lays them out.
    void InstallLibraries() {
        for (const auto& entry : fs::directory_iterator(fs::path(FRAME_LIBRARY).parent_path())) {
            if (entry.path().extension() == ".so")
                fs::create_symlink(entry.path(), fs::path(Folder()) / entry.path().filename());
        }
    }
};

TEST_F(FrameLibrary, TheModuleLibrariesWaitForTheLoginAndTheFrameGetsTheUser) {
    InstallLibraries();
    ui::EnsureApplication();
    EXPECT_FALSE(IsLoaded("libQuillet.so"));
    EXPECT_FALSE(IsLoaded("libplatform_office.so"));

    CCorvaneApp app;
    ui::TestDriver driver;
    driver.OnModal<CDlgLogin>([](CDlgLogin& dlg) {
        EXPECT_FALSE(IsLoaded("libCorvaneFrame.so"));  // the login dialog needs none of it
        dlg.SetDlgItemText(CDlgLogin::IDC_USER, "sbdw");
        dlg.SetDlgItemText(CDlgLogin::IDC_PASSWORD, "sbdw2024");
        dlg.Click(IDOK);
    });
    ASSERT_TRUE(app.InitInstance());
    EXPECT_TRUE(IsLoaded("libQuillet.so"));
    // The start succeeded: the settings record keeps its user for the next one.
    EXPECT_EQ(COptions().GetUserName(), "sbdw");
    EXPECT_EQ(COptions().GetRole(), 1);

    // The library's frame is built for the user who logged in here. Its class
    // is the library's own: the test finds its bars among the windows.
    ui::Wnd* frame = app.GetMainWnd();
    ASSERT_NE(frame, nullptr);
    auto* status = FindChild<ui::StatusBar>(*frame);
    auto* outlook = FindChild<ui::OutlookBar>(*frame);
    ASSERT_TRUE(status && outlook);
    EXPECT_EQ(status->GetPaneText(2), "当前用户：sbdw");
    ASSERT_EQ(outlook->GetPageCount(), 1);
    EXPECT_EQ(outlook->GetPageName(0), "项目申报");
    // Its outlook icons are the program's pictures, drawn by the library.
    constexpr int kApplicationButtonIcon = 186;  // 项目申请, the group's first button
    EXPECT_EQ(outlook->GetButtons(0).front().text, "项目申请");
    EXPECT_FALSE(ui::LoadIcon(kApplicationButtonIcon).image.isNull());
    EXPECT_EQ(outlook->GetButtonIcon(0, 0).image, ui::LoadIcon(kApplicationButtonIcon).image);
    app.ExitInstance();
}

// Without the library the start ends after the login with the loader's reason
// (in a process of its own: a loaded library stays loaded).
TEST_F(FrameLibrary, MissingLibraryEndsTheStartWithItsReason) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(NewMainFrame() ? 0 : 3), testing::ExitedWithCode(3), "libCorvaneFrame\\.so");
}

// A login whose start cannot load the frame says so in a message box naming
// the library, and is not kept in the settings record as a successful start.
TEST_F(FrameLibrary, AStartWithoutItsFrameLibrarySaysSoAndRecordsNoLogin) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ui::EnsureApplication();
            CCorvaneApp app;
            bool told = false;
            {
                ui::TestDriver driver([](const std::string&) { std::exit(4); });
                driver.OnModal<CDlgLogin>([](CDlgLogin& dlg) {
                    dlg.SetDlgItemText(CDlgLogin::IDC_USER, "sbdw");
                    dlg.SetDlgItemText(CDlgLogin::IDC_PASSWORD, "sbdw2024");
                    dlg.Click(IDOK);
                });
                driver.AnswerMessageBox(IDOK);
                if (app.InitInstance()) std::exit(5);
                const auto boxes = driver.MessageBoxes();
                told = boxes.size() == 1 && boxes[0].caption == "Tessaly" &&
                       boxes[0].text.find("libCorvaneFrame.so") != std::string::npos;
            }
            std::exit(told && COptions().GetUserName() != "sbdw" ? 3 : 6);
        },
        testing::ExitedWithCode(3), "");
}
