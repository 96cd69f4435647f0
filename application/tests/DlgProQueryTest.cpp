// The query dialog: its condition and three statements, the message that
// shows the condition, and the application list refilled from it.
#include "AppOutputTestSupport.h"

#include "application/ApplicationStore.h"
#include "application/DlgOutputList.h"
#include "application/DlgProQuery.h"
#include "platform/ui/App.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"

namespace {

using Dlg = CDlgProQuery;

const std::string kApp = "select xmlb,nf,xmbh,xmmc,sqzndm,dwdm,gzdw,sqrxm,sqje from corvane_itemappinfo";
// The follow-up tables' rows, each with its one application (the join is
// the application store's).
const std::string kAccept = appstore::JoinedQueryFormSelect("corvane_itemcheckaccept");
const std::string kProgress = appstore::JoinedQueryFormSelect("corvane_itemprogress");

TEST(ProjectQueries, ConditionAndTheThreeStatements) {
    struct Case {
        ProjectQueryFields fields;
        std::string condition;
        bool qualified;  // the number clause is qualified in the joined statements
    };
    const Case cases[] = {
        {{"全部基金"}, "", false},
        {{"", "", "9140A01"}, "xmbh like '9140A01%'", true},
        {{"全部基金", "2008", "", "", "", "", "张三"}, "nf = '2008' and sqrxm = '张三'", false},
        {{"共性技术基金——一般项目"}, "xmlb = '共性技术基金——一般项目'", false},
        {{"重点实验室基金——重点项目", "2007", "9140", "9140A010101", "A001", "第一研究所", "李四"},
         "xmbh like '9140%' and xmlb = '重点实验室基金——重点项目' and nf = '2007' and sqzndm = '9140A010101' and "
         "dwdm = 'A001' and gzdw = '第一研究所' and sqrxm = '李四'",
         true},
        {{"全部基金", " "}, "nf = ' '", false},  // a text of spaces is not empty
        {{"全部基金", "", "", "", "", "O'Brien's"}, "gzdw = 'O''Brien''s'", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.condition);
        const ProjectQueries q = BuildProjectQueries(c.fields);
        EXPECT_EQ(q.condition, c.condition);
        const std::string where = c.condition.empty() ? "" : " where ";
        EXPECT_EQ(q.application, kApp + where + c.condition);
        EXPECT_EQ(q.acceptance,
                  kAccept + where + (c.qualified ? "corvane_itemcheckaccept." : "") + c.condition);
        EXPECT_EQ(q.progress, kProgress + where + (c.qualified ? "corvane_itemprogress." : "") + c.condition);
    }
}

class ProQueryTest : public AppOutputTest {
protected:
    void SetUp() override {
        AppOutputTest::SetUp();
        list.Create(&host);
        list.InitProjectList();
    }
    // The list's 查询 as the form view runs it: the dialog, then the list
    // refilled from its statement by unit code and serial, unless cancelled.
    // `shown`: OK shows a condition, which the user acknowledges.
    template <class Handler>
    void Query(Handler handler, bool shown = false) {
        driver.OnModal<Dlg>(handler);
        if (shown) driver.AnswerMessageBox();
        Dlg dlg(&host);
        if (dlg.DoModal() == IDOK) list.LoadProjects(rs, dlg.m_strAppQuery + " order by Right(XMBH, 7)");
    }
    std::vector<std::string> Numbers() const {
        std::vector<std::string> numbers;
        for (int row = 0; row < list.List().GetItemCount(); ++row)
            numbers.push_back(list.List().GetItemText(row, 0) + " " + list.List().GetItemText(row, 1));
        return numbers;
    }

    HostDialog host;
    CDlgOutputList list{&host};
};

TEST_F(ProQueryTest, OpensOnAllFundsAndShowsTheConditionOnOK) {
    driver.OnModal<Dlg>([&](Dlg& dlg) {
        EXPECT_EQ(dlg.GetWindowText(), "查询");
        auto* category = dlg.Item<ui::ComboBox>(Dlg::IDC_CATEGORY);
        EXPECT_EQ(category->GetWindowText(), "全部基金");
        EXPECT_EQ(category->GetCount(), 5);
        category->SetCurSel(2);
        dlg.SetDlgItemText(Dlg::IDC_NUMBER, "9140");
        dlg.SetDlgItemText(Dlg::IDC_LEADER, "张三");
        driver.ExpectMessageBox(ui::AppTitle(), "xmbh like '9140%' and xmlb = '共性技术基金——重点项目' and "
                                                "sqrxm = '张三'");
        dlg.Click(IDOK);
        EXPECT_EQ(driver.MessageBoxes().back().type, UINT(MB_OK));
    });
    Dlg dlg(nullptr);
    EXPECT_TRUE(dlg.m_strAppQuery.empty());
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strAcceptQuery,
              kAccept + " where corvane_itemcheckaccept.xmbh like '9140%' and xmlb = '共性技术基金——重点项目' and "
                        "sqrxm = '张三'");
}

TEST_F(ProQueryTest, AllFieldsEmptyListsEveryApplicationByUnitAndSerialWithoutAMessage) {
    SeedApplications();
    Query([](Dlg& dlg) { dlg.Click(IDOK); });
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"1 9140B0101012007A001001", "2 9140A0101012008A001002",
                                                   "3 9140A0101012008A002001"}));
    EXPECT_EQ(list.List().GetItemText(0, 8), "30 万元");
    EXPECT_EQ(list.List().GetItemText(2, 8), " 万元");
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(ProQueryTest, AConditionNarrowsTheListAndCancelKeepsIt) {
    SeedApplications();
    Query(
        [](Dlg& dlg) {
            dlg.SetDlgItemText(Dlg::IDC_YEAR, "2008");
            dlg.Click(IDOK);
        },
        true);
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"1 9140A0101012008A001002", "2 9140A0101012008A002001"}));
    EXPECT_FALSE(list.List().GetCheck(0));

    Query([](Dlg& dlg) { dlg.Click(IDCANCEL); });
    EXPECT_EQ(list.List().GetItemCount(), 2);
}

// A quote in a value is part of the value, not of the statement.
TEST_F(ProQueryTest, AQuoteInAValueFindsNothingAndBreaksNothing) {
    SeedApplications();
    AddApplication({"9140A0101012008A003001", "项目丁", "共性技术基金——一般项目", "2008", "O'Neil", "5"});
    for (const char* leader : {"O'Neil", "x' or '1'='1"}) {
        Query(
            [leader](Dlg& dlg) {
                dlg.SetDlgItemText(Dlg::IDC_LEADER, leader);
                dlg.Click(IDOK);
            },
            true);
        EXPECT_EQ(list.List().GetItemCount(), std::string(leader) == "O'Neil" ? 1 : 0) << leader;
    }
}

}  // namespace
