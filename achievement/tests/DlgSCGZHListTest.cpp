// The project list page: its rows, ticks, deleting, the query, and loading
// a record into the information page (the reverse of saving).
#include "ResultChangeTestSupport.h"

#include "achievement/DlgResultQuery.h"
#include "achievement/ResultExcelOutput.h"

using namespace resultchange;
using resultchangetest::Rows;

class ResultChangeList : public ResultChangeTest {};

TEST_F(ResultChangeList, ListsEveryRecordWithCategoryMoneyAndUnits) {
    StoreRecord("A-001", {{"XMMC", "甲"}, {"CHECK13", "是"}, {"CHECK14", "是"}, {"XMJF", "30"}, {"XMZZXM", "张三"},
                          {"ZZSJ", "139"}, {"CYDW", "一所"}, {"LHCYDW", "二所"}});
    StoreRecord("A-002", {{"XMMC", "乙"}, {"CHECK13", "否"}, {"CHECK14", "是"}});
    StoreRecord("A-003", {{"XMMC", "丙"}});
    OpenView();
    ASSERT_EQ(List().GetItemCount(), 3);
    EXPECT_EQ(List().GetColumnCount(), 9);
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"1", "2", "3"}));
    const int a = RowOf("A-001");
    std::vector<std::string> first;
    for (int c = 1; c < 9; ++c) first.push_back(List().GetItemText(a, c));
    EXPECT_EQ(first, (std::vector<std::string>{"A-001", "甲", "重点项目", "30 万元", "张三", "139", "一所", "二所"}));
    EXPECT_EQ(List().GetItemText(RowOf("A-002"), 3), "一般项目");
    EXPECT_EQ(List().GetItemText(RowOf("A-003"), 3), "");
    EXPECT_EQ(List().GetItemText(RowOf("A-003"), 4), " 万元");
}

TEST_F(ResultChangeList, TickAllAndInvert) {
    StoreRecord("A-001");
    StoreRecord("A-002");
    StoreRecord("A-003");
    OpenView();
    view->m_dlgList.OnBtnInvert();
    EXPECT_EQ(TickedKeys(List()).size(), 3u);
    List().SetCheck(1, FALSE);
    view->m_dlgList.OnBtnInvert();
    EXPECT_EQ(TickedKeys(List()), (std::vector<std::string>{List().GetItemText(1, 1)}));
    view->m_dlgList.OnBtnInvert();
    view->m_dlgList.OnBtnInvert();
    EXPECT_EQ(TickedKeys(List()).size(), 1u);
    view->m_dlgList.OnBtnSelectAll();
    EXPECT_EQ(TickedKeys(List()).size(), 3u);
}

TEST_F(ResultChangeList, DeleteRefusesWithoutTicksAndKeepsEverythingOnCancel) {
    OpenView();
    driver.ExpectMessageBox("提示", "请选中要删除的记录！");
    view->m_dlgList.OnBtnDelete();

    StoreRecord("A-001");
    view->m_dlgList.FillList();
    List().SetCheck(0, TRUE);
    driver.ExpectMessageBox("系统提示", "确定要删除所选纪录吗？", IDCANCEL);
    view->m_dlgList.OnBtnDelete();
    EXPECT_EQ(testdb::Count(db, "CORVANE_NEW_RESULTCHANGE"), 1);
}

TEST_F(ResultChangeList, DeleteRemovesTheTickedRecordsWithTheirChildRowsAndClearsTheShownOne) {
    for (const char* number : {"A-001", "A-002", "A-003"}) {
        StoreRecord(number, {{"XMMC", std::string("名") + number}});
        for (int child = 0; child < kChildCount; ++child)
            StoreChildRows(child, number, {std::vector<std::string>(ChildTables()[child].stored.size(), "x")});
    }
    OpenView();
    view->m_dlgList.LoadRecord("A-002", "");
    ASSERT_EQ(Info().GetDlgItemText(CDlgSCGZHInfo::IDC_XMBH), "A-002");
    List().SetCheck(RowOf("A-001"), TRUE);
    List().SetCheck(RowOf("A-002"), TRUE);
    driver.ExpectMessageBox("系统提示", "确定要删除所选纪录吗？", IDOK);
    view->m_dlgList.OnBtnDelete();

    EXPECT_EQ(testdb::Query(db, "select XMBH from CORVANE_NEW_RESULTCHANGE"), (Rows{{"A-003"}}));
    for (int child = 0; child < kChildCount; ++child) {
        EXPECT_TRUE(ChildRows(child, "A-001").empty());
        EXPECT_TRUE(ChildRows(child, "A-002").empty());
        EXPECT_EQ(ChildRows(child, "A-003").size(), 1u);
    }
    EXPECT_EQ(ListColumn(1), (std::vector<std::string>{"A-003"}));
    EXPECT_EQ(Info().GetDlgItemText(CDlgSCGZHInfo::IDC_XMBH), "");
    EXPECT_EQ(Info().Grid(kJcyj).GetRowCount(), 0);
}

// Ticked records are deleted in one go; one whose child rows cannot be
// deleted keeps its main row and every child row, and the others still go.
TEST_F(ResultChangeList, ARecordThatCannotBeDeletedWholeIsKeptWholeAndTheOthersGo) {
    for (const char* number : {"A-001", "A-002", "A-003"}) {
        StoreRecord(number);
        for (int child = 0; child < kChildCount; ++child)
            StoreChildRows(child, number, {std::vector<std::string>(ChildTables()[child].stored.size(), "x")});
    }
    testdb::Exec(db, "create trigger keep_a002 before delete on CORVANE_NEW_RESULTCHANGE_YYSSGG "
         "when old.ITEM_XMBH = 'A-002' begin select raise(abort, 'kept'); end");
    OpenView();
    view->m_dlgList.OnBtnSelectAll();
    driver.ExpectMessageBox("系统提示", "确定要删除所选纪录吗？", IDOK);
    view->m_dlgList.OnBtnDelete();

    EXPECT_EQ(testdb::Query(db, "select XMBH from CORVANE_NEW_RESULTCHANGE"), (Rows{{"A-002"}}));
    for (int child = 0; child < kChildCount; ++child) {
        EXPECT_EQ(ChildRows(child, "A-002").size(), 1u) << child;
        EXPECT_TRUE(ChildRows(child, "A-001").empty()) << child;
        EXPECT_TRUE(ChildRows(child, "A-003").empty()) << child;
    }
    EXPECT_EQ(ListColumn(1), (std::vector<std::string>{"A-002"}));
}

TEST_F(ResultChangeList, DeletingAnotherRecordLeavesTheShownOne) {
    StoreRecord("A-001");
    StoreRecord("A-002", {{"XMMC", "乙"}});
    OpenView();
    view->m_dlgList.LoadRecord("A-002", "");
    List().SetCheck(RowOf("A-001"), TRUE);
    driver.ExpectMessageBox("系统提示", "确定要删除所选纪录吗？", IDOK);
    view->m_dlgList.OnBtnDelete();
    EXPECT_EQ(Info().GetDlgItemText(CDlgSCGZHInfo::IDC_XMMC), "乙");
}

TEST_F(ResultChangeList, TheQueryRefillsTheListAndCancelKeepsIt) {
    StoreRecord("A-001", {{"CHECK13", "是"}});
    StoreRecord("A-002", {{"CHECK13", "否"}});
    OpenView();
    driver.OnModal<CDlgResultQuery>([](CDlgResultQuery& dlg) { dlg.Click(IDCANCEL); });
    view->m_dlgList.OnBtnQuery();
    EXPECT_EQ(List().GetItemCount(), 2);

    driver.OnModal<CDlgResultQuery>([](CDlgResultQuery& dlg) {
        dlg.SetDlgItemText(CDlgResultQuery::IDC_NUMBER, "A-002");
        dlg.Click(IDOK);
    });
    view->m_dlgList.OnBtnQuery();
    EXPECT_EQ(ListColumn(1), (std::vector<std::string>{"A-002"}));
    EXPECT_EQ(ListColumn(0), (std::vector<std::string>{"1"}));
}

TEST_F(ResultChangeList, AClickLoadsTheMarkedRow) {
    StoreRecord("A-001", {{"XMMC", "甲"}});
    StoreRecord("A-002", {{"XMMC", "乙"}});
    OpenView();
    view->m_dlgList.OnClickList();  // no mark yet: nothing happens
    EXPECT_EQ(Info().GetDlgItemText(CDlgSCGZHInfo::IDC_XMBH), "");
    List().SetSelectionMark(RowOf("A-002"));
    view->m_dlgList.OnClickList();
    EXPECT_EQ(Info().GetDlgItemText(CDlgSCGZHInfo::IDC_XMMC), "乙");
}

TEST_F(ResultChangeList, ASavedRecordLoadsBackIntoTheSameControls) {
    OpenView();
    for (int index = 0; index < kFirstCheck; ++index)
        if (!IsRichColumn(index)) Type(index, "值" + std::to_string(index));
    for (int n = 1; n <= kCheckCount; n += 2) Tick(n);
    Info().RichEdit(2).SetWindowText("军事前景");
    AddGridRow(kGgll, {"5", "王五", "处长", "管理"});
    AddGridRow(kXhssgg, {"3", "赵六", "型号乙", "X-2", "设计"});
    view->CollectInfo();
    ASSERT_TRUE(view->SavetoDB(0));

    Info().ClearAll();
    view->m_dlgList.LoadRecord("值0", "");
    for (int index = 0; index < kFirstCheck; ++index)
        if (!IsRichColumn(index)) {
            EXPECT_EQ(Info().GetDlgItemText(CDlgSCGZHInfo::ControlOf(index)), "值" + std::to_string(index));
        }
    for (int n = 1; n <= kCheckCount; ++n) EXPECT_EQ(Ticked(n), n % 2 == 1) << "CHECK" << n;
    EXPECT_EQ(Info().RichEdit(2).GetWindowText(), "军事前景");
    EXPECT_EQ(Info().RichEdit(0).GetWindowText(), "");
    EXPECT_EQ(Info().Grid(kGgll).RowTexts(), (Rows{{"1", "王五", "处长", "管理"}}));
    EXPECT_EQ(Info().Grid(kXhssgg).RowTexts(), (Rows{{"3", "赵六", "型号乙", "X-2", "设计"}}));
}

TEST_F(ResultChangeList, LoadingTicksOnlyExactYesAndRenumbersTheRunningColumn) {
    StoreRecord("A-001", {{"XMMC", "甲"}, {"CHECK1", "是"}, {"CHECK2", "否"}, {"CHECK3", " "}, {"CHECK4", "是 "}});
    StoreChildRows(kJcyj, "A-001", {{"甲", "", ""}, {"乙", "", ""}, {"丙", "", ""}});
    StoreChildRows(kYyssgg, "A-001", {{"9", "丁", "", "", ""}});
    OpenView();
    Tick(5);
    view->m_dlgList.LoadRecord("A-001", "");
    EXPECT_TRUE(Ticked(1));
    for (int n : {2, 3, 4, 5}) EXPECT_FALSE(Ticked(n)) << n;
    std::vector<std::string> numbers;
    for (const auto& row : Info().Grid(kJcyj).RowTexts()) numbers.push_back(row[0]);
    EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(Info().Grid(kYyssgg).RowTexts()[0][0], "9");
}

TEST_F(ResultChangeList, ANumberWithoutARecordGivesABlankRecordWithItsChildRows) {
    StoreRecord("A-001", {{"XMMC", "甲"}, {"XMJF", "10"}});
    StoreChildRows(kGgll, "B-9", {{"孤", "", ""}});
    OpenView();
    view->m_dlgList.LoadRecord("A-001", "");
    view->m_dlgList.LoadRecord("B-9", "新项目");
    EXPECT_EQ(Info().GetDlgItemText(CDlgSCGZHInfo::IDC_XMBH), "B-9");
    EXPECT_EQ(Info().GetDlgItemText(CDlgSCGZHInfo::IDC_XMMC), "新项目");
    EXPECT_EQ(Info().GetDlgItemText(CDlgSCGZHInfo::ControlOf(2)), "");
    EXPECT_EQ(Info().Grid(kGgll).RowTexts(), (Rows{{"1", "孤", "", ""}}));
}

TEST_F(ResultChangeList, LoadingLeavesTheEnabledStateOfDependentFields) {
    StoreRecord("A-001", {{"CHECK1", "是"}});
    OpenView();
    Info().Click(CDlgSCGZHInfo::CheckId(2));  // 未转入预研: the 预研 fields are disabled
    ASSERT_FALSE(Info().GetDlgItem(1009)->IsWindowEnabled());
    view->m_dlgList.LoadRecord("A-001", "");
    EXPECT_TRUE(Ticked(1));
    EXPECT_FALSE(Info().GetDlgItem(1009)->IsWindowEnabled());
}
