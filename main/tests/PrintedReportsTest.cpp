// The unit table as printed (the office suite to PDF, read back per page):
// one page wide with its headings on every page, page numbers in the footer,
// telephone and account numbers as written. Skipped without the office suite.
#include "ReportTestSupport.h"

#include "foundation/Options.h"
#include "main/Commands.h"
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
        Execute("insert into CORVANE_UNIT values ('" + code + "', '" + names.back() +
                "', '所属部门', '机要名', '科研处', '100081', '北京市海淀区某路1号', "
                "'北京', '北京', '联系人', '010-62000000', '13800138000', '开户银行', '开户单位', '622202020011', "
                "'', '', '', '', '', '')");
        Execute("insert into CORVANE_YEAR_STUDYASPECT (DWDM, FBNF, JJBH) values ('" + code + "', '2007', '9140A01')");
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
    const std::vector<std::string> missing = testsupport::TextsNotPrintedWhole(pdf, names);
    EXPECT_TRUE(missing.empty()) << missing.size() << " names not whole, first " << missing.front();
    const std::vector<std::string> overlaps = testsupport::OverlappingWords(pdf);
    EXPECT_TRUE(overlaps.empty()) << overlaps.size() << " words overlap, first " << overlaps.front();
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
