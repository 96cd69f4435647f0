// The Word output of five-year guides: the choice dialog (guides of the
// period, chapter boxes with 全选), the printed guides with their chosen
// chapters, topics, directions and directed units in order, a chapter
// without data, Word refused, and the scratch files removed.
#include "FiveGuideTestSupport.h"
#include "guide_fiveyear/DlgSelectOutput.h"
#include "platform/text/DateTime.h"

namespace {

constexpr const char* kPeriod = "2011-2015";
using fiveyear::CDlgSelectOutput;

class FiveGuideWord : public FiveGuideTest {
protected:
    // 9140A01 指南一: 专题一 with 方向一 (key, units U2 and U1) and 方向二
    // (U1), 专题二 without directions. 9140C01 指南二 without 效益分析.
    void Seed() {
        AddUnit("U1", "甲单位");
        AddUnit("U2", "乙单位");
        AddGroup("9140A01", "甲组");
        AddLab("9140C01", "甲实验室");
        AddGuide("9140A01", "指南一", kPeriod);
        AddTopic("9140A0101", "9140A01", kPeriod, "专题一");
        AddTopic("9140A0102", "9140A01", kPeriod, "专题二");
        AddDirection("9140A010101", "9140A01", kPeriod, "9140A0101", "U2", "方向一", "1");
        AddDirection("9140A010101", "9140A01", kPeriod, "9140A0101", "U1", "方向一", "1");
        AddDirection("9140A010102", "9140A01", kPeriod, "9140A0101", "U1", "方向二");
        AddGuide("9140C01", "指南二", kPeriod);
        Exec("update corvane_fivefundguide set XYFX = NULL where JJBH = '9140C01'");
        AddGuide("9140C02", "其他时期", "2016-2020");
    }
    // Ticks every guide; unchecks the chapter boxes given.
    void Choose(std::vector<int> uncheck) {
        driver.OnModal<CDlgSelectOutput>([uncheck](CDlgSelectOutput& dlg) {
            ui::ListCtrl& list = dlg.GuideList();
            for (int row = 0; row < list.GetItemCount(); ++row) list.SetCheck(row, TRUE);
            for (int chapter : uncheck) dlg.Click(CDlgSelectOutput::IDC_CHAPTER_FIRST + chapter);
            dlg.Click(IDOK);
        });
    }
};

TEST_F(FiveGuideWord, ChoiceListsThePeriodsGuidesAndKeepsAllInStepWithTheChapters) {
    Seed();
    CDlgFiveGuide& view = OpenView(kPeriod);
    driver.OnModal<CDlgSelectOutput>([](CDlgSelectOutput& dlg) {
        EXPECT_EQ(dlg.GetWindowText(), "选择输出");
        ui::ListCtrl& list = dlg.GuideList();
        ASSERT_EQ(list.GetItemCount(), 2);
        EXPECT_EQ(list.GetItemText(0, 0), "9140A01");
        EXPECT_EQ(list.GetItemText(1, 1), "指南二");
        for (int id = CDlgSelectOutput::IDC_CHAPTER_FIRST; id <= CDlgSelectOutput::IDC_CHAPTER_ALL; ++id)
            EXPECT_TRUE(dlg.IsDlgButtonChecked(id)) << id;
        dlg.Click(CDlgSelectOutput::IDC_CHAPTER_FIRST + 4);
        EXPECT_FALSE(dlg.IsDlgButtonChecked(CDlgSelectOutput::IDC_CHAPTER_ALL));
        dlg.Click(CDlgSelectOutput::IDC_CHAPTER_ALL);
        EXPECT_TRUE(dlg.IsDlgButtonChecked(CDlgSelectOutput::IDC_CHAPTER_FIRST + 4));
        dlg.Click(IDOK);  // no guide ticked
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    driver.ExpectMessageBox("提示", "请选择要输出的指南！");
    view.m_dlgDetail.Click(fiveyear::CDlgGuideDetail::IDC_WORD);
    EXPECT_TRUE(opened.empty());
}

TEST_F(FiveGuideWord, PrintsTheChosenChaptersOfEachGuideInOrder) {
    Seed();
    CDlgFiveGuide& view = OpenView(kPeriod);
    Choose({1});
    view.OnBtnExportToWord();
    EXPECT_EQ(view.IfOutput(1), 0);
    EXPECT_EQ(view.IfOutput(5), 1);

    const std::string text = OpenedText();
    EXPECT_TRUE(InOrder(text, {"秘密", "9140A01 指南一", "( 2011-2015 )", "一、概述", "GS of 9140A01",
                               "三、五年总目标和重点研究内容", "ZMB of 9140A01", "四、选题范围", "9140A0101 专题一",
                               "研究目的：", "purpose of 9140A0101", "研究方向：", "9140A010101 方向一(重点项目)",
                               "发布单位：甲单位，乙单位。", "9140A010102 方向二", "发布单位：甲单位。",
                               "9140A0102 专题二", "研究目的：", "purpose of 9140A0102", "五、与相关计划指南的关系",
                               "YXGJHZNGX of 9140A01", "六、效益分析", "XYFX of 9140A01", "9140C01 指南二",
                               "一、概述", "GS of 9140C01", "四、选题范围", "五、与相关计划指南的关系",
                               "YXGJHZNGX of 9140C01", "六、效益分析"}))
        << text;
    EXPECT_EQ(Count(text, "二、国内外研究情况"), 0);
    EXPECT_EQ(Count(text, "方向一"), 1);            // a direction with two units is printed once
    EXPECT_EQ(Count(text, "研究方向："), 1);        // not for a topic without directions
    EXPECT_EQ(Count(text, "XYFX of 9140A01"), 1);  // never in place of the second guide's empty chapter
    EXPECT_EQ(Count(text, "其他时期"), 0);
    EXPECT_TRUE(sys::ListFiles(PathOf("output"), "rtf").empty());
    // Named by what it is and the day, not by the template ("template-1.docx").
    EXPECT_EQ(sys::FileName(opened.back()), "五年指南-" + ::text::DateTime::Now().Format("%Y-%m-%d") + ".docx");
}

TEST_F(FiveGuideWord, GuidesWithoutChaptersGiveOnlyTheirTitles) {
    Seed();
    CDlgFiveGuide& view = OpenView(kPeriod);
    Choose({0, 1, 2, 3, 4, 5});
    view.OnBtnExportToWord();
    const std::string text = OpenedText();
    EXPECT_TRUE(InOrder(text, {"秘密", "9140A01 指南一", "9140C01 指南二"})) << text;
    EXPECT_EQ(Count(text, "、"), 0);
    EXPECT_EQ(view.IfOutput(0), 0);
}

TEST_F(FiveGuideWord, WordRefusedIsReportedAndNothingIsOpened) {
    Seed();
    CDlgFiveGuide& view = OpenView(kPeriod);
    RefuseWord();
    Choose({});
    driver.ExpectMessageBox("提示", "Word服务程序启动失败！");
    view.OnBtnExportToWord();
    EXPECT_EQ(driver.MessageBoxes().back().type & MB_ICONMASK, UINT(MB_ICONERROR));
    EXPECT_TRUE(opened.empty());
}

}  // namespace
