// 专家评议情况: fund numbers of a year, the experts who reviewed with their
// counts, the grouped and paginated workbook, and the failure paths.
#include "ReportTestSupport.h"

#include "main/DlgExpertReview.h"
#include "main/ExpertReviewReport.h"
#include "platform/ui/ListCtrl.h"

using office::excel::Worksheet;

namespace {

class ExpertReviewReport : public ReportTest {
protected:
    void AddExpert(const std::string& category, const std::string& id, const std::string& name,
                   const std::string& employer = "") {
        Seed({"CORVANE_EXPERTINFO",
              {"SSJJLB", "ID", "XM", "XB", "NL", "ZC", "GZDW", "DH"},
              {{category, id, name, "男", "52", "研究员", employer, "010-6000"}}});
    }

    // 2007 has projects of two specialty groups and one key laboratory.
    // Experts of J01: A01001 is named in ZJ2 of one project and twice in
    // another (2 projects) and in a 2008 project; B02001 reviewed one;
    // A01002 none. C01001 (J02) reviewed one of J01's projects.
    void SeedReviews() {
        const std::string p1 = ProjectNumber("9140A01", "2007", "U001", "001");
        const std::string p2 = ProjectNumber("9140A02", "2007", "U001", "001");
        const std::string p3 = ProjectNumber("9140A01", "2008", "U001", "001");
        const std::string p4 = ProjectNumber("9140C01", "2007", "U001", "001");
        AddApplication(p1, "U001", "2007", "共性技术基金——一般项目");
        AddApplication(p2, "U001", "2007", "共性技术基金——一般项目");
        AddApplication(p4, "U001", "2007", "重点实验室基金——一般项目");
        AddApplication(p3, "U001", "2008", "共性技术基金——一般项目");
        AddReview(p1, "+", "1", "", {"C01001", "A01001", "B02001"});
        AddReview(p2, "+", "1", "", {"X", "A01001", "A01001"});
        AddReview(p3, "+", "1", "", {"A01001"});
        AddExpert("J01", "A01001", "张三", "第一研究所");
        AddExpert("J01", "A01002", "李四");
        AddExpert("J01", "B02001", "王五", "第二研究所");
        AddExpert("J02", "C01001", "赵六");
    }

    static std::vector<std::vector<std::string>> ListRows(CDlgExpertReview& dlg) {
        std::vector<std::vector<std::string>> rows;
        auto* list = dlg.Item<ui::ListCtrl>(CDlgExpertReview::IDC_EXPERTS);
        for (int r = 0; r < list->GetItemCount(); ++r) {
            std::vector<std::string> row;
            for (int c = 0; c < 4; ++c) row.push_back(list->GetItemText(r, c));
            rows.push_back(row);
        }
        return rows;
    }
};

TEST_F(ExpertReviewReport, ListsTheReviewersOfTheFundWithTheirProjectsOfTheYear) {
    SeedReviews();
    RunDialog<CDlgExpertReview>([&](CDlgExpertReview& dlg) {
        auto* list = dlg.Item<ui::ListCtrl>(CDlgExpertReview::IDC_EXPERTS);
        ASSERT_EQ(list->GetColumnCount(), 4);
        EXPECT_EQ(dlg.GetDlgItemText(CDlgExpertReview::IDC_YEAR), "2006");
        EXPECT_TRUE(Items(dlg, CDlgExpertReview::IDC_FUND).empty());
        EXPECT_EQ(list->GetItemCount(), 0);

        Choose(dlg, CDlgExpertReview::IDC_YEAR, "2007");
        // Key-laboratory numbers are not offered; the first fund is chosen.
        EXPECT_EQ(Items(dlg, CDlgExpertReview::IDC_FUND), (std::vector<std::string>{"9140A01", "9140A02"}));
        EXPECT_EQ(dlg.GetDlgItemText(CDlgExpertReview::IDC_FUND), "9140A01");
        EXPECT_EQ(ListRows(dlg), (std::vector<std::vector<std::string>>{{"1", "A01001", "张三", "2"},
                                                                        {"2", "B02001", "王五", "1"}}));
        Choose(dlg, CDlgExpertReview::IDC_FUND, "9140A02");  // J02's experts
        EXPECT_EQ(ListRows(dlg), (std::vector<std::vector<std::string>>{{"1", "C01001", "赵六", "1"}}));
        dlg.Click(IDCANCEL);
    });
}

// A legacy number with a full-width character offers its fund number of
// seven characters, never a character cut in two.
TEST_F(ExpertReviewReport, FundNumbersAreCutByCharacters) {
    AddApplication("9140A0８0101" "07U001001", "U001", "2007", "共性技术基金——一般项目");
    std::vector<std::string> funds;
    ASSERT_TRUE(ListReviewFundNumbers(&db, "2007", funds));
    EXPECT_EQ(funds, std::vector<std::string>{"9140A0８"});
}

TEST_F(ExpertReviewReport, WorkbookGroupsExpertsByIdPrefixOnePagePerGroup) {
    SeedReviews();
    RunDialog<CDlgExpertReview>([&](CDlgExpertReview& dlg) {
        Choose(dlg, CDlgExpertReview::IDC_YEAR, "2007");
        dlg.Click(IDOK);
        EXPECT_FALSE(dlg.IsRunningModal());
    });
    Worksheet sheet = OpenedSheet("sheet1");
    ASSERT_TRUE(sheet.IsValid());
    const std::vector<std::string> headings = {"专家编号", "姓名",     "性别",     "年龄", "职称", "专业特长",
                                               "工作单位", "通信地址", "邮政编码", "电话", "手机", "评议项目数"};
    EXPECT_EQ(sheet.Range("A1").Value(), "所属基金类别：A01");
    EXPECT_EQ(sheet.Range("A1").MergeArea().Address(), "A1:L1");
    EXPECT_EQ(sheet.Range("A1").HorizontalAlignment(), office::excel::xlLeft);
    EXPECT_EQ(sheet.Range("A1").Font().Size(), 12);
    EXPECT_EQ(sheet.Range("A1").PageBreak(), office::excel::xlPageBreakNone);
    EXPECT_EQ(RowValues(sheet, 2, 12), headings);
    EXPECT_TRUE(sheet.Range("F2").Font().Bold());
    EXPECT_EQ(sheet.Range("A2").RowHeight(), 27);
    EXPECT_EQ(RowValues(sheet, 3, 12), (std::vector<std::string>{"A01001", "张三", "男", "52", "研究员", "",
                                                                  "第一研究所", "", "", "010-6000", "", "2"}));
    EXPECT_TRUE(AllCellsBordered(sheet.Range("A2", "L3")));
    EXPECT_EQ(sheet.Range("A3").RowHeight(), 30);
    // The age and the count centred; telephone and postcode columns as written.
    EXPECT_EQ(sheet.Range("D3").HorizontalAlignment(), office::excel::xlCenter);
    EXPECT_EQ(sheet.Range("L3").HorizontalAlignment(), office::excel::xlCenter);
    EXPECT_EQ(sheet.Range("I3").NumberFormat(), "@");
    EXPECT_EQ(sheet.Range("J3").NumberFormat(), "@");

    EXPECT_EQ(RowValues(sheet, 4, 12), std::vector<std::string>(12));  // empty row between the groups
    EXPECT_EQ(sheet.Range("A5").Value(), "所属基金类别：B02");
    EXPECT_EQ(sheet.Range("A5").PageBreak(), office::excel::xlPageBreakManual);
    EXPECT_EQ(RowValues(sheet, 6, 12), headings);
    EXPECT_EQ(RowValues(sheet, 7, 3), (std::vector<std::string>{"B02001", "王五", "男"}));
    EXPECT_EQ(sheet.Range("L7").Value(), "1");
    EXPECT_TRUE(sheet.Range("G7").WrapText());
    EXPECT_EQ(sheet.Range("A8").Value(), "");
}

TEST_F(ExpertReviewReport, EmptyListClosesWithoutStartingExcel) {
    SeedReviews();
    RefuseStart("none");  // records every start
    RunDialog<CDlgExpertReview>([&](CDlgExpertReview& dlg) {
        Choose(dlg, CDlgExpertReview::IDC_YEAR, "2008");
        EXPECT_EQ(Items(dlg, CDlgExpertReview::IDC_FUND), (std::vector<std::string>{"9140A01"}));
        Choose(dlg, CDlgExpertReview::IDC_YEAR, "2009");  // nothing at all
        EXPECT_TRUE(Items(dlg, CDlgExpertReview::IDC_FUND).empty());
        driver.ExpectMessageBox("提示", "没有要输出的信息。");
        dlg.Click(IDOK);
        EXPECT_FALSE(dlg.IsRunningModal());
    });
    EXPECT_EQ(driver.MessageBoxes()[0].type, MB_OK | MB_ICONINFORMATION);
    EXPECT_TRUE(starts.empty());
    EXPECT_TRUE(opened.empty());
}

TEST_F(ExpertReviewReport, ExcelThatCannotStartKeepsTheDialogOpen) {
    SeedReviews();
    RefuseStart("Excel.Application");
    RunDialog<CDlgExpertReview>([&](CDlgExpertReview& dlg) {
        Choose(dlg, CDlgExpertReview::IDC_YEAR, "2007");
        driver.ExpectMessageBox("Tessaly", "Excel启动失败!");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    EXPECT_TRUE(opened.empty());
}

}  // namespace
