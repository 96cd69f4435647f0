// The summary list pages: the stored documents with their applications'
// details, 全选 and 反选, 查询, 删除 with the projects' achievements, the
// fund office's view of a document (marked name, attachment folder), and the
// Excel list of the ticked rows.
#include "SummaryViewTestSupport.h"

#include <map>
#include <set>

#include "application/DlgProQuery.h"
#include "followup/SummaryKind.h"
#include "platform/office/Excel.h"
#include "platform/office/Office.h"

using namespace summarytest;

namespace {

std::vector<std::string> Row(ui::ListCtrl& list, int row) {
    std::vector<std::string> cells;
    for (int column = 0; column < list.GetColumnCount(); ++column) cells.push_back(list.GetItemText(row, column));
    return cells;
}

}  // namespace

TEST_F(SummaryViewTest, TheListShowsEachDocumentWithItsApplication) {
    StoreApplication(kOther, "乙项目");
    StoreSummary("corvane_itemcheckaccept", kOther, "乙", "正文");
    StoreSummary("corvane_itemcheckaccept", kNumber, "无申请书", "正文");
    StoreSummary("corvane_itemprogress", kNumber, "进展", "正文");
    CDlgProSum& view = OpenAcceptance();
    ui::ListCtrl& list = view.List().List();

    const std::vector<std::string> headings = {"序号", "项目编号", "指南代码", "项目类别", "年份",
                                               "单位代码", "单位名称", "负责人", "资助经费"};
    ASSERT_EQ(list.GetColumnCount(), int(headings.size()));
    EXPECT_EQ(list.GetColumnWidth(0), 50);
    EXPECT_EQ(list.GetColumnWidth(6), 250);
    EXPECT_TRUE(list.GetExtendedStyle() & LVS_EX_CHECKBOXES);
    EXPECT_EQ(list.GetItemCount(), 2);
    // A document whose project has no application shows its number and the unit only.
    EXPECT_EQ(Row(list, 0), (std::vector<std::string>{"1", kNumber, "", "", "", "", "", "", " 万元"}));
    EXPECT_EQ(Row(list, 1), (std::vector<std::string>{"2", kOther, "9140B020202", "共性技术基金——重点项目", "2008",
                                                      "U001", "第一研究所", "张三", "30 万元"}));

    view.List().Click(CSummaryListPage::IDC_SELECT_ALL);
    EXPECT_EQ(view.List().CheckedNumbers(), (std::vector<std::string>{kNumber, kOther}));
    list.SetCheck(0, FALSE);
    view.List().Click(CSummaryListPage::IDC_INVERT);
    EXPECT_EQ(view.List().CheckedNumbers(), std::vector<std::string>{kNumber});

    EXPECT_TRUE(view.List().RecordExists(kOther));
    EXPECT_FALSE(view.List().RecordExists("9140C"));
    EXPECT_EQ(ListNumbers(Open<CDlgProSum1>().List()), std::vector<std::string>{kNumber});
}

TEST_F(SummaryViewTest, QueryNarrowsTheListByTheDialogsCondition) {
    StoreApplication(kNumber, "甲项目");
    StoreApplication(kOther, "乙项目");
    for (const char* number : {kNumber, kOther}) StoreSummary("corvane_itemprogress", number, "名", "正文");
    CDlgProSum1& view = OpenProgress();
    driver.OnModal<CDlgProQuery>([](CDlgProQuery& query) {
        query.SetDlgItemText(CDlgProQuery::IDC_NUMBER, "9140B");
        query.Click(IDOK);
    });
    driver.AnswerMessageBox(IDOK);  // the condition shown before the query runs
    view.List().Click(CSummaryListPage::IDC_BTN_QUERY);
    EXPECT_EQ(ListNumbers(view.List()), std::vector<std::string>{kOther});

    driver.OnModal<CDlgProQuery>([](CDlgProQuery& query) { query.Click(IDCANCEL); });
    view.List().Click(CSummaryListPage::IDC_BTN_QUERY);
    EXPECT_EQ(ListNumbers(view.List()), std::vector<std::string>{kOther});
}

TEST_F(SummaryViewTest, DeleteRemovesTheTickedDocumentsWithTheirAchievements) {
    StoreSummary("corvane_itemprogress", kNumber, "甲", "甲正文");
    StoreSummary("corvane_itemprogress", kOther, "乙", "乙正文");
    StoreSummary("corvane_itemcheckaccept", kNumber, "甲", "验收");
    StoreAchievement(kNumber, "甲成果");
    StoreAchievement(kOther, "乙成果");
    CDlgProSum1& view = OpenProgress();
    CSummaryListPage& list = view.List();

    driver.ExpectMessageBox("提示", "请选中要删除的记录！");
    list.Click(CSummaryListPage::IDC_BTN_DELETE);
    EXPECT_EQ(driver.MessageBoxes().back().type, UINT(MB_OK | MB_ICONSTOP));

    ClickRow(list, 0);  // the document shown in the editor is among the deleted
    ASSERT_EQ(view.Edit().TextPage().m_richEdit.GetWindowText(), "甲正文");
    list.List().SetCheck(0);
    driver.ExpectMessageBox("系统提示", "确定要删除所选纪录吗？", IDCANCEL);
    list.Click(CSummaryListPage::IDC_BTN_DELETE);
    EXPECT_EQ(ListNumbers(list).size(), 2u);

    driver.ExpectMessageBox("系统提示", "确定要删除所选纪录吗？", IDOK);
    list.Click(CSummaryListPage::IDC_BTN_DELETE);
    EXPECT_EQ(ListNumbers(list), std::vector<std::string>{kOther});
    // The progress report takes the achievements the acceptance summary shows.
    EXPECT_TRUE(Achievements(kNumber).empty());
    EXPECT_EQ(Achievements(kOther).size(), 1u);
    EXPECT_EQ(Query("select XMBH from corvane_itemcheckaccept"), (Rows{{kNumber}}));
    EXPECT_EQ(view.Edit().TextPage().Attach().GetDlgItemText(CSummaryAttachPage::IDC_XMBH), "");
    EXPECT_EQ(view.Edit().TextPage().m_richEdit.GetWindowText(), "");
}

// The ticked documents are deleted in one go; one whose achievements cannot
// be deleted keeps its document and its achievements, and the others go.
TEST_F(SummaryViewTest, ADocumentThatCannotGoWithItsAchievementsIsKeptAndTheOthersGo) {
    const std::string third = "9140C03030308U003001";
    for (const std::string& number : {std::string(kNumber), std::string(kOther), third}) {
        StoreSummary("corvane_itemprogress", number, "名" + number, "正文");
        StoreAchievement(number, "成果" + number);
    }
    Exec("create trigger keep_other before delete on corvane_cghz when old.XMBH = '" + std::string(kOther) +
         "' begin select raise(abort, 'kept'); end");
    CDlgProSum1& view = OpenProgress();
    CSummaryListPage& list = view.List();
    list.Click(CSummaryListPage::IDC_SELECT_ALL);
    driver.ExpectMessageBox("系统提示", "确定要删除所选纪录吗？", IDOK);
    list.Click(CSummaryListPage::IDC_BTN_DELETE);

    EXPECT_EQ(Query("select XMBH from corvane_itemprogress"), (Rows{{kOther}}));
    EXPECT_EQ(Query("select XMBH from corvane_cghz"), (Rows{{kOther}}));
    EXPECT_EQ(ListNumbers(list), std::vector<std::string>{kOther});
}

// The fund office sees a renamed project marked and, in place of the stored
// attachment name, the files of the project's attachment folder.
TEST_F(SummaryViewTest, TheFundOfficeSeesTheNameMarkAndTheAttachmentFolder) {
    SetRole(2);
    COptions options;
    options.SetAcceptDir(files.Path() + "/");
    options.Save();
    StoreApplication(kNumber, "新名称", "重点实验室基金——一般项目");
    StoreApplication(kOther, "乙项目");
    StoreSummary("corvane_itemcheckaccept", kNumber, "旧名称", "正文", {{"ATTACHNAME", "存储的附件.pdf"}});
    StoreSummary("corvane_itemcheckaccept", kOther, "乙项目", "正文", {{"ATTACHNAME", "乙.pdf"}});
    const std::string folder = files.File(std::string("9140A01/一般项目/") + kNumber + "/所有文件");
    ASSERT_TRUE(sys::MakeDirs(folder + "/子目录"));
    sys::WriteFileAtomic(folder + "/b.doc", "b");
    sys::WriteFileAtomic(folder + "/a.pdf", "a");
    sys::WriteFileAtomic(folder + "/.hidden", "h");
    sys::WriteFileAtomic(folder + "/子目录/c.txt", "c");

    CDlgProSum& view = OpenAcceptance();
    CSummaryAttachPage& basic = view.Edit().TextPage().Attach();
    ClickRow(view.List(), 0);
    EXPECT_EQ(basic.GetDlgItemText(CSummaryAttachPage::IDC_XMMC), "旧名称*");
    EXPECT_EQ(basic.GetDlgItemText(CSummaryAttachPage::IDC_ATTACHNAME), "a.pdf, b.doc, c.txt, 子目录");
    ClickRow(view.List(), 1);
    EXPECT_EQ(basic.GetDlgItemText(CSummaryAttachPage::IDC_XMMC), "乙项目");
    EXPECT_EQ(basic.GetDlgItemText(CSummaryAttachPage::IDC_ATTACHNAME), "");  // no folder yet
}

// 导出 and 导入 run the summary bundle on the page's kind; the list is
// refilled after an import.
TEST_F(SummaryViewTest, ExportAndImportGoThroughTheBundleAndRefillTheList) {
    StoreSummary("corvane_itemprogress", kNumber, "甲", "正文");
    testdb::Seed(connection, {"corvane_itemappinfo", {"XMBH"}, {{kNumber}}});  // its project
    CDlgProSum1& view = OpenProgress();
    driver.ExpectMessageBox("提示", "请先选择要导出的记录！");
    view.List().Click(CSummaryListPage::IDC_BTN_EXPORT);

    view.List().List().SetCheck(0);
    driver.AnswerFolder(files.Path());
    const std::string folder = files.File(Today() + "阶段进展报告");
    driver.ExpectMessageBox("提示", "阶段进展报告导出完成！\r\n文件保存在：" + folder);
    view.List().Click(CSummaryListPage::IDC_BTN_EXPORT);
    ASSERT_TRUE(sys::FileExists(sys::JoinPath(folder, std::string(kNumber) + ".prosum")));

    Exec("delete from corvane_itemprogress");
    view.List().FillList();
    ASSERT_TRUE(ListNumbers(view.List()).empty());
    driver.AnswerFolder(folder);
    driver.ExpectMessageBox("提示", "共导入了1条数据！");
    view.List().Click(CSummaryListPage::IDC_BTN_IMPORT);
    EXPECT_EQ(ListNumbers(view.List()), std::vector<std::string>{kNumber});
}

// Legacy data: two projects whose numbers differ only in letter case, each
// with its acceptance summary. The list and the query list each document
// once, with its own project; exporting one writes its own document only.
TEST_F(SummaryViewTest, LegacyNumbersThatDifferOnlyInCaseAreListedOnceAndExportedApart) {
    const std::string upper = "9140A01010108U001007", lower = "9140A01010108u001007";
    StoreApplication(upper, "大写项目");
    StoreApplication(lower, "小写项目", "共性技术基金——一般项目");
    StoreSummary("corvane_itemcheckaccept", upper, "大写总结", "正文");
    StoreSummary("corvane_itemcheckaccept", lower, "小写总结", "正文");
    CDlgProSum& view = OpenAcceptance();
    ui::ListCtrl& list = view.List().List();
    const auto rows = [&] {
        std::multiset<std::pair<std::string, std::string>> shown;  // number, category
        for (int row = 0; row < list.GetItemCount(); ++row)
            shown.insert({list.GetItemText(row, 1), list.GetItemText(row, 3)});
        return shown;
    };
    const std::multiset<std::pair<std::string, std::string>> expected = {
        {upper, "共性技术基金——重点项目"}, {lower, "共性技术基金——一般项目"}};
    EXPECT_EQ(rows(), expected);
    driver.OnModal<CDlgProQuery>([](CDlgProQuery& query) {
        query.SetDlgItemText(CDlgProQuery::IDC_NUMBER, "9140A");
        query.Click(IDOK);
    });
    driver.AnswerMessageBox(IDOK);  // the condition shown before the query runs
    view.List().Click(CSummaryListPage::IDC_BTN_QUERY);
    EXPECT_EQ(rows(), expected) << "the query lists each document once";

    for (int row = 0; row < list.GetItemCount(); ++row) list.SetCheck(row, list.GetItemText(row, 1) == lower);
    driver.AnswerFolder(files.Path());
    const std::string folder = files.File(Today() + "项目验收总结");
    driver.ExpectMessageBox("提示", "项目验收总结导出完成！\r\n文件保存在：" + folder);
    view.List().Click(CSummaryListPage::IDC_BTN_EXPORT);
    EXPECT_EQ(sys::ListFiles(folder, ""), std::vector<std::string>{lower + ".prosum"});
    std::string bundle;
    ASSERT_TRUE(sys::ReadFile(sys::JoinPath(folder, lower + ".prosum"), bundle));
    EXPECT_NE(bundle.find("小写总结"), std::string::npos);
    EXPECT_EQ(bundle.find("大写总结"), std::string::npos) << "the other project's document";
}

// An attachment name of 200 Chinese characters (600 bytes here, more than a
// file name may hold) exported and imported through the view by the fund
// office: the file is placed under a shortened name that keeps the
// extension, two such names with the same start stay apart, the record
// names the file as placed, and the page lists it. Where the attachment
// cannot be placed, the record is kept out, said and not counted.
TEST_F(SummaryViewTest, AnAttachmentNameTooLongForTheFileSystemIsShortenedAndItsRecordStored) {
    std::string start;
    for (int i = 0; i < 199; ++i) start += "附";
    const std::string firstName = start + "甲.pdf", secondName = start + "乙.pdf";
    StoreApplication(kNumber, "甲项目");
    CDlgProSum& view = OpenAcceptance();
    // Two bundles of the project, one attachment each, exported by an applicant unit.
    std::vector<std::string> bundles;
    for (const std::string* name : {&firstName, &secondName}) {
        Exec("delete from corvane_itemcheckaccept");
        StoreRow("corvane_itemcheckaccept", {{"XMBH", kNumber}, {"BACKUPNAME", "甲项目"}, {"ATTACHNAME", *name}},
                 {{"ATTACH", "bytes of " + *name}});
        view.List().FillList();
        view.List().List().SetCheck(0);
        driver.AnswerFolder(files.File(*name == firstName ? "first" : "second"));
        bundles.push_back(files.File((*name == firstName ? "first/" : "second/") + Today() + "项目验收总结"));
        driver.ExpectMessageBox("提示", "项目验收总结导出完成！\r\n文件保存在：" + bundles.back());
        view.List().Click(CSummaryListPage::IDC_BTN_EXPORT);
    }
    Exec("delete from corvane_itemcheckaccept");

    const std::string folder = BecomeFundOffice();
    view.List().FillList();
    driver.AnswerFolder(bundles[0]);
    driver.ExpectMessageBox("提示", "共导入了1条数据！");
    view.List().Click(CSummaryListPage::IDC_BTN_IMPORT);
    driver.AnswerFolder(bundles[1]);
    driver.ExpectMessageBox("提示", std::string("项目") + kNumber + "的验收总结已存在，确定覆盖吗？", IDOK);
    driver.ExpectMessageBox("提示", "共导入了1条数据！");
    view.List().Click(CSummaryListPage::IDC_BTN_IMPORT);
    EXPECT_TRUE(driver.Finished());

    const std::vector<std::string> placed = sys::ListFiles(folder, "");
    ASSERT_EQ(placed.size(), 2u);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_LE(placed[i].size(), sys::kMaxFileNameBytes);
        EXPECT_EQ(placed[i].substr(placed[i].size() - 4), ".pdf");
        EXPECT_EQ(placed[i].rfind(start.substr(0, 60), 0), 0u) << "the name keeps its start";
    }
    EXPECT_EQ(ReadBytes(sys::JoinPath(folder, sys::SafeFileName(firstName))), "bytes of " + firstName);
    EXPECT_EQ(ReadBytes(sys::JoinPath(folder, sys::SafeFileName(secondName))), "bytes of " + secondName);
    EXPECT_EQ(Query("select ATTACHNAME from corvane_itemcheckaccept"), (Rows{{sys::SafeFileName(secondName)}}));
    ClickRow(view.List(), 0);
    const std::string listed = view.Edit().TextPage().Attach().GetDlgItemText(CSummaryAttachPage::IDC_ATTACHNAME);
    EXPECT_NE(listed.find(sys::SafeFileName(secondName)), std::string::npos) << listed;

    // A folder that cannot be made (a file stands in its place): kept out, said, not counted.
    Exec("delete from corvane_itemcheckaccept");
    ASSERT_TRUE(sys::RemoveAll(files.File("验收")));
    ASSERT_TRUE(sys::WriteFileAtomic(files.File("验收"), "a file"));
    driver.AnswerFolder(bundles[0]);
    driver.ExpectMessageBox(ui::AppTitle(), "无法创建文件夹“" + sys::NativePath(files.File("验收")) + "/9140A01/重点项目/" +
                                                kNumber + "/所有文件”：路径中已有同名的文件，不能作为文件夹！");
    driver.ExpectMessageBox("提示", std::string("共导入了0条数据！\r\n以下文件的附件无法保存，未导入：\r\n") + kNumber + ".prosum");
    view.List().Click(CSummaryListPage::IDC_BTN_IMPORT);
    EXPECT_TRUE(driver.Finished());
    EXPECT_TRUE(Query("select * from corvane_itemcheckaccept").empty());
}

// The fund office's attachment is put in place after the record's commit:
// when that fails (a folder took its place while the overwrite question
// waited) the record is stored and counted, and the attachment's bytes
// stay in the hidden file beside it, which the message names.
TEST_F(SummaryViewTest, AnAttachmentThatCannotBePutInPlaceAfterTheCommitKeepsItsBytesAside) {
    StoreApplication(kNumber, "甲项目");
    CDlgProSum& view = OpenAcceptance();
    StoreRow("corvane_itemcheckaccept", {{"XMBH", kNumber}, {"BACKUPNAME", "甲项目"}, {"ATTACHNAME", "总结.pdf"}},
             {{"ATTACH", "the summary's bytes"}});
    view.List().FillList();
    view.List().List().SetCheck(0);
    driver.AnswerFolder(files.Path());
    driver.ExpectMessageBox("提示", "项目验收总结导出完成！\r\n文件保存在：" + files.File(Today() + "项目验收总结"));
    view.List().Click(CSummaryListPage::IDC_BTN_EXPORT);
    Exec("delete from corvane_itemcheckaccept");

    const std::string folder = BecomeFundOffice();
    const std::string target = sys::JoinPath(folder, "总结.pdf");
    ASSERT_TRUE(sys::MakeDirs(folder) && sys::WriteFileAtomic(target, "old"));
    driver.AnswerFolder(files.File(Today() + "项目验收总结"));
    driver.ExpectMessageBox("提示", "附件\"总结.pdf\"已存在，确定覆盖吗？", IDOK, [&] {
        ASSERT_TRUE(sys::RemoveFile(target) && sys::MakeDirs(target));
        ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(target, "inside"), "x"));
    });
    driver.AnswerMessageBox();  // the failed rename, read below
    driver.ExpectMessageBox("提示", "共导入了1条数据！");
    view.List().Click(CSummaryListPage::IDC_BTN_IMPORT);
    EXPECT_TRUE(driver.Finished());

    EXPECT_EQ(Query("select XMBH, ATTACHNAME from corvane_itemcheckaccept"), (Rows{{kNumber, "总结.pdf"}}));
    const std::vector<std::string> kept = sys::ListFiles(folder, "");
    ASSERT_EQ(kept.size(), 1u);
    const std::string hidden = sys::JoinPath(folder, kept[0]);
    EXPECT_EQ(kept[0][0], '.');
    EXPECT_EQ(ReadBytes(hidden), "the summary's bytes");
    const std::vector<ui::TestDriver::Call> boxes = driver.MessageBoxes();
    ASSERT_GE(boxes.size(), 2u);
    EXPECT_EQ(boxes[boxes.size() - 2].text, "无法写入文件" + target + "（已有同名的文件夹），其内容已保存在" + hidden + "！");
}

TEST(SummaryFolderNames, MissingAndEmptyFoldersGiveAnEmptyText) {
    testsupport::TempFolder folder;
    EXPECT_EQ(followup::ListFolderNames(folder.File("missing")), "");
    EXPECT_EQ(followup::ListFolderNames(folder.Path()), "");
    EXPECT_EQ(followup::ListFolderNames(""), "");
}

class SummaryExcelTest : public SummaryViewTest {
protected:
    void SetUp() override {
        SummaryViewTest::SetUp();
        office::SetShellOpenHook([this](const std::string& path) { opened.push_back(path); });
        office::SetStartHook({});
    }
    void TearDown() override {
        office::SetShellOpenHook({});
        office::SetStartHook({});
        reader.reset();
        SummaryViewTest::TearDown();
    }
    office::excel::Worksheet OpenedSheet() {
        EXPECT_EQ(opened.size(), 1u);
        if (opened.empty()) return {};
        reader = office::excel::Application::Create();
        return reader->Workbooks().Add(opened.back()).Sheets().Item("sheet1");
    }
    static std::vector<std::string> SheetRow(const office::excel::Worksheet& sheet, int row) {
        std::vector<std::string> values;
        for (int column = 1; column <= 10; ++column) values.push_back(sheet.Cells().Item(row, column).Value());
        return values;
    }
    std::vector<std::string> opened;
    std::unique_ptr<office::excel::Application> reader;
};

TEST_F(SummaryExcelTest, TickedRowsBecomeConsecutiveSheetRowsWithATotal) {
    StoreApplication(kOther, "乙项目");
    StoreSummary("corvane_itemcheckaccept", kNumber, "无申请书", "正文");
    StoreSummary("corvane_itemcheckaccept", kOther, "乙", "正文");
    StoreSummary("corvane_itemcheckaccept", "9140C03030308U003001", "丙", "正文");
    CDlgProSum& view = OpenAcceptance();

    driver.ExpectMessageBox("提示", "请选择输出项目！");
    view.List().Click(CSummaryListPage::IDC_EXPORT_EXCEL);
    EXPECT_TRUE(opened.empty());

    view.List().List().SetCheck(1);
    view.List().List().SetCheck(2);
    view.List().Click(CSummaryListPage::IDC_EXPORT_EXCEL);
    office::excel::Worksheet sheet = OpenedSheet();
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(SheetRow(sheet, 1), (std::vector<std::string>{"序号", "指南代码", "项目编号", "项目名称", "项目类别",
                                                            "起止年月", "申请人", "职称", "资助经费(万元)", "备注"}));
    EXPECT_EQ(SheetRow(sheet, 2), (std::vector<std::string>{"1", "9140B020202", kOther, "乙项目",
                                                            "共性技术基金——重点项目", "2008/01 - 2010/12", "张三",
                                                            "研究员", "30", ""}));
    EXPECT_EQ(SheetRow(sheet, 3), (std::vector<std::string>{"2", "9140C030303", "9140C03030308U003001", "", "", " - ",
                                                            "", "", "", ""}));
    EXPECT_EQ(sheet.Range("A4").Value(), "合计");
    EXPECT_EQ(sheet.Range("A4").MergeArea().Address(), "A4:H4");
    EXPECT_EQ(sheet.Range("I4").Value(), "=SUM(I2:I3)");
    EXPECT_EQ(sheet.Range("J3").BorderStyle("right"), "thin");
    EXPECT_EQ(sheet.Range("J4").BorderStyle("bottom"), "thin");
    EXPECT_EQ(sheet.Range("A1").RowHeight(), 33);
    EXPECT_EQ(sheet.Range("A2").RowHeight(), 36);
}

// Legacy data may hold two applications whose numbers differ only in letter
// case: each ticked summary's row of the list shows its own application.
TEST_F(SummaryExcelTest, EachOfALegacyPairOfNumbersShowsItsOwnApplication) {
    const std::string lower = "9140A01010108u001001";
    StoreApplication(kNumber, "大写项目");
    StoreApplication(lower, "小写项目");
    StoreSummary("corvane_itemcheckaccept", kNumber, "大", "正文");
    StoreSummary("corvane_itemcheckaccept", lower, "小", "正文");
    CDlgProSum& view = OpenAcceptance();
    const std::vector<std::string> listed = ListNumbers(view.List());
    for (int row = 0; row < int(listed.size()); ++row) view.List().List().SetCheck(row);
    view.List().Click(CSummaryListPage::IDC_EXPORT_EXCEL);
    office::excel::Worksheet sheet = OpenedSheet();
    ASSERT_TRUE(sheet.IsValid());
    std::map<std::string, std::string> names;
    for (int row = 2; row < 2 + int(listed.size()); ++row)
        names[sheet.Cells().Item(row, 3).Value()] = sheet.Cells().Item(row, 4).Value();
    EXPECT_EQ(names, (std::map<std::string, std::string>{{kNumber, "大写项目"}, {lower, "小写项目"}}));
}

TEST_F(SummaryExcelTest, ExcelThatCannotStartIsReported) {
    StoreSummary("corvane_itemprogress", kNumber, "甲", "正文");
    CDlgProSum1& view = OpenProgress();
    view.List().List().SetCheck(0);
    office::SetStartHook([](std::string_view) { return false; });
    driver.ExpectMessageBox(ui::AppTitle(), "Excel启动失败!");
    view.List().Click(CSummaryListPage::IDC_EXPORT_EXCEL);
    EXPECT_TRUE(opened.empty());
}
