#include "platform/office/Excel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/office/ExcelData.h"
#include "platform/text/DateTime.h"
#include "platform/office/tests/OfficeFixture.h"

using namespace office::excel;

namespace {

class ExcelTest : public OfficeFixture {
protected:
    // Saves the workbook and opens the file again in a fresh application.
    Workbook RoundTrip(const Workbook& book, const std::string& name = "out.xlsx") {
        EXPECT_TRUE(book.SaveAs(Path(name))) << book.LastError();
        reloaded_ = Application::Create();
        Workbook again = reloaded_->Workbooks().Add(Path(name));
        EXPECT_TRUE(again.IsValid()) << reloaded_->LastError();
        return again;
    }
    std::unique_ptr<Application> reloaded_;
};

TEST_F(ExcelTest, TypingRuleDecidesBetweenNumberTextAndFormula) {
    struct Case {
        const char* typed;
        ValueKind kind;
        const char* readBack;
    } cases[] = {
        {"3", ValueKind::Number, "3"},
        {"12.5", ValueKind::Number, "12.5"},
        {"12.5000", ValueKind::Number, "12.5"},  // "%.4f" of an amount
        {"-0.25", ValueKind::Number, "-0.25"},
        {"0", ValueKind::Number, "0"},
        {"0001", ValueKind::Text, "0001"},  // unit code
        {"007.5", ValueKind::Text, "007.5"},
        {"6222020200112233445", ValueKind::Text, "6222020200112233445"},  // account number
        {"13800138000", ValueKind::Text, "13800138000"},                  // telephone: 11 digits
        {"622202020011", ValueKind::Text, "622202020011"},                // 12-digit account
        {"-13800138000", ValueKind::Text, "-13800138000"},
        {"1234567890", ValueKind::Number, "1234567890"},  // ten digits are still an amount
        {"12345678901.5", ValueKind::Text, "12345678901.5"},
        {"2008-2009", ValueKind::Text, "2008-2009"},
        {"1e5", ValueKind::Text, "1e5"},
        {" 5", ValueKind::Text, " 5"},
        {"5.", ValueKind::Text, "5."},
        {"+5", ValueKind::Text, "+5"},
        {"9140A01", ValueKind::Text, "9140A01"},
        {"合计", ValueKind::Text, "合计"},
        {"=SUM(D2:D5)", ValueKind::Formula, "=SUM(D2:D5)"},
        {"=", ValueKind::Text, "="},
        {"", ValueKind::Empty, ""},
    };
    auto excel = Application::Create();
    Workbook book = excel->Workbooks().Add();
    Worksheet sheet = book.Sheets().Item("sheet1");
    int row = 1;
    for (const Case& c : cases) sheet.Cells().Item(row++, 1).SetValue(c.typed);

    Worksheet again = RoundTrip(book).Sheets().Item(1);
    row = 1;
    for (const Case& c : cases) {
        Range cell = again.Cells().Item(row++, 1);
        EXPECT_EQ(cell.Kind(), c.kind) << c.typed;
        EXPECT_EQ(cell.Value(), c.readBack) << c.typed;
    }
}

TEST_F(ExcelTest, SavedFileHoldsFormulasForRecalculationAndNumbersAsValues) {
    auto excel = Application::Create();
    Workbook book = excel->Workbooks().Add();
    Worksheet sheet = book.Sheets().Item(1);
    sheet.Range("D2").SetValue("12.5");
    sheet.Range("D3").SetValue("0012");
    sheet.Range("D4").SetValue("=SUM(D2:D3)");
    ASSERT_TRUE(book.SaveAs(Path("f.xlsx")));

    std::string xml = PartOf(Path("f.xlsx"), "xl/worksheets/sheet1.xml");
    EXPECT_NE(xml.find("<c r=\"D2\" s=\""), std::string::npos) << xml;  // the format showing one decimal
    EXPECT_NE(xml.find("<v>12.5</v></c>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<c r=\"D3\" t=\"s\">"), std::string::npos);
    EXPECT_NE(xml.find("<c r=\"D4\"><f>SUM(D2:D3)</f></c>"), std::string::npos);
    EXPECT_NE(PartOf(Path("f.xlsx"), "xl/workbook.xml").find("fullCalcOnLoad=\"1\""), std::string::npos);
}

// Numbers are written as "%.15g" prints them, or "%.17g" when fifteen digits
// read back as another number; whole numbers take a shorter path.
TEST(ExcelNumbers, WrittenAsPrintfWouldWriteThem) {
    auto printed = [](double v) {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.15g", v);
        if (std::strtod(buffer, nullptr) != v) std::snprintf(buffer, sizeof buffer, "%.17g", v);
        return std::string(buffer);
    };
    const double values[] = {0, -0.0, 1, -1, 36, 13.5, 12.5, 0.1, 0.1 + 0.2, 1.0 / 3, -2.675,
                             999999999999999, -999999999999999, 1e15, 1e15 + 2, 123456789012345678.0, 1e21,
                             1e-5, 0.0001, 2.5e-7, 1e300, -1e-300, std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity(),
                             std::nan("")};
    for (double v : values) {
        const std::string expected = printed(v);
        EXPECT_EQ(FormatNumber(v), expected);
        std::string appended = "x";
        AppendNumber(appended, v);
        EXPECT_EQ(appended, "x" + expected);
    }
}

// A format is shared by every cell whose fields all agree, and a difference
// in any one field makes another format.
TEST(ExcelStyles, EqualFormatsShareOneEntryAndEachFieldTellsFormatsApart) {
    BookData book;
    CellStyle base;
    base.font.size = 10;
    base.border.left.style = "thin";
    base.alignment["horizontal"] = "center";
    const struct {
        const char* what;
        void (*change)(CellStyle&);
    } changes[] = {
        {"font name", [](CellStyle& s) { s.font.name = "仿宋_GB2312"; }},
        {"font size", [](CellStyle& s) { s.font.size = 10.5; }},
        {"bold", [](CellStyle& s) { s.font.bold = true; }},
        {"italic", [](CellStyle& s) { s.font.italic = true; }},
        {"underline", [](CellStyle& s) { s.font.underline = "double"; }},
        {"font colour", [](CellStyle& s) { s.font.colour = "rgb=\"FFFF0000\""; }},
        {"fill", [](CellStyle& s) { s.fillId = 1; }},
        {"left edge", [](CellStyle& s) { s.border.left.style = "medium"; }},
        {"left edge colour", [](CellStyle& s) { s.border.left.colour = "indexed=\"10\""; }},
        {"right edge", [](CellStyle& s) { s.border.right.style = "thin"; }},
        {"top edge", [](CellStyle& s) { s.border.top.style = "thin"; }},
        {"bottom edge", [](CellStyle& s) { s.border.bottom.style = "thin"; }},
        {"number format", [](CellStyle& s) { s.numFmtId = 2; }},
        {"alignment value", [](CellStyle& s) { s.alignment["horizontal"] = "left"; }},
        {"alignment added", [](CellStyle& s) { s.alignment["wrapText"] = "1"; }},
        {"edges swapped", [](CellStyle& s) { std::swap(s.border.left, s.border.right); }},
    };
    const int baseIndex = book.Intern(base);
    EXPECT_EQ(book.Intern(CellStyle(base)), baseIndex);
    std::vector<int> seen = {0, baseIndex};
    for (const auto& c : changes) {
        CellStyle changed = base;
        c.change(changed);
        const int index = book.Intern(changed);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), index), 0) << c.what;
        EXPECT_EQ(book.Intern(changed), index) << c.what << ", interned again";
        EXPECT_TRUE(book.styles[static_cast<std::size_t>(index)] == changed) << c.what;
        seen.push_back(index);
    }
    EXPECT_EQ(book.styles.size(), seen.size());
}

// One table of strings for the workbook, in the order of first use, each
// text once and escaped; the cells point into it.
TEST_F(ExcelTest, TextsShareOneEscapedStringTableInTheOrderOfFirstUse) {
    const struct {
        const char* cell;
        const char* typed;
    } typing[] = {{"A1", "R&D <一>"}, {"B1", "合计"}, {"A2", "R&D <一>"}, {"C2", "=IF(A1<>\"\",1,0)"}};
    auto excel = Application::Create();
    Workbook book = excel->Workbooks().Add();
    for (const auto& t : typing) book.Sheets().Item(1).Range(t.cell).SetValue(t.typed);
    ASSERT_TRUE(book.SaveAs(Path("s.xlsx")));

    EXPECT_EQ(PartOf(Path("s.xlsx"), "xl/sharedStrings.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
              "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\"2\" uniqueCount=\"2\">"
              "<si><t xml:space=\"preserve\">R&amp;D &lt;一&gt;</t></si>"
              "<si><t xml:space=\"preserve\">合计</t></si></sst>");
    std::string xml = PartOf(Path("s.xlsx"), "xl/worksheets/sheet1.xml");
    EXPECT_NE(xml.find("<sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
                       "</row><row r=\"2\"><c r=\"A2\" t=\"s\"><v>0</v></c>"
                       "<c r=\"C2\"><f>IF(A1&lt;&gt;&quot;&quot;,1,0)</f></c></row></sheetData>"),
              std::string::npos)
        << xml;
}

TEST_F(ExcelTest, WrittenDecimalsShowThroughANumberFormatThatAWholeNumberClears) {
    struct Case {
        const char* typed;
        const char* format;
    } cases[] = {{"12.50", "0.00"}, {"3.125", "0.000"}, {"0.5", "0.0"}, {"30.00", "0.00"}, {"7", "General"}};
    auto excel = Application::Create();
    Workbook book = excel->Workbooks().Add();
    Worksheet sheet = book.Sheets().Item(1);
    int row = 1;
    for (const Case& c : cases) sheet.Cells().Item(row++, 1).SetValue(c.typed);
    sheet.Range("B1").SetValue("12.50");
    sheet.Range("B1").SetValue("8");  // a later whole number on the same cell shows no decimals
    sheet.Range("C1").SetValue("12.50");
    sheet.Range("C1").SetValue("0012");  // text keeps the cell's format; it shows as written

    Workbook reread = RoundTrip(book);
    Worksheet again = reread.Sheets().Item(1);
    row = 1;
    for (const Case& c : cases) EXPECT_EQ(again.Cells().Item(row++, 1).NumberFormat(), c.format) << c.typed;
    EXPECT_EQ(again.Range("B1").NumberFormat(), "General");
    EXPECT_EQ(again.Range("C1").Value(), "0012");
    // The formats survive a second round, now read from the file.
    again.Range("A6").SetValue("1.5");
    Worksheet third = RoundTrip(reread, "third.xlsx").Sheets().Item(1);
    EXPECT_EQ(third.Range("A2").NumberFormat(), "0.000");
    EXPECT_EQ(third.Range("A6").NumberFormat(), "0.0");
}

TEST_F(ExcelTest, PrintSetupIsWrittenAndReadBack) {
    auto excel = Application::Create();
    Workbook book = excel->Workbooks().Add();
    Worksheet sheet = book.Sheets().Item(1);
    sheet.Range("A1").SetValue("标题");
    PageSetup setup = sheet.PageSetup();
    setup.SetFitToPages(1, 0);
    setup.SetPrintTitleRows("2:3");
    setup.SetPrintArea("K20:A1");
    setup.SetMargins(36, 36, 54, 54, 18, 18);
    setup.SetCenterHorizontally(true);
    setup.SetCenterFooter("第 &P 页 共 &N 页");
    setup.SetCenterHeader("A&B");
    ASSERT_TRUE(sheet.SetName("It's 表"));  // a name that must be quoted in the print names

    Workbook reread = RoundTrip(book);
    PageSetup read = reread.Sheets().Item(1).PageSetup();
    EXPECT_EQ(read.FitToPagesWide(), 1);
    EXPECT_EQ(read.FitToPagesTall(), 0);
    EXPECT_EQ(read.PrintTitleRows(), "$2:$3");
    EXPECT_EQ(read.PrintArea(), "$A$1:$K$20");
    EXPECT_DOUBLE_EQ(read.LeftMargin(), 36);
    EXPECT_DOUBLE_EQ(read.TopMargin(), 54);
    EXPECT_TRUE(read.CenterHorizontally());
    EXPECT_FALSE(read.CenterVertically());
    EXPECT_EQ(read.CenterFooter(), "第 &P 页 共 &N 页");
    EXPECT_EQ(read.CenterHeader(), "A&B");

    const std::string workbook = PartOf(Path("out.xlsx"), "xl/workbook.xml");
    EXPECT_NE(workbook.find("<definedName name=\"_xlnm.Print_Titles\" localSheetId=\"0\">'It''s 表'!$2:$3<"),
              std::string::npos)
        << workbook;
    const std::string xml = PartOf(Path("out.xlsx"), "xl/worksheets/sheet1.xml");
    EXPECT_NE(xml.find("<sheetPr><pageSetUpPr fitToPage=\"1\"/></sheetPr>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<oddFooter>&amp;C第 &amp;P 页 共 &amp;N 页</oddFooter>"), std::string::npos) << xml;

    // Turning the scaling and titles off removes them from the file.
    read.SetFitToPages(0, 0);
    read.SetPrintTitleRows("");
    read.SetPrintTitleRows("x:y");  // not rows: ignored
    Worksheet plain = RoundTrip(reread, "plain.xlsx").Sheets().Item(1);
    EXPECT_EQ(plain.PageSetup().FitToPagesWide(), 0);
    EXPECT_EQ(plain.PageSetup().PrintTitleRows(), "");
    EXPECT_EQ(plain.PageSetup().PrintArea(), "$A$1:$K$20");
}

TEST_F(ExcelTest, SettingTheCentreFooterKeepsTheOtherSectionsOfALoadedFile) {
    auto excel = Application::Create();
    Workbook book = excel->Workbooks().Add();
    ASSERT_TRUE(book.SaveAs(Path("t.xlsx")));
    // A footer as another program writes it: left and right sections, a
    // literal ampersand and a font code inside the centre.
    office::Package package;
    std::string error;
    ASSERT_TRUE(package.Load(Path("t.xlsx"), error)) << error;
    std::string sheetXml = package.Part("xl/worksheets/sheet1.xml");
    sheetXml.insert(sheetXml.find("</worksheet>"),
                    "<headerFooter><oddFooter>&amp;L左&amp;C&amp;\"宋体\"旧 &amp;&amp; 页&amp;R右</oddFooter></headerFooter>");
    package.SetPart("xl/worksheets/sheet1.xml", sheetXml,
                    "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml");
    ASSERT_TRUE(package.Save(Path("t.xlsx"), error)) << error;

    Workbook loaded = excel->Workbooks().Add(Path("t.xlsx"));
    ASSERT_TRUE(loaded.IsValid()) << excel->LastError();
    PageSetup setup = loaded.Sheets().Item(1).PageSetup();
    EXPECT_EQ(setup.CenterFooter(), "&\"宋体\"旧 && 页");
    setup.SetCenterFooter("第 &P 页");
    ASSERT_TRUE(loaded.SaveAs(Path("t2.xlsx")));
    EXPECT_NE(PartOf(Path("t2.xlsx"), "xl/worksheets/sheet1.xml").find("<oddFooter>&amp;L左&amp;C第 &amp;P 页&amp;R右<"),
              std::string::npos);
}

TEST_F(ExcelTest, FormatsSurviveSaveAndLoad) {
    auto excel = Application::Create();
    Workbook book = excel->Workbooks().Add();
    Worksheet sheet = book.Sheets().Item("Sheet1");
    Range row = sheet.Range("A2", "G2");
    row.Font().SetName("仿宋_GB2312");
    row.Font().SetSize(14);
    row.SetRowHeight(38);
    for (int c = 1; c <= 7; ++c) row.Item(1, c).BorderAround(xlContinuous, xlThin, xlColorIndexAutomatic);
    Range total = sheet.Range("A3", "C3");
    total.Merge(false);
    total.Item(1, 1).SetValue("合计");
    total.BorderAround(1, 2, -4105);
    Range title = sheet.Range("A5:L5");
    title.SetPageBreak(xlPageBreakManual);
    title.Font().SetBold(true);
    title.SetHorizontalAlignment(xlLeft);
    title.SetVerticalAlignment(xlCenter);
    title.SetWrapText(true);
    sheet.Range("B1").SetColumnWidth(20);

    Worksheet again = RoundTrip(book).Sheets().Item("sheet1");
    EXPECT_EQ(again.Range("C2").Font().Name(), "仿宋_GB2312");
    EXPECT_EQ(again.Range("G2").Font().Size(), 14);
    EXPECT_FALSE(again.Range("G2").Font().Bold());
    EXPECT_EQ(again.Range("A2").RowHeight(), 38);
    for (const char* edge : {"left", "right", "top", "bottom"}) EXPECT_EQ(again.Range("D2").BorderStyle(edge), "thin");
    EXPECT_TRUE(again.Range("B3").MergeCells());
    EXPECT_EQ(again.Range("B3").MergeArea().Address(), "A3:C3");
    EXPECT_EQ(again.Range("A3").Value(), "合计");
    // The border goes around the merged block, not between its cells.
    EXPECT_EQ(again.Range("A3").BorderStyle("left"), "thin");
    EXPECT_EQ(again.Range("A3").BorderStyle("right"), "");
    EXPECT_EQ(again.Range("C3").BorderStyle("right"), "thin");
    EXPECT_EQ(again.Range("B3").BorderStyle("top"), "thin");
    EXPECT_EQ(again.Range("A5").PageBreak(), xlPageBreakManual);
    EXPECT_EQ(again.Range("A4").PageBreak(), xlPageBreakNone);
    EXPECT_TRUE(again.Range("L5").Font().Bold());
    EXPECT_EQ(again.Range("A5").HorizontalAlignment(), xlLeft);
    EXPECT_EQ(again.Range("A5").VerticalAlignment(), xlCenter);
    EXPECT_TRUE(again.Range("A5").WrapText());
    EXPECT_DOUBLE_EQ(again.Range("B1").ColumnWidth(), 20);
}

TEST_F(ExcelTest, ColumnFormatsDecideCodesAndAmountsWhateverTheDigits) {
    auto excel = Application::Create();
    Workbook book = excel->Workbooks().Add();
    Worksheet sheet = book.Sheets().Item(1);
    sheet.Range("A1:A9").SetNumberFormat("@");     // unit codes, postcodes
    sheet.Range("B1:B9").SetNumberFormat("0.00");  // amounts
    struct Case {
        const char* cell;
        const char* written;
        ValueKind kind;
        const char* format;
    } cases[] = {
        {"A1", "100081", ValueKind::Text, "@"},   // a postcode without a leading zero
        {"A2", "1001", ValueKind::Text, "@"},     // a unit code
        {"A3", "0001", ValueKind::Text, "@"},
        {"A4", "=1+1", ValueKind::Formula, "@"},  // a formula stays one
        {"B1", "153.4200", ValueKind::Number, "0.00"},
        {"B2", "194.92000000", ValueKind::Number, "0.00"},
        {"B3", "12.155", ValueKind::Number, "0.00"},
        {"B4", "24", ValueKind::Number, "0.00"},
        {"C1", "12.155", ValueKind::Number, "0.000"},  // no column format: the written decimals
        {"C2", "100081", ValueKind::Number, "General"},
    };
    for (const Case& c : cases) sheet.Range(c.cell).SetValue(c.written);
    Worksheet again = RoundTrip(book).Sheets().Item(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(again.Range(c.cell).Kind(), c.kind);
        EXPECT_EQ(again.Range(c.cell).NumberFormat(), c.format);
    }
    EXPECT_EQ(again.Range("A1").Value(), "100081");
    EXPECT_EQ(again.Range("B1").Value(), "153.42");
}

TEST_F(ExcelTest, RowsGrowToTheirWrappedTextWhenSaved) {
    auto excel = Application::Create();
    Workbook book = excel->Workbooks().Add();
    Worksheet sheet = book.Sheets().Item(1);
    sheet.Range("A1").SetColumnWidth(20);  // about 105 points: 9 ideographs of 11 points
    sheet.Range("B1:C1").SetColumnWidth(10);
    sheet.Range("A1:C9").SetWrapText(true);
    sheet.Range("A1:C9").Font().SetSize(11);
    const std::string name = "国防科技重点实验室承研单位某某研究所某某研究室（某某方向）高性能计算与仿真技术研究项目";
    // A short text keeps the default height; a long one grows the row, even
    // one given a height too small, and not one given a height that fits.
    sheet.Range("A1").SetValue("短名");
    sheet.Range("A2").SetValue(name);
    sheet.Range("A3").SetValue(name);
    sheet.Range("A3").SetRowHeight(30);
    sheet.Range("A4").SetValue(name);
    sheet.Range("A4").SetRowHeight(200);
    // Lines written into the text count; a Latin word moves whole.
    sheet.Range("A5").SetValue("第一行\n第二行\n第三行\n第四行");
    // Merged across: the merged width holds the text in fewer lines.
    sheet.Range("A6:C6").Merge();
    sheet.Range("A6").SetValue(name);
    // Not wrapping: the text runs on, the row keeps its height.
    sheet.Range("A7").SetValue(name);
    sheet.Range("A7").SetWrapText(false);
    // A number never wraps into lines.
    sheet.Range("B8").SetValue("123456.78");

    Worksheet again = RoundTrip(book).Sheets().Item(1);
    EXPECT_EQ(again.Range("A1").RowHeight(), 13.5) << "no height written";
    const double grown = again.Range("A2").RowHeight();
    EXPECT_GE(grown, 5 * 11) << "about 46 ideographs in 9 a line: 6 lines";
    EXPECT_LE(grown, 8 * 16);
    EXPECT_EQ(again.Range("A3").RowHeight(), grown);
    EXPECT_EQ(again.Range("A4").RowHeight(), 200);
    EXPECT_GE(again.Range("A5").RowHeight(), 4 * 11);
    const double merged = again.Range("A6").RowHeight();
    EXPECT_GT(merged, 13.5);
    EXPECT_LT(merged, grown);
    EXPECT_EQ(again.Range("A7").RowHeight(), 13.5);
    EXPECT_EQ(again.Range("A8").RowHeight(), 13.5);
    // The model keeps what the caller set; only the file carries the fit.
    EXPECT_EQ(sheet.Range("A3").RowHeight(), 30);
}

TEST_F(ExcelTest, MergeKeepsOnlyTheTopLeftValue) {
    auto excel = Application::Create();
    Worksheet sheet = excel->Workbooks().Add().Sheets().Item(1);
    sheet.Range("A1").SetValue("a");
    sheet.Range("B1").SetValue("b");
    sheet.Range("A2").SetValue("c");
    sheet.Range("A1:B2").Merge(true);  // across: one area per row
    EXPECT_EQ(sheet.Range("A1").Value(), "a");
    EXPECT_EQ(sheet.Range("B1").Value(), "");
    EXPECT_EQ(sheet.Range("A2").Value(), "c");
    EXPECT_EQ(sheet.Range("B2").MergeArea().Address(), "A2:B2");
}

TEST_F(ExcelTest, RangeItemCountsFromTheRangeAndUsedRangeCoversTheCells) {
    auto excel = Application::Create();
    Worksheet sheet = excel->Workbooks().Add().Sheets().Item(1);
    Range range = sheet.Range("B3", "K3");
    EXPECT_EQ(range.Item(1, 1).Address(), "B3");
    EXPECT_EQ(range.Item(1, 10).Address(), "K3");
    EXPECT_EQ(range.Item(2, 1).Address(), "B4");
    EXPECT_EQ(sheet.Cells().Item(10, 43).Address(), "AQ10");
    range.Item(1, 10).SetValue("x");
    sheet.Range("C7").SetValue("y");
    EXPECT_EQ(sheet.UsedRange().Address(), "C3:K7");
}

TEST_F(ExcelTest, CellNamesThatDoNotParseGiveAnInvalidRangeThatDoesNothing) {
    auto excel = Application::Create();
    Workbook book = excel->Workbooks().Add();
    Worksheet sheet = book.Sheets().Item(1);
    for (const char* name : {"A0", "J", "12", "A1B", "ZZZZ1", ""}) EXPECT_FALSE(sheet.Range(name).IsValid()) << name;
    Range bad = sheet.Range("J0");
    bad.SetValue("x");
    bad.Merge();
    bad.Font().SetSize(12);
    EXPECT_EQ(bad.Value(), "");
    EXPECT_TRUE(book.Saved());
}

TEST_F(ExcelTest, SheetsAreFoundWithoutCaseAndRenamedWithChecks) {
    auto excel = Application::Create();
    Workbook book = excel->Workbooks().Add();
    Worksheet sheet = book.Sheets().Item("SHEET1");
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_FALSE(book.Sheets().Item("Sheet2").IsValid());
    EXPECT_TRUE(sheet.SetName("项目拨款清单"));
    EXPECT_TRUE(book.Sheets().Item("项目拨款清单").IsValid());
    for (const char* bad : {"", "a/b", "x[1]", "a:b"}) EXPECT_FALSE(sheet.SetName(bad)) << bad;
    EXPECT_EQ(RoundTrip(book).Sheets().Item(1).Name(), "项目拨款清单");
}

TEST_F(ExcelTest, TemplateKeepsCellsStylesWidthsMergesAndPageSetup) {
    {
        auto excel = Application::Create();
        Workbook tpl = excel->Workbooks().Add();
        Worksheet sheet = tpl.Sheets().Item(1);
        sheet.Range("A1").SetValue("序号");
        sheet.Range("B1").SetValue("基金编号");
        sheet.Range("A1:B1").Font().SetBold(true);
        sheet.Range("A1").BorderAround();
        sheet.Range("B1").SetColumnWidth(30);
        sheet.Range("D1:F1").Merge();
        sheet.PageSetup().SetOrientation(xlLandscape);
        sheet.PageSetup().SetPaperSize(xlPaperA3);
        sheet.PageSetup().SetFitToPages(1, 0);
        sheet.PageSetup().SetPrintTitleRows("$1:$1");
        sheet.PageSetup().SetCenterFooter("第 &P 页 共 &N 页");
        sheet.PageSetup().SetMargins(36, 36, 54, 54, 18, 18);
        ASSERT_TRUE(tpl.SaveAs(Path("模板.xls")));  // stored as .xlsx
    }
    ASSERT_TRUE(sys::FileExists(Path("模板.xlsx")));
    auto excel = Application::Create();
    Workbook book = excel->Workbooks().Add(Path("模板.xls"));
    ASSERT_TRUE(book.IsValid()) << excel->LastError();
    EXPECT_TRUE(book.Saved());
    book.Sheets().Item("sheet1").Range("A2").SetValue("1");
    EXPECT_FALSE(book.Saved());

    Worksheet again = RoundTrip(book).Sheets().Item(1);
    EXPECT_EQ(again.Range("B1").Value(), "基金编号");
    EXPECT_TRUE(again.Range("B1").Font().Bold());
    EXPECT_EQ(again.Range("A1").BorderStyle("bottom"), "thin");
    EXPECT_DOUBLE_EQ(again.Range("B1").ColumnWidth(), 30);
    EXPECT_EQ(again.Range("E1").MergeArea().Address(), "D1:F1");
    EXPECT_EQ(again.PageSetup().Orientation(), xlLandscape);
    EXPECT_EQ(again.PageSetup().PaperSize(), xlPaperA3);
    EXPECT_EQ(again.PageSetup().FitToPagesWide(), 1);
    EXPECT_EQ(again.PageSetup().PrintTitleRows(), "$1:$1");
    EXPECT_EQ(again.PageSetup().CenterFooter(), "第 &P 页 共 &N 页");
    EXPECT_DOUBLE_EQ(again.PageSetup().BottomMargin(), 54);
    EXPECT_EQ(again.Range("A2").Value(), "1");
}

TEST_F(ExcelTest, MissingOrDamagedTemplateGivesAnInvalidWorkbookWithAReason) {
    auto excel = Application::Create();
    EXPECT_FALSE(excel->Workbooks().Add(Path("none.xls")).IsValid());
    EXPECT_NE(excel->LastError().find("none.xlsx"), std::string::npos);
    ASSERT_TRUE(sys::WriteFileAtomic(Path("bad.xlsx"), "not a zip at all"));
    EXPECT_FALSE(excel->Workbooks().Add(Path("bad.xlsx")).IsValid());
    EXPECT_FALSE(excel->LastError().empty());
    EXPECT_EQ(excel->Workbooks().Count(), 0);
}

TEST_F(ExcelTest, StartFailureCanBeInjected) {
    office::SetStartHook([](std::string_view progId) { return progId != "Excel.Application"; });
    EXPECT_EQ(Application::Create(), nullptr);
    office::SetStartHook({});
    EXPECT_NE(Application::Create(), nullptr);
}

TEST_F(ExcelTest, VisibleWorkbooksAreHandedToTheDesktopWhenReleased) {
    {
        auto excel = Application::Create();
        excel->SetVisible(true);  // as soon as started, before the workbook exists
        Workbook book = excel->Workbooks().Add();
        book.Sheets().Item(1).Range("A1").SetValue("年份：[年号]");
        book.SetSaved(false);
        EXPECT_TRUE(opened_.empty());
    }
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(sys::ParentFolder(opened_[0]), Path("output"));
    auto excel = Application::Create();
    EXPECT_EQ(excel->Workbooks().Add(opened_[0]).Sheets().Item(1).Range("A1").Value(), "年份：[年号]");
}

// A workbook left open is named by what it is and the day, never over an
// earlier one: its title, else its template's name without "模板", else (a
// template named in Latin letters) 工作簿. One that cannot be written is
// reported with its path and reason.
TEST_F(ExcelTest, HandedOverWorkbooksAreNamedByWhatTheyAreAndTheDay) {
    {
        auto maker = Application::Create();
        for (const char* name : {"template.xls", "计划草案模板A4.xls"})
            ASSERT_TRUE(maker->Workbooks().Add().SaveAs(Path(name)));
    }
    const std::string day = text::DateTime::Now().Format("%Y-%m-%d");
    {
        auto excel = Application::Create();
        excel->SetVisible(true);
        excel->Workbooks().Add(Path("template.xls")).SetTitle("专业组信息表");
        excel->Workbooks().Add(Path("template.xls")).SetTitle("专业组信息表");
        excel->Workbooks().Add(Path("template.xls"));
        excel->Workbooks().Add(Path("计划草案模板A4.xls"));
    }
    const std::string output = Path("output");
    EXPECT_EQ(opened_, (std::vector<std::string>{sys::JoinPath(output, "专业组信息表-" + day + ".xlsx"),
                                                 sys::JoinPath(output, "专业组信息表-" + day + "-2.xlsx"),
                                                 sys::JoinPath(output, "工作簿-" + day + ".xlsx"),
                                                 sys::JoinPath(output, "计划草案A4-" + day + ".xlsx")}));

    std::vector<std::string> failures;
    office::SetHandOverFailureHook(
        [&](const std::string& path, const std::string& reason) { failures.push_back(path + "|" + reason); });
    ASSERT_TRUE(sys::RemoveAll(output));
    ASSERT_TRUE(sys::WriteFileAtomic(output, "a file where the folder belongs"));
    opened_.clear();
    {
        auto excel = Application::Create();
        excel->SetVisible(true);
        excel->Workbooks().Add().SetTitle("经费表");
    }
    office::SetHandOverFailureHook({});
    EXPECT_TRUE(opened_.empty());
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].rfind(sys::JoinPath(output, "经费表-" + day + ".xlsx") + "|", 0), 0u) << failures[0];
    EXPECT_GT(failures[0].size(), failures[0].find('|') + 1) << "a reason is given";
}

TEST_F(ExcelTest, HiddenOrQuitApplicationsHandNothingOver) {
    {
        auto hidden = Application::Create();
        hidden->Workbooks().Add();
    }
    {
        auto quit = Application::Create();
        Workbook book = quit->Workbooks().Add();
        ASSERT_TRUE(book.SaveAs(Path("0001.xls")));
        quit->SetVisible(true);
        quit->Quit();
    }
    EXPECT_TRUE(opened_.empty());
    EXPECT_TRUE(sys::FileExists(Path("0001.xlsx")));
}

}  // namespace
