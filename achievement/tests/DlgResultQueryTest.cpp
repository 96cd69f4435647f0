// The query dialog of the achievement-transfer list: the statement built
// from the fields, and the dialog as the user fills it.
#include <gtest/gtest.h>

#include "achievement/DlgResultQuery.h"
#include "platform/ui/App.h"
#include "platform/ui/Lists.h"
#include "platform/ui/TestDriverGTest.h"

namespace {

struct Case {
    const char* what;
    ResultQueryFields fields;
    const char* statement;
};

const Case kCases[] = {
    {"nothing asked", {"全部基金"}, "select * FROM corvane_new_resultchange"},
    {"key projects", {"重点项目"}, "select * from corvane_new_resultchange where check13 = '是'"},
    {"general projects, number prefix and unit",
     {"一般项目", "", "9140", "", "某所"},
     "select * from corvane_new_resultchange where check13 = '否' and xmbh like '9140%' and cydw = '某所'"},
    {"every field, in the fixed order",
     {"全部基金", "名称", "91", "张三", "一所", "二所"},
     "select * from corvane_new_resultchange where xmbh like '91%' and xmmc = '名称' and xmzzxm = '张三' and "
     "cydw = '一所' and lhcydw = '二所'"},
    {"a typed quote stays inside its value",
     {"全部基金", "O'Neil", "9'1"},
     "select * from corvane_new_resultchange where xmbh like '9''1%' and xmmc = 'O''Neil'"},
};

TEST(ResultQuery, BuildsOneStatementFromTheFields) {
    for (const Case& c : kCases) EXPECT_EQ(BuildResultQuery(c.fields), c.statement) << c.what;
}

TEST(ResultQuery, DialogStartsOnAllFundsAndHandsBackTheStatement) {
    ui::EnsureApplication();
    ui::TestDriver driver;
    CDlgResultQuery dlg;
    driver.OnModal<CDlgResultQuery>([](CDlgResultQuery& d) {
        auto* category = d.Item<ui::ComboBox>(CDlgResultQuery::IDC_CATEGORY);
        ASSERT_NE(category, nullptr);
        EXPECT_EQ(category->GetWindowText(), "全部基金");
        EXPECT_EQ(category->GetCount(), 3);
        category->SetCurSel(1);
        d.SetDlgItemText(CDlgResultQuery::IDC_LEADER, "李四");
        d.Click(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strSQL, "select * from corvane_new_resultchange where check13 = '否' and xmzzxm = '李四'");

    CDlgResultQuery cancelled;
    driver.OnModal<CDlgResultQuery>([](CDlgResultQuery& d) {
        d.SetDlgItemText(CDlgResultQuery::IDC_NAME, "x");
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.m_strSQL, "");
}

}  // namespace
