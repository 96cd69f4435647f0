// The plan output dialog: the plan-list choice by category, its per-project
// lookups, the plan lists in Excel, the plan drafts in Word (one document
// with fund headings, or one saved document per unit) and the refusals.
#include "office_reports/DlgPlanOutput.h"

#include <functional>

#include "PlanOutputTestSupport.h"

using namespace plantest;
namespace excel = office::excel;
namespace word = office::word;

namespace {

// Fund 9140A01: two planned key projects of units 0001 and 0002; 9140A02: one of unit 0001.
const Project kK1{"9140A010101080001001", kGroupKey, "0001", "张三", "第一研究所"};
const Project kK2{"9140A010101080002002", kGroupKey, "0002", "李四", "第二研究所"};
const Project kK3{"9140A020101080001003", kGroupKey, "0001", "王五", "第一研究所"};

class PlanOutput : public PlanOutputTest {
protected:
    void SeedPlans() {
        AddPlanned(kK1, "2008年完成");
        AddPlanned(kK2, "2009年完成");
        AddPlanned(kK3, "分两期");
        AddApprovalRow(kK1.xmbh, "30");  // kK2 has no approval row
        AddApprovalRow(kK3, "20");
        AddGuide("9140A01", "材料指南");
        AddUnit("0001", "第一所");
        AddPlanned({"9140A030101080001001", kGroupKey}, "", "-");                     // not past the first review
        AddPlanned({"9140A040101080001001", kGroupGeneral}, "");                      // a general project
        AddPlanned({"9140C010101080001001", kLabKey, "0001", "钱七", "实验室"}, "实验室进度");
        AddApprovalRow("9140C010101080001001", "8");
    }
    void AddApprovalRow(const Project& p, const std::string& funds) { PlanOutputTest::AddApprovalRow(p.xmbh, funds); }
    using PlanOutputTest::AddApprovalRow;

    template <class Handler>
    int Run(Handler handler, const std::function<void()>& then = {}) {
        driver.OnModal<CDlgPlanOutput>(handler);
        if (then) then();
        CDlgPlanOutput dlg;
        dlg.m_pConnection = &connection;
        dlg.m_nCategory = 0;
        return dlg.DoModal();
    }
    static std::vector<std::string> Funds(CDlgPlanOutput& dlg) {
        std::vector<std::string> funds;
        for (int row = 0; row < dlg.m_gridFunds.GetRowCount(); ++row) funds.push_back(dlg.m_gridFunds.FundAt(row));
        return funds;
    }
    static void ChooseCategory(CDlgPlanOutput& dlg, int index) {
        dlg.Item<ui::ComboBox>(CDlgPlanOutput::IDC_CATEGORY)->SetCurSel(index);
        dlg.OnCommand(CDlgPlanOutput::IDC_CATEGORY, CBN_SELCHANGE);
    }
    static void ChoosePlanLists(CDlgPlanOutput& dlg) {
        dlg.CheckDlgButton(CDlgPlanOutput::IDC_KIND, 0);
        dlg.CheckDlgButton(CDlgPlanOutput::IDC_KIND_SECOND, 1);
    }
    static bool PlanListOffered(CDlgPlanOutput& dlg) {
        const bool kind = dlg.GetDlgItem(CDlgPlanOutput::IDC_KIND_SECOND)->IsWindowEnabled();
        EXPECT_EQ(kind, bool(dlg.GetDlgItem(CDlgPlanOutput::IDC_PER_UNIT)->IsWindowEnabled()));
        return kind;
    }
    using ReportTest::Cell;
    // A cell of the document's plan table.
    static std::string Cell(const word::Document& doc, int row, int column) { return doc.CellText(1, row, column); }
};

TEST_F(PlanOutput, ThePlanListsAreOfferedForTheSpecialtyGroupsOnly) {
    SeedPlans();
    Run([&](CDlgPlanOutput& dlg) {
        EXPECT_EQ(dlg.GetWindowText(), "输出项目计划");
        EXPECT_TRUE(PlanListOffered(dlg));
        EXPECT_EQ(Funds(dlg), (std::vector<std::string>{"9140A01", "9140A02"}));
        ChoosePlanLists(dlg);
        ChooseCategory(dlg, 1);
        EXPECT_EQ(dlg.m_nOutputKind, 0);
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgPlanOutput::IDC_KIND), 1u);
        EXPECT_FALSE(PlanListOffered(dlg));
        EXPECT_EQ(Funds(dlg), (std::vector<std::string>{"9140C01"}));
        ChooseCategory(dlg, 0);
        EXPECT_TRUE(PlanListOffered(dlg));
        dlg.Click(IDCANCEL);
    });
    StoreSettings("2008", 1);
    Run([&](CDlgPlanOutput& dlg) {
        EXPECT_FALSE(PlanListOffered(dlg)) << "at start-up too";
        dlg.Click(IDCANCEL);
    });
}

TEST_F(PlanOutput, LooksUpUnitNamesAndApprovedFunds) {
    SeedPlans();
    Run([&](CDlgPlanOutput& dlg) {
        EXPECT_EQ(dlg.GetUnitName("0001"), "第一所");
        EXPECT_EQ(dlg.GetUnitName("0009"), "");
        EXPECT_EQ(dlg.GetUnitName(""), "");
        EXPECT_EQ(dlg.GetApprovedFundText(kK1.xmbh), "30");
        EXPECT_EQ(dlg.GetApprovedFundText(kK2.xmbh), "");
        EXPECT_EQ(dlg.GetApprovedFundText(""), "");
        EXPECT_EQ(dlg.GetProjectCountText("9140A01", "2008", 0, "0002"), "1项");
        EXPECT_EQ(dlg.GetFundSumText("9140A01", "2008", 0, ""), "30.00万元");
        EXPECT_EQ(dlg.GetFundSumText("9140B01", "2008", 0, ""), "0.00万元");
        dlg.Click(IDCANCEL);
    });
}

TEST_F(PlanOutput, PlanListsInOneWorkbook) {
    SeedPlans();
    StoreRtf("CORVANE_ITEMPLAN", "BZ", kK1.xmbh, "备注一");
    StoreRtf("CORVANE_ITEMPLAN", "BZ", kK3.xmbh, "备注三");
    const int result = Run([&](CDlgPlanOutput& dlg) {
        dlg.Click(CDlgPlanOutput::IDC_SELECT_ALL);
        ChoosePlanLists(dlg);
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    excel::Worksheet sheet = OpenedSheet("打印报表");
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(Cell(sheet, "B1"), "2008年装备预研共用技术基金（重点项目）计划清单");
    EXPECT_EQ(Cell(sheet, "J3"), "2009年经费");
    EXPECT_EQ(Cell(sheet, "B4"), "9140A01 材料指南  2项  经费小计：30.00万元");
    EXPECT_EQ(RowTexts(sheet, 5, 11), (std::vector<std::string>{"", "1", kK1.xmbh, "名称001", "2008年完成", "张三",
                                                                 "第一所", "30", "15", "15", "备注一"}));
    // No approval row, an unknown unit and no remark (the one before is not repeated).
    EXPECT_EQ(RowTexts(sheet, 6, 11), (std::vector<std::string>{"", "2", kK2.xmbh, "名称002", "2009年完成", "李四",
                                                                 "", "", "0", "0", ""}));
    EXPECT_EQ(Cell(sheet, "B7"), "9140A02   1项  经费小计：20.00万元");
    EXPECT_EQ(Cell(sheet, "K8"), "备注三");
    EXPECT_EQ(Cell(sheet, "B9"), "小计");
    EXPECT_EQ(Cell(sheet, "H9"), "=SUM(H3:H8)");
    // The funds and their halves with two decimals each, the sums too.
    for (const char* column : {"H", "I", "J"})
        for (int row : {5, 6, 8, 9}) EXPECT_EQ(sheet.Range(column + std::to_string(row)).NumberFormat(), "0.00") << column << row;
    EXPECT_EQ(sheet.Range("C5").NumberFormat(), "General");
}

TEST_F(PlanOutput, PlanListsCloseTheDialogWhateverTheirOutcome) {
    SeedPlans();
    EXPECT_EQ(Run(
                  [&](CDlgPlanOutput& dlg) {
                      ChoosePlanLists(dlg);
                      dlg.Click(IDOK);
                  },
                  [&] { driver.ExpectMessageBox("提示", "请选择输出项！"); }),
              IDOK);
    EXPECT_TRUE(opened.empty());
}

TEST_F(PlanOutput, PlanDraftsInOneDocumentWithAMergedHeadingPerFund) {
    SeedPlans();
    StoreRtf("CORVANE_ITEMPLAN", "ZMBYNR", kK1.xmbh, "总目标一");
    StoreRtf("CORVANE_ITEMPLAN", "ZWCXS", kK1.xmbh, "报告一份");
    StoreRtf("CORVANE_ITEMPLAN", "NDMBYNR", kK1.xmbh, "年度目标一");
    StoreRtf("CORVANE_ITEMPLAN", "NDWCXS", kK1.xmbh, "年度报告");
    StoreRtf("CORVANE_ITEMPLAN", "BZ", kK1.xmbh, "备注一");
    const int result = Run([&](CDlgPlanOutput& dlg) {
        dlg.Click(CDlgPlanOutput::IDC_SELECT_ALL);
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    word::Document doc = OpenedDocument();
    ASSERT_TRUE(doc.IsValid());
    EXPECT_EQ(doc.Text().rfind("2008年装备预研共用技术基金（重点项目）\r", 0), 0u) << doc.Text();
    // Group row, headings, 1 + 2 × 2 rows of 9140A01, 1 + 2 × 1 of 9140A02, subtotal.
    ASSERT_EQ(doc.RowCount(1), 11);
    EXPECT_EQ(Cell(doc, 2, 8), "2008年经费");
    EXPECT_EQ(Cell(doc, 2, 9), "2009年经费");
    EXPECT_EQ(Cell(doc, 3, 1), "9140A01 材料指南  2项  经费小计：30.00万元");
    EXPECT_EQ(Cell(doc, 3, 2), "") << "the heading row is one merged cell";
    // An inserted text ends in a paragraph mark, as the stored text does.
    const std::vector<std::string> first = {kK1.xmbh, "名称001", "研究目标：\v总目标一\r", "报告一份\r", "2008年完成",
                                            "第一所", "30.00", "15.00", "15.00", "备注一\r"};
    for (int c = 1; c <= 10; ++c) EXPECT_EQ(Cell(doc, 4, c), first[c - 1]) << c;
    EXPECT_EQ(Cell(doc, 5, 3), "年度目标一\r");
    EXPECT_EQ(Cell(doc, 5, 4), "年度报告\r");
    // The second project has no plan texts and no approval: nothing of the first shows.
    const std::vector<std::string> second = {kK2.xmbh, "名称002", "研究目标：\v", "", "2009年完成",
                                             "", "0.00", "0.00", "0.00", ""};
    for (int c = 1; c <= 10; ++c) EXPECT_EQ(Cell(doc, 6, c), second[c - 1]) << c;
    EXPECT_EQ(Cell(doc, 7, 3), "");
    EXPECT_EQ(Cell(doc, 8, 1), "9140A02   1项  经费小计：20.00万元");
    EXPECT_EQ(Cell(doc, 9, 1), kK3.xmbh);
    EXPECT_EQ(Cell(doc, 11, 1), "小计");
    EXPECT_EQ(Cell(doc, 11, 7), "50.00");
    EXPECT_EQ(Cell(doc, 11, 8), "25.00");
    EXPECT_EQ(Cell(doc, 11, 9), "25.00");
}

TEST_F(PlanOutput, LaboratoryPlanDraftsHaveTheirTitleAndProjects) {
    SeedPlans();
    StoreSettings("2008", 1);
    Run([&](CDlgPlanOutput& dlg) {
        dlg.Click(CDlgPlanOutput::IDC_SELECT_ALL);
        dlg.Click(IDOK);
    });
    word::Document doc = OpenedDocument();
    ASSERT_TRUE(doc.IsValid());
    EXPECT_EQ(doc.Text().rfind("2008年国防科技重点实验室基金（重点项目）\r", 0), 0u);
    ASSERT_EQ(doc.RowCount(1), 6);
    EXPECT_EQ(Cell(doc, 3, 1), "9140C01   1项  经费小计：8.00万元");
    EXPECT_EQ(Cell(doc, 4, 1), "9140C010101080001001");
    EXPECT_EQ(Cell(doc, 4, 5), "实验室进度");
    EXPECT_EQ(Cell(doc, 6, 7), "8.00");
}

TEST_F(PlanOutput, PlanDraftsPerUnitWriteOneDocumentPerUnit) {
    SeedPlans();
    const int result = Run(
        [&](CDlgPlanOutput& dlg) {
            dlg.Click(CDlgPlanOutput::IDC_SELECT_ALL);
            dlg.CheckDlgButton(CDlgPlanOutput::IDC_PER_UNIT_DRAFTS, 1);
            dlg.Click(IDOK);
        },
        [&] { driver.AnswerFolder(ChosenFolder()); });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(opened.empty()) << "Word is quit, nothing is handed over";
    ASSERT_EQ(UnitFiles(), (std::vector<std::string>{"0001.docx", "0002.docx"}));
    auto reader = word::Application::Create();
    word::Document first = reader->Documents().Add(UnitFile("0001.docx"));
    ASSERT_EQ(first.RowCount(1), 7);
    EXPECT_EQ(Cell(first, 3, 1), kK1.xmbh);
    EXPECT_EQ(Cell(first, 5, 1), kK3.xmbh) << "the second fund's project follows";
    EXPECT_EQ(Cell(first, 7, 1), "小计");
    EXPECT_EQ(Cell(first, 7, 7), "50.00");
    word::Document second = reader->Documents().Add(UnitFile("0002.docx"));
    ASSERT_EQ(second.RowCount(1), 5);
    EXPECT_EQ(Cell(second, 3, 1), kK2.xmbh);
    EXPECT_EQ(Cell(second, 5, 7), "0.00");
}

TEST_F(PlanOutput, PlanDraftRefusalsLeaveTheDialogOpen) {
    SeedPlans();
    Run(
        [&](CDlgPlanOutput& dlg) {
            dlg.Click(IDOK);  // nothing ticked
            EXPECT_TRUE(dlg.IsRunningModal());
            dlg.Click(CDlgPlanOutput::IDC_SELECT_ALL);
            dlg.CheckDlgButton(CDlgPlanOutput::IDC_PER_UNIT_DRAFTS, 1);
            dlg.Click(IDOK);  // the folder chooser cancelled
            EXPECT_TRUE(dlg.IsRunningModal());
            office::SetStartHook([](std::string_view) { return false; });
            dlg.Click(IDOK);
            EXPECT_TRUE(dlg.IsRunningModal());
            dlg.Click(IDCANCEL);
        },
        [&] {
            driver.ExpectMessageBox("提示", "请选择输出项！");
            driver.AnswerFolder("");
            driver.AnswerFolder(ChosenFolder());
            driver.ExpectMessageBox("提示", "Word服务程序启动失败！");
        });
    EXPECT_TRUE(UnitFiles().empty());
}

}  // namespace
