// The approval output dialog: its fund list and choices, the plan tables in
// Excel (one workbook with fund headings, or one saved workbook per unit),
// the approval opinions in Word, and the refusals.
#include "office_reports/DlgPFOutput.h"

#include <functional>

#include "PlanOutputTestSupport.h"

using namespace plantest;
namespace excel = office::excel;

namespace {

// Fund 9140A01: two approved projects; 9140A02: one.
const Project kP1{"9140A010101081001001", kGroupGeneral, "A001", "张三", "第一研究所"};
const Project kP2{"9140A010101081002002", kGroupGeneral, "1002", "李四", "第二研究所"};
const Project kP3{"9140A020101081001003", kGroupGeneral, "A001", "王五", "第一研究所"};

class PFOutput : public PlanOutputTest {
protected:
    void SeedApproved() {
        AddApproved(kP1, "30");
        AddApproved(kP2, "12.5");
        AddApproved(kP3, "20");
        AddGuide("9140A01", "材料指南");
        AddApproved({"9140A030101081001001", kGroupGeneral}, "9", "-");           // not approved
        AddApproved({"9140A040101081001001", kGroupKey}, "9");                    // a key project
        AddApproved({"9140A050101071001001", kGroupGeneral, "1001", "赵六", "", "2007"}, "9");  // another year
        AddApproved({"9140C010101081001001", kLabGeneral, "1003", "钱七", "实验室"}, "8");
    }
    // Runs the dialog as the approval panel opens it: no parent, the panel's
    // connection, category 0. `then` scripts the answers the dialog's run asks for.
    template <class Handler>
    int Run(Handler handler, const std::function<void()>& then = {}) {
        driver.OnModal<CDlgPFOutput>(handler);
        if (then) then();
        CDlgPFOutput dlg;
        dlg.m_pConnection = &connection;
        dlg.m_nCategory = 0;
        return dlg.DoModal();
    }
    static std::vector<std::string> Funds(CDlgPFOutput& dlg) {
        std::vector<std::string> funds;
        for (int row = 0; row < dlg.m_gridFunds.GetRowCount(); ++row) funds.push_back(dlg.m_gridFunds.FundAt(row));
        return funds;
    }
    static void Choose(CDlgPFOutput& dlg, int controlId, int index) {
        dlg.Item<ui::ComboBox>(controlId)->SetCurSel(index);
        dlg.OnCommand(controlId, CBN_SELCHANGE);
    }
    static void ChooseOpinions(CDlgPFOutput& dlg) {
        dlg.CheckDlgButton(CDlgPFOutput::IDC_KIND, 0);
        dlg.CheckDlgButton(CDlgPFOutput::IDC_KIND_SECOND, 1);
    }
};

TEST_F(PFOutput, ListsTheFundsOfApprovedGeneralProjectsOfTheYearAndCategory) {
    SeedApproved();
    const int result = Run([&](CDlgPFOutput& dlg) {
        EXPECT_EQ(dlg.GetWindowText(), "输出");
        EXPECT_EQ(ComboTexts(dlg.m_cboYear), (std::vector<std::string>{"2006", "2007", "2008", "2009", "2010"}));
        EXPECT_EQ(dlg.SelectedYear(), "2008");
        EXPECT_EQ(dlg.m_nOutputKind, 0);
        EXPECT_EQ(dlg.Item<ui::ComboBox>(CDlgPFOutput::IDC_PAPER)->GetCurSel(), 0);
        EXPECT_EQ(dlg.Item<ui::ComboBox>(CDlgPFOutput::IDC_OPINION_PAPER)->GetCurSel(), 1);  // B5
        EXPECT_EQ(Funds(dlg), (std::vector<std::string>{"9140A01", "9140A02"}));
        EXPECT_FALSE(dlg.m_gridFunds.IsTicked(0));

        dlg.m_gridFunds.SetTicked(0, true);
        dlg.Click(CDlgPFOutput::IDC_INVERT);
        EXPECT_FALSE(dlg.m_gridFunds.IsTicked(0));
        EXPECT_TRUE(dlg.m_gridFunds.IsTicked(1));
        dlg.Click(CDlgPFOutput::IDC_SELECT_ALL);
        EXPECT_EQ(dlg.TickedFunds(), (std::vector<std::string>{"9140A01", "9140A02"}));

        Choose(dlg, CDlgPFOutput::IDC_CATEGORY, 1);
        EXPECT_EQ(Funds(dlg), (std::vector<std::string>{"9140C01"}));
        EXPECT_FALSE(dlg.m_gridFunds.IsTicked(0)) << "a reload loses the ticks";
        Choose(dlg, CDlgPFOutput::IDC_YEAR, 1);
        EXPECT_EQ(dlg.m_gridFunds.GetRowCount(), 0);
        dlg.Click(CDlgPFOutput::IDC_SELECT_ALL);  // nothing to tick
        Choose(dlg, CDlgPFOutput::IDC_CATEGORY, 0);
        EXPECT_EQ(Funds(dlg), (std::vector<std::string>{"9140A05"}));
        dlg.Click(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(opened.empty());
}

TEST_F(PFOutput, AStoredYearOutsideThePeriodListsNothingUntilAYearIsPicked) {
    SeedApproved();
    StoreSettings("2015", 1);
    Run([&](CDlgPFOutput& dlg) {
        EXPECT_EQ(dlg.m_nCategory, 1) << "the settings' category replaces the opener's";
        EXPECT_EQ(dlg.m_cboYear.GetCurSel(), -1);
        EXPECT_EQ(dlg.m_gridFunds.GetRowCount(), 0);
        Choose(dlg, CDlgPFOutput::IDC_YEAR, 2);
        EXPECT_EQ(Funds(dlg), (std::vector<std::string>{"9140C01"}));
        dlg.Click(IDCANCEL);
    });
}

TEST_F(PFOutput, OnlyACategoryOtherThanTheLaboratoriesPutsTheChoiceBackOnThePlanTables) {
    Run([&](CDlgPFOutput& dlg) {
        const struct {
            int category, expectedKind;
        } steps[] = {{1, 1}, {0, 0}};
        for (const auto& step : steps) {
            ChooseOpinions(dlg);
            Choose(dlg, CDlgPFOutput::IDC_CATEGORY, step.category);
            EXPECT_EQ(dlg.m_nOutputKind, step.expectedKind) << step.category;
            EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgPFOutput::IDC_KIND_SECOND), UINT(step.expectedKind));
            EXPECT_TRUE(dlg.GetDlgItem(CDlgPFOutput::IDC_KIND_SECOND)->IsWindowEnabled());
        }
        dlg.Click(IDCANCEL);
    });
}

TEST_F(PFOutput, PlanTablesInOneWorkbookWithAHeadingPerFund) {
    SeedApproved();
    const int result = Run([&](CDlgPFOutput& dlg) {
        dlg.Click(CDlgPFOutput::IDC_SELECT_ALL);
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    excel::Worksheet sheet = OpenedSheet("打印报表");
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(Cell(sheet, "B1"), "2008年装备预研共用技术基金（一般项目）计划表");
    EXPECT_EQ(Cell(sheet, "I3"), "2008年经费");
    EXPECT_EQ(Cell(sheet, "J3"), "2009年经费");
    EXPECT_EQ(Cell(sheet, "B4"), "9140A01 材料指南  2项  经费小计：42.50万元");
    EXPECT_EQ(sheet.Range("B4").MergeArea().Address(), "B4:K4");
    EXPECT_EQ(sheet.Range("B4").RowHeight(), 28);
    EXPECT_EQ(RowTexts(sheet, 5, 11), (std::vector<std::string>{"", "1", kP1.xmbh, "名称001", "2008-2009", "张三",
                                                                 "第一研究所", "30", "15", "15", ""}));
    EXPECT_EQ(RowTexts(sheet, 6, 10), (std::vector<std::string>{"", "2", kP2.xmbh, "名称002", "2008-2009", "李四",
                                                                 "第二研究所", "12.5", "6.25", "6.25"}));
    EXPECT_EQ(sheet.Range("K6").BorderStyle("right"), "thin");
    EXPECT_EQ(sheet.Range("B6").RowHeight(), 36);
    // No guide of 9140A02: its name is empty between the blanks.
    EXPECT_EQ(Cell(sheet, "B7"), "9140A02   1项  经费小计：20.00万元");
    EXPECT_EQ(Cell(sheet, "B8"), "3");
    EXPECT_EQ(Cell(sheet, "B9"), "小计");
    EXPECT_EQ(sheet.Range("B9").MergeArea().Address(), "B9:G9");
    EXPECT_EQ(Cell(sheet, "H9"), "=SUM(H3:H8)");
    EXPECT_EQ(Cell(sheet, "I9"), "=SUM(I3:I8)");
    EXPECT_EQ(Cell(sheet, "J9"), "=SUM(J3:J8)");
    EXPECT_EQ(sheet.Range("K9").BorderStyle("bottom"), "thin");
}

TEST_F(PFOutput, LaboratoryPlanTablesHaveTheirTitle) {
    SeedApproved();
    StoreSettings("2008", 1);
    Run([&](CDlgPFOutput& dlg) {
        dlg.Click(CDlgPFOutput::IDC_SELECT_ALL);
        dlg.Click(IDOK);
    });
    excel::Worksheet sheet = OpenedSheet("打印报表");
    EXPECT_EQ(Cell(sheet, "B1"), "2008年国防科技重点实验室基金（一般项目）计划表");
    EXPECT_EQ(Cell(sheet, "B4"), "9140C01   1项  经费小计：8.00万元");
    EXPECT_EQ(Cell(sheet, "C5"), "9140C010101081001001");
}

TEST_F(PFOutput, PlanTablesPerUnitWriteOneFilePerUnitCodeWhateverItsCase) {
    SeedApproved();
    AddApproved({"9140A020101081003009", kGroupGeneral, "a001", "孙八", "第一研究所分部"}, "4");
    // A file of the second unit is there already and is kept.
    ASSERT_TRUE(sys::MakeDirs(PathOf("out/项目计划")));
    ASSERT_TRUE(sys::WriteFileAtomic(UnitFile("1002.xlsx"), "mine"));
    const int result = Run(
        [&](CDlgPFOutput& dlg) {
            dlg.Click(CDlgPFOutput::IDC_SELECT_ALL);
            dlg.CheckDlgButton(CDlgPFOutput::IDC_PER_UNIT, 1);
            dlg.Click(IDOK);
        },
        [&] {
            driver.AnswerFolder(ChosenFolder() + "/");
            driver.ExpectMessageBox("提示", "文件“" + UnitFile("1002.xlsx") + "”已存在，是否覆盖？", IDNO);
        });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(opened.empty()) << "per-unit files are saved, not handed over";
    EXPECT_EQ(UnitFiles(), (std::vector<std::string>{"1002.xlsx", "A001.xlsx"}));
    std::string kept;
    ASSERT_TRUE(sys::ReadFile(UnitFile("1002.xlsx"), kept));
    EXPECT_EQ(kept, "mine");

    auto reader = excel::Application::Create();
    excel::Worksheet sheet = reader->Workbooks().Add(UnitFile("A001.xlsx")).Sheets().Item("打印报表");
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(Cell(sheet, "B1"), "2008年装备预研共用技术基金（一般项目）计划表");
    // Both funds' projects of unit A001 (and of a001), numbered across the funds, no headings.
    EXPECT_EQ(RowTexts(sheet, 4, 4), (std::vector<std::string>{"", "1", kP1.xmbh, "名称001"}));
    EXPECT_EQ(RowTexts(sheet, 5, 4), (std::vector<std::string>{"", "2", kP3.xmbh, "名称003"}));
    EXPECT_EQ(RowTexts(sheet, 6, 4), (std::vector<std::string>{"", "3", "9140A020101081003009", "名称009"}));
    EXPECT_EQ(Cell(sheet, "B7"), "小计");
    EXPECT_EQ(Cell(sheet, "H7"), "=SUM(H3:H6)");
}

TEST_F(PFOutput, RefusalsLeaveTheDialogOpen) {
    SeedApproved();
    Run(
        [&](CDlgPFOutput& dlg) {
        dlg.Click(IDOK);  // nothing ticked
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(CDlgPFOutput::IDC_SELECT_ALL);
        dlg.CheckDlgButton(CDlgPFOutput::IDC_PER_UNIT, 1);
        dlg.Click(IDOK);  // the folder chooser cancelled
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.CheckDlgButton(CDlgPFOutput::IDC_PER_UNIT, 0);
        office::SetStartHook([](std::string_view) { return false; });
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
        },
        [&] {
            driver.ExpectMessageBox("提示", "请选择输出项！");
            driver.AnswerFolder("");
            driver.AnswerMessageBox();  // Excel cannot be started
        });
    EXPECT_EQ(driver.MessageBoxes().back().text, "Excel启动失败!");
    EXPECT_TRUE(opened.empty());
    EXPECT_FALSE(sys::FolderExists(PathOf("out")));
}

TEST_F(PFOutput, ApprovalOpinionsGiveOneSectionPerProjectWithItsFooter) {
    SeedApproved();
    StoreRtf("CORVANE_ITEMPF", "ZJYJ", kP1.xmbh, "专家认为可行");
    StoreRtf("CORVANE_ITEMPF", "PFYJ", kP1.xmbh, "同意立项");
    StoreRtf("CORVANE_ITEMPF", "PFYJ", kP2.xmbh, "批复二");  // no expert opinion
    StoreRtf("CORVANE_ITEMPF", "ZJYJ", kP3.xmbh, "专家三");
    const int result = Run([&](CDlgPFOutput& dlg) {
        dlg.Click(CDlgPFOutput::IDC_SELECT_ALL);
        ChooseOpinions(dlg);
        dlg.m_dateStart.SetTime({2014, 3, 1});
        dlg.m_dateEnd.SetTime({2015, 12, 1});
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    office::word::Document doc = OpenedDocument();
    ASSERT_TRUE(doc.IsValid());
    ASSERT_EQ(doc.SectionCount(), 3);
    EXPECT_EQ(doc.FooterText(1), kP1.xmbh + " 张三");
    EXPECT_EQ(doc.FooterText(2), kP2.xmbh + " 李四");
    EXPECT_EQ(doc.FooterText(3), kP3.xmbh + " 王五");
    const std::string text = doc.Text();
    const std::string first =
        "八、同行专家评审意见\r专家认为可行\r同意立项\r\r九、zude预研基金办公室意见\r同意资助 第一研究所  张三  "
        "申请的装备预研共用技术基金项目“名称001”，项目编号为 " +
        kP1.xmbh + "，起止时间 2014年03月—2015年12月，经费30万元。";
    EXPECT_NE(text.find(first), std::string::npos) << text;
    // The second project has no expert opinion: nothing of the first is repeated.
    EXPECT_NE(text.find("八、同行专家评审意见\r\r批复二\r\r九、"), std::string::npos) << text;
    EXPECT_NE(text.find("经费12.5万元。"), std::string::npos);
    EXPECT_NE(text.find("八、同行专家评审意见\r专家三\r\r\r九、"), std::string::npos) << text;
    EXPECT_EQ(text.find("9140C01"), std::string::npos) << "a laboratory project";
}

TEST_F(PFOutput, LaboratoryOpinionsNameTheirProgramme) {
    SeedApproved();
    StoreSettings("2008", 1);
    Run([&](CDlgPFOutput& dlg) {
        dlg.Click(CDlgPFOutput::IDC_SELECT_ALL);
        ChooseOpinions(dlg);
        dlg.Click(IDOK);
    });
    office::word::Document doc = OpenedDocument();
    EXPECT_EQ(doc.SectionCount(), 1);
    EXPECT_NE(doc.Text().find("实验室  钱七  申请的国防科技重点实验室基金项目“名称001”"), std::string::npos)
        << doc.Text();
}

TEST_F(PFOutput, ApprovalOpinionsCloseTheDialogEvenWhenWordCannotStartOrNothingIsTicked) {
    SeedApproved();
    office::SetStartHook([](std::string_view id) { return !text::EqualsNoCase(id, "word.Application"); });
    EXPECT_EQ(Run(
                  [&](CDlgPFOutput& dlg) {
                      dlg.Click(CDlgPFOutput::IDC_SELECT_ALL);
                      ChooseOpinions(dlg);
                      dlg.Click(IDOK);
                  },
                  [&] { driver.ExpectMessageBox("提示", "Word服务程序启动失败！"); }),
              IDOK);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(driver.MessageBoxes().back().type & MB_ICONSTOP, UINT(MB_ICONSTOP));

    office::SetStartHook({});
    EXPECT_EQ(Run([&](CDlgPFOutput& dlg) {
                  ChooseOpinions(dlg);
                  dlg.Click(IDOK);
              }),
              IDOK);
    office::word::Document doc = OpenedDocument();
    EXPECT_EQ(doc.SectionCount(), 1) << "the bare template";
    EXPECT_EQ(doc.Text().find("八、"), std::string::npos);
}

}  // namespace
