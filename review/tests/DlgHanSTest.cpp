// The letter review: expert scores and the project score, opinions and the
// result, saving and loading a review, the clear button, a node that is no
// project, refused writes and the Excel tables.
#include "WorkflowTestSupport.h"

#include <QLineEdit>

#include "foundation/Options.h"
#include "platform/ui/Controls.h"
#include "review/DlgHanS.h"
#include "review/OfficeReports.h"

using namespace workflowtest;

namespace {

using Panel = CDlgHanSPanel;

const std::string kP1 = "9140A010101080001001";
const std::string kP2 = "9140A010101080001002";

class LetterReview : public WorkflowTest {
protected:
    void SetUp() override {
        WorkflowTest::SetUp();
        AddApplication(kP1, kGeneral, "2008");
        AddApplication(kP2, kGeneral, "2008");
        AddExpert("E01", "李四", "J01", {{"XB", "男"}, {"NL", "50"}, {"ZC", "教授"}, {"SJ", "13800000000"}});
        AddExpert("E02", "王五", "J01");
        AddExpert("E03", "赵六", "J01");
    }
    CDlgHanS& Open() {
        CDlgHanS& view = OpenView<CDlgHanS>();
        panel = &view.m_dlgPanel;
        return view;
    }
    void SetExpert(int row, const std::string& number) {
        ui::GridItem* cell = panel->m_ctrlExpertGrid.GetItem(row, 0);
        cell->SetValue(number);
        panel->m_ctrlExpertGrid.OnCellChanged(cell, row, 0);
    }
    // Types a grade text into an expert's edit and leaves it.
    void Grade(int expert, const std::string& grades) {
        panel->SetDlgItemText(Panel::IDC_GRADES[expert], grades);
        panel->OnCommand(Panel::IDC_GRADES[expert], EN_KILLFOCUS);
    }
    std::string Text(int id) const { return panel->GetDlgItemText(id); }
    // What the edit shows (a masked edit's template included).
    std::string Shown(int id) const {
        return qobject_cast<QLineEdit*>(panel->GetDlgItem(id)->GetWidget())->text().toStdString();
    }

    Panel* panel = nullptr;
};

const std::vector<std::string> kReviewColumns = {"ZJ1", "ZJ2", "ZJ3", "PF1", "PF2", "PF3", "FS",
                                                 "YJ1", "YJ2", "YJ3", "PSJG", "BZZLY", "PFJF"};

}  // namespace

TEST_F(LetterReview, ExpertScoreIsTheSumOfGradeValueTimesWeight) {
    Open();
    const struct {
        const char* grades;
        float score;
    } cases[] = {
        {"A A B B C C D D", 66},  {"A A A A A A A A", 100}, {"F F F F F F F F", 0},
        {"X X X X X X X X", 0},   {"a A A A A A A A", 90},  {"E E E E E E E E", 20},
        {"", -2},                 {"A A _ _ _ _ _ _", -2},  {"A A A A A A", -1},
        {"A A A A A A A A A", -1},
    };
    for (const auto& c : cases) EXPECT_FLOAT_EQ(panel->CalcExpertScore(c.grades), c.score) << c.grades;
}

TEST_F(LetterReview, GradeEditsFollowTheIndicatorCount) {
    for (int n : {6, 10}) {
        WriteSettings("2008", 0, n);
        Open();
        const std::string expected = n == 6 ? "_ _ _ _ _ _" : "_ _ _ _ _ _ _ _ _ _";
        for (int id : Panel::IDC_GRADES) {
            EXPECT_EQ(Shown(id), expected) << n;
            EXPECT_EQ(Text(id), "") << "only the template: nothing typed";
        }
        auto* edit = panel->Item<ui::MaskEdit>(Panel::IDC_GRADES[0]);
        ASSERT_NE(edit, nullptr);
        EXPECT_TRUE(edit->IsMaskEnabled());
        DestroyView();
    }
    WriteSettings("2008", 0, 5);  // no mask outside 6 to 10
    Open();
    EXPECT_FALSE(panel->Item<ui::MaskEdit>(Panel::IDC_GRADES[0])->IsMaskEnabled());
    EXPECT_EQ(Text(Panel::IDC_GRADES[0]), "");
}

TEST_F(LetterReview, ScoreIsTheMeanOfTheGradedExperts) {
    Open();
    Grade(0, "A A B B C C D D");
    EXPECT_EQ(Text(Panel::IDC_SCORE), "66");
    Grade(1, "A A A A A A A A");
    EXPECT_EQ(Text(Panel::IDC_SCORE), "83") << "the third expert still shows the template";
    Grade(2, "A B C D E F X A");  // 10+8+6+4+3+0+0+15 = 46
    EXPECT_EQ(Text(Panel::IDC_SCORE), "70.67");
}

// The weights and grade values are read when a score is computed: changed in
// 评分指标管理 while the view is open, they count at once; all 0 (as
// installed) they are reported and give no score instead of a score of 0.
TEST_F(LetterReview, ScoresUseTheWeightsAsTheyAreNowAndAllZeroWeightsAreReported) {
    const auto setScoring = [](std::array<int, 10> weights, std::array<int, 6> grades) {
        COptions options;
        options.SetIndexWeights(weights);
        options.SetGradeScores(grades);
        options.Save();
    };
    Open();
    Grade(0, "A A A A A A A A");
    EXPECT_EQ(Text(Panel::IDC_SCORE), "100");
    setScoring({20, 20, 20, 20, 5, 5, 5, 5, 0, 0}, {50, 40, 30, 20, 10, 0});
    Grade(0, "A A A A B B B B");  // 4 x 20 x 50% + 4 x 5 x 40%
    EXPECT_EQ(Text(Panel::IDC_SCORE), "48");

    const std::string warning = "评分指标的权重或等级分值全为0，无法计算分数，请先在评分指标管理中设置。";
    const struct {
        std::array<int, 10> weights;
        std::array<int, 6> grades;
    } zeros[] = {{{}, {}}, {{}, {100, 80, 60, 40, 20, 0}}, {{10, 10, 10, 10, 15, 15, 15, 15}, {}},
                 {{0, 0, 0, 0, 0, 0, 0, 0, 50, 50}, {100, 80, 60, 40, 20, 0}}};  // only unused weights set
    for (const auto& c : zeros) {
        panel->SetDlgItemText(Panel::IDC_SCORE, "");
        setScoring(c.weights, c.grades);
        driver.ExpectMessageBox("提示", warning);
        Grade(1, "A A A A A A A A");
        EXPECT_TRUE(driver.Finished());
        EXPECT_EQ(Text(Panel::IDC_SCORE), "") << "no score of 0";
    }
}

TEST_F(LetterReview, CountMismatchIsReportedOnceAndKeepsTheScore) {
    Open();
    Grade(0, "A A A A A A A A");
    driver.ExpectMessageBox("提示", "评分个数与指标个数不一致，无法计算分数。");
    Grade(1, "A A A A A");
    EXPECT_EQ(Text(Panel::IDC_SCORE), "100");
    EXPECT_TRUE(driver.Finished());
}

TEST_F(LetterReview, UngradedPanelKeepsItsScoreText) {
    Open();
    panel->SetDlgItemText(Panel::IDC_SCORE, "12");
    Grade(0, "A A _ _ _ _ _ _");
    EXPECT_EQ(Text(Panel::IDC_SCORE), "12");
}

TEST_F(LetterReview, OpinionNoGivesGradeEAndTwoOfThemTheResultMinus) {
    Open();
    Grade(0, "A A A A A A A A");
    Grade(1, "A A A A A A A A");
    Choose(*panel, Panel::IDC_OPINION[0], "n");
    EXPECT_EQ(Text(Panel::IDC_GRADES[0]), "E E E E E E E E");
    EXPECT_EQ(Text(Panel::IDC_SCORE), "60");
    EXPECT_EQ(Text(Panel::IDC_RESULT), "");
    Choose(*panel, Panel::IDC_OPINION[1], "y");
    EXPECT_EQ(Text(Panel::IDC_GRADES[1]), "A A A A A A A A") << "y changes nothing";
    Choose(*panel, Panel::IDC_OPINION[2], "n");
    EXPECT_EQ(Text(Panel::IDC_RESULT), "-");
    EXPECT_EQ(Text(Panel::IDC_SCORE), "46.67");
}

TEST_F(LetterReview, SaveWritesTheReviewRowAndTheSummaryShowsIt) {
    CDlgHanS& view = Open();
    SelectNode(view.m_dlgProTree, kP1);
    SetExpert(0, "E01");
    SetExpert(1, "E02");
    Grade(0, "A A B B C C D D");
    Grade(1, "A A A A A A A A");
    Grade(2, "A B C D E F X A");
    Choose(*panel, Panel::IDC_OPINION[0], "y");
    Choose(*panel, Panel::IDC_RESULT, "+");
    panel->SetDlgItemText(Panel::IDC_REASON, "经费偏高");
    driver.ExpectMessageBox("提示", "保存成功！");
    panel->Click(Panel::IDC_SAVE);

    const Row row = ReviewRow(kP1, kReviewColumns);
    const Row expected{{"ZJ1", "E01"}, {"ZJ2", "E02"}, {"ZJ3", ""}, {"PF1", "A A B B C C D D"},
                       {"PF2", "A A A A A A A A"}, {"PF3", "A B C D E F X A"}, {"FS", "70.67"}, {"YJ1", "y"},
                       {"YJ2", ""}, {"YJ3", ""}, {"PSJG", "+"}, {"BZZLY", "经费偏高"}, {"PFJF", ""}};
    EXPECT_EQ(row, expected);
    EXPECT_EQ(panel->m_dlgSummary.GetDlgItemText(CDlgProSummary::IDC_FS), "70.67");
    EXPECT_EQ(panel->m_dlgSummary.GetDlgItemText(CDlgProSummary::IDC_PSJG), "+");

    SelectNode(view.m_dlgProTree, kP2);
    SelectNode(view.m_dlgProTree, kP1);
    EXPECT_EQ(Text(Panel::IDC_SCORE), "70.67") << "the displayed score comes back";
    EXPECT_EQ(Text(Panel::IDC_GRADES[2]), "A B C D E F X A");
}

// Expert lines left as their template store nothing in the grade columns:
// the template is no grade.
TEST_F(LetterReview, EmptyExpertLinesStoreNoTemplate) {
    CDlgHanS& view = Open();
    SelectNode(view.m_dlgProTree, kP1);
    SetExpert(0, "E01");
    Grade(0, "A A A A A A A A");
    Choose(*panel, Panel::IDC_RESULT, "+");
    driver.ExpectMessageBox("提示", "保存成功！");
    panel->Click(Panel::IDC_SAVE);
    EXPECT_EQ(ReviewRow(kP1, {"ZJ1", "PF1", "PF2", "PF3", "FS"}),
              (Row{{"ZJ1", "E01"}, {"PF1", "A A A A A A A A"}, {"PF2", ""}, {"PF3", ""}, {"FS", "100"}}));
}

TEST_F(LetterReview, StoredReviewLoadsAsFreeTextAndSavingKeepsTheOtherColumns) {
    Insert("CORVANE_ITEMPF", {{"XMBH", kP2}, {"ZJ1", "E03"}, {"ZJ2", "E01"}, {"PF1", "A A A A A A A A"},
                              {"PF2", "B B B B B B B B"}, {"FS", "87.35"}, {"YJ1", "y"}, {"YJ2", "n"},
                              {"PSJG", "+"}, {"BZZLY", "理由"}, {"PFJF", "30"}, {"PFSJF", "10"}});
    CDlgHanS& view = Open();
    SelectNode(view.m_dlgProTree, kP2);
    EXPECT_EQ(panel->m_ctrlExpertGrid.GetExpertNumber(0), "E03");
    EXPECT_EQ(panel->m_ctrlExpertGrid.GetItem(0, 1)->GetValue(), "赵六");
    EXPECT_EQ(Text(Panel::IDC_NUMBER[1]), "E01");
    EXPECT_EQ(Text(Panel::IDC_NAME[1]), "李四");
    EXPECT_EQ(Text(Panel::IDC_NUMBER[2]), "");
    EXPECT_EQ(Text(Panel::IDC_GRADES[1]), "B B B B B B B B");
    EXPECT_EQ(Text(Panel::IDC_GRADES[2]), "") << "a missing grade text is loaded as empty";
    EXPECT_FALSE(panel->Item<ui::MaskEdit>(Panel::IDC_GRADES[0])->IsMaskEnabled());
    EXPECT_EQ(Text(Panel::IDC_SCORE), "87.35");
    EXPECT_EQ(Text(Panel::IDC_OPINION[0]), "y");
    EXPECT_EQ(Text(Panel::IDC_OPINION[1]), "n");
    EXPECT_EQ(Text(Panel::IDC_OPINION[2]), "");
    EXPECT_EQ(Text(Panel::IDC_RESULT), "+");
    EXPECT_EQ(Text(Panel::IDC_REASON), "理由");

    Choose(*panel, Panel::IDC_RESULT, "-");
    driver.ExpectMessageBox("提示", "保存成功！");
    panel->Click(Panel::IDC_SAVE);
    const Row row = ReviewRow(kP2, {"PSJG", "FS", "PFJF", "PFSJF", "ZJ1"});
    EXPECT_EQ(row, (Row{{"PSJG", "-"}, {"FS", "87.35"}, {"PFJF", "30"}, {"PFSJF", "10"}, {"ZJ1", "E03"}}));
    EXPECT_EQ(Query("select XMBH from CORVANE_ITEMPF", {"XMBH"}).size(), 1u) << "no second row";
}

TEST_F(LetterReview, ProjectWithoutReviewKeepsTheTemplateAndAClearEmptiesEverything) {
    Insert("CORVANE_ITEMPF", {{"XMBH", kP2}, {"ZJ1", "E03"}, {"PF1", "A A A A A A A A"}, {"FS", "100"},
                              {"YJ1", "n"}, {"PSJG", "-"}, {"BZZLY", "理由"}});
    CDlgHanS& view = Open();
    SelectNode(view.m_dlgProTree, kP2);
    SelectNode(view.m_dlgProTree, kP1);
    EXPECT_EQ(panel->m_ctrlExpertGrid.GetRowCount(), 3);
    EXPECT_EQ(panel->m_ctrlExpertGrid.GetExpertNumber(0), "");
    EXPECT_TRUE(panel->Item<ui::MaskEdit>(Panel::IDC_GRADES[0])->IsMaskEnabled());
    EXPECT_EQ(Shown(Panel::IDC_GRADES[0]), "_ _ _ _ _ _ _ _");
    for (int id : {Panel::IDC_SCORE, Panel::IDC_OPINION[0], Panel::IDC_RESULT, Panel::IDC_NUMBER[0],
                   Panel::IDC_NAME[0], Panel::IDC_REASON})
        EXPECT_EQ(Text(id), "") << id;

    SelectNode(view.m_dlgProTree, kP2);
    panel->Click(Panel::IDC_CLEAR);
    EXPECT_EQ(Shown(Panel::IDC_GRADES[0]), "_ _ _ _ _ _ _ _");
    EXPECT_EQ(Text(Panel::IDC_NUMBER[0]), "");
    EXPECT_EQ(Text(Panel::IDC_REASON), "");
    EXPECT_EQ(panel->m_ctrlExpertGrid.GetExpertNumber(0), "");
}

TEST_F(LetterReview, NodeThatIsNoProjectClearsThePanelAndCannotBeSavedOverThePreviousProject) {
    Insert("CORVANE_ITEMPF", {{"XMBH", kP1}, {"ZJ1", "E01"}, {"PF1", "A A A A A A A A"}, {"FS", "100"},
                              {"PSJG", "+"}});
    CDlgHanS& view = Open();
    SelectNode(view.m_dlgProTree, kP1);
    SelectNode(view.m_dlgProTree, "9140A01");
    EXPECT_EQ(panel->m_dlgSummary.GetDlgItemText(CDlgProSummary::IDC_XMBH), kP1) << "the summary keeps the project";
    EXPECT_EQ(panel->m_ctrlExpertGrid.GetExpertNumber(0), "");
    driver.ExpectMessageBox("提示", "请先选择一个项目！");
    panel->Click(Panel::IDC_SAVE);
    EXPECT_EQ(ReviewRow(kP1, {"ZJ1", "PF1", "FS", "PSJG"}),
              (Row{{"ZJ1", "E01"}, {"PF1", "A A A A A A A A"}, {"FS", "100"}, {"PSJG", "+"}}));
}

TEST_F(LetterReview, SaveWithoutProjectAsksForOne) {
    Open();
    driver.ExpectMessageBox("提示", "请先选择一个项目！");
    panel->Click(Panel::IDC_SAVE);
    EXPECT_TRUE(Query("select XMBH from CORVANE_ITEMPF", {"XMBH"}).empty());
}

TEST_F(LetterReview, RefusedWriteIsReportedAndLeavesTheStoredReview) {
    Insert("CORVANE_ITEMPF", {{"XMBH", kP1}, {"PF1", "A A A A A A A A"}, {"PSJG", "+"}});
    CDlgHanS& view = Open();
    SelectNode(view.m_dlgProTree, kP1);
    panel->SetDlgItemText(Panel::IDC_GRADES[0], std::string(60, 'A'));  // free text longer than the column
    Choose(*panel, Panel::IDC_RESULT, "-");
    driver.ExpectMessageBox("提示", "“评分数据”不能超过50个字符。\r\n保存失败！");  // the field is named
    panel->Click(Panel::IDC_SAVE);
    EXPECT_EQ(ReviewRow(kP1, {"PF1", "PSJG"}), (Row{{"PF1", "A A A A A A A A"}, {"PSJG", "+"}}));
}

TEST_F(LetterReview, ReviewStoredWithAnotherIndicatorCountReportsTheMismatch) {
    Insert("CORVANE_ITEMPF", {{"XMBH", kP1}, {"PF1", "A A A A A A A A"}, {"FS", "100"}});
    WriteSettings("2008", 0, 6);
    CDlgHanS& view = Open();
    SelectNode(view.m_dlgProTree, kP1);
    driver.ExpectMessageBox("提示", "评分个数与指标个数不一致，无法计算分数。");
    panel->OnCommand(Panel::IDC_GRADES[0], EN_KILLFOCUS);
    EXPECT_EQ(Text(Panel::IDC_SCORE), "100");
}

TEST_F(LetterReview, ExcelOpensTheLetterReviewTablesWithThePanelsConnection) {
    CDlgHanS& view = Open();
    officereports::ClearRequests();
    driver.OnModal([](ui::Dialog& report) { report.EndDialog(IDCANCEL); });  // the report dialog opens
    panel->Click(Panel::IDC_EXCEL);
    ASSERT_EQ(officereports::Requests().size(), 1u);
    EXPECT_EQ(officereports::Requests()[0].dialog, "CDlgHanSExcel");
    EXPECT_EQ(officereports::Requests()[0].parent, panel);
    EXPECT_EQ(officereports::Requests()[0].connection, &view.Connection());
    officereports::ClearRequests();
}
