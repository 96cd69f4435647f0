// Row heights as the office suite prints them: a workbook's rows grown to
// their wrapped text hold every line, and not much more. Each row carries a
// marker at its top in column A, so the distance from one marker to the next
// is the printed height of a row; the wrapped text stands in column B.
// Skipped without the office suite.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "platform/office/Excel.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "testsupport/PrintedPages.h"

namespace xl = office::excel;

namespace {

class PrintedRows : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/printed-rows-XXXXXX";
        folder_ = mkdtemp(pattern);
    }
    void TearDown() override { sys::RemoveAll(folder_); }
    std::string folder_;
};

TEST_F(PrintedRows, WrappedRowsHoldEveryLineAndLittleMore) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    const std::string unit = "中国电子科技集团公司第五十四研究所（通信网信息传输与分发技术国防科技重点实验室）";
    const std::string name = "面向复杂电磁环境的多源异构传感器信息融合与目标识别关键技术及其在装备体系中的应用研究";
    const std::string mixed = "2008年6月完成总体方案设计与关键技术攻关；2009年3月完成原理样机研制与试验验证，"
                              "指标达到GJB 150A-2009 requirements";
    struct Case {
        double font, width;
        std::string text;
    };
    std::vector<Case> cases;
    for (double font : {10.0, 11.0, 12.0, 14.0})
        for (double width : {12.0, 20.0, 34.0})
            for (const std::string* text : {&unit, &name, &mixed}) cases.push_back({font, width, *text});
    // A short row of the lists' fonts stays at the default height.
    for (double font : {10.0, 11.0}) cases.push_back({font, 34, "短名"});

    auto excel = xl::Application::Create();
    xl::Workbook book = excel->Workbooks().Add();
    xl::Worksheet sheet = book.Sheets().Item(1);
    // One sheet column per width, so that rows of each width follow one another.
    sheet.Range("A1").SetColumnWidth(5);
    std::map<double, int> columnOf = {{12.0, 2}, {20.0, 3}, {34.0, 4}};
    for (const auto& [width, column] : columnOf) sheet.Cells().Item(1, column).SetColumnWidth(width);
    int row = 0;
    for (const Case& c : cases) {
        ++row;
        xl::Range marker = sheet.Cells().Item(row, 1);
        marker.SetValue(text::Format("m%d", row));
        marker.Font().SetSize(10);
        marker.SetVerticalAlignment(xl::xlTop);
        xl::Range cell = sheet.Cells().Item(row, columnOf[c.width]);
        cell.SetValue(c.text);
        cell.Font().SetSize(c.font);
        cell.SetWrapText(true);
        cell.SetVerticalAlignment(xl::xlTop);
    }
    ++row;
    sheet.Cells().Item(row, 1).SetValue(text::Format("m%d", row));
    sheet.Cells().Item(row, 1).SetVerticalAlignment(xl::xlTop);
    sheet.Cells().Item(row, 1).Font().SetSize(10);
    const std::string file = folder_ + "/rows.xlsx";
    ASSERT_TRUE(book.SaveAs(file)) << book.LastError();
    testsupport::PrintedPages({file}, folder_);
    const std::string pdf = testsupport::PrintedPdf(file, folder_);

    std::vector<std::string> texts;
    for (const Case& c : cases) texts.push_back(c.text);
    EXPECT_TRUE(testsupport::PrintsWholeWithoutOverlaps(pdf, texts));

    // The markers' tops, and the lines of the text under each.
    const std::vector<testsupport::PrintedWord> words = testsupport::PrintedWords(pdf);
    std::map<int, testsupport::PrintedWord> markers;
    for (const auto& w : words)
        if (w.text.size() > 1 && w.text[0] == 'm' && w.text.find_first_not_of("0123456789", 1) == std::string::npos)
            markers[std::atoi(w.text.c_str() + 1)] = w;
    double markerRight = 0;
    int measured = 0;
    for (const auto& [n, w] : markers) markerRight = std::max(markerRight, w.xMax);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const int n = int(i) + 1;
        if (!markers.count(n) || !markers.count(n + 1) || markers[n].page != markers[n + 1].page) continue;
        const auto& top = markers[n];
        const auto& next = markers[n + 1];
        std::vector<double> lineTops;
        for (const auto& w : words)
            if (w.page == top.page && w.xMin > markerRight && w.yMin >= top.yMin - 2 && w.yMin < next.yMin - 2)
                if (std::none_of(lineTops.begin(), lineTops.end(), [&](double y) { return std::abs(y - w.yMin) < 2; }))
                    lineTops.push_back(w.yMin);
        std::sort(lineTops.begin(), lineTops.end());
        const Case& c = cases[i];
        const int lines = int(lineTops.size());
        const double height = next.yMin - top.yMin;
        SCOPED_TRACE(text::Format("font %g, width %g, %d lines, row %.1f points: ", c.font, c.width, lines, height) +
                     c.text);
        ++measured;
        if (lines < 2) {
            // One line keeps the sheet's default height.
            EXPECT_NEAR(height, 13.5, 0.5);
            continue;
        }
        // Every line inside the row, and at most about one line to spare.
        const double pitch = (lineTops.back() - lineTops.front()) / (lines - 1);
        EXPECT_GE(height, lines * pitch);
        EXPECT_LE(height, (lines + 1) * pitch + 4);
    }
    // Rows broken across pages are not measured; most are.
    EXPECT_GE(measured, int(cases.size()) * 3 / 4);
}

// The checks of columns as printed: a heading cut by the cell beside it is
// not whole; a column two characters wide fails "four characters a line"
// where one six wide passes; a column sized by ColumnWidthFor prints its
// heading on one line.
TEST_F(PrintedRows, NarrowColumnsAndCutHeadingsAreCaught) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    const std::string heading = "申请经费(万元)", other = "备注", text = "研究报告一份、原理样机一套、发明专利两项";
    auto excel = xl::Application::Create();
    xl::Workbook book = excel->Workbooks().Add();
    xl::Worksheet sheet = book.Sheets().Item(1);
    // Row 1: the heading unwrapped in a column too narrow, cut by the next
    // cell; row 3: the same heading in a column as wide as it needs.
    sheet.Range("A1").SetColumnWidth(8);
    sheet.Range("A1").SetValue(heading);
    sheet.Range("B1").SetValue(other);
    sheet.Range("B1").SetColumnWidth(xl::ColumnWidthFor(text, 11) + 2);
    sheet.Range("C1").SetColumnWidth(5);   // two characters a line
    sheet.Range("D1").SetColumnWidth(13);  // six characters a line
    for (const char* name : {"A1", "B1", "C2", "D2"}) sheet.Range(name).Font().SetSize(11);
    sheet.Range("C2").SetValue(text + "（窄）");
    sheet.Range("D2").SetValue(text + "（宽）");
    sheet.Range("C2").SetWrapText(true);
    sheet.Range("D2").SetWrapText(true);
    sheet.Range("E1").SetColumnWidth(xl::ColumnWidthFor(heading + "。", 11));
    sheet.Range("E3").SetValue(heading + "。");
    sheet.Range("E3").Font().SetSize(11);
    sheet.Range("E3").Font().SetBold(true);
    sheet.Range("F3").SetValue("右邻");
    const std::string file = folder_ + "/columns.xlsx";
    ASSERT_TRUE(book.SaveAs(file)) << book.LastError();
    testsupport::PrintedPages({file}, folder_);
    const std::string pdf = testsupport::PrintedPdf(file, folder_);

    // Cut, or printed on under the next cell's text.
    EXPECT_FALSE(testsupport::PrintsWholeWithoutOverlaps(pdf, {heading}));
    EXPECT_EQ(testsupport::PrintedLines(pdf, heading + "。"), std::vector<std::string>{heading + "。"});
    EXPECT_FALSE(testsupport::PrintsAtLeastPerLine(pdf, {text + "（窄）"}, 4));
    EXPECT_TRUE(testsupport::PrintsAtLeastPerLine(pdf, {text + "（宽）"}, 4));
    const std::vector<std::string> narrow = testsupport::PrintedLines(pdf, text + "（窄）");
    ASSERT_GE(narrow.size(), 5u);
    EXPECT_EQ(testsupport::WithoutBlanks(narrow.front()), "研究");
}

}  // namespace
