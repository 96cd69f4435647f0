// The unit table as printed (the office suite to PDF, read back per page):
// one page wide with its headings on every page, page numbers in the footer,
// telephone and account numbers as written. Skipped without the office suite.
#include "ReportTestSupport.h"

#include "foundation/Options.h"
#include "main/Commands.h"
#include "main/DlgExpertReview.h"
#include "main/DlgLabFundTable.h"
#include "main/DlgUnitInfoTable.h"
#include "testsupport/PrintedPages.h"

namespace {

class PrintedReports : public ReportTest {};

TEST_F(PrintedReports, UnitTablePrintsOnePageWideWithItsHeadingsOnEveryPage) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    // Enough units for several pages, each with a long name that wraps, a
    // 12-digit account and an 11-digit mobile number.
    std::vector<std::string> names;
    for (int i = 1; i <= 120; ++i) {
        const std::string code = text::Format("U%03d", i);
        names.push_back("中国电子科技集团公司第" + std::to_string(i) +
                        "研究所（通信网信息传输与分发技术国防科技重点实验室承研单位）");
        AddUnitRow({code, names.back(), "所属部门", "机要名", "科研处", "100081", "北京市海淀区某路1号", "北京",
                     "北京", "联系人", "010-62000000", "13800138000", "开户银行", "开户单位", "622202020011", "", "",
                     "", "", "", ""});
        AddDirection(code, "2007", "9140A01");
    }
    COptions options;
    options.SetYear("2007");
    options.SetCategory(0);
    options.Save();
    RunDialog<CDlgUnitPlanTable>([](CDlgUnitPlanTable& dlg) { dlg.Click(IDOK); });
    ASSERT_EQ(opened.size(), 1u);

    const auto printed = testsupport::PrintedPages({opened.back()}, Folder());
    ASSERT_EQ(printed.size(), 1u);
    const std::vector<std::string>& pages = printed[0];
    ASSERT_GE(pages.size(), 2u) << "120 units fill more than one page";
    int units = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::string page = testsupport::WithoutBlanks(pages[p]);
        EXPECT_NE(page.find("单位代码"), std::string::npos) << "page " << p + 1 << ":\n" << pages[p];
        EXPECT_NE(page.find("账号"), std::string::npos) << "page " << p + 1 << ":\n" << pages[p];
        EXPECT_NE(page.find(text::Format("第%zu页共%zu页", p + 1, pages.size())), std::string::npos) << pages[p];
        for (std::size_t at = page.find("622202020011"); at != std::string::npos; at = page.find("622202020011", at + 1))
            ++units;
        EXPECT_NE(page.find("13800138000"), std::string::npos) << pages[p];
        EXPECT_EQ(page.find("E+"), std::string::npos) << "a code printed as a number:\n" << pages[p];
    }
    EXPECT_EQ(units, 120);
    // The wrapped names print whole, their rows grown to hold them.
    const std::string pdf = testsupport::PrintedPdf(opened.back(), Folder());
    EXPECT_TRUE(testsupport::PrintsWholeWithoutOverlaps(pdf, names));
}

// The experts who reviewed, with long titles, specialties, units and
// addresses and telephone numbers with an extension: every value whole, rows
// apart, postcodes and telephone numbers as written.
TEST_F(PrintedReports, ExpertReviewSheetPrintsLongValuesWhole) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    std::vector<std::string> values;
    for (int i = 1; i <= 16; ++i) {
        const std::string id = text::Format("A01%03d", i);
        const std::string number = ProjectNumber("9140A01", "2007", "U001", text::Format("%03d", i));
        AddApplication(number, "U001", "2007", "共性技术基金——一般项目");
        AddReview(number, "+", "1", "", {id, "", ""});
        const std::vector<std::string> expert = {
            "研究员级高级工程师", "雷达信号处理与多源信息融合目标识别技术" + std::to_string(i),
            "中国电子科技集团公司第五十四研究所（通信网信息传输与分发技术重点实验室）",
            "河北省石家庄市中山西路589号第五十四研究所科技委办公室" + std::to_string(i), "050081",
            "0311-86926000-8" + std::to_string(10 + i), "13800138000"};
        testdb::Row row = {"J01", id, "欧阳振华", "男", "56"};
        row.insert(row.end(), expert.begin(), expert.end());
        Seed({"CORVANE_EXPERTINFO", {"SSJJLB", "ID", "XM", "XB", "NL", "ZC", "ZYTC", "GZDW", "TXDZ", "YZBM", "DH", "SJ"},
              {row}});
        values.insert(values.end(), expert.begin(), expert.end());
    }
    RunDialog<CDlgExpertReview>([&](CDlgExpertReview& dlg) {
        Choose(dlg, CDlgExpertReview::IDC_YEAR, "2007");
        dlg.Click(IDOK);
    });
    ASSERT_EQ(opened.size(), 1u);
    const std::string file = testsupport::CopyOutput(opened.back(), Folder(), "专家评议情况");
    const auto printed = testsupport::PrintedPages({file}, Folder());
    ASSERT_FALSE(printed[0].empty());
    std::string all;
    for (const std::string& page : printed[0]) all += page;
    for (const char* number : {"0311-86926000-811", "13800138000", "050081"})
        EXPECT_NE(all.find(number), std::string::npos) << number << " not on one line as written";
    const std::string pdf = testsupport::PrintedPdf(file, Folder());
    EXPECT_TRUE(testsupport::PrintsWholeWithoutOverlaps(pdf, values));
}

// The laboratory fund table with long names and approved amounts of mixed
// decimals: names whole, each amount with two decimals.
TEST_F(PrintedReports, LaboratoryFundTablePrintsNamesWholeAndAmountsWithTwoDecimals) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    std::vector<std::string> names;
    for (int lab = 1; lab <= 12; ++lab) {
        const std::string code = text::Format("9140C%02d", lab);
        names.push_back("通信网信息传输与分发技术国防科技重点实验室（第" + std::to_string(lab) + "研究所分部）");
        AddLaboratory(code, names.back());
        const std::string key = ProjectNumber(code, "2007", "U001", "001");
        const std::string general = ProjectNumber(code, "2007", "U001", "002");
        AddApplication(key, "U001", "2007", "重点实验室基金——重点项目");
        AddApplication(general, "U001", "2007", "重点实验室基金——一般项目");
        AddReview(key, "+", "153.4200");
        AddReview(general, "+", "12.155");
    }
    RunDialog<CDlgLabFundTable>([&](CDlgLabFundTable& dlg) {
        Choose(dlg, CDlgLabFundTable::IDC_YEAR, "2007");
        dlg.Click(CDlgLabFundTable::IDC_SELECT_ALL);
        dlg.Click(IDOK);
    });
    ASSERT_EQ(opened.size(), 1u);
    const std::string file = testsupport::CopyOutput(opened.back(), Folder(), "重点实验室经费表");
    const auto printed = testsupport::PrintedPages({file}, Folder());
    ASSERT_FALSE(printed[0].empty());
    std::string all;
    for (const std::string& page : printed[0]) all += page;
    // 153.42 + 12.155 in all, 153.42 of the key projects.
    for (const char* shown : {"165.58", "153.42"}) EXPECT_NE(all.find(shown), std::string::npos) << shown;
    for (const char* stored : {"153.4200", "165.575"})
        EXPECT_EQ(all.find(stored), std::string::npos) << stored << " printed as stored:\n" << printed[0][0];
    const std::string pdf = testsupport::PrintedPdf(file, Folder());
    EXPECT_TRUE(testsupport::PrintsWholeWithoutOverlaps(pdf, names));
}

// The blank funding-list forms print across one page, every column on it,
// numbered.
TEST_F(PrintedReports, FundingListFormsPrintOnOnePageWithItsNumber) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    const struct {
        int command;
        const char* name;
        const char* lastHeading;
    } forms[] = {{cmd::kFundingListUnit, "单位拨款清单", "审批结果"},
                 {cmd::kFundingListFund, "基金拨款清单", "审批结果"},
                 {cmd::kFundingListYear, "年度拨款清单", "二批拨款"}};
    std::vector<std::string> files;
    for (const auto& form : forms) {
        OpenFrame(2).SendMessage(WM_COMMAND, MAKEWPARAM(form.command, 0));
        ASSERT_FALSE(opened.empty());
        files.push_back(testsupport::CopyOutput(opened.back(), Folder(), form.name));
    }
    const auto printed = testsupport::PrintedPages(files, Folder());
    for (std::size_t i = 0; i < files.size(); ++i) {
        ASSERT_EQ(printed[i].size(), 1u) << files[i];
        const std::string page = testsupport::WithoutBlanks(printed[i][0]);
        EXPECT_NE(page.find("序号"), std::string::npos) << printed[i][0];
        EXPECT_NE(page.find(forms[i].lastHeading), std::string::npos) << printed[i][0];
        EXPECT_NE(page.find("第1页共1页"), std::string::npos) << printed[i][0];
    }
}

}  // namespace
