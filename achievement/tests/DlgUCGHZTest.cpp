// The unit achievement-transfer view: set-up with its pages and combos, a
// missing database, and the record written from the pages (new row,
// overwrite in place, a refused write leaving the table as it was).
#include "UnitTransferTestSupport.h"

#include "platform/sys/Sys.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Lists.h"

namespace {

using unitchange::Fields;

class UnitView : public UnitTransferTest {};

TEST_F(UnitView, SetUpCreatesBothPagesAndFillsTheCombosSorted) {
    testdb::Exec(db, "delete from CORVANE_RESULTCHANGE_ZHQD");
    testdb::Seed(db,
                 {"CORVANE_RESULTCHANGE_ZHQD", {"CODE", "NAME"}, {{"01", "beta"}, {"02", "alpha"}, {"03", "gamma"}}});
    testdb::Exec(db, "delete from CORVANE_RESULTCHANGE_XMFZRZC");
    CDlgUCGHZ& view = OpenView();
    EXPECT_EQ(view.m_strAppPath, Folder());
    ASSERT_TRUE(view.m_dlgList.IsWindow());
    ASSERT_TRUE(view.m_dlgForm.IsWindow());
    EXPECT_EQ(view.m_dlgForm.m_wndTab.GetTabsNum(), 2);

    auto names = [&](int index) {
        const UnitChangePage& page = Fields()[index].page == 1
                                         ? static_cast<const UnitChangePage&>(view.m_dlgForm.m_dlgPage1)
                                         : view.m_dlgForm.m_dlgPage2;
        auto* combo = page.Item<ui::ComboBox>(Fields()[index].controlId);
        std::vector<std::string> texts;
        for (int i = 0; combo && i < combo->GetCount(); ++i) texts.push_back(combo->GetLBText(i));
        return texts;
    };
    EXPECT_EQ(names(5), (std::vector<std::string>{"alpha", "beta", "gamma"}));  // zyzhqd
    EXPECT_EQ(names(3).size(), 6u);                                              // zyyydwxz
    EXPECT_EQ(names(4).size(), 5u);                                              // zhyyfhzy
    EXPECT_TRUE(names(33).empty());                                              // an empty code table

    // loadzd again empties before it fills.
    view.loadzd();
    EXPECT_EQ(names(5).size(), 3u);
}

TEST_F(UnitView, WithoutADatabaseTheViewStaysEmpty) {
    db.Close();
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    driver.AnswerMessageBox(IDOK);
    CDlgUCGHZ& view = OpenView();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "数据库连接失败");
    EXPECT_FALSE(view.m_dlgList.IsWindow());
    EXPECT_FALSE(view.m_dlgForm.IsWindow());
}

TEST_F(UnitView, SavesANewRowWithNullsForEmptyFieldsAndNoForUnticked) {
    CDlgUCGHZ& view = OpenView();
    view.m_dlgForm.m_dlgPage1.SetDlgItemText(unitchange::IDC_DWDM, "U001");
    view.m_dlgForm.m_dlgPage1.SetDlgItemText(unitchange::IDC_DWMC, "第一研究所");
    view.m_dlgForm.m_dlgPage1.SetDlgItemText(Fields()[5].controlId, "自己输入的渠道");  // not from the list
    view.m_dlgForm.m_dlgPage2.SetDlgItemText(Fields()[53].controlId, "010-1234");
    view.CollectInfo();
    EXPECT_EQ(view.m_strValues[60], "否");
    driver.ExpectMessageBox("系统提示", "保存成功！");
    view.SavetoDB(0);

    const auto rows = Stored("U001");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][1], "第一研究所");
    EXPECT_EQ(rows[0][5], "自己输入的渠道");
    EXPECT_EQ(rows[0][53], "010-1234");
    for (int k = 0; k < unitchange::kCheckCount; ++k) EXPECT_EQ(rows[0][unitchange::kFirstCheck + k], "否");
    // 61 columns less the four typed and the seven checks are NULL.
    EXPECT_EQ(NullColumns("U001").size(), 61u - 4 - 7);
}

TEST_F(UnitView, OverwriteChangesTheStoredRowInPlace) {
    Store(Distinct("U001", "旧名称"));
    Store(Distinct("U002", "别的单位"));
    CDlgUCGHZ& view = OpenView();
    unitchange::Values changed = Distinct("U001", "新名称");
    changed[2] = "99";
    changed[55] = "是";
    changed[32] = "";
    Type(view, changed);
    view.CollectInfo();
    EXPECT_EQ(view.m_strValues, changed);
    driver.ExpectMessageBox("系统提示", "保存成功！");
    view.SavetoDB(1);

    const auto rows = Stored("U001");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], changed);
    EXPECT_EQ(NullColumns("U001"), (std::vector<std::string>{"zhyyza"}));
    EXPECT_EQ(Stored("U002")[0][1], "别的单位");
}

TEST_F(UnitView, EditBoxesHoldWhatTheirColumnsHold) {
    CDlgUCGHZ& view = OpenView();
    for (int i : {0, 1, 2}) {
        const unitchange::Field& field = Fields()[i];
        auto* box = view.m_dlgForm.m_dlgPage1.Item<ui::Edit>(field.controlId);
        ASSERT_NE(box, nullptr) << field.column;
        EXPECT_EQ(box->GetLimitChars(), i == 1 ? 255 : 50) << field.column;
    }
}

TEST_F(UnitView, ARefusedWriteLeavesTheTableAsItWas) {
    Store(Distinct("U001", "旧名称"));
    CDlgUCGHZ& view = OpenView();
    const std::string tooLong(300, 'x');  // longer than the column allows

    unitchange::Values update = Distinct("U001", "新名称");
    update[2] = tooLong;
    Type(view, update);
    view.CollectInfo();
    driver.ExpectMessageBox("提示", "“十年承担该类基金项目总数”不能超过50个字符。\r\n数据保存失败！");
    view.SavetoDB(1);
    EXPECT_EQ(driver.MessageBoxes().back().type, UINT(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(Stored("U001")[0], Distinct("U001", "旧名称"));

    unitchange::Values fresh = Distinct("U009", "新单位");
    fresh[6] = tooLong;
    Type(view, fresh);
    view.CollectInfo();
    driver.ExpectMessageBox("提示", "“十年承担该类项目总经费（万元）”不能超过50个字符。\r\n数据保存失败！");
    view.SavetoDB(0);
    EXPECT_EQ(testdb::Count(db, "select * from CORVANE_RESULT_UNITCHANGE"), 1);

    // Overwriting a code that is not stored writes nothing either.
    Type(view, Distinct("U404", "无此单位"));
    view.CollectInfo();
    driver.ExpectMessageBox("提示", "数据保存失败！");
    view.SavetoDB(1);
    EXPECT_EQ(testdb::Count(db, "select * from CORVANE_RESULT_UNITCHANGE"), 1);
}

}  // namespace
