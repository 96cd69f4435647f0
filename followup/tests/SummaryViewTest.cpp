// The summary views: both pages shown over one connection, a document opened
// from the list, 新增 with the project picker, 保存 of the document and its
// achievements (one transaction, a moved number, refusals), and the
// formatting tool bar that works through the view.
#include "SummaryViewTestSupport.h"

#include "application/DlgSelectProject.h"
#include "platform/ui/Edit.h"

using namespace summarytest;

namespace {

constexpr const char* kAccept = "corvane_itemcheckaccept";
constexpr const char* kProgress = "corvane_itemprogress";

}  // namespace

TEST_F(SummaryViewTest, BothKindsShowTheirPagesAndOpenAStoredDocument) {
    StoreApplication(kNumber, "甲项目");
    StoreSummary(kAccept, kNumber, "甲项目", "验收正文");
    StoreSummary(kProgress, kNumber, "甲项目", "进展正文");
    StoreAchievement(kNumber, "论文一");
    StoreAchievement(kNumber, "旧类型成果", "会议报告");  // a type outside the seven is shown as stored

    CDlgProSum& acceptance = OpenAcceptance();
    EXPECT_TRUE(acceptance.List().IsWindowVisible());
    EXPECT_TRUE(acceptance.Edit().IsWindowVisible());
    EXPECT_EQ(acceptance.Edit().m_wndTab.GetTabsNum(), 2);
    std::string label;
    acceptance.Edit().m_wndTab.GetTabLabel(1, label);
    EXPECT_EQ(label, "成果汇总");
    ASSERT_EQ(ListNumbers(acceptance.List()), std::vector<std::string>{kNumber});

    ClickRow(acceptance.List(), 0);
    CSummaryAttachPage& basic = acceptance.Edit().TextPage().Attach();
    EXPECT_EQ(basic.GetDlgItemText(CSummaryAttachPage::IDC_XMBH), kNumber);
    EXPECT_EQ(basic.GetDlgItemText(CSummaryAttachPage::IDC_XMMC), "甲项目");
    EXPECT_EQ(basic.GetDlgItemText(CSummaryAttachPage::IDC_SJWCR), "王五");
    EXPECT_EQ(basic.GetDlgItemText(CSummaryAttachPage::IDC_ZBSXQK), "指标全部达到");
    EXPECT_EQ(acceptance.Edit().TextPage().m_richEdit.GetWindowText(), "验收正文");
    EXPECT_EQ(GridRows(acceptance.Edit().ResultsPage()),
              (Rows{{"论文一", "论文", "2010-05", "备注"}, {"旧类型成果", "会议报告", "2010-05", "备注"}}));

    CDlgProSum1& progress = Open<CDlgProSum1>();
    EXPECT_EQ(progress.Edit().m_wndTab.GetTabsNum(), 1);
    EXPECT_EQ(progress.Edit().Results(), nullptr);
    EXPECT_EQ(progress.Edit().TextPage().Attach().GetDlgItem(CSummaryAttachPage::IDC_ZBSXQK), nullptr);
    ClickRow(progress.List(), 0);
    EXPECT_EQ(progress.Edit().TextPage().m_richEdit.GetWindowText(), "进展正文");
}

TEST_F(SummaryViewTest, AMissingDatabaseLeavesTheViewEmpty) {
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    driver.ExpectMessageBox(ui::AppTitle(), "数据库连接失败");
    CDlgProSum& view = OpenAcceptance();
    EXPECT_TRUE(driver.Finished());
    EXPECT_FALSE(view.List().IsWindow());
    EXPECT_FALSE(view.Edit().IsWindow());
}

// A document without rich text shows an empty field, not the text of the
// document opened before it.
TEST_F(SummaryViewTest, OpeningADocumentReplacesWhatTheEditorShowed) {
    StoreSummary(kAccept, kNumber, "甲", "甲的正文");
    StoreRow(kAccept, {{"XMBH", kOther}, {"BACKUPNAME", "乙"}});
    StoreAchievement(kNumber, "论文一");
    CDlgProSum& view = OpenAcceptance();
    ClickRow(view.List(), 0);
    ASSERT_EQ(view.Edit().TextPage().m_richEdit.GetWindowText(), "甲的正文");
    ClickRow(view.List(), 1);
    EXPECT_EQ(view.Edit().TextPage().m_richEdit.GetWindowText(), "");
    EXPECT_EQ(view.Edit().TextPage().Attach().GetDlgItemText(CSummaryAttachPage::IDC_XMMC), "乙");
    EXPECT_EQ(view.Edit().TextPage().Attach().m_strZBSXQK, "");
    EXPECT_EQ(view.Edit().ResultsPage().m_wndGrid.GetRowCount(), 0);
}

TEST_F(SummaryViewTest, NewPicksAProjectStartsFromTheDefaultTextAndSaveStoresItOnce) {
    StoreApplication(kNumber, "甲项目");
    CDlgProSum& view = OpenAcceptance();
    CDlgProSumEdit& edit = view.Edit();

    driver.OnModal<CDlgSelectProject>([](CDlgSelectProject& picker) {
        ui::sim::ClickItem(picker.List(), 0);
        picker.Click(IDOK);
    });
    edit.Click(CSummaryEditPage::IDC_BTN_NEW);
    CSummaryAttachPage& basic = edit.TextPage().Attach();
    EXPECT_EQ(basic.GetDlgItemText(CSummaryAttachPage::IDC_XMBH), kNumber);
    EXPECT_EQ(basic.GetDlgItemText(CSummaryAttachPage::IDC_XMMC), "甲项目");
    EXPECT_NE(edit.TextPage().m_richEdit.GetWindowText().find("项目完成情况简介"), std::string::npos);

    basic.SetDlgItemText(CSummaryAttachPage::IDC_SJWCR, "赵六");
    basic.SetDlgItemText(CSummaryAttachPage::IDC_ZBSXQK, "性能达标");
    edit.TextPage().m_richEdit.SetWindowText("完成了全部内容");
    CDlgProSumResults& results = edit.ResultsPage();
    results.Click(CDlgProSumResults::IDC_BTN_INSERT);
    results.Click(CDlgProSumResults::IDC_BTN_INSERT);
    const std::vector<std::string> cells[] = {{"报告甲", "GF报告", "2010", "一"}, {"专利乙", "专利或软件著作权", "2011", ""}};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column) results.m_wndGrid.GetItem(row, column)->SetValue(cells[row][column]);

    Save(edit);
    Save(edit);  // the same row again, the achievements replaced rather than added

    EXPECT_EQ(Query("select XMBH, SJWCR, BACKUPNAME from corvane_itemcheckaccept"),
              (Rows{{kNumber, "赵六", "甲项目"}}));
    EXPECT_EQ(Blob("select * from corvane_itemcheckaccept", "ZBSXQK"), text::Utf8ToGbk("性能达标") + '\0');
    EXPECT_NE(Blob("select * from corvane_itemcheckaccept", "WCQKJJ").find("\\rtf"), std::string::npos);
    EXPECT_EQ(Achievements(kNumber), (Rows{{"报告甲", "GF报告", "2010", "一"}, {"专利乙", "专利或软件著作权", "2011", ""}}));
    EXPECT_EQ(ListNumbers(view.List()), std::vector<std::string>{kNumber});

    // An emptied grid leaves the project without achievements.
    results.Click(CDlgProSumResults::IDC_BTN_CLEAR);
    Save(edit);
    EXPECT_TRUE(Achievements(kNumber).empty());

    // Reopened, the saved text comes back.
    ClickRow(view.List(), 0);
    EXPECT_EQ(edit.TextPage().m_richEdit.GetWindowText(), "完成了全部内容");
}

TEST_F(SummaryViewTest, NewWithCancelKeepsTheEditorAndNewOfAStoredProjectLoadsIt) {
    StoreApplication(kNumber, "甲项目");
    StoreSummary(kAccept, kNumber, "存储的名称", "存储的正文");
    CDlgProSum& view = OpenAcceptance();
    CDlgProSumEdit& edit = view.Edit();
    driver.OnModal<CDlgSelectProject>([](CDlgSelectProject& picker) { picker.Click(IDCANCEL); });
    edit.Click(CSummaryEditPage::IDC_BTN_NEW);
    EXPECT_EQ(edit.TextPage().Attach().m_strXMBH, "");

    driver.OnModal<CDlgSelectProject>([](CDlgSelectProject& picker) {
        ui::sim::ClickItem(picker.List(), 0);
        picker.Click(IDOK);
    });
    edit.Click(CSummaryEditPage::IDC_BTN_NEW);
    EXPECT_EQ(edit.TextPage().Attach().m_strXMMC, "存储的名称");
    EXPECT_EQ(edit.TextPage().m_richEdit.GetWindowText(), "存储的正文");
}

TEST_F(SummaryViewTest, SaveRefusesWithoutAProjectAndAnIndicatorTextOverItsLimit) {
    StoreSummary(kAccept, kNumber, "甲", "正文");
    CDlgProSum& view = OpenAcceptance();
    driver.ExpectMessageBox("系统提示", "请先打开一个项目！");
    view.Edit().Click(CSummaryEditPage::IDC_BTN_SAVE);
    EXPECT_EQ(driver.MessageBoxes().back().type, UINT(MB_OK | MB_ICONWARNING));

    ClickRow(view.List(), 0);
    view.Edit().TextPage().Attach().SetDlgItemText(CSummaryAttachPage::IDC_ZBSXQK, std::string(799, 'x') + "中");
    view.Edit().TextPage().Attach().SetDlgItemText(CSummaryAttachPage::IDC_SJWCR, "不应写入");
    driver.AnswerMessageBox(IDOK);  // the framework's message on the over-long text
    view.Edit().Click(CSummaryEditPage::IDC_BTN_SAVE);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Query("select SJWCR from corvane_itemcheckaccept"), (Rows{{"王五"}}));
}

// Role 2 may type another number: the document moves to it, after a
// question when that number has a document of its own.
TEST_F(SummaryViewTest, AChangedNumberMovesTheDocument) {
    SetRole(2);
    StoreSummary(kAccept, kNumber, "甲", "甲正文");
    StoreSummary(kAccept, kOther, "乙", "乙正文", {{"FINALSCORE", "90"}});
    StoreAchievement(kNumber, "甲成果");
    StoreAchievement(kOther, "乙成果");
    CDlgProSum& view = OpenAcceptance();
    CSummaryAttachPage& basic = view.Edit().TextPage().Attach();
    ClickRow(view.List(), 0);

    basic.SetDlgItemText(CSummaryAttachPage::IDC_XMBH, kOther);
    driver.ExpectMessageBox("系统提示", "该项目编号已存在，确定覆盖吗？", IDCANCEL);
    view.Edit().Click(CSummaryEditPage::IDC_BTN_SAVE);
    EXPECT_EQ(Query("select XMBH, FINALSCORE from corvane_itemcheckaccept order by XMBH"),
              (Rows{{kNumber, ""}, {kOther, "90"}}));
    EXPECT_EQ(Achievements(kOther), (Rows{{"乙成果", "论文", "2010-05", "备注"}}));

    basic.m_strXMBH = kNumber;  // as it was opened
    basic.SetDlgItemText(CSummaryAttachPage::IDC_XMBH, kOther);
    driver.ExpectMessageBox("系统提示", "该项目编号已存在，确定覆盖吗？", IDOK);
    Save(view.Edit());
    // The mark of a name that differs from the application is not stored.
    EXPECT_EQ(basic.m_strXMMC, "甲*");
    EXPECT_EQ(Query("select XMBH, BACKUPNAME, FINALSCORE from corvane_itemcheckaccept"), (Rows{{kOther, "甲", ""}}));
    EXPECT_TRUE(Achievements(kNumber).empty());
    EXPECT_EQ(Achievements(kOther), (Rows{{"甲成果", "论文", "2010-05", "备注"}}));
}

// A write the database refuses changes nothing and is reported, not
// followed by the success message.
TEST_F(SummaryViewTest, ARefusedWriteLeavesTheDocumentAndItsAchievements) {
    StoreSummary(kAccept, kNumber, "甲", "正文");
    StoreAchievement(kNumber, "原有成果");
    CDlgProSum& view = OpenAcceptance();
    ClickRow(view.List(), 0);
    CDlgProSumResults& results = view.Edit().ResultsPage();
    results.Click(CDlgProSumResults::IDC_BTN_INSERT);
    results.m_wndGrid.GetItem(1, 0)->SetValue(std::string(300, 'n'));  // longer than MC holds
    view.Edit().TextPage().Attach().SetDlgItemText(CSummaryAttachPage::IDC_SJWCR, "新完成人");
    driver.ExpectMessageBox("提示", "保存失败！");
    view.Edit().Click(CSummaryEditPage::IDC_BTN_SAVE);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Query("select SJWCR from corvane_itemcheckaccept"), (Rows{{"王五"}}));
    EXPECT_EQ(Achievements(kNumber), (Rows{{"原有成果", "论文", "2010-05", "备注"}}));
}

// The contributors' box holds its column's length; a value still too long
// (set by the program) is named when the save fails.
TEST_F(SummaryViewTest, AnOverLongContributorsTextIsNamed) {
    StoreSummary(kAccept, kNumber, "甲", "正文");
    CDlgProSum& view = OpenAcceptance();
    ClickRow(view.List(), 0);
    CSummaryAttachPage& attach = view.Edit().TextPage().Attach();
    EXPECT_EQ(attach.Item<ui::Edit>(CSummaryAttachPage::IDC_SJWCR)->GetLimitChars(), 255);
    attach.SetDlgItemText(CSummaryAttachPage::IDC_SJWCR, std::string(256, 'w'));
    driver.ExpectMessageBox("提示", "“主要完成人”不能超过255个字符。\r\n保存失败！");
    view.Edit().Click(CSummaryEditPage::IDC_BTN_SAVE);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Query("select SJWCR from corvane_itemcheckaccept"), (Rows{{"王五"}}));
}

TEST_F(SummaryViewTest, AProgressReportSavesItsRowAndLeavesTheAchievements) {
    StoreApplication(kNumber, "甲项目");
    StoreAchievement(kNumber, "验收总结的成果");
    CDlgProSum1& view = OpenProgress();
    driver.OnModal<CDlgSelectProject>([](CDlgSelectProject& picker) {
        ui::sim::ClickItem(picker.List(), 0);
        picker.Click(IDOK);
    });
    view.Edit().Click(CSummaryEditPage::IDC_BTN_NEW);
    EXPECT_NE(view.Edit().TextPage().m_richEdit.GetWindowText().find("项目进展情况简介"), std::string::npos);
    view.Edit().TextPage().Attach().SetDlgItemText(CSummaryAttachPage::IDC_SJWCR, "负责人甲");
    Save(view.Edit());
    EXPECT_EQ(Query("select XMBH, SJWCR, BACKUPNAME from corvane_itemprogress"), (Rows{{kNumber, "负责人甲", "甲项目"}}));
    EXPECT_TRUE(Query("select * from corvane_itemcheckaccept").empty());
    EXPECT_EQ(Achievements(kNumber).size(), 1u);
    EXPECT_EQ(ListNumbers(view.List()), std::vector<std::string>{kNumber});
}

TEST_F(SummaryViewTest, TheToolBarFormatsTheTextThroughTheViewAndHidesOnTheResultsTab) {
    StoreSummary(kAccept, kNumber, "甲", "正文");
    CDlgProSum& view = OpenAcceptance();
    ClickRow(view.List(), 0);
    ui::ToolBar& bar = view.Edit().m_wndToolBar;
    EXPECT_EQ(bar.GetOwner(), &view);
    auto press = [&bar](int id) { ui::testing::ClickChild(bar, bar.GetItemRect(bar.CommandToIndex(id)).CenterPoint()); };

    bar.OnUpdateCmdUI();
    EXPECT_TRUE(bar.IsButtonChecked(32803));  // left at the start
    view.Edit().TextPage().m_richEdit.SetSel(0, -1);
    press(32804);
    EXPECT_EQ(view.Edit().TextPage().m_bCenter, 1);
    ui::ParaFormat para;
    view.Edit().TextPage().m_richEdit.GetParaFormat(para);
    EXPECT_EQ(para.wAlignment, ui::PFA_CENTER);
    bar.OnUpdateCmdUI();
    EXPECT_TRUE(bar.IsButtonChecked(32804));
    EXPECT_FALSE(bar.IsButtonChecked(32803));
    EXPECT_FALSE(bar.IsButtonChecked(32805));

    press(32799);
    ui::CharFormat chars;
    view.Edit().TextPage().m_richEdit.GetSelectionCharFormat(chars);
    EXPECT_TRUE(chars.dwEffects & ui::CFE_BOLD);
    bar.OnUpdateCmdUI();
    EXPECT_FALSE(bar.IsButtonChecked(32799));  // the effect buttons never show a check mark

    view.Edit().m_wndTab.SetActiveTab(1);
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_EQ(view.Edit().m_wndTab.GetTabBkColor(1), CSummaryEditPage::kActiveTabColor);
    view.Edit().m_wndTab.SetActiveTab(0);
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_EQ(view.Edit().m_wndTab.GetTabBkColor(1), view.Edit().m_crStdTab);
}
