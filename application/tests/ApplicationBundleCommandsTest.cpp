// The project list's export and import commands: refusals, the dated export
// folder, a failing project ending the export, import runs over a folder with
// the count, the log and the scratch files.
#include <QTimer>

#include <tuple>

#include "ExchangeTestSupport.h"
#include "platform/ui/App.h"
#include "application/ApplicationBundleCommands.h"
#include "application/ApplicationImportCheck.h"
#include "application/ProjectApplicationBundle.h"
#include "foundation/LengthPrefixedContainer.h"
#include "platform/sys/Process.h"
#include "platform/text/DateTime.h"

namespace {

constexpr const char* kFirst = "9140A010108080001001";
constexpr const char* kSecond = "9140A010108080001002";

class BundleCommands : public ExchangeTest {
protected:
    std::string TodaysFolder() const {
        return ApplicationBundleCommands::ExportFolder(files.Path(), text::DateTime::Now().Format("%Y-%m-%d"));
    }

    ApplicationBundleCommands commands{connection};
};

TEST_F(BundleCommands, ExportWithoutTickedProjectsAsksForNoFolder) {
    driver.ExpectMessageBox("提示", "请先选择要导出的记录！");
    commands.OnBtnProexp({});
    EXPECT_EQ(driver.MessageBoxes().at(0).type, UINT(MB_ICONERROR));

    driver.AnswerFolder("");  // cancelled: nothing else happens
    commands.OnBtnProexp({kFirst});
    EXPECT_TRUE(sys::ListFiles(files.Path(), "").empty());
}

TEST_F(BundleCommands, ExportWritesOneBundlePerTickedProjectIntoTheDatedFolder) {
    StoreProject(kFirst);
    StoreProject(kSecond);
    driver.AnswerFolder(files.Path());
    driver.ExpectMessageBox("提示", "上报文件导出完成！\r\n文件保存在：" +
                                        files.File(text::DateTime::Now().Format("%Y-%m-%d") + "上报项目申请书"));
    commands.OnBtnProexp({kSecond, kFirst});

    EXPECT_EQ(TodaysFolder(), files.File(text::DateTime::Now().Format("%Y-%m-%d") + "上报项目申请书"));
    EXPECT_EQ(sys::ListFiles(TodaysFolder(), ""),
              (std::vector<std::string>{std::string(kFirst) + ".proapp", std::string(kSecond) + ".proapp"}));
}

TEST_F(BundleCommands, AProjectThatCannotBeExportedEndsTheExport) {
    StoreProject(kFirst);
    StoreProject(kSecond);
    driver.AnswerFolder(files.Path());
    driver.ExpectMessageBox("提示", "项目编号为gone的上报文件导出失败！");
    commands.OnBtnProexp({kFirst, "gone", kSecond});
    EXPECT_EQ(sys::ListFiles(TodaysFolder(), ""), std::vector<std::string>{std::string(kFirst) + ".proapp"});
}

TEST_F(BundleCommands, ImportRunCountsTheImportedBundlesAndOpensTheLogForTheFundOffice) {
    exchangetest::SetRole(2);
    StoreProject(kFirst, exchangetest::WithCodesOf(kFirst));
    StoreProject(kSecond, exchangetest::WithCodesOf(kSecond));
    testsupport::TempFolder in;
    ProjectApplicationBundle bundle(connection);
    ASSERT_TRUE(bundle.Export(kFirst, in.Path()) && bundle.Export(kSecond, in.Path()));
    ASSERT_TRUE(sys::WriteFileAtomic(in.File("broken.proapp"), "xx"));
    ASSERT_TRUE(sys::WriteFileAtomic(in.File("other.txt"), "not a bundle"));
    ASSERT_TRUE(sys::WriteFileAtomic(ApplicationImportCheck::LogPath(), "old run"));

    driver.AnswerFolder(in.Path());
    driver.ExpectMessageBox("提示", "载入数据文件失败！");
    driver.ExpectMessageBox("提示", "共导入了2条数据！");
    EXPECT_TRUE(commands.OnBtnImport());

    EXPECT_EQ(Codes().size(), 4u);
    EXPECT_EQ(driver.ShellOpens(), std::vector<std::string>{ApplicationImportCheck::LogPath()});
    std::string log;
    ASSERT_TRUE(sys::ReadFile(ApplicationImportCheck::LogPath(), log));
    EXPECT_EQ(log.rfind("导入文件：", 0), 0u);  // the old run's text is gone
    EXPECT_FALSE(sys::FileExists(sys::ScratchPath("项目申请书.xml")));
    EXPECT_FALSE(sys::FileExists(sys::ScratchPath("申请人员.xml")));
}

// A folder import shows its progress, one step per bundle, and the window
// lives meanwhile: a timer of the window fires between the bundles.
TEST_F(BundleCommands, ImportRunShowsItsProgressAndKeepsTheWindowAlive) {
    exchangetest::SetRole(0);
    StoreProject(kFirst, exchangetest::WithCodesOf(kFirst));
    StoreProject(kSecond, exchangetest::WithCodesOf(kSecond));
    testsupport::TempFolder in;
    ProjectApplicationBundle bundle(connection);
    ASSERT_TRUE(bundle.Export(kFirst, in.Path()) && bundle.Export(kSecond, in.Path()));
    Exec("delete from corvane_itemappinfo");
    ui::EnsureApplication();
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(0);

    driver.AnswerFolder(in.Path());
    driver.ExpectMessageBox("提示", "共导入了2条数据！");
    EXPECT_TRUE(commands.OnBtnImport());
    const std::string first = std::string(kFirst) + ".proapp", second = std::string(kSecond) + ".proapp";
    std::vector<std::tuple<std::string, std::string, int, int, bool>> shown;
    for (const ui::ProgressState& s : driver.Progress()) shown.emplace_back(s.caption, s.item, s.done, s.total, s.open);
    EXPECT_EQ(shown, (std::vector<std::tuple<std::string, std::string, int, int, bool>>{
                         {"导入项目申请书", "", 0, 2, true},
                         {"导入项目申请书", first, 0, 2, true},
                         {"导入项目申请书", second, 1, 2, true},
                         {"导入项目申请书", second, 1, 2, false}}));
    EXPECT_GE(ticks, 2);
}

TEST_F(BundleCommands, ImportRunWithoutProblemsOpensNothing) {
    exchangetest::SetRole(0);
    StoreProject(kFirst, exchangetest::WithCodesOf(kFirst));
    testsupport::TempFolder in;
    ASSERT_TRUE(ProjectApplicationBundle(connection).Export(kFirst, in.Path()));
    Exec("delete from corvane_itemappinfo");

    driver.AnswerFolder(in.Path());
    driver.ExpectMessageBox("提示", "共导入了1条数据！");
    EXPECT_TRUE(commands.OnBtnImportPartial());
    EXPECT_EQ(Codes(), (Rows{{kFirst}}));  // the partial import kept the free number
    EXPECT_TRUE(driver.ShellOpens().empty());
}

TEST_F(BundleCommands, ImportRunNamesTheBundlesWhoseWriteFailed) {
    exchangetest::SetRole(0);
    StoreProject(kFirst, exchangetest::WithCodesOf(kFirst, {{"XMMC", "拒收"}}));
    StoreProject(kSecond, exchangetest::WithCodesOf(kSecond));
    testsupport::TempFolder in;
    ProjectApplicationBundle bundle(connection);
    ASSERT_TRUE(bundle.Export(kFirst, in.Path()) && bundle.Export(kSecond, in.Path()));
    Exec("delete from corvane_itemappinfo");
    Exec("create trigger refuse before insert on CORVANE_ITEMAPPINFO when NEW.XMMC = '拒收' "
         "begin select raise(abort, 'refused'); end");

    driver.AnswerFolder(in.Path());
    driver.ExpectMessageBox("提示", std::string("共导入了1条数据！\r\n以下文件写入数据库失败，未导入：\r\n") + kFirst +
                                        ".proapp");
    EXPECT_TRUE(commands.OnBtnImport());
    EXPECT_EQ(Codes().size(), 1u);
}

// Every bundle the run leaves out is shown as before; at the fund office its
// file and reason also stand in the log, one block each in the order of the
// run, after the checks' blocks, and the log is opened even when no check
// found a problem. An applicant unit sees the messages only.
TEST_F(BundleCommands, TheFundOfficesLogNamesEveryRefusedBundleWithItsReason) {
    // The good bundle's guide is published for its unit and category: no check finds a problem.
    Exec("insert into corvane_year_studyaspect (YJFXBH, FBNF, DWDM, SFZDYJFX) values ('9140A010108', '2008', ' ', '0')");
    StoreProject(kFirst, exchangetest::WithCodesOf(kFirst, {{"XMLB", "共性技术基金——一般项目"}}));
    StoreProject(kSecond, exchangetest::WithCodesOf(kSecond, {{"DWDM", "０００１"}}));
    const std::string otherUnit = "9140A010108080002001";
    StoreProject(otherUnit, exchangetest::WithCodesOf(otherUnit, {{"DWDM", "0001"}}));
    const std::string refusedByTheDatabase = "9140A010108080001003";
    StoreProject(refusedByTheDatabase, exchangetest::WithCodesOf(refusedByTheDatabase, {{"XMMC", "拒收"}, {"XMLB", "共性技术基金——一般项目"}}));
    testsupport::TempFolder exported;
    std::map<std::string, std::string> bytes;
    for (const std::string& code : {std::string(kFirst), std::string(kSecond), otherUnit, refusedByTheDatabase}) {
        ASSERT_TRUE(ProjectApplicationBundle(connection).Export(code, exported.Path()));
        ASSERT_TRUE(sys::ReadFile(exported.File(ProjectApplicationBundle::FileName(code)), bytes[code]));
    }
    std::vector<std::string> parts;
    ASSERT_EQ(LengthPrefixedContainer::Unpack(bytes[kFirst], std::nullopt, 2, parts),
              LengthPrefixedContainer::ReadResult::Ok);
    Exec("delete from corvane_itemappinfo");
    Exec("delete from corvane_project_sqcy");
    Exec("create trigger refuse before insert on CORVANE_ITEMAPPINFO when NEW.XMMC = '拒收' "
         "begin select raise(abort, 'refused'); end");

    struct Case {
        std::string file, bytes;
        std::string message;  // shown when it is refused; empty: shown in the report only
        std::string reason;   // the log's line
    };
    const std::string disagrees = "中的项目编号" + otherUnit + "与其指南代码、年份及单位代码不符，未导入！";
    const std::vector<Case> refused = {
        {"a.proapp", "not a bundle", "载入数据文件失败！", "载入数据文件失败！"},
        {"b.proapp", LengthPrefixedContainer::Pack(std::nullopt, {parts[1], parts[0]}),
         "文件b.proapp不是项目申请书文件，未导入！", "文件b.proapp不是项目申请书文件，未导入！"},
        {"c.proapp", bytes[otherUnit], "文件c.proapp" + disagrees, "文件c.proapp" + disagrees},
        {"d.proapp", bytes[kSecond], "d.proapp：单位代码只能由英文字母和数字组成！",
         "d.proapp：单位代码只能由英文字母和数字组成！"},
        {"e.proapp", bytes[refusedByTheDatabase], "", "写入数据库失败，未导入！"},
    };
    testsupport::TempFolder in;
    for (const Case& c : refused) ASSERT_TRUE(sys::WriteFileAtomic(in.File(c.file), c.bytes));
    ASSERT_TRUE(sys::WriteFileAtomic(in.File("f.proapp"), bytes[kFirst]));  // the good one

    for (int role : {2, 1}) {
        SCOPED_TRACE(role);
        exchangetest::SetRole(role);
        if (role == 1) Exec("insert into corvane_unit (DWDM) values ('0001')");
        Exec("delete from corvane_itemappinfo");
        Exec("delete from corvane_project_sqcy");
        driver.AnswerFolder(in.Path());
        std::string log;
        for (const Case& c : refused) {
            if (!c.message.empty()) driver.ExpectMessageBox("提示", c.message);
            log += "导入文件：" + in.File(c.file) + "\n" + c.reason + "\n\n\n";
        }
        driver.ExpectMessageBox("提示", "共导入了1条数据！\r\n以下文件写入数据库失败，未导入：\r\ne.proapp");
        const std::size_t opened = driver.ShellOpens().size();
        EXPECT_TRUE(commands.OnBtnImportPartial());
        EXPECT_TRUE(driver.Finished());

        EXPECT_EQ(Codes(), (Rows{{kFirst}}));
        std::string written;
        sys::ReadFile(ApplicationImportCheck::LogPath(), written);
        EXPECT_EQ(written, role == 2 ? log : "");
        EXPECT_EQ(driver.ShellOpens().size(), opened + (role == 2 ? 1 : 0));
    }
}

TEST_F(BundleCommands, AFolderWithoutBundlesReportsNoneAndKeepsTheOldLog) {
    exchangetest::SetRole(2);
    ASSERT_TRUE(sys::WriteFileAtomic(ApplicationImportCheck::LogPath(), "old run"));
    driver.AnswerFolder(files.Path());
    driver.ExpectMessageBox("提示", "共导入了0条数据！");
    EXPECT_TRUE(commands.OnBtnImportPartial());
    std::string log;
    ASSERT_TRUE(sys::ReadFile(ApplicationImportCheck::LogPath(), log));
    EXPECT_EQ(log, "old run");

    driver.AnswerFolder("");
    EXPECT_FALSE(commands.OnBtnImport());
}

}  // namespace
