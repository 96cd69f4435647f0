// The expert judging view: the project list and expert numbers, the review
// modes, opening a project's experts and result, the expert save, the
// scoring save with its checks and the overwrite question, and clearing a
// project's review data.
#include <QComboBox>
#include <QLineEdit>

#include "AcceptTestSupport.h"
#include "platform/ui/Lists.h"
#include "review/DLGPROJUDGE.h"

using namespace accepttest;

namespace {

const std::string kA = "9140A01010108000001", kB = "9140A01020108000002", kC = "9140B02010107000003";

class ProJudge : public HostedViewTest<CDLGPROJUDGE> {
protected:
    void SetUp() override {
        HostedViewTest::SetUp();
        AddProject(kA, "甲项目");
        AddProject(kB, "乙项目", "共性技术基金——重点项目");
        AddProject(kC, "丙项目", "共性技术基金——一般项目", "2007");
        for (const auto& [id, name] : {std::pair{"E02", "李"}, {"E01", "张"}, {"E03", "王"}})
            AddRow("CORVANE_EXPERTINFO", {{"ID", id}, {"XM", name}, {"XB", "男"}, {"NL", "50"}, {"ZC", "研究员"},
                                          {"ZYTC", "材料"}, {"GZDW", "单位" + std::string(id)}, {"TXDZ", "地址"},
                                          {"YZBM", "100000"}, {"DH", "123"}});
        AddRow("CORVANE_EXPERTJUDGE", {{"XMBH", kA}, {"ID", "E02"}, {"FS", "85"}, {"ZZYJ", "资助"}});
        AddRow("CORVANE_EXPERTJUDGE", {{"XMBH", kA}, {"ID", "E01"}, {"FS", "70"}, {"ZZYJ", "不资助"}});
        AddRow("CORVANE_EXPERTJUDGE", {{"XMBH", kC}, {"ID", "E03"}, {"FS", "60"}, {"ZZYJ", "资助"}});
        AddRow("CORVANE_ITEMMANAGEINFO",
               {{"XMBH", kA}, {"PSZFS", "78"}, {"PSYJ", "不同意"}, {"PFJF", "12.5"}, {"YSDJ", "良"}});
    }
    static void Open(CDLGPROJUDGE& view, const std::string& number) {
        for (int i = 0; i < view.ProjectList().GetItemCount(); ++i)
            if (view.ProjectList().GetItemText(i, 2) == number) {
                MarkRow(view.ProjectList(), i);
                view.OnDblclkListProlist();
                return;
            }
        ADD_FAILURE() << number << " is not listed";
    }
    static Rows Cells(const ui::GridCtrl& grid, int columns) {
        Rows rows;
        for (int r = 0; r < grid.GetRowCount(); ++r) {
            std::vector<std::string> row;
            for (int c = 0; c < columns; ++c) row.push_back(grid.GetItem(r, c)->GetValue());
            rows.push_back(row);
        }
        return rows;
    }
    // The user picks an expert number in the expert grid.
    static void PickExpert(CDLGPROJUDGE& view, int row, const std::string& id) {
        ASSERT_TRUE(view.m_ctrlExpertGrid.EditItem(row, 0));
        auto* combo = qobject_cast<QComboBox*>(view.m_ctrlExpertGrid.GetInPlaceEditor());
        ASSERT_NE(combo, nullptr);
        const int index = combo->findText(QString::fromStdString(id));
        ASSERT_GE(index, 0) << id;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // The user types a score cell (分数 or 资助意见).
    static void TypeScoreCell(CDLGPROJUDGE& view, int row, int column, const std::string& value) {
        ASSERT_TRUE(view.m_ctrlScoreGrid.EditItem(row, column));
        auto* line = qobject_cast<QLineEdit*>(view.m_ctrlScoreGrid.GetInPlaceEditor());
        ASSERT_NE(line, nullptr);
        line->setText(QString::fromStdString(value));
    }
    static void FillResult(CDLGPROJUDGE& view, const std::string& score, int opinion, const std::string& funding) {
        view.SetDlgItemText(CDLGPROJUDGE::IDC_EDIT_SCORE, score);
        view.Item<ui::ComboBox>(CDLGPROJUDGE::IDC_COMBO_OPINION)->SetCurSel(opinion);
        view.SetDlgItemText(CDLGPROJUDGE::IDC_EDIT_FUNDING, funding);
    }
    static Rows Judges(const std::string& number) {
        return Query("select ID, FS, ZZYJ from CORVANE_EXPERTJUDGE where XMBH='" + number + "' order by ID");
    }
};

TEST_F(ProJudge, ListsEveryApplicationAndStartsInTheLetterReview) {
    CDLGPROJUDGE& view = OpenView();
    EXPECT_EQ(Headings(view.ProjectList()),
              (std::vector<std::string>{"项目类别", "年份", "项目编号", "项目名称", "基金编号"}));
    Rows numbers;
    for (const auto& row : ListRows(view.ProjectList())) numbers.push_back({row[1], row[2]});
    EXPECT_EQ(numbers, (Rows{{"2007", kC}, {"2008", kA}, {"2008", kB}}));
    EXPECT_EQ(view.m_arrExpertNumbers.size(), 3u);
    EXPECT_EQ(view.m_ctrlExpertGrid.GetRowCount(), 3);
    EXPECT_EQ(view.m_ctrlScoreGrid.GetRowCount(), 3);

    EXPECT_EQ(view.IsDlgButtonChecked(CDLGPROJUDGE::IDC_RADIO_SINGLE), 1u);
    EXPECT_EQ(view.m_nMode, CDLGPROJUDGE::kModeLetter);
    view.Click(CDLGPROJUDGE::IDC_RADIO_GROUP);
    EXPECT_EQ(view.m_nMode, CDLGPROJUDGE::kModeMeeting);
    for (ui::Wnd* control : std::initializer_list<ui::Wnd*>{&view.m_ctrlExpertGrid, &view.m_ctrlScoreGrid,
                                                            &view.m_btnSaveExperts, &view.m_editScore})
        EXPECT_FALSE(control->IsWindowEnabled());
    view.Click(CDLGPROJUDGE::IDC_RADIO_SINGLE);
    EXPECT_EQ(view.m_nMode, CDLGPROJUDGE::kModeLetter);
    EXPECT_TRUE(view.m_ctrlScoreGrid.IsWindowEnabled());
}

TEST_F(ProJudge, OpeningAProjectShowsItsExpertsScoresAndResult) {
    CDLGPROJUDGE& view = OpenView();
    Open(view, kA);
    EXPECT_EQ(view.CurrentProject(), kA);
    EXPECT_EQ(Cells(view.m_ctrlExpertGrid, 11),
              (Rows{{"E02", "李", "男", "50", "研究员", "材料", "单位E02", "地址", "100000", "", ""},
                    {"E01", "张", "男", "50", "研究员", "材料", "单位E01", "地址", "100000", "", ""},
                    {"", "", "", "", "", "", "", "", "", "", ""}}));
    EXPECT_EQ(Cells(view.m_ctrlScoreGrid, 4),
              (Rows{{"E02", "李", "85", "资助"}, {"E01", "张", "70", "不资助"}, {"", "", "", ""}}));
    EXPECT_EQ(view.GetDlgItemText(CDLGPROJUDGE::IDC_EDIT_SCORE), "78");
    EXPECT_EQ(view.Item<ui::ComboBox>(CDLGPROJUDGE::IDC_COMBO_OPINION)->GetCurSel(), 1);
    EXPECT_EQ(view.GetDlgItemText(CDLGPROJUDGE::IDC_EDIT_FUNDING), "12.5");

    // A project without experts or result: empty rows to fill, empty fields.
    Open(view, kB);
    EXPECT_EQ(Cells(view.m_ctrlScoreGrid, 4), (Rows(3, {"", "", "", ""})));
    EXPECT_EQ(view.GetDlgItemText(CDLGPROJUDGE::IDC_EDIT_SCORE), "");
    EXPECT_EQ(view.Item<ui::ComboBox>(CDLGPROJUDGE::IDC_COMBO_OPINION)->GetCurSel(), -1);
}

TEST_F(ProJudge, PickingAnExpertShowsItInTheScoreGrid) {
    CDLGPROJUDGE& view = OpenView();
    Open(view, kB);
    PickExpert(view, 1, "E03");
    EXPECT_EQ(Cells(view.m_ctrlScoreGrid, 2), (Rows{{"", ""}, {"E03", "王"}, {"", ""}}));
    driver.ExpectMessageBox("提示", "所选专家有重复，请重新选择！");
    PickExpert(view, 2, "E03");
    EXPECT_EQ(Cells(view.m_ctrlScoreGrid, 2), (Rows{{"", ""}, {"E03", "王"}, {"", ""}}));
}

TEST_F(ProJudge, ExpertSaveChecksTheGridAndReplacesThisProjectsExpertsOnly) {
    CDLGPROJUDGE& view = OpenView();
    driver.ExpectMessageBox("提示", "请先双击选择待评审项目！");
    view.OnBtnSaveZj();

    Open(view, kB);
    driver.ExpectMessageBox("提示", "专家列表不可为空！");
    view.OnBtnSaveZj();
    TypeScoreCell(view, 1, CDLGPROJUDGE::kJudgeScore, "90");
    driver.ExpectMessageBox("提示", "专家记录第2条填写不正确！");
    view.OnBtnSaveZj();
    EXPECT_TRUE(Judges(kB).empty());

    PickExpert(view, 1, "E01");
    PickExpert(view, 2, "E03");
    driver.ExpectMessageBox("提示", "专家信息保存成功！");
    view.OnBtnSaveZj();
    EXPECT_EQ(Judges(kB), (Rows{{"E01", "90", ""}, {"E03", "", ""}}));
    EXPECT_EQ(Judges(kA), (Rows{{"E01", "70", "不资助"}, {"E02", "85", "资助"}}));
    EXPECT_EQ(Judges(kC), (Rows{{"E03", "60", "资助"}}));
    for (const auto& call : driver.MessageBoxes()) {
        if (call.text != "专家信息保存成功！" && call.text != "所选专家有重复，请重新选择！") {
            EXPECT_EQ(call.type & MB_ICONMASK, MB_ICONWARNING) << call.text;
        }
    }
}

TEST_F(ProJudge, ScoringSaveRefusesIncompleteInputAndWritesNothing) {
    CDLGPROJUDGE& view = OpenView();
    driver.ExpectMessageBox("提示", "请先双击选择待评审项目！");
    view.OnBtnSaveDf();

    Open(view, kB);
    PickExpert(view, 0, "E01");
    TypeScoreCell(view, 0, CDLGPROJUDGE::kJudgeScore, "90");
    const struct {
        std::string score;
        int opinion;
        std::string funding, message;
    } cases[] = {
        {"90", -1, "10", "请选择评审意见"},
        {"", 0, "10", "请正确填写经费、分数、评审意见项！"},
        {"90", 0, "", "请正确填写经费、分数、评审意见项！"},
        {"90", 0, "10", "专家打分记录第1条填写不正确！"},  // the opinion cell is empty
    };
    for (const auto& c : cases) {
        FillResult(view, c.score, c.opinion, c.funding);
        driver.ExpectMessageBox("提示", c.message);
        view.OnBtnSaveDf();
    }
    EXPECT_EQ(Query("select count(*) from CORVANE_ITEMMANAGEINFO where XMBH='" + kB + "'")[0][0], "0");
    EXPECT_TRUE(Judges(kB).empty());
}

TEST_F(ProJudge, ScoringSaveAddsTheResultRowWithTheExperts) {
    CDLGPROJUDGE& view = OpenView();
    Open(view, kB);
    PickExpert(view, 0, "E02");
    TypeScoreCell(view, 0, CDLGPROJUDGE::kJudgeScore, "88");
    TypeScoreCell(view, 0, CDLGPROJUDGE::kJudgeOpinion, "建议资助");
    FillResult(view, "88", 0, "20");
    driver.ExpectMessageBox("提示", "项目管理信息保存成功！");
    view.OnBtnSaveDf();
    EXPECT_EQ(Query("select PSZFS, PSYJ, PFJF from CORVANE_ITEMMANAGEINFO where XMBH='" + kB + "'"),
              (Rows{{"88", "同意", "20"}}));
    EXPECT_EQ(Judges(kB), (Rows{{"E02", "88", "建议资助"}}));
}

TEST_F(ProJudge, OverwritingAnExistingResultAsksFirstAndKeepsOneRow) {
    CDLGPROJUDGE& view = OpenView();
    Open(view, kA);
    FillResult(view, "95", 0, "30");
    driver.ExpectMessageBox("提示", "记录已存在, 是否覆盖？", IDNO);
    view.OnBtnSaveDf();
    EXPECT_EQ(Query("select PSZFS, PSYJ, PFJF from CORVANE_ITEMMANAGEINFO where XMBH='" + kA + "'"),
              (Rows{{"78", "不同意", "12.5"}}));

    TypeScoreCell(view, 1, CDLGPROJUDGE::kJudgeScore, "66");
    driver.ExpectMessageBox("提示", "记录已存在, 是否覆盖？", IDYES);
    driver.ExpectMessageBox("提示", "项目管理信息保存成功！");
    view.OnBtnSaveDf();
    EXPECT_EQ(Query("select PSZFS, PSYJ, PFJF, YSDJ from CORVANE_ITEMMANAGEINFO where XMBH='" + kA + "'"),
              (Rows{{"95", "同意", "30", "良"}}));
    EXPECT_EQ(Judges(kA), (Rows{{"E01", "66", "不资助"}, {"E02", "85", "资助"}}));
}

TEST_F(ProJudge, MeetingReviewSavesTheResultAloneWithoutAScore) {
    CDLGPROJUDGE& view = OpenView();
    Open(view, kC);
    view.Click(CDLGPROJUDGE::IDC_RADIO_GROUP);
    FillResult(view, "", 1, "5");
    driver.ExpectMessageBox("提示", "项目管理信息保存成功！");
    view.OnBtnSaveDf();
    EXPECT_EQ(Query("select PSZFS, PSYJ, PFJF from CORVANE_ITEMMANAGEINFO where XMBH='" + kC + "'"),
              (Rows{{"", "不同意", "5"}}));
    EXPECT_EQ(Judges(kC), (Rows{{"E03", "60", "资助"}}));
}

TEST_F(ProJudge, DeleteClearsTheSelectedProjectsReviewDataOnly) {
    AddRow("CORVANE_ITEMMANAGEINFO", {{"XMBH", kC}, {"PSZFS", "60"}});
    CDLGPROJUDGE& view = OpenView();
    driver.ExpectMessageBox("提示", "请先选择要删除的项！");
    view.OnBtnDelJudgeinfo();

    Open(view, kA);
    driver.ExpectMessageBox("提示", "确定删除项目" + kA + "的评审信息？", IDNO);
    view.OnBtnDelJudgeinfo();
    EXPECT_EQ(Judges(kA).size(), 2u);

    driver.ExpectMessageBox("提示", "确定删除项目" + kA + "的评审信息？", IDYES);
    driver.ExpectMessageBox("提示", "删除数据成功！");
    view.OnBtnDelJudgeinfo();
    EXPECT_TRUE(Judges(kA).empty());
    EXPECT_EQ(Query("select PSZFS, PSYJ, PFJF, YSDJ from CORVANE_ITEMMANAGEINFO where XMBH='" + kA + "'"),
              (Rows{{"", "", "", "良"}}));
    EXPECT_EQ(Cells(view.m_ctrlScoreGrid, 4), (Rows(3, {"", "", "", ""})));
    EXPECT_EQ(view.GetDlgItemText(CDLGPROJUDGE::IDC_EDIT_FUNDING), "");
    EXPECT_EQ(Judges(kC), (Rows{{"E03", "60", "资助"}}));
    EXPECT_EQ(Query("select PSZFS from CORVANE_ITEMMANAGEINFO where XMBH='" + kC + "'"), (Rows{{"60"}}));
}

TEST_F(ProJudge, WithoutDatabaseTheViewStaysEmpty) {
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    driver.AnswerMessageBox();
    CDLGPROJUDGE& view = OpenView();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "数据库连接失败！");
    EXPECT_EQ(view.ProjectList().GetItemCount(), 0);
    driver.ExpectMessageBox("提示", "请先双击选择待评审项目！");
    view.OnBtnSaveDf();
}

}  // namespace
