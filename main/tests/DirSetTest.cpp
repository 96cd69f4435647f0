// The three save-folder dialogs.
#include "MainTestSupport.h"

#include "foundation/Options.h"
#include "main/Commands.h"
#include "main/DlgDirSet.h"

namespace {

struct FolderCommand {
    int command;
    const char* browseTitle;
    std::string (COptions::*get)() const;
    const char* defaultFolder;
};

const FolderCommand kFolderCommands[] = {
    {cmd::kAppDirSet, "请选择项目申请书保存路径", &COptions::GetAppDir, "申请书汇总"},
    {cmd::kProgressDirSet, "请选择项目阶段进展报告保存路径", &COptions::GetProgressDir, "阶段进展报告"},
    {cmd::kAcceptDirSet, "请选择项目验收总结报告保存路径", &COptions::GetAcceptDir, "验收总结报告"},
};

}  // namespace

using DirSet = MainWindowTest;

TEST_F(DirSet, ChosenOrTypedFolderIsStoredWithOneTrailingSeparator) {
    CMainFrame& main = OpenFrame(2);
    for (const FolderCommand& c : kFolderCommands) {
        SCOPED_TRACE(c.browseTitle);
        // A fresh install: the dialog shows the folder of the program folder that is used.
        const std::string defaultFolder = sys::JoinPath(sys::ProgramFolder(), c.defaultFolder) + "/";
        driver.OnModal<CDlgDirSet>([&](CDlgDirSet& dlg) {
            EXPECT_EQ(dlg.GetDlgItemText(CDlgDirSet::IDC_FOLDER), defaultFolder);
            dlg.Click(IDCANCEL);
        });
        main.SendMessage(WM_COMMAND, MAKEWPARAM(c.command, 0));

        // Chosen in the chooser: the edit shows it with the separator added.
        driver.OnModal<CDlgDirSet>([](CDlgDirSet& dlg) {
            dlg.Click(CDlgDirSet::IDC_BROWSE);
            EXPECT_EQ(dlg.GetDlgItemText(CDlgDirSet::IDC_FOLDER), "/srv/data\\");
            dlg.Click(IDOK);
        });
        driver.AnswerFolder("/srv/data");
        main.SendMessage(WM_COMMAND, MAKEWPARAM(c.command, 0));
        EXPECT_EQ((COptions().*c.get)(), "/srv/data\\");
        EXPECT_EQ(driver.Calls().back().kind, "Folder");
        EXPECT_EQ(driver.Calls().back().caption, c.browseTitle);

        // The dialog shows the stored folder; an emptied edit restores the default
        // (it stored the root folder "\\" once).
        driver.OnModal<CDlgDirSet>([](CDlgDirSet& dlg) {
            EXPECT_EQ(dlg.GetDlgItemText(CDlgDirSet::IDC_FOLDER), "/srv/data\\");
            dlg.SetDlgItemText(CDlgDirSet::IDC_FOLDER, "  ");
            dlg.Click(IDOK);
        });
        main.SendMessage(WM_COMMAND, MAKEWPARAM(c.command, 0));
        EXPECT_EQ((COptions().*c.get)(), defaultFolder);
    }
}

TEST_F(DirSet, CancelledChooserAndCancelledDialogChangeNothing) {
    CMainFrame& main = OpenFrame(1);
    {
        COptions options;
        options.SetAppDir("/home/me/");
        options.Save();
    }
    driver.OnModal<CDlgDirSet>([](CDlgDirSet& dlg) {
        dlg.Click(CDlgDirSet::IDC_BROWSE);  // the chooser is cancelled
        EXPECT_EQ(dlg.GetDlgItemText(CDlgDirSet::IDC_FOLDER), "/home/me/");
        dlg.SetDlgItemText(CDlgDirSet::IDC_FOLDER, "/elsewhere");
        dlg.Click(IDCANCEL);
    });
    driver.AnswerFolder("");
    main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kAppDirSet, 0));
    EXPECT_EQ(COptions().GetAppDir(), "/home/me/");
}
