// The transfer-of-results outputs as printed (the office suite to PDF, read
// back per page): the 43-column information table and the project list one
// page wide with their first and last headings on every page, telephone
// numbers as written, and the Word information table's ticked boxes as boxes.
// Skipped without the office suite.
#include "ResultChangeTestSupport.h"

#include "testsupport/PrintedPages.h"

using namespace resultchange;

namespace {

class PrintedOutputs : public ResultChangeTest {
protected:
    // The output handed to the desktop last, under a name of its own.
    std::string Keep(const std::string& name) {
        EXPECT_EQ(opened.size(), 1u);
        const std::string path = opened.empty() ? std::string() : testsupport::CopyOutput(opened.back(), Folder(), name);
        EXPECT_NE(path, "");
        opened.clear();
        return path;
    }
};

TEST_F(PrintedOutputs, TablesPrintOnePageWideWithHeadingsAndTicksAsBoxes) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    constexpr int kRecords = 30;
    // Names of several lines, a long unit and twenty-character project
    // numbers: printed whole, rows apart, each number apart from its serial.
    std::vector<std::string> names, numbers;
    const std::string unit = "中国航天科工集团公司第二研究院第二〇四研究所（总体设计部）";
    for (int i = 1; i <= kRecords; ++i) {
        names.push_back("面向复杂电磁环境的多源异构传感器信息融合与目标识别关键技术及其在某型装备中的应用研究项目" +
                        std::to_string(i));
        resultchangetest::Values values = {{"XMMC", names.back()},
                                           {"XMZZXM", "张三"}, {"ZZSJ", "13900000000"}, {"XMJF", "12.50"},
                                           {"CYDW", unit}};
        for (int n = 1; n <= kCheckCount; ++n) values["CHECK" + std::to_string(n)] = "是";
        numbers.push_back(text::Format("9140A01010108000%04d", i));
        StoreRecord(numbers.back(), values);
    }
    OpenView();
    view->m_dlgList.OnBtnSelectAll();
    view->m_dlgForm.OutputExcel();
    const std::string information = Keep("信息表");
    view->m_dlgList.OutputExcel();
    const std::string list = Keep("项目清单");
    List().SetSelectionMark(0);
    view->m_dlgForm.OutputWord();
    const std::string word = Keep("信息表文档");

    const auto printed = testsupport::PrintedPages({information, list, word}, Folder());
    ASSERT_EQ(printed.size(), 3u);
    const struct {
        const char *name, *first, *last;
    } tables[] = {{"information table", "序号", "基金项目组"},  // the last heading, wrapped in its cell
                  {"project list", "序号", "备注"}};
    for (int t = 0; t < 2; ++t) {
        const std::vector<std::string>& pages = printed[t];
        EXPECT_FALSE(pages.empty()) << tables[t].name;
        int phones = 0;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const std::string page = testsupport::WithoutBlanks(pages[p]);
            EXPECT_NE(page.find(tables[t].first), std::string::npos) << tables[t].name << " page " << p + 1;
            EXPECT_NE(page.find(tables[t].last), std::string::npos) << tables[t].name << " page " << p + 1 << ":\n"
                                                                    << pages[p];
            for (std::size_t at = page.find("13900000000"); at != std::string::npos; at = page.find("13900000000", at + 1))
                ++phones;
        }
        if (t == 1) {
            EXPECT_EQ(phones, kRecords) << "the list's telephone numbers, as written";
        }
        const std::string pdf = testsupport::PrintedPdf(t == 0 ? information : list, Folder());
        std::vector<std::string> texts = names;
        texts.insert(texts.end(), numbers.begin(), numbers.end());
        texts.push_back(unit);
        EXPECT_TRUE(testsupport::PrintsWholeWithoutOverlaps(pdf, texts)) << tables[t].name;
    }
    ASSERT_FALSE(printed[2].empty());
    const std::string document = testsupport::WithoutBlanks(printed[2][0]);
    EXPECT_NE(document.find("☑重点项目"), std::string::npos) << printed[2][0];
    EXPECT_NE(document.find("☐一般项目"), std::string::npos) << printed[2][0];
}

}  // namespace
