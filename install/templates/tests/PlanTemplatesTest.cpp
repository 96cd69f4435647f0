// The templates of the approval and plan outputs fit the walks that fill
// them: the plan lists' sheet and empty year headings, the plan draft's
// table (year headings in its 10th and 11th cells, a row of ten cells after
// them) and the opinion pages' footer.
#include "install/templates/PlanTemplates.h"

#include <vector>

#include "platform/office/Excel.h"
#include "platform/office/Package.h"
#include "platform/office/Word.h"
#include "platform/office/tests/OfficeFixture.h"

using namespace office;

namespace {

class PlanTemplates : public OfficeFixture {
protected:
    std::string Make(bool (*maker)(const std::string&, std::string&), const std::string& name) {
        const std::string path = OoxmlPath(Path(name));
        std::string error;
        EXPECT_TRUE(maker(path, error)) << name << ": " << error;
        return path;
    }
};

TEST_F(PlanTemplates, PlanListsHaveTheSheetAndHeadingsTheWriterFills) {
    const struct {
        bool (*maker)(const std::string&, std::string&);
        int paper;
    } cases[] = {{templates::PlanListA3, excel::xlPaperA3},
                 {templates::PlanListA4, excel::xlPaperA4},
                 {templates::PlanListB4, excel::xlPaperB4}};
    auto app = excel::Application::Create();
    for (const auto& c : cases) {
        excel::Worksheet sheet = app->Workbooks().Add(Make(c.maker, "list.xls")).Sheets().Item("打印报表");
        ASSERT_TRUE(sheet.IsValid());
        EXPECT_EQ(sheet.PageSetup().PaperSize(), c.paper);
        EXPECT_EQ(sheet.Range("B1").MergeArea().Address(), "B1:K1");
        EXPECT_EQ(sheet.Range("B1").Value(), "");
        EXPECT_EQ(sheet.Range("B3").Value(), "序号");
        EXPECT_EQ(sheet.Range("H3").Value(), "批复经费");
        EXPECT_EQ(sheet.Range("I3").Value(), "") << "the first year's heading is written by the program";
        EXPECT_EQ(sheet.Range("J3").Value(), "");
        EXPECT_EQ(sheet.Range("K3").Value(), "备注");
        EXPECT_EQ(sheet.Range("A4").Value(), "");
    }
}

TEST_F(PlanTemplates, PlanListColumnsFillTheirPaper) {
    // Printable width of the landscape page in characters of the default
    // font: the long side less half-inch margins, 1.852 mm a character.
    const struct {
        bool (*maker)(const std::string&, std::string&);
        double printableCharacters;
    } cases[] = {{templates::PlanListA4, (297 - 25.4) / 1.852},
                 {templates::PlanListB4, (364 - 25.4) / 1.852},
                 {templates::PlanListA3, (420 - 25.4) / 1.852}};
    for (const auto& c : cases) {
        auto excel = excel::Application::Create();
        excel::Worksheet sheet = excel->Workbooks().Add(Make(c.maker, "list.xls")).Sheets().Item("打印报表");
        double total = 0;
        for (int column = 1; column <= 11; ++column) total += sheet.Cells().Item(1, column).ColumnWidth();
        EXPECT_LT(total, c.printableCharacters) << c.printableCharacters;
        EXPECT_GT(total, c.printableCharacters * 0.85) << c.printableCharacters;  // not the widths of another paper
        EXPECT_EQ(sheet.PageSetup().PrintTitleRows(), "$3:$3");
    }
}

TEST_F(PlanTemplates, PlanDraftTableFitsTheHeaderWalk) {
    for (auto maker : {templates::PlanDraftA3, templates::PlanDraftA4, templates::PlanDraftB4}) {
        auto app = word::Application::Create();
        word::Document doc = app->Documents().Add(Make(maker, "draft.doc"));
        ASSERT_TRUE(doc.IsValid());
        word::Selection sel = app->Selection();
        sel.TypeText("<title>");
        ASSERT_TRUE(sel.GoToNext(word::wdGoToTable));
        sel.MoveRight(word::wdCell, 9);
        sel.TypeText("<year1>");
        sel.MoveRight(word::wdCell, 1);
        sel.TypeText("<year2>");
        sel.MoveRight(word::wdCell, 2);
        ASSERT_TRUE(sel.InsertRowsAbove(2));
        sel.TypeText("<project>");
        EXPECT_EQ(doc.Text().rfind("<title>\r", 0), 0u);
        EXPECT_EQ(doc.CellText(1, 2, 7), "批复经费");
        EXPECT_EQ(doc.CellText(1, 2, 8), "<year1>");
        EXPECT_EQ(doc.CellText(1, 2, 9), "<year2>");
        EXPECT_EQ(doc.CellText(1, 2, 10), "备注");
        EXPECT_EQ(doc.CellText(1, 3, 1), "<project>");
        ASSERT_EQ(doc.RowCount(1), 5);
        // The rows inserted and the subtotal row have ten cells.
        sel.MoveRight(word::wdCell, 20);
        sel.TypeText("<subtotal>");
        EXPECT_EQ(doc.CellText(1, 5, 1), "<subtotal>");
    }
}

TEST_F(PlanTemplates, OpinionPagesHaveAFooterToType) {
    for (auto maker : {templates::ApprovalOpinionA4, templates::ApprovalOpinionB5}) {
        auto app = word::Application::Create();
        word::Document doc = app->Documents().Add(Make(maker, "opinion.doc"));
        ASSERT_TRUE(doc.IsValid());
        word::View view = app->ActiveWindow().ActivePane().View();
        view.SetSeekView(word::wdSeekCurrentPageFooter);
        app->Selection().TypeText("9140A010101081001001 张三");
        view.SetSeekView(word::wdSeekMainDocument);
        EXPECT_EQ(doc.FooterText(1), "9140A010101081001001 张三");
        EXPECT_EQ(doc.TableCount(), 0);
    }
}

}  // namespace

TEST_F(PlanTemplates, WordTemplatesHaveThePaperOfTheirNameAndTablesSpanItsTextWidth) {
    const struct {
        bool (*maker)(const std::string&, std::string&);
        const char* pageSize;
        int tableWidth;  // the page's width less its side margins; 0: no table
    } cases[] = {{templates::ApprovalOpinionA4, "w:w=\"11906\" w:h=\"16838\"/>", 0},
                 {templates::ApprovalOpinionB5, "w:w=\"10318\" w:h=\"14570\"/>", 0},
                 // The plan drafts are wide tables: landscape.
                 {templates::PlanDraftA3, "w:w=\"23811\" w:h=\"16838\" w:orient=\"landscape\"", 23811 - 3600},
                 {templates::PlanDraftA4, "w:w=\"16838\" w:h=\"11906\" w:orient=\"landscape\"", 16838 - 3600},
                 {templates::PlanDraftB4, "w:w=\"20636\" w:h=\"14570\" w:orient=\"landscape\"", 20636 - 3600}};
    for (const auto& c : cases) {
        Package package;
        std::string error;
        ASSERT_TRUE(package.Load(Make(c.maker, "page.doc"), error)) << error;
        const std::string xml = package.Part("word/document.xml");
        EXPECT_NE(xml.find(c.pageSize), std::string::npos) << c.pageSize;
        int grid = 0;
        std::vector<int> columns;
        for (std::size_t at = xml.find("<w:gridCol w:w=\""); at != std::string::npos;
             at = xml.find("<w:gridCol w:w=\"", at + 1)) {
            columns.push_back(std::atoi(xml.c_str() + at + 16));
            grid += columns.back();
        }
        EXPECT_EQ(grid, c.tableWidth) << c.pageSize;
        if (!c.tableWidth) continue;
        ASSERT_EQ(columns.size(), 10u);
        // A twenty-character project number (10.5 points, digits half an em:
        // 2100 twips and the cell's margins of 216) fits its column on one
        // line, in a column no wider than that and a character.
        EXPECT_GE(columns[0], 2100 + 216) << c.pageSize;
        EXPECT_LE(columns[0], 2100 + 216 + 210) << c.pageSize;
        // 完成形式 and 备注 at least four characters of 10.5 points a line.
        EXPECT_GE(columns[3], 4 * 210 + 216) << c.pageSize;
        EXPECT_GE(columns[9], 4 * 210 + 216) << c.pageSize;
    }
}

TEST_F(PlanTemplates, PlanDraftsNumberTheirPagesAndEndWithoutAnEmptyPage) {
    for (auto maker : {templates::PlanDraftA3, templates::PlanDraftA4, templates::PlanDraftB4}) {
        Package package;
        std::string error;
        ASSERT_TRUE(package.Load(Make(maker, "draft.doc"), error)) << error;
        std::string footer;
        for (const std::string& part : package.PartNames())
            if (part.find("footer") != std::string::npos) footer += package.Part(part);
        EXPECT_NE(footer.find(" PAGE "), std::string::npos) << "no page number";
        // The paragraph after the table is one point high, so a table that
        // fills its page does not leave a blank page behind it.
        const std::string xml = package.Part("word/document.xml");
        const std::size_t table = xml.rfind("</w:tbl>");
        ASSERT_NE(table, std::string::npos);
        const std::string after = xml.substr(table);
        EXPECT_NE(after.find("w:lineRule=\"exact\""), std::string::npos) << after;
        EXPECT_EQ(after.find("<w:t"), std::string::npos) << after;
    }
}
