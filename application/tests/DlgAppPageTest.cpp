// The chapter pages: the chapter format of their fields, the headings of the
// pages that serve several chapters, and the GF-report count.
#include "AppWriterTestSupport.h"

TEST_F(AppWriterTest, ChapterFieldsStartInTheChapterFormat) {
    CDlgAppWriter& w = Writer();
    COleRichEdit* const fields[] = {&w.m_dlgChapter.m_richEdit, &w.m_dlgGoals.m_richEdit, &w.m_dlgPlan.m_richEdit,
                                    &w.m_dlgBasis.m_richEdit,   &w.m_dlgOpinion.m_richEdit,
                                    &w.m_dlgRecommend.m_richEdit1, &w.m_dlgRecommend.m_richEdit2};
    for (COleRichEdit* field : fields) {
        ui::CharFormat chars;
        field->GetDefaultCharFormat(chars);
        EXPECT_EQ(chars.szFaceName, "仿宋_GB2312") << field->GetDlgCtrlID();
        EXPECT_EQ(chars.yHeight, 280);
        EXPECT_EQ(chars.crTextColor, RGB(0, 0, 0));
        EXPECT_EQ(chars.dwEffects & (ui::CFE_BOLD | ui::CFE_ITALIC | ui::CFE_UNDERLINE | ui::CFE_AUTOCOLOR), 0u);
        EXPECT_NE(field->GetEventMask() & ui::ENM_SELCHANGE, 0u);

        // Text typed into a new paragraph starts indented, in the chapter face.
        ui::sim::Type(*field, "第一段");
        ui::sim::PressKey(*field, VK_RETURN);
        ui::sim::Type(*field, "第二段");
        field->SetSel(5, 6);
        ui::ParaFormat para;
        field->GetParaFormat(para);
        EXPECT_EQ(para.dxStartIndent, 580) << field->GetDlgCtrlID();
        EXPECT_EQ(para.dxOffset, -580);
        field->GetSelectionCharFormat(chars);
        EXPECT_EQ(chars.szFaceName, "仿宋_GB2312");
        EXPECT_EQ(chars.yHeight, 280);
    }
}

TEST_F(AppWriterTest, HeadingsFollowTheChapterShown) {
    CDlgAppWriter& w = Writer();
    EXPECT_EQ(w.m_dlgChapter.GetHeading(), "研究目标及研究内容：");
    EXPECT_EQ(w.m_dlgGoals.GetHeading(), "title");
    const struct {
        std::string chapter;
        std::string basis, opinion;
    } cases[] = {
        {"五、项目基础", "（一）研究工作基础及成绩", "五、项目基础"},
        {"（三）工作简历", "（三）工作简历", "（三）工作简历"},
        {"六、单位意见", "六、单位意见", "（一）单位学术委员会审查意见"},
        {"（二）单位审查意见", "（二）单位审查意见", "（二）单位审查意见"},
    };
    for (const auto& c : cases) {
        w.m_dlgBasis.SetTitle(c.chapter);
        w.m_dlgOpinion.SetTitle(c.chapter);
        EXPECT_EQ(w.m_dlgBasis.GetHeading(), c.basis) << c.chapter;
        EXPECT_EQ(w.m_dlgOpinion.GetHeading(), c.opinion) << c.chapter;
    }
}

TEST_F(AppWriterTest, PlanPageShowsTheLongHeadingAndTheCountOnlyForTheResults) {
    CDlgAppPlan& plan = Writer().m_dlgPlan;
    auto countShown = [&] {
        const bool label = plan.GetDlgItem(CDlgAppPlan::IDC_GF_LABEL)->IsWindowVisible();
        EXPECT_EQ(label, plan.GetDlgItem(CDlgAppPlan::IDC_GF_COUNT)->IsWindowVisible());
        return label;
    };
    plan.ShowWindow(SW_SHOW);
    EXPECT_FALSE(countShown());
    const struct {
        std::string chapter, heading;
        bool count;
    } cases[] = {
        {"四、研究方案", "（一）研究目标、研究内容和拟解决的关键问题", false},
        {"（一）研究目标和内容", "（一）研究目标、研究内容和拟解决的关键问题", false},
        {"（二）研究方法和技术路线",
         "（二）拟采取的研究方法、技术路线、试验方案及可行性分析（包括理论分析、计算、试验方法、试验步骤）", false},
        {"（五）研究成果和考核指标", "（五）研究成果和考核指标（其中应包括提交的“GF报告”数量、题目和时限）", true},
        {"未知的章节", "", true},  // the count stays as it was
        {"（三）主要创新点", "（三）主要创新点", false},
        {"（四）研究计划及预期进展", "（四）包括研究进度计划及阶段目标", false},
    };
    for (const auto& c : cases) {
        if (c.chapter == "（五）研究成果和考核指标") plan.SetDlgItemText(CDlgAppPlan::IDC_GF_COUNT, "3");
        plan.SetTitle(c.chapter);
        EXPECT_EQ(plan.GetHeading(), c.heading) << c.chapter;
        EXPECT_EQ(countShown(), c.count) << c.chapter;
    }
    // Hidden again, the count keeps its value for the save.
    EXPECT_EQ(plan.GetDlgItemText(CDlgAppPlan::IDC_GF_COUNT), "3");
}

TEST_F(AppWriterTest, PagesIgnoreEnterAndEscapeAndRecommendersExchangeTheirTexts) {
    CDlgRecommend& page = Writer().m_dlgRecommend;
    page.ShowWindow(SW_SHOW);
    page.SetDlgItemText(CDlgRecommend::IDC_NAME1, "张三");
    page.SetDlgItemText(CDlgRecommend::IDC_UNIT2, "二所");
    ui::sim::PressKey(*page.GetDlgItem(CDlgRecommend::IDC_NAME1), VK_RETURN);
    ui::sim::PressKey(*page.GetDlgItem(CDlgRecommend::IDC_NAME1), VK_ESCAPE);
    EXPECT_TRUE(page.IsWindow());
    EXPECT_TRUE(page.IsWindowVisible());
    ASSERT_TRUE(page.UpdateData(TRUE));
    EXPECT_EQ(page.m_strTJRXM1, "张三");
    EXPECT_EQ(page.m_strTJRDW2, "二所");
    EXPECT_EQ(page.m_strZYJSZW1, "");

    CDlgAppChapter& chapter = Writer().m_dlgChapter;
    chapter.m_richEdit.SetWindowText("目标");
    ASSERT_TRUE(chapter.UpdateData(TRUE));
    EXPECT_EQ(chapter.m_strText, "目标");
}
