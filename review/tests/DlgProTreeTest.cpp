// The workflow view frame: the year and category bar, the project tree with
// the flags of each view, the project summary, and the start-up of a view
// with and without its database.
#include "WorkflowTestSupport.h"

#include "platform/ui/Controls.h"
#include "review/DlgHanS.h"
#include "review/DlgHuiS.h"
#include "review/DlgProSummary.h"
#include "review/DlgYearBar.h"

using namespace workflowtest;

namespace {

// A project number of 2008: fund number, subject, year digits, unit, serial.
std::string P(const std::string& fund, const std::string& serial) { return fund + "0101" + "08" + "0001" + serial; }

// A panel of the frame created in a window of its own with a connection.
template <class Panel>
struct Hosted {
    Hosted() {
        EXPECT_TRUE(workflow::ConnectProjectDatabase(connection));
        host.Create();
        panel.m_pConnection = &connection;
        panel.Create(&host);
    }
    static const ui::DialogTemplate& HostTemplate() {
        static const ui::DialogTemplate t{1, "host", {0, 0, 700, 500}, {}};
        return t;
    }
    CAdoConnection connection;
    ui::Dialog host{HostTemplate()};
    Panel panel;
};

class Frame : public WorkflowTest {
protected:
    // Projects of 2008 in each category, inserted out of order, with review
    // results for some.
    void SeedProjects() {
        AddApplication(P("9140A02", "002"), kGeneral, "2008");
        AddApplication(P("9140A01", "003"), kGeneral, "2008");
        AddApplication(P("9140A01", "001"), kGeneral, "2008");
        AddApplication(P("9140A01", "004"), kGeneral, "2008", "-");  // failed the first review
        AddApplication(P("9140A01", "005"), kGeneral, "2007");       // another year
        AddApplication(P("9140A03", "001"), kKey, "2008");
        AddApplication(P("9140B01", "001"), kLabGeneral, "2008");
        AddApplication(P("9140B02", "001"), kLabKey, "2008");
        for (const auto& [xmbh, result] : std::vector<std::pair<std::string, std::string>>{
                 {P("9140A01", "001"), "+"}, {P("9140A02", "002"), "-"}, {P("9140A03", "001"), "+"},
                 {P("9140B01", "001"), "+"}})
            Insert("CORVANE_ITEMPF", {{"XMBH", xmbh}, {"PSJG", result}});
    }
};

std::vector<std::string> ComboItems(ui::Wnd& dialog, int id) {
    std::vector<std::string> items;
    auto* combo = dialog.Item<ui::ComboBox>(id);
    for (int i = 0; i < combo->GetCount(); ++i) items.push_back(combo->GetLBText(i));
    return items;
}

}  // namespace

TEST_F(Frame, TreeListsTheProjectsOfEachViewsFlags) {
    SeedProjects();
    struct Case {
        const char* view;
        std::string year;
        bool specialtyGroup, keyProjects, bothKinds, passedOnly;
        std::vector<std::string> lines;
    } cases[] = {
        {"letter review", "2008", true, false, false, false,
         {"一般基金", "  9140A01", "    " + P("9140A01", "001"), "    " + P("9140A01", "003"), "  9140A02",
          "    " + P("9140A02", "002")}},
        {"meeting review, groups", "2008", true, true, false, false,
         {"重点基金", "  9140A03", "    " + P("9140A03", "001")}},
        {"meeting review, laboratories", "2008", false, true, true, false,
         {"一般基金", "  9140B01", "    " + P("9140B01", "001"), "重点基金", "  9140B02",
          "    " + P("9140B02", "001")}},
        {"approval", "2008", true, false, false, true, {"一般基金", "  9140A01", "    " + P("9140A01", "001")}},
        {"plan", "2008", true, true, false, true, {"重点基金", "  9140A03", "    " + P("9140A03", "001")}},
        {"acceptance, laboratories", "2008", false, true, true, true,
         {"一般基金", "  9140B01", "    " + P("9140B01", "001"), "重点基金"}},
        {"no year chosen", "", true, true, true, false, {"一般基金", "重点基金"}},
    };
    Hosted<CDlgProTree> hosted;
    for (const Case& c : cases) {
        hosted.panel.UpdateProTree(c.year, c.specialtyGroup, c.keyProjects, c.bothKinds, c.passedOnly);
        EXPECT_EQ(TreeLines(hosted.panel), c.lines) << c.view;
    }
}

TEST_F(Frame, TreeTakesAYearTextAsPlainText) {
    SeedProjects();
    Hosted<CDlgProTree> hosted;
    hosted.panel.UpdateProTree("2008' or '1'='1", true, false, false, false);
    EXPECT_EQ(TreeLines(hosted.panel), (std::vector<std::string>{"一般基金"}));
}

TEST_F(Frame, SummaryShowsAProjectAndKeepsItForANodeThatIsNoProject) {
    AddApplication("P1", kGeneral, "2008", "+",
                   {{"GZDW", "甲单位"}, {"HZDW", "乙单位"}, {"SQRXM", "张三"}, {"SQRXB", "男"}, {"SQRNL", "45"},
                    {"ZC", "研究员"}, {"SQJE", "12.5"}});
    Insert("CORVANE_ITEMPF", {{"XMBH", "P1"}, {"FS", "87.35"}, {"PSJG", "+"}});
    AddApplication("P2", kGeneral, "2008");
    Insert("CORVANE_ITEMPF", {{"XMBH", "P2"}, {"FS", "0"}, {"PSJG", "x"}});
    Hosted<CDlgProSummary> hosted;
    CDlgProSummary& summary = hosted.panel;

    summary.ShowProject("P1");
    const std::pair<int, std::string> expected[] = {
        {CDlgProSummary::IDC_XMBH, "P1"},    {CDlgProSummary::IDC_XMMC, "项目P1"}, {CDlgProSummary::IDC_GZDW, "甲单位"},
        {CDlgProSummary::IDC_HZDW, "乙单位"}, {CDlgProSummary::IDC_SQRXM, "张三"}, {CDlgProSummary::IDC_SQRXB, "男"},
        {CDlgProSummary::IDC_SQRNL, "45"},   {CDlgProSummary::IDC_ZC, "研究员"},   {CDlgProSummary::IDC_SQJE, "12.5"},
        {CDlgProSummary::IDC_FS, "87.35"},   {CDlgProSummary::IDC_PSJG, "+"},      {CDlgProSummary::IDC_RESULT, "+"},
    };
    for (const auto& [id, value] : expected) EXPECT_EQ(summary.GetDlgItemText(id), value) << id;
    EXPECT_EQ(summary.GetSelectedProject(), "P1");

    summary.ShowProject("9140A01");  // a fund-number node
    EXPECT_EQ(summary.GetDlgItemText(CDlgProSummary::IDC_XMBH), "P1");
    EXPECT_EQ(summary.GetDlgItemText(CDlgProSummary::IDC_FS), "87.35");
    EXPECT_EQ(summary.GetSelectedProject(), "") << "no project was selected";

    summary.ShowProject("P2");  // score 0 and a result that is not in the list
    EXPECT_EQ(summary.GetDlgItemText(CDlgProSummary::IDC_FS), "");
    EXPECT_EQ(summary.GetDlgItemText(CDlgProSummary::IDC_PSJG), "x");
    EXPECT_EQ(summary.Item<ui::ComboBox>(CDlgProSummary::IDC_RESULT)->GetCurSel(), -1);
    EXPECT_EQ(summary.GetDlgItemText(CDlgProSummary::IDC_GZDW), "") << "columns of the new project replace the old";
}

TEST_F(Frame, SummaryOfAProjectWithoutReviewRowHasNoScoreOrResult) {
    AddApplication("P1", kGeneral, "2008");
    Insert("CORVANE_ITEMPF", {{"XMBH", "P1"}, {"FS", "66"}, {"PSJG", "+"}});
    AddApplication("P3", kGeneral, "2008");
    Hosted<CDlgProSummary> hosted;
    hosted.panel.ShowProject("P1");
    hosted.panel.ShowProject("P3");
    EXPECT_EQ(hosted.panel.GetDlgItemText(CDlgProSummary::IDC_FS), "");
    EXPECT_EQ(hosted.panel.GetDlgItemText(CDlgProSummary::IDC_PSJG), "");
    EXPECT_EQ(hosted.panel.Item<ui::ComboBox>(CDlgProSummary::IDC_RESULT)->GetCurSel(), -1);
}

TEST_F(Frame, BarOffersTheFiveYearsOfThePeriodAndSelectsTheStoredYear) {
    SeedProjects();
    CDlgHuiS& view = OpenView<CDlgHuiS>();
    CDlgYearBar& bar = view.m_dlgYearBar;
    EXPECT_EQ(ComboItems(bar, CDlgYearBar::IDC_YEAR),
              (std::vector<std::string>{"2006", "2007", "2008", "2009", "2010"}));
    EXPECT_EQ(bar.GetYear(), "2008");
    EXPECT_EQ(bar.GetCategory(), 0);
    EXPECT_EQ(ComboItems(bar, CDlgYearBar::IDC_CATEGORY), (std::vector<std::string>{"专业组", "重点实验室"}));
    EXPECT_EQ(TreeLines(view.m_dlgProTree),
              (std::vector<std::string>{"重点基金", "  9140A03", "    " + P("9140A03", "001")}));
}

TEST_F(Frame, AStoredYearOutsideThePeriodSelectsNoYearAndListsNoProject) {
    SeedProjects();
    WriteSettings("2012", 1, 8);
    CDlgHuiS& view = OpenView<CDlgHuiS>();
    EXPECT_EQ(view.m_dlgYearBar.GetYear(), "");
    EXPECT_EQ(view.m_dlgYearBar.GetCategory(), 1);
    EXPECT_EQ(TreeLines(view.m_dlgProTree), (std::vector<std::string>{"一般基金", "重点基金"}));
}

TEST_F(Frame, ChangingYearOrCategoryRefillsTheTree) {
    SeedProjects();
    AddApplication(P("9140A03", "009").replace(11, 2, "07"), kKey, "2007");
    CDlgHuiS& view = OpenView<CDlgHuiS>();
    Choose(view.m_dlgYearBar, CDlgYearBar::IDC_YEAR, "2007");
    EXPECT_EQ(TreeLines(view.m_dlgProTree),
              (std::vector<std::string>{"重点基金", "  9140A03", "    9140A030101070001009"}));
    Choose(view.m_dlgYearBar, CDlgYearBar::IDC_YEAR, "2008");
    Choose(view.m_dlgYearBar, CDlgYearBar::IDC_CATEGORY, "重点实验室");
    EXPECT_EQ(TreeLines(view.m_dlgProTree),
              (std::vector<std::string>{"一般基金", "  9140B01", "    " + P("9140B01", "001"), "重点基金",
                                        "  9140B02", "    " + P("9140B02", "001")}));
}

TEST_F(Frame, LetterReviewFixesItsCategoryToTheSpecialtyGroups) {
    SeedProjects();
    WriteSettings("2008", 1, 8);
    CDlgHanS& view = OpenView<CDlgHanS>();
    ui::Wnd* category = view.m_dlgYearBar.GetDlgItem(CDlgYearBar::IDC_CATEGORY);
    EXPECT_FALSE(category->IsWindowEnabled());
    EXPECT_EQ(view.m_dlgYearBar.GetCategory(), 0);
    EXPECT_EQ(TreeLines(view.m_dlgProTree).front(), "一般基金");
    EXPECT_EQ(TreeLines(view.m_dlgProTree).size(), 6u);
}

TEST_F(Frame, ViewWithoutDatabaseSaysSoAndStaysEmpty) {
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    driver.AnswerMessageBox(IDOK);
    CDlgHanS& view = OpenView<CDlgHanS>();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "数据库连接失败");
    EXPECT_FALSE(view.m_dlgYearBar.IsWindow());
    EXPECT_FALSE(view.m_dlgProTree.IsWindow());
    EXPECT_FALSE(view.m_dlgPanel.IsWindow());
}

TEST_F(Frame, ViewsAreWhiteAndTheirPanelsAndBarsLightBlue) {
    CDlgHuiS& view = OpenView<CDlgHuiS>();
    EXPECT_EQ(view.GetWidget()->palette().color(QPalette::Window), QColor(255, 255, 255));
    for (ui::Wnd* panel : std::initializer_list<ui::Wnd*>{&view.m_dlgYearBar, &view.m_dlgProTree, &view.m_dlgPanel})
        EXPECT_EQ(panel->GetWidget()->palette().color(QPalette::Window), QColor(242, 246, 255));
}
