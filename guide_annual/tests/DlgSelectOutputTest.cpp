// The Word output of the annual-guide view: the choose-output dialog, and
// the document of the chosen guides and chapters left open for the user.
#include "GuideOutputTestSupport.h"

#include "guide_annual/DlgSelectOutput.h"
#include "guide_annual/GuideWordExport.h"
#include "guide_annual/GuideWordWriter.h"
#include "platform/text/DateTime.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"

namespace {

using Dlg = CDlgSelectOutput;

class WordOutput : public GuideOutputTest {
protected:
    void SetUp() override {
        GuideOutputTest::SetUp();
        rs.SetConnection(&db);
        rs.SetCursorLocation(adUseClient);
    }
    // The command as the view runs it; `handler` drives the dialog.
    template <class Handler>
    void Run(Handler handler) {
        driver.OnModal<Dlg>(handler);
        OutputGuidesToWord(nullptr, db, rs, CDlgOneGuide::m_strPublishYear, chapters);
    }
    static void ChooseYear(Dlg& dlg, const std::string& year) {
        auto* combo = dlg.Item<ui::ComboBox>(Dlg::IDC_YEAR);
        combo->SetCurSel(combo->FindStringExact(-1, year));
        dlg.OnCommand(Dlg::IDC_YEAR, CBN_SELCHANGE);
    }
    static std::vector<std::string> Guides(Dlg& dlg) {
        std::vector<std::string> rows;
        for (int row = 0; row < dlg.GuideList().GetItemCount(); ++row)
            rows.push_back(dlg.GuideList().GetItemText(row, 0) + " " + dlg.GuideList().GetItemText(row, 1));
        return rows;
    }
    // Ticks the rows of these fund numbers, leaves the chapters given
    // unchecked and presses OK.
    static void Choose(Dlg& dlg, const std::vector<std::string>& funds, std::initializer_list<int> uncheck = {}) {
        ChooseYear(dlg, "2007");
        for (int row = 0; row < dlg.GuideList().GetItemCount(); ++row)
            for (const std::string& fund : funds)
                if (dlg.GuideList().GetItemText(row, 0) == fund) dlg.GuideList().SetCheck(row);
        for (int id : uncheck) dlg.Click(id);
        dlg.Click(IDOK);
    }

    CAdoRecordSet rs;
    std::vector<std::string> chapters{"9"};
};

TEST_F(WordOutput, DialogListsTheGuidesOfTheChosenYearAndReturnsTheTickedOnes) {
    SeedGuides();
    Run([&](Dlg& dlg) {
        EXPECT_EQ(dlg.GetWindowText(), "选择输出");
        EXPECT_EQ(dlg.Item<ui::ComboBox>(Dlg::IDC_YEAR)->GetWindowText(), "2006");
        EXPECT_TRUE(Guides(dlg).empty());
        for (int id : {7008, 7009, 7010, 7011, 7012}) EXPECT_EQ(dlg.IsDlgButtonChecked(id), 1u) << id;
        EXPECT_EQ(dlg.GuideList().GetColumnCount(), 2);
        EXPECT_EQ(dlg.GuideList().GetColumnWidth(1), 270);

        ChooseYear(dlg, "2007");
        EXPECT_EQ(Guides(dlg), (std::vector<std::string>{"9140A01 指南一", "9140A02 指南二", "9140B01 指南三"}));
        driver.ExpectMessageBox("提示", "请选择要输出的指南！");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        EXPECT_EQ(driver.Calls().back().type, MB_OK | MB_ICONINFORMATION);

        dlg.GuideList().SetCheck(2);
        dlg.GuideList().SetCheck(0);
        dlg.Click(7009);
        EXPECT_EQ(dlg.IsDlgButtonChecked(7012), 0u);
        dlg.Click(IDOK);
        EXPECT_FALSE(dlg.IsRunningModal());
        EXPECT_EQ(dlg.m_arrFunds, (std::vector<std::string>{"9140A01", "9140B01"}));
        EXPECT_EQ(dlg.m_arrYears, (std::vector<std::string>{"2007", "2007"}));
        EXPECT_EQ(dlg.m_arrChapters, (std::vector<std::string>{"0", "2", "3"}));
    });
    EXPECT_EQ(chapters, (std::vector<std::string>{"0", "2", "3"}));  // kept by the view
    EXPECT_EQ(opened.size(), 1u);
}

TEST_F(WordOutput, CancelPrintsNothing) {
    SeedGuides();
    Run([](Dlg& dlg) { dlg.Click(IDCANCEL); });
    EXPECT_EQ(chapters, std::vector<std::string>{"9"});
    EXPECT_TRUE(opened.empty());
}

TEST_F(WordOutput, TwoGuidesWithAllChapters) {
    SeedGuides();
    Run([](Dlg& dlg) { Choose(dlg, {"9140A01", "9140A02"}); });
    const std::string text = OpenedText();
    EXPECT_EQ(text.rfind("秘密\r9140A01 指南一\v( 2007 )\r一、概述\r", 0), 0u) << text;
    EXPECT_EQ(Count(text, "\f"), 1);
    EXPECT_TRUE(InOrder(text, {"overview of 9140A01", "二、国内外研究情况\r", "research of 9140A01",
                               "三、年度目标和重点研究内容\r", "goals of 9140A01", "四、选题范围\r",
                               // a direction once, with its two units in unit-code order
                               "9140A0101 专题一\r研究目的：\r", "purpose of 9140A0101", "研究方向：\r",
                               "9140A010101 方向一(重点项目)\r发布单位：甲单位，乙单位。\r",
                               "9140A010102 方向二\r发布单位：甲单位。\r",
                               // a subject without directions
                               "9140A0102 专题二\r研究目的：\r", "purpose of 9140A0102",
                               "\f9140A02 指南二\v( 2007 )\r", "9140A0201 专题三", "9140A020101 方向三\r发布单位：甲单位。\r",
                               // an undirected direction names no unit
                               "9140A020102 方向四\r"}))
        << text;
    EXPECT_EQ(Count(text, "方向一"), 1);
    EXPECT_EQ(Count(text, "研究方向："), 2);  // not for 专题二
    EXPECT_EQ(text.find("方向四\r发布单位"), std::string::npos);

    // 秘密 at the right in 黑体 14, the title centred in 黑体 16, the headings at the left.
    reader = office::word::Application::Create();
    ASSERT_TRUE(reader->Documents().Add(opened.back()).IsValid());
    const office::word::Selection sel = reader->Selection();
    EXPECT_EQ(sel.Paragraphs().Alignment(), office::word::wdAlignParagraphRight);
    EXPECT_EQ(sel.Font().Name(), "黑体");
    EXPECT_EQ(sel.Font().Size(), 14);
    sel.MoveDown();
    EXPECT_EQ(sel.Paragraphs().Alignment(), office::word::wdAlignParagraphCenter);
    EXPECT_EQ(sel.Font().Size(), 16);
    sel.MoveDown();
    EXPECT_EQ(sel.ParagraphText(), "一、概述");
    EXPECT_EQ(sel.Paragraphs().Alignment(), office::word::wdAlignParagraphLeft);
    EXPECT_EQ(sel.Paragraphs().FirstLineIndent(), 0);
}

TEST_F(WordOutput, OnlyTheTopicScopeLeavesOutTheThreeChapters) {
    SeedGuides();
    Run([](Dlg& dlg) { Choose(dlg, {"9140B01"}, {7008, 7009, 7010}); });
    const std::string text = OpenedText();
    EXPECT_TRUE(InOrder(text, {"秘密\r", "9140B01 指南三", "四、选题范围\r", "9140B0101 专题四",
                               "9140B010101 方向五(重点项目)\r发布单位：甲单位。\r"}))
        << text;
    for (const char* left : {"一、概述", "二、国内外研究情况", "三、年度目标和重点研究内容", "overview of"})
        EXPECT_EQ(text.find(left), std::string::npos) << left;
}

TEST_F(WordOutput, ScratchFilesAreRemovedAndEarlierDocumentsKept) {
    SeedGuides();
    const std::string output = PathOf("output");
    ASSERT_TRUE(sys::MakeDirs(output));
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(output, "earlier.docx"), "open elsewhere"));
    Run([](Dlg& dlg) { Choose(dlg, {"9140A01"}); });
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(sys::ParentFolder(opened[0]), sys::NativePath(output));
    std::vector<std::string> left = sys::ListFiles(output, "");
    EXPECT_EQ(left.size(), 2u);
    EXPECT_TRUE(sys::ListFiles(output, "rtf").empty());
    EXPECT_TRUE(sys::FileExists(sys::JoinPath(output, "earlier.docx")));
}

TEST_F(WordOutput, WithoutEarlierDocumentsOnlyTheHandedOverOneIsLeft) {
    SeedGuides();
    Run([](Dlg& dlg) { Choose(dlg, {"9140A01", "9140A02"}); });
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(sys::ListFiles(PathOf("output"), ""), std::vector<std::string>{sys::FileName(opened[0])});
    // Named by what it is and the day, not by the template ("template-1.docx").
    EXPECT_EQ(sys::FileName(opened[0]), "年度指南-" + text::DateTime::Now().Format("%Y-%m-%d") + ".docx");
}

TEST_F(WordOutput, WordThatCannotStartIsReported) {
    SeedGuides();
    RefuseWord();
    Run([&](Dlg& dlg) {
        driver.ExpectMessageBox("提示", "Word服务程序启动失败！");
        Choose(dlg, {"9140A01"});
    });
    EXPECT_EQ(driver.Calls().back().type, MB_OK | MB_ICONERROR);
    EXPECT_TRUE(opened.empty());
}

TEST_F(WordOutput, ChapterChoiceByNumericValue) {
    struct Case {
        std::vector<std::string> chosen;
        int chapter;
        bool expected;
    } cases[] = {
        {{"0", "3"}, 3, true}, {{"0", "3"}, 1, false}, {{}, 0, false}, {{"02"}, 2, true}, {{"x"}, 0, true},
    };
    for (const Case& c : cases) EXPECT_EQ(IsChapterChosen(c.chosen, c.chapter), c.expected) << c.chapter;
}

}  // namespace
