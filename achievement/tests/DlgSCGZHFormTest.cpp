// The form page: the save command with its checks and overwrite question,
// 新增 through the picker, and the colour of the active tab.
#include "ResultChangeTestSupport.h"

#include "achievement/DlgSelectResult.h"

using namespace resultchange;
using resultchangetest::Rows;

class ResultChangeForm : public ResultChangeTest {
protected:
    void SetUp() override {
        ResultChangeTest::SetUp();
        OpenView();
    }
    void Save() { view->m_dlgForm.OnBtnSave(); }
};

TEST_F(ResultChangeForm, SavingNeedsBothNameAndNumber) {
    for (const auto& [number, name] : {std::pair<const char*, const char*>{"", "名"}, {"A-1", ""}}) {
        Type(0, number);
        Type(1, name);
        driver.ExpectMessageBox("系统提示", "项目名称、项目代码是必填项！");
        Save();
    }
    EXPECT_EQ(testdb::Count(db, "CORVANE_NEW_RESULTCHANGE"), 0);
}

TEST_F(ResultChangeForm, ANewNumberIsSavedWithoutAQuestionAndListed) {
    Type(0, "A-1");
    Type(1, "项目甲");
    driver.ExpectMessageBox("提示", "保存成功！");
    Save();
    EXPECT_EQ(testdb::Query(db, "select XMBH, XMMC from CORVANE_NEW_RESULTCHANGE"), (Rows{{"A-1", "项目甲"}}));
    EXPECT_EQ(ListColumn(1), (std::vector<std::string>{"A-1"}));
}

TEST_F(ResultChangeForm, AStoredNumberIsOverwrittenOnlyAfterOk) {
    StoreRecord("A-1", {{"XMMC", "旧"}});
    StoreRecord("A-2", {{"XMMC", "另一个"}});
    view->m_dlgList.FillList();
    view->m_dlgList.LoadRecord("A-1", "");
    Type(1, "新");

    driver.ExpectMessageBox("系统提示", "该项目编号已存在，确定覆盖吗？", IDCANCEL);
    Save();
    EXPECT_EQ(Value("select XMMC from CORVANE_NEW_RESULTCHANGE where XMBH='A-1'"), "旧");

    // The number on the page decides which record is written.
    Type(0, "A-2");
    driver.ExpectMessageBox("系统提示", "该项目编号已存在，确定覆盖吗？", IDOK);
    driver.ExpectMessageBox("提示", "保存成功！");
    Save();
    EXPECT_EQ(Value("select XMMC from CORVANE_NEW_RESULTCHANGE where XMBH='A-2'"), "新");
    EXPECT_EQ(Value("select XMMC from CORVANE_NEW_RESULTCHANGE where XMBH='A-1'"), "旧");
    EXPECT_EQ(testdb::Count(db, "CORVANE_NEW_RESULTCHANGE"), 2);
}

TEST_F(ResultChangeForm, AFailedSaveShowsNoSuccess) {
    Type(0, "A-1");
    Type(1, "项目甲");
    sys::RemoveAll(PathOf("temp"));
    driver.ExpectMessageBox("提示", "数据保存失败！");
    Save();
    EXPECT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(testdb::Count(db, "CORVANE_NEW_RESULTCHANGE"), 0);
}

TEST_F(ResultChangeForm, NewLoadsTheChosenRecordOrABlankOneAndCancelChangesNothing) {
    StoreRecord("A-1", {{"XMMC", "甲"}, {"XMJF", "20"}});
    Type(2, "未保存");
    driver.OnModal<CDlgSelectResult>([](CDlgSelectResult& dlg) { dlg.Click(IDCANCEL); });
    view->m_dlgForm.OnBtnProadd();
    EXPECT_EQ(Info().GetDlgItemText(CDlgSCGZHInfo::ControlOf(2)), "未保存");

    driver.OnModal<CDlgSelectResult>([](CDlgSelectResult& dlg) {
        dlg.SetDlgItemText(CDlgSelectResult::IDC_XMBH, "A-1");
        dlg.SetDlgItemText(CDlgSelectResult::IDC_XMMC, "甲");
        dlg.Click(IDOK);
    });
    view->m_dlgForm.OnBtnProadd();
    EXPECT_EQ(Info().GetDlgItemText(CDlgSCGZHInfo::ControlOf(2)), "20");

    driver.OnModal<CDlgSelectResult>([](CDlgSelectResult& dlg) {
        dlg.SetDlgItemText(CDlgSelectResult::IDC_XMBH, "NEW-9");
        dlg.SetDlgItemText(CDlgSelectResult::IDC_XMMC, "新项目");
        dlg.Click(IDOK);
    });
    view->m_dlgForm.OnBtnProadd();
    EXPECT_EQ(Info().GetDlgItemText(CDlgSCGZHInfo::IDC_XMBH), "NEW-9");
    EXPECT_EQ(Info().GetDlgItemText(CDlgSCGZHInfo::IDC_XMMC), "新项目");
    EXPECT_EQ(Info().GetDlgItemText(CDlgSCGZHInfo::ControlOf(2)), "");
}

TEST_F(ResultChangeForm, TheActiveTabIsColouredBlue) {
    CDlgSCGZHForm& form = view->m_dlgForm;
    ASSERT_EQ(form.m_wndTab.GetTabsNum(), 1);
    std::string label;
    form.m_wndTab.GetTabLabel(0, label);
    EXPECT_EQ(label, "成果转化(项目)");
    form.OnChangeActiveTab(0, 0);
    EXPECT_EQ(form.m_wndTab.GetTabBkColor(0), CDlgSCGZHForm::kActiveTab);
}
