// The summary bundle: export of ticked documents into the dated folder,
// import with the overwrite question, the attachment kept in the row or
// extracted into the fund office's folder, the achievement rows the two
// documents share, and bundles refused with the database left as it was.
#include "FollowupFilesTestSupport.h"

#include <gtest/gtest-spi.h>
#include <signal.h>

#include "followup/SummaryBundle.h"
#include "foundation/LengthPrefixedContainer.h"
#include "foundation/StagedFile.h"
#include "platform/sys/Process.h"
#include "platform/ui/App.h"
#include "testsupport/CraftedBundle.h"

namespace {

constexpr const char* kNumber = "9140A01010108U001001";
constexpr const char* kOther = "9140B02020208U002001";
const std::string kRtf = "{\\rtf1\\ansi 完成情况}";
const std::string kIndicators = std::string("指标达到", 12) + '\0';
const std::string kAttachment = std::string("%PDF\0\x01\x02 bytes", 13);

using Variant = SummaryBundle::Variant;

}  // namespace

class SummaryBundleTest : public FollowupFilesTest {
protected:
    void SetUp() override {
        FollowupFilesTest::SetUp();
        SetRole(1);
        StoreRow("corvane_itemappinfo", {{"XMBH", kNumber}, {"XMLB", "共性技术基金——重点项目"}, {"XMMC", "甲"}});
    }

    void StoreSummary(const std::string& number, const std::string& name = "验收项目") {
        StoreRow("corvane_itemcheckaccept",
                 {{"XMBH", number}, {"BACKUPNAME", name}, {"SJWCR", "张三"}, {"ATTACHNAME", "报告.pdf"},
                  {"FINALSCORE", "91"}, {"WCSJ", "2010/01/02"}},
                 {{"WCQKJJ", kRtf}, {"ZBSXQK", kIndicators}, {"ATTACH", kAttachment}, {"YSJL", "{\\rtf1 结论}"}});
    }
    void StoreProgress(const std::string& number) {
        StoreRow("corvane_itemprogress", {{"XMBH", number}, {"BACKUPNAME", "进展"}, {"SJWCR", "李四"}},
                 {{"WCQKJJ", kRtf}});
    }
    void StoreAchievement(const std::string& number, const std::string& name) {
        StoreRow("corvane_cghz", {{"XMBH", number}, {"MC", name}, {"LX", "论文"}, {"TIME", "2010-05"}, {"BZ", "备注"}});
    }
    Rows Achievements(const std::string& number) {
        return Query("select MC, LX, TIME, BZ from corvane_cghz where xmbh='" + number + "' order by rowid");
    }
    Rows SummaryTexts(const std::string& number) {
        return Query("select BACKUPNAME, SJWCR, ATTACHNAME, FINALSCORE, WCSJ from corvane_itemcheckaccept where xmbh='" +
                     number + "'");
    }
    std::string SummaryBlob(const std::string& column) {
        return Blob(std::string("select * from corvane_itemcheckaccept where xmbh='") + kNumber + "'", column);
    }

    // Exports the numbers through the 导出 command into the scratch folder;
    // the folder of the bundles.
    std::string ExportAll(Variant variant, const std::vector<std::string>& numbers) {
        const bool acceptance = variant == Variant::AcceptanceSummary;
        driver.AnswerFolder(files.Path());
        const std::string folder = files.File(Today() + (acceptance ? "项目验收总结" : "阶段进展报告"));
        driver.ExpectMessageBox("提示", std::string(acceptance ? "项目验收总结导出完成！" : "阶段进展报告导出完成！") +
                                            "\r\n文件保存在：" + folder);
        SummaryBundle(connection, variant).OnBtnExport(numbers);
        return folder;
    }
    using Questions = std::vector<std::pair<std::string, int>>;
    // Imports every bundle of the folder through the 导入 command, answering
    // the questions (texts, caption "提示") in order.
    void ImportAll(Variant variant, const std::string& folder, int expectedCount, const Questions& questions = {}) {
        driver.AnswerFolder(folder);
        for (const auto& [question, answer] : questions) driver.ExpectMessageBox("提示", question, answer);
        driver.ExpectMessageBox("提示", "共导入了" + std::to_string(expectedCount) + "条数据！");
        EXPECT_TRUE(SummaryBundle(connection, variant).OnBtnImport());
    }
    static std::pair<std::string, int> Overwrite(const std::string& number, int answer) {
        return {"项目" + number + "的验收总结已存在，确定覆盖吗？", answer};
    }
};

TEST_F(SummaryBundleTest, ExportWritesOneBundlePerTickedDocumentAndImportReplacesTheWholeRow) {
    StoreSummary(kNumber);
    StoreAchievement(kNumber, "论文一");
    StoreAchievement(kNumber, "论文二");
    const std::string folder = ExportAll(Variant::AcceptanceSummary, {kNumber, kOther});  // kOther has no summary
    EXPECT_EQ(sys::ListFiles(folder, ""), std::vector<std::string>{std::string(kNumber) + ".prosum"});
    ASSERT_EQ(driver.Calls().front().caption, "请选择项目申请书保存路径");

    // The fund office graded the row and the achievements changed since.
    Exec("update corvane_itemcheckaccept set BACKUPNAME='改过', FINALSCORE='60'");
    StoreAchievement(kNumber, "新增");
    ImportAll(Variant::AcceptanceSummary, folder, 1, {Overwrite(kNumber, IDOK)});

    // Only the bundle's columns come back; the grading and the report columns are gone.
    EXPECT_EQ(SummaryTexts(kNumber), (Rows{{"验收项目", "张三", "报告.pdf", "", ""}}));
    EXPECT_EQ(SummaryBlob("WCQKJJ"), kRtf);
    EXPECT_EQ(SummaryBlob("ZBSXQK"), kIndicators);
    EXPECT_EQ(SummaryBlob("ATTACH"), kAttachment);  // an applicant unit keeps it in the row
    EXPECT_EQ(SummaryBlob("YSJL"), "");
    EXPECT_EQ(Achievements(kNumber), (Rows{{"论文一", "论文", "2010-05", "备注"}, {"论文二", "论文", "2010-05", "备注"}}));
    for (const char* scratch : {"验收总结.xml", "成果汇总.xml"}) {
        EXPECT_FALSE(sys::FileExists(PathOf(scratch))) << scratch;
        EXPECT_FALSE(sys::FileExists(sys::JoinPath(folder, scratch))) << scratch;
    }
}

TEST_F(SummaryBundleTest, ANullRichTextStaysNullAndAnEmptyOneEmpty) {
    StoreSummary(kNumber);
    Exec("update corvane_itemcheckaccept set ZBSXQK = NULL, WCQKJJ = X''");
    const std::string folder = ExportAll(Variant::AcceptanceSummary, {kNumber});
    Exec("delete from corvane_itemcheckaccept");
    ImportAll(Variant::AcceptanceSummary, folder, 1);
    EXPECT_EQ(Query("select ZBSXQK is null, length(WCQKJJ) from corvane_itemcheckaccept"), (Rows{{"1", "0"}}));
}

TEST_F(SummaryBundleTest, AMessageBoxAnswerWhereTheFolderChooserComesFailsTheTestCleanly) {
    StoreSummary(kNumber);
    const Rows before = SummaryTexts(kNumber);
    testing::TestPartResultArray failures;
    {
        testing::ScopedFakeTestPartResultReporter intercept(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        ui::TestDriver script;
        script.ExpectMessageBox("提示", "项目验收总结导出完成！");
        script.AnswerMessageBox(IDYES);
        SummaryBundle(connection, Variant::AcceptanceSummary).OnBtnExport({kNumber});
        EXPECT_FALSE(SummaryBundle(connection, Variant::AcceptanceSummary).OnBtnImport());
    }
    // Two unexpected folder choosers, two unused answers; both commands went as cancelled.
    ASSERT_EQ(failures.size(), 4);
    for (int i = 0; i < failures.size(); ++i) EXPECT_TRUE(failures.GetTestPartResult(i).nonfatally_failed());
    EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("unexpected folder chooser"), std::string::npos);
    EXPECT_TRUE(sys::ListFiles(files.Path(), "").empty());
    EXPECT_EQ(SummaryTexts(kNumber), before);
}

TEST_F(SummaryBundleTest, ExportingTheSameProjectAgainReplacesTheBundle) {
    StoreSummary(kNumber, "第一次");
    const std::string folder = ExportAll(Variant::AcceptanceSummary, {kNumber});
    Exec("update corvane_itemcheckaccept set BACKUPNAME='第二次'");
    ExportAll(Variant::AcceptanceSummary, {kNumber});
    Exec("delete from corvane_itemcheckaccept");
    ImportAll(Variant::AcceptanceSummary, folder, 1);
    EXPECT_EQ(SummaryTexts(kNumber).at(0).at(0), "第二次");
}

TEST_F(SummaryBundleTest, ExportRefusalsAndFailures) {
    StoreSummary(kNumber);
    driver.ExpectMessageBox("提示", "请先选择要导出的记录！");
    SummaryBundle(connection, Variant::AcceptanceSummary).OnBtnExport({});

    driver.AnswerFolder("");  // cancelled: nothing is written, nothing is said
    SummaryBundle(connection, Variant::AcceptanceSummary).OnBtnExport({kNumber});

    // A chosen "folder" that is a file: the first project fails and the export ends.
    sys::WriteFileAtomic(files.File("plain"), "x");
    driver.AnswerFolder(files.File("plain"));
    driver.ExpectMessageBox("提示", std::string("项目编号为") + kNumber + "的项目导出失败！");
    SummaryBundle(connection, Variant::AcceptanceSummary).OnBtnExport({kNumber});
    EXPECT_TRUE(driver.Finished());
}

TEST_F(SummaryBundleTest, FundOfficeExtractsTheAttachmentIntoTheProjectFolder) {
    StoreSummary(kNumber);
    StoreAchievement(kNumber, "论文一");
    const std::string folder = ExportAll(Variant::AcceptanceSummary, {kNumber});
    Exec("delete from corvane_itemcheckaccept");
    Exec("delete from corvane_cghz");
    SetRole(2);
    COptions options;
    options.SetAcceptDir(files.File("验收") + "\\");
    options.Save();

    ImportAll(Variant::AcceptanceSummary, folder, 1);
    const std::string attachment =
        files.File(std::string("验收/9140A01/重点项目/") + kNumber + "/所有文件/报告.pdf");
    EXPECT_EQ(ReadBytes(attachment), kAttachment);
    EXPECT_EQ(SummaryBlob("ATTACH"), "");
    EXPECT_EQ(SummaryTexts(kNumber).at(0).at(2), "报告.pdf");
    EXPECT_EQ(Achievements(kNumber).size(), 1u);

    // Again, declining to overwrite the file: the document row is new, the
    // achievement rows stay as they are and the bundle still counts.
    Exec("update corvane_itemcheckaccept set FINALSCORE='70'");
    StoreAchievement(kNumber, "本地");
    sys::WriteFileAtomic(attachment, "local copy");
    ImportAll(Variant::AcceptanceSummary, folder, 1,
              {Overwrite(kNumber, IDOK), {"附件\"报告.pdf\"已存在，确定覆盖吗？", IDCANCEL}});
    EXPECT_EQ(ReadBytes(attachment), "local copy");
    EXPECT_EQ(SummaryTexts(kNumber).at(0).at(3), "");
    EXPECT_EQ(Achievements(kNumber).size(), 2u);
}

// A fresh install has never set its save folders: the attachment goes to the
// program folder's own folder of the kind, made on the way.
TEST_F(SummaryBundleTest, FundOfficeWithoutASaveFolderPlacesTheAttachmentInTheProgramFolder) {
    StoreSummary(kNumber);
    StoreAchievement(kNumber, "论文一");
    StoreRow("corvane_itemprogress", {{"XMBH", kNumber}, {"BACKUPNAME", "进展"}, {"ATTACHNAME", "进展.pdf"}},
             {{"WCQKJJ", kRtf}, {"ATTACH", kAttachment}});
    const std::string folder = ExportAll(Variant::AcceptanceSummary, {kNumber});
    const std::string progressFolder = ExportAll(Variant::ProgressReport, {kNumber});
    Exec("delete from corvane_itemcheckaccept");
    Exec("delete from corvane_itemprogress");
    SetRole(2);
    ASSERT_EQ(COptions().GetAcceptDir(), sys::JoinPath(sys::ProgramFolder(), "验收总结报告") + "/");
    ImportAll(Variant::ProgressReport, progressFolder, 1);
    EXPECT_EQ(ReadBytes(sys::JoinPath(sys::ProgramFolder(), std::string("阶段进展报告/9140A01/重点项目/") + kNumber +
                                                              "/所有文件/进展.pdf")),
              kAttachment);
    ImportAll(Variant::AcceptanceSummary, folder, 1);
    EXPECT_EQ(ReadBytes(sys::JoinPath(sys::ProgramFolder(), std::string("验收总结报告/9140A01/重点项目/") + kNumber +
                                                              "/所有文件/报告.pdf")),
              kAttachment);
    EXPECT_EQ(SummaryTexts(kNumber).at(0).at(2), "报告.pdf");

    // A save folder that cannot be made: the record is kept out, the folder
    // and the reason said, and not counted.
    Exec("delete from corvane_itemcheckaccept");
    ASSERT_TRUE(sys::RemoveAll(sys::JoinPath(sys::ProgramFolder(), "验收总结报告")));
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(sys::ProgramFolder(), "验收总结报告"), "a file"));
    driver.AnswerFolder(folder);
    driver.ExpectMessageBox(ui::AppTitle(), "无法创建文件夹“" + sys::JoinPath(sys::ProgramFolder(), "验收总结报告") +
                                                "/9140A01/重点项目/" + kNumber +
                                                "/所有文件”：路径中已有同名的文件，不能作为文件夹！");
    driver.ExpectMessageBox("提示", std::string("共导入了0条数据！\r\n以下文件的附件无法保存，未导入：\r\n") + kNumber +
                                        ".prosum");
    SummaryBundle(connection, Variant::AcceptanceSummary).OnBtnImport();
    EXPECT_TRUE(SummaryTexts(kNumber).empty());
    sys::RemoveFile(sys::JoinPath(sys::ProgramFolder(), "验收总结报告"));
}

// A bundle whose write the database refuses is named in the report, and the
// fund office's attachment file is written only once the record is stored.
TEST_F(SummaryBundleTest, RefusedWriteIsNamedAndLeavesNoAttachmentFile) {
    StoreSummary(kNumber);
    const std::string folder = ExportAll(Variant::AcceptanceSummary, {kNumber});
    Exec("delete from corvane_itemcheckaccept");
    Exec("create trigger refuse before insert on corvane_itemcheckaccept begin select raise(abort, 'refused'); end");
    SetRole(2);
    COptions options;
    options.SetAcceptDir(files.File("验收") + "\\");
    options.Save();

    driver.AnswerFolder(folder);
    driver.ExpectMessageBox("提示", std::string("共导入了0条数据！\r\n以下文件写入数据库失败，未导入：\r\n") + kNumber +
                                        ".prosum");
    EXPECT_TRUE(SummaryBundle(connection, Variant::AcceptanceSummary).OnBtnImport());
    EXPECT_TRUE(SummaryTexts(kNumber).empty());
    EXPECT_FALSE(sys::FileExists(
        files.File(std::string("验收/9140A01/重点项目/") + kNumber + "/所有文件/报告.pdf")));
}

// A summary of a project that is not stored would leave its document and
// achievement rows to whichever project is next given the number: refused
// and named.
TEST_F(SummaryBundleTest, ASummaryOfAProjectNotStoredIsRefusedAndNamed) {
    StoreSummary(kNumber);
    StoreAchievement(kNumber, "论文甲");
    const std::string folder = ExportAll(Variant::AcceptanceSummary, {kNumber});
    for (const char* table : {"corvane_itemcheckaccept", "corvane_cghz", "corvane_itemappinfo"})
        Exec(std::string("delete from ") + table);
    driver.AnswerFolder(folder);
    driver.ExpectMessageBox("提示", std::string("共导入了0条数据！\r\n以下项目不存在，其数据未导入：\r\n") + kNumber);
    EXPECT_TRUE(SummaryBundle(connection, Variant::AcceptanceSummary).OnBtnImport());
    EXPECT_TRUE(driver.Finished());
    EXPECT_TRUE(SummaryTexts(kNumber).empty());
    EXPECT_TRUE(Achievements(kNumber).empty());
}

TEST_F(SummaryBundleTest, DeclinedOverwriteAndEmptyFolderImportNothing) {
    StoreSummary(kNumber);
    const std::string folder = ExportAll(Variant::AcceptanceSummary, {kNumber});
    Exec("update corvane_itemcheckaccept set FINALSCORE='70'");
    ImportAll(Variant::AcceptanceSummary, folder, 0, {Overwrite(kNumber, IDCANCEL)});
    EXPECT_EQ(SummaryTexts(kNumber).at(0).at(3), "70");

    ImportAll(Variant::AcceptanceSummary, files.File(""), 0);  // no .prosum files there
    driver.AnswerFolder("");
    EXPECT_FALSE(SummaryBundle(connection, Variant::AcceptanceSummary).OnBtnImport());
}

TEST_F(SummaryBundleTest, ProgressReportSharesTheProjectsAchievementRows) {
    StoreProgress(kNumber);  // no achievement rows: an empty second part
    const std::string folder = ExportAll(Variant::ProgressReport, {kNumber});
    StoreAchievement(kNumber, "由验收总结写入");
    Exec("update corvane_itemprogress set BACKUPNAME='改过'");
    ImportAll(Variant::ProgressReport, folder, 1, {Overwrite(kNumber, IDOK)});
    EXPECT_EQ(Query("select BACKUPNAME, SJWCR from corvane_itemprogress"), (Rows{{"进展", "李四"}}));
    EXPECT_EQ(Blob("select * from corvane_itemprogress", "WCQKJJ"), kRtf);
    EXPECT_TRUE(Achievements(kNumber).empty());
}

TEST_F(SummaryBundleTest, UnreadableBundlesLeaveTheDatabaseAsItWas) {
    StoreSummary(kNumber);
    StoreAchievement(kNumber, "论文一");
    const std::string acceptance = ExportAll(Variant::AcceptanceSummary, {kNumber}) + "/" + kNumber + ".prosum";
    StoreProgress(kNumber);
    const std::string progress = ExportAll(Variant::ProgressReport, {kNumber}) + "/" + kNumber + ".prosum";
    const std::string whole = ReadBytes(acceptance);
    std::vector<std::string> parts;
    ASSERT_EQ(LengthPrefixedContainer::Unpack(whole, std::nullopt, 2, parts), LengthPrefixedContainer::ReadResult::Ok);

    const std::string unreadable = "载入数据文件bad.prosum失败！";
    const std::string notAcceptance = "文件bad.prosum不是项目验收总结文件，未导入！";
    const struct {
        const char* what;
        std::string bytes;
        Variant variant;
        const std::string& message;
    } cases[] = {
        {"cut short", whole.substr(0, whole.size() - 10), Variant::AcceptanceSummary, unreadable},
        {"one part only", LengthPrefixedContainer::Pack(std::nullopt, {parts[0]}), Variant::AcceptanceSummary, unreadable},
        {"not a recordset", LengthPrefixedContainer::Pack(std::nullopt, {"garbage", parts[1]}), Variant::AcceptanceSummary,
         unreadable},
        {"broken second part", LengthPrefixedContainer::Pack(std::nullopt, {parts[0], "<xml"}), Variant::AcceptanceSummary,
         unreadable},
        // Files and parts of other kinds.
        {"a progress report", ReadBytes(progress), Variant::AcceptanceSummary, notAcceptance},
        {"an acceptance summary", whole, Variant::ProgressReport, "文件bad.prosum不是阶段进展报告文件，未导入！"},
        {"the document in the achievements' place", LengthPrefixedContainer::Pack(std::nullopt, {parts[0], parts[0]}),
         Variant::AcceptanceSummary, notAcceptance},
        {"the parts swapped", LengthPrefixedContainer::Pack(std::nullopt, {parts[1], parts[0]}), Variant::AcceptanceSummary,
         notAcceptance},
    };
    const Rows summaryBefore = SummaryTexts(kNumber);
    for (const auto& c : cases) {
        const std::string path = files.File("bad.prosum");
        sys::WriteFileAtomic(path, c.bytes);
        driver.ExpectMessageBox("提示", c.message);
        EXPECT_EQ(SummaryBundle(connection, c.variant).Import(path), 0) << c.what;
        EXPECT_EQ(SummaryTexts(kNumber), summaryBefore) << c.what;
        EXPECT_EQ(Achievements(kNumber).size(), 1u) << c.what;
        EXPECT_EQ(Query("select count(*) from corvane_itemprogress").at(0).at(0), "1") << c.what;
    }
}

// A bundle holds one project's document and that project's achievements.
// A document row of another project was dropped unsaid while the file
// counted as imported, and achievement rows of another project were filed
// under the bundle's; such files are refused whole. Rows naming no project
// are the bundle's; of two rows of the project's own the first is taken.
TEST_F(SummaryBundleTest, RowsOfAnotherProjectAreRefusedWhole) {
    StoreRow("corvane_itemappinfo", {{"XMBH", kOther}, {"XMLB", "共性技术基金——重点项目"}, {"XMMC", "乙"}});
    StoreSummary(kNumber);
    StoreAchievement(kNumber, "论文一");
    StoreSummary(kOther, "他项");
    StoreAchievement(kOther, "他文");
    const std::string exported = ExportAll(Variant::AcceptanceSummary, {kNumber}) + "/" + kNumber + ".prosum";
    const std::vector<std::string> parts = crafted::Parts(exported, std::nullopt, 2);
    ASSERT_EQ(parts.size(), 2u);
    auto withRowOf = [&](std::size_t part, const std::string& number) {
        std::vector<std::string> changed = parts;
        std::string row = changed[part].substr(changed[part].find("<z:row"));
        row = crafted::Replaced(row.substr(0, row.find("/>") + 2), kNumber, number);
        changed[part].insert(changed[part].find("<z:row"), row);
        return LengthPrefixedContainer::Pack(std::nullopt, changed);
    };
    Exec("update corvane_itemcheckaccept set BACKUPNAME='现有' where XMBH='" + std::string(kNumber) + "'");
    const std::string refused = "文件crafted.prosum中含有其他项目的记录，未导入！";
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"a second document row of another project", withRowOf(0, kOther)},
        {"an achievement row of another project", withRowOf(1, kOther)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = files.File("crafted.prosum");
        ASSERT_TRUE(sys::WriteFileAtomic(path, c.bytes));
        driver.ExpectMessageBox("提示", refused);
        EXPECT_EQ(SummaryBundle(connection, Variant::AcceptanceSummary).Import(path), 0);
        EXPECT_EQ(SummaryTexts(kNumber).at(0).at(0), "现有");
        EXPECT_EQ(SummaryTexts(kOther).at(0).at(0), "他项");
        EXPECT_EQ(Achievements(kNumber).size(), 1u);
        EXPECT_EQ(Achievements(kOther).size(), 1u);
    }
    // An achievement row that names no project is the bundle's.
    const std::string path = files.File("unnamed.prosum");
    std::vector<std::string> unnamed = parts;
    unnamed[1] = crafted::Replaced(unnamed[1], std::string("'") + kNumber + "'", "''");
    ASSERT_TRUE(sys::WriteFileAtomic(path, LengthPrefixedContainer::Pack(std::nullopt, unnamed)));
    driver.ExpectMessageBox("提示", Overwrite(kNumber, IDOK).first, IDOK);
    EXPECT_EQ(SummaryBundle(connection, Variant::AcceptanceSummary).Import(path), 1);
    EXPECT_EQ(Achievements(kNumber), (Rows{{"论文一", "论文", "2010-05", "备注"}}));

    std::vector<std::string> twice = parts;
    twice[0] = crafted::FirstRowTwice(twice[0]);
    ASSERT_TRUE(sys::WriteFileAtomic(path, LengthPrefixedContainer::Pack(std::nullopt, twice)));
    Exec("update corvane_itemcheckaccept set BACKUPNAME='现有' where XMBH='" + std::string(kNumber) + "'");
    driver.ExpectMessageBox("提示", Overwrite(kNumber, IDOK).first, IDOK);
    EXPECT_EQ(SummaryBundle(connection, Variant::AcceptanceSummary).Import(path), 1);
    EXPECT_EQ(SummaryTexts(kNumber), (Rows{{"验收项目", "张三", "报告.pdf", "", ""}}));
}

TEST_F(SummaryBundleTest, PartsRoundTripThroughTheirFiles) {
    const std::vector<std::string> files_ = {files.File("a.xml"), files.File("b.xml")};
    sys::WriteFileAtomic(files_[0], "first");
    sys::WriteFileAtomic(files_[1], "");
    ASSERT_TRUE(SummaryBundle::WriteParts(files.File("x.prosum"), files_));
    EXPECT_EQ(ReadBytes(files.File("x.prosum")), LengthPrefixedContainer::Pack(std::nullopt, {"first", ""}));
    sys::RemoveFile(files_[0]);
    ASSERT_TRUE(SummaryBundle::ReadParts(files.File("x.prosum"), files_));
    EXPECT_EQ(ReadBytes(files_[0]), "first");
    EXPECT_FALSE(SummaryBundle::ReadParts(files.File("x.prosum"), {files_[0], files_[1], files.File("c")}));
    EXPECT_FALSE(SummaryBundle::WriteParts(files.File("y.prosum"), {files.File("missing")}));
}

TEST_F(SummaryBundleTest, AttachmentFolderNamesStayInsideTheSaveFolder) {
    COptions options;
    options.SetProgressDir("/save/");
    options.Save();
    SummaryBundle progress(connection, Variant::ProgressReport);
    EXPECT_EQ(progress.AttachmentFolder(kNumber, "共性技术基金——一般项目"),
              std::string("/save/9140A01/一般项目/") + kNumber + "/所有文件");
    EXPECT_EQ(progress.AttachmentFolder("../../x", "..").find("/save/"), 0u);
    EXPECT_EQ(progress.AttachmentFolder("../../x", "..").find("/../"), std::string::npos);
    EXPECT_EQ(SummaryBundle(connection, Variant::AcceptanceSummary).AttachmentFolder(kNumber, "x"),
              sys::JoinPath(sys::ProgramFolder(), "验收总结报告/9140A01/x/") + kNumber + "/所有文件");
}

// A kill at any step of an import with an attachment (before the
// transaction, after the commit, while the file is placed), then a restart:
// the attachment of a committed record is in place, one of a record never
// committed is gone, and no hidden staged file remains.
TEST_F(SummaryBundleTest, AKillAtAnyStepOfAnAttachmentImportLeavesNothingHalfPlaced) {
    GTEST_FLAG_SET(death_test_style, "fast");
    StoreSummary(kNumber);
    const std::string bundles = ExportAll(Variant::AcceptanceSummary, {kNumber});
    SetRole(2);
    COptions options;
    options.SetAcceptDir(files.File("验收") + "\\");
    options.Save();
    const std::string folder = files.File(std::string("验收/9140A01/重点项目/") + kNumber + "/所有文件");
    struct Case {
        const char* step;
        bool committed;
    };
    for (const Case& c : {Case{"staged", false}, Case{"committed", true}, Case{"placed", true}}) {
        SCOPED_TRACE(c.step);
        Exec("delete from corvane_itemcheckaccept");
        sys::RemoveAll(folder);
        const std::string step = c.step;
        EXPECT_EXIT(
            {
                sys::SetStepHook([step](const char* at) {
                    if (step == at) raise(SIGKILL);
                });
                CAdoConnection own;  // the killed program's own connection
                own.ConnectAccess(PathOf("project.mdb"), "5081");
                driver.AnswerFolder(bundles);
                SummaryBundle(own, Variant::AcceptanceSummary).OnBtnImport();
                std::exit(0);
            },
            ::testing::KilledBySignal(SIGKILL), "");

        // The restart.
        RecoverStagedFiles(connection);
        sys::RemoveLeftoverScratch();
        const Rows names = Query("select ATTACHNAME from corvane_itemcheckaccept");
        EXPECT_EQ(names, c.committed ? (Rows{{"报告.pdf"}}) : Rows{});
        for (const auto& row : names) EXPECT_EQ(ReadBytes(folder + "/" + row.at(0)), kAttachment);
        EXPECT_EQ(sys::ListFiles(folder, ""), c.committed ? std::vector<std::string>{"报告.pdf"} : std::vector<std::string>{});
        EXPECT_EQ(Query("select * from CORVANE_STAGEDFILE"), Rows{});
        EXPECT_TRUE(sys::LeftoverScratchFolders().empty());
    }
}
