// Message boxes, choosers and shell open go through the services, so that a
// test answers them and reads what was asked.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "platform/sys/Sys.h"
#include "platform/ui/App.h"
#include "platform/ui/TestDriverGTest.h"

using namespace ui;

namespace {

TEST(MessageBoxTest, AnsweredInOrderAndRecordedWithCaptionTextAndButtons) {
    TestDriver driver;
    driver.ExpectMessageBox("提示", "确定删除所选记录？", IDYES);
    driver.ExpectMessageBox("提示", "共导出了3条数据！");
    EXPECT_EQ(MessageBox("确定删除所选记录？", "提示", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(MessageBox("共导出了3条数据！", "提示", MB_ICONINFORMATION), IDOK);

    const auto boxes = driver.MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "提示");
    EXPECT_EQ(boxes[0].text, "确定删除所选记录？");
    EXPECT_EQ(boxes[0].type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(boxes[0].answer, IDYES);
    EXPECT_TRUE(driver.Finished());
}

TEST(MessageBoxTest, AWrongTextOrAnUnexpectedBoxFailsTheTest) {
    std::vector<std::string> failures;
    {
        TestDriver driver([&failures](const std::string& m) { failures.push_back(m); });
        driver.ExpectMessageBox("提示", "请输入用户名！");
        EXPECT_EQ(MessageBox("请输入密码！", "提示"), IDOK);
        // No answer left: the box goes as closed, No for a Yes/No box.
        EXPECT_EQ(MessageBox("已存在，是否覆盖原有记录？", "提示", MB_YESNO), IDNO);
    }
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_NE(failures[0].find("请输入用户名！"), std::string::npos);
    EXPECT_NE(failures[1].find("unexpected message box"), std::string::npos);
}

TEST(MessageBoxTest, WithoutCaptionTheApplicationTitleIsUsed) {
    struct TitledApp : App {} app;
    app.SetTitle("Tessaly");
    TestDriver driver;
    driver.ExpectMessageBox("Tessaly", "连接数据库失败！");
    AfxMessageBox("连接数据库失败！");
}

TEST(FileDialogTest, ParsesTheFilterAndAddsTheDefaultExtension) {
    const auto pairs = ParseFileFilter("单位信息文件(*.uif)|*.uif|所有文件(*.*)|*.*||");
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].first, "单位信息文件(*.uif)");
    EXPECT_EQ(pairs[0].second, "*.uif");
    EXPECT_EQ(pairs[1].second, "*.*");

    struct Case {
        const char* chosen;
        const char* path;
    };
    const Case cases[] = {
        {"/tmp/out/单位信息", "/tmp/out/单位信息.uif"},
        {"/tmp/out/单位信息.uif", "/tmp/out/单位信息.uif"},
        {"/tmp/out.d/list", "/tmp/out.d/list.uif"},
        {"C:\\data\\a.xml", "C:/data/a.xml"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        TestDriver driver;
        driver.AnswerFile(c.chosen);
        FileDialog dlg(FALSE, "uif", "单位信息.uif", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "单位信息文件(*.uif)|*.uif||");
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.GetPathName(), c.path);
        ASSERT_EQ(driver.FileRequests().size(), 1u);
        const FileRequest& asked = driver.FileRequests()[0];
        EXPECT_FALSE(asked.open);
        EXPECT_EQ(asked.defaultName, "单位信息.uif");
        EXPECT_EQ(asked.filter, "单位信息文件(*.uif)|*.uif||");
        EXPECT_TRUE(asked.flags & OFN_OVERWRITEPROMPT);
    }
}

TEST(FileDialogTest, NamesOfTheChosenFileAndCancel) {
    TestDriver driver;
    driver.AnswerFile("/home/u/指南/2008年度.fund");
    driver.CancelFile();
    FileDialog open(TRUE, "fund", "", OFN_HIDEREADONLY, "指南文件(*.fund)|*.fund||");
    ASSERT_EQ(open.DoModal(), IDOK);
    EXPECT_EQ(open.GetFileName(), "2008年度.fund");
    EXPECT_EQ(open.GetFileTitle(), "2008年度");
    EXPECT_EQ(open.GetFileExt(), "fund");
    EXPECT_EQ(open.GetFolderPath(), "/home/u/指南");
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    EXPECT_EQ(open.GetPathName(), "");
}

TEST(ChooserTest, FolderColourFontAndShellOpenAreAnsweredAndRecorded) {
    TestDriver driver;
    driver.AnswerFolder("/home/u/导出");
    driver.AnswerFolder("");
    driver.AnswerColor(RGB(255, 0, 0));
    FontSpec chosenFont;
    chosenFont.face = "仿宋_GB2312";
    chosenFont.pointSize = 14;
    driver.AnswerFont(chosenFont);

    EXPECT_EQ(BrowseForFolder("请选择导出的文件夹"), "/home/u/导出");
    EXPECT_EQ(BrowseForFolder("请选择导出的文件夹"), "");
    COLORREF color = 0;
    EXPECT_TRUE(ChooseColor(RGB(0, 0, 0), color));
    EXPECT_EQ(color, RGB(255, 0, 0));
    FontSpec font;
    EXPECT_TRUE(ChooseFont(font));
    EXPECT_EQ(font.face, "仿宋_GB2312");
    EXPECT_EQ(font.pointSize, 14);

    EXPECT_TRUE(ShellOpen("C:\\prog\\用户手册.doc"));
    EXPECT_EQ(driver.ShellOpens(), (std::vector<std::string>{"C:/prog/用户手册.doc"}));
    EXPECT_EQ(driver.Calls()[0].caption, "请选择导出的文件夹");
}

}  // namespace

namespace {

// The standard dialogs (choosers, colour and font pickers) speak Chinese.
// Long work shows its progress through the services: opened with the total,
// advanced item by item with the events handled in between, closed at the end.
TEST(ProgressTest, ShownAdvancedAndClosedWithTheEventsHandledBetweenItems) {
    EnsureApplication();
    TestDriver driver;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(0);
    std::vector<int> ticksAtItem;
    {
        ProgressDialog progress("导入", 3);
        for (const char* item : {"a", "b", "c"}) {
            progress.Next(item);
            ticksAtItem.push_back(ticks);
        }
    }
    ASSERT_EQ(driver.Progress().size(), 5u);
    std::vector<std::string> items;
    std::vector<int> done;
    for (const ProgressState& s : driver.Progress()) {
        EXPECT_EQ(s.caption, "导入");
        EXPECT_EQ(s.total, 3);
        items.push_back(s.item);
        done.push_back(s.done);
    }
    EXPECT_EQ(items, (std::vector<std::string>{"", "a", "b", "c", "c"}));
    EXPECT_EQ(done, (std::vector<int>{0, 0, 1, 2, 2}));
    EXPECT_TRUE(driver.Progress()[3].open);
    EXPECT_FALSE(driver.Progress()[4].open);
    EXPECT_EQ(ticksAtItem, (std::vector<int>{1, 2, 3}));  // the timer ran at every item
}

// The program's own dialog: shown at once over the window, without a cancel
// button, and gone when the work ends.
TEST(ProgressTest, TheProgramShowsAQtProgressDialog) {
    auto visibleProgress = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<QProgressDialog*>(w); p && p->isVisible()) return p;
        return static_cast<QProgressDialog*>(nullptr);
    };
    {
        ProgressDialog progress("导入", 2);
        progress.Next("x.proapp");
        QProgressDialog* shown = visibleProgress();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->windowTitle().toStdString(), "导入");
        EXPECT_EQ(shown->labelText().toStdString(), "x.proapp（1/2）");
        EXPECT_EQ(shown->maximum(), 2);
        EXPECT_EQ(shown->value(), 0);
        progress.Next("y.proapp");
        EXPECT_EQ(shown->value(), 1);
    }
    EXPECT_EQ(visibleProgress(), nullptr);
}

TEST(StandardDialogs, QtsOwnTextsAreChinese) {
    EnsureApplication();
    for (auto [context, english] : {std::pair{"QFileDialog", "Look in:"}, std::pair{"QFileDialog", "Files of type:"},
                                    std::pair{"QPlatformTheme", "Cancel"}, std::pair{"QPlatformTheme", "Open"}})
        EXPECT_NE(QCoreApplication::translate(context, english).toStdString(), english) << context << " " << english;
}

}  // namespace

namespace ui {
Services& QtServicesInstance();  // the desktop's services, as the program uses them
}

namespace {

// The desktop's opener is a program found on PATH: one that ends in failure
// (no program for the kind of file) makes the user told where the file is,
// one that is missing gives false at once, one that succeeds says nothing.
TEST(DesktopOpen, AFailingOrMissingOpenerTellsWhereTheFileIs) {
    EnsureApplication();
    const std::string folder = sys::JoinPath(::testing::TempDir(), "opener-" + std::to_string(::getpid()));
    ASSERT_TRUE(sys::MakeDirs(folder));
    const std::string file = sys::JoinPath(folder, "报告-2026-01-01.xlsx");
    ASSERT_TRUE(sys::WriteFileAtomic(file, "bytes"));
    const char* pathBefore = std::getenv("PATH");
    const std::string savedPath = pathBefore ? pathBefore : "";
    const auto opener = [&](const char* exitCode) {
        const std::string script = sys::JoinPath(folder, "xdg-open");
        ASSERT_TRUE(sys::WriteFileAtomic(script, std::string("#!/bin/sh\nexit ") + exitCode + "\n"));
        ASSERT_EQ(::chmod(script.c_str(), 0755), 0);
    };
    ::setenv("PATH", folder.c_str(), 1);

    TestDriver driver;
    // The opener's end reaches the program through its event loop.
    const auto runEvents = [](int milliseconds, const std::function<bool()>& done) {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < milliseconds) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QThread::msleep(5);
        }
    };
    const auto waitForOpener = [&] { runEvents(10000, [&] { return driver.Finished(); }); };
    opener("3");
    driver.ExpectMessageBox(AppTitle(), "文件已保存在：\n" + file + "\n\n系统中没有能打开它的程序，请到该位置查看。");
    EXPECT_TRUE(QtServicesInstance().ShellOpen(file, "open"));
    waitForOpener();
    EXPECT_TRUE(driver.Finished());

    opener("0");
    EXPECT_TRUE(QtServicesInstance().ShellOpen(file, "open"));
    runEvents(500, [] { return false; });
    EXPECT_TRUE(driver.MessageBoxes().size() == 1u) << "a working opener says nothing";

    ASSERT_TRUE(sys::RemoveFile(sys::JoinPath(folder, "xdg-open")));
    EXPECT_FALSE(QtServicesInstance().ShellOpen(file, "open"));
    ::setenv("PATH", savedPath.c_str(), 1);
    sys::RemoveAll(folder);
}

}  // namespace
