#include "platform/office/Word.h"

#include "platform/office/tests/OfficeFixture.h"

using namespace office::word;

namespace {

std::string P(const std::string& text = {}) {
    return text.empty() ? "<w:p/>" : "<w:p><w:r><w:t xml:space=\"preserve\">" + text + "</w:t></w:r></w:p>";
}

// A bordered table; each row is a list of cell texts.
std::string Table(const std::vector<std::vector<std::string>>& rows) {
    std::string out = "<w:tbl><w:tblPr><w:tblBorders><w:top w:val=\"single\" w:sz=\"4\"/><w:left w:val=\"single\" "
                      "w:sz=\"4\"/><w:bottom w:val=\"single\" w:sz=\"4\"/><w:right w:val=\"single\" w:sz=\"4\"/>"
                      "<w:insideH w:val=\"single\" w:sz=\"4\"/><w:insideV w:val=\"single\" w:sz=\"4\"/></w:tblBorders>"
                      "</w:tblPr><w:tblGrid>";
    for (std::size_t i = 0; i < rows.front().size(); ++i) out += "<w:gridCol w:w=\"1500\"/>";
    out += "</w:tblGrid>";
    for (const auto& row : rows) {
        out += "<w:tr>";
        for (const auto& cell : row) out += "<w:tc><w:tcPr><w:tcW w:w=\"1500\" w:type=\"dxa\"/></w:tcPr>" + P(cell) + "</w:tc>";
        out += "</w:tr>";
    }
    return out + "</w:tbl>";
}

class WordTest : public OfficeFixture {
protected:
    std::string Template(const std::string& name, const std::string& body, const std::string& footer = {}) {
        std::string error;
        EXPECT_TRUE(WriteDocx(Path(name), body, footer, error)) << error;
        return Path(name);
    }
    // Saves the active document and reads it back in a fresh application.
    Document Reload(const Document& doc, const std::string& name = "out.doc") {
        EXPECT_TRUE(doc.SaveAs(Path(name))) << doc.LastError();
        reloaded_ = Application::Create();
        Document again = reloaded_->Documents().Add(office::OoxmlPath(Path(name)));
        EXPECT_TRUE(again.IsValid()) << reloaded_->LastError();
        return again;
    }
    std::unique_ptr<Application> word_ = Application::Create();
    std::unique_ptr<Application> reloaded_;
};

TEST_F(WordTest, TypingWithFontsAlignmentBreaksAndBackspace) {
    Document doc = word_->Documents().Add();
    Selection sel = word_->Selection();
    sel.Font().SetSize(14);
    sel.Font().SetName("黑体");
    sel.Paragraphs().SetAlignment(wdAlignParagraphRight);
    sel.TypeText("秘密");
    sel.TypeParagraph();
    EXPECT_EQ(sel.Paragraphs().Alignment(), wdAlignParagraphRight);  // the new paragraph keeps the format
    EXPECT_EQ(sel.Font().Name(), "黑体");
    sel.Paragraphs().SetAlignment(wdAlignParagraphCenter);
    sel.Font().SetSize(16);
    sel.TypeText("9140A01 指南\n( 2008 )");
    sel.TypeParagraph();
    sel.Paragraphs().SetAlignment(wdAlignParagraphLeft);
    sel.Paragraphs().SetFirstLineIndent(28.1);
    sel.TypeText("发布单位：甲，乙，");
    sel.TypeBackspace();
    sel.TypeText("。\r\n第二段");
    sel.InsertBreak(wdPageBreak);
    sel.TypeText("新页");

    EXPECT_EQ(doc.Text(), "秘密\r9140A01 指南\v( 2008 )\r发布单位：甲，乙。\r第二段\f新页\r");
    Document again = Reload(doc);
    EXPECT_EQ(again.Text(), doc.Text());
    std::string xml = PartOf(Path("out.docx"), "word/document.xml");
    EXPECT_NE(xml.find("<w:jc w:val=\"right\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:sz w:val=\"28\"/>"), std::string::npos);  // 14 pt
    EXPECT_NE(xml.find("w:eastAsia=\"黑体\""), std::string::npos);
    EXPECT_NE(xml.find("w:firstLine=\"562\""), std::string::npos);  // 28.1 pt in twips
    EXPECT_NE(xml.find("<w:br w:type=\"page\"/>"), std::string::npos);
}

TEST_F(WordTest, NoticeWalkFillsTheTableAddsRowsAndRepeatsTheTemplate) {
    std::string tpl = Template("未获资助通知.docx", P("项目未获资助通知") + P() + P("贵单位申请的下列项目未获资助。") +
                                                        P("未获资助项目如下：") +
                                                        Table({{"序号", "项目名称", "申请人", "原因"}}) + P());
    word_->Documents().Add(sys::JoinPath(folder_, "未获资助通知.doc"));
    Selection sel = word_->Selection();
    auto fill = [&](const std::string& unit, int records) {
        sel.MoveUp(wdLine, 3);
        sel.TypeText(unit + "：");
        ASSERT_TRUE(sel.GoToNext(wdGoToTable));
        sel.MoveRight(wdCell, 3);
        for (int r = 1; r <= records; ++r)
            for (const std::string& value : std::vector<std::string>{std::to_string(r), "项目" + std::to_string(r), "张三", "经费有限"}) {
                EXPECT_EQ(sel.MoveRight(wdCell, 1), 1);
                sel.TypeText(value);
            }
    };
    ASSERT_TRUE(sel.GoToNext(wdGoToTable));
    fill("甲单位", 2);
    EXPECT_EQ(sel.MoveRight(wdCharacter, 2), 2);  // out of the table just filled
    EXPECT_FALSE(sel.InTable());
    sel.InsertBreak(wdPageBreak);
    ASSERT_TRUE(sel.InsertFile(sys::JoinPath(folder_, "未获资助通知.doc")));
    ASSERT_TRUE(sel.GoToPrevious(wdGoToTable));
    fill("乙单位", 1);

    Document again = Reload(word_->ActiveDocument());
    ASSERT_EQ(again.TableCount(), 2);
    EXPECT_EQ(again.RowCount(1), 3);
    EXPECT_EQ(again.RowCount(2), 2);
    EXPECT_EQ(again.CellText(1, 1, 1), "序号");
    EXPECT_EQ(again.CellText(1, 3, 1), "2");
    EXPECT_EQ(again.CellText(1, 3, 2), "项目2");
    EXPECT_EQ(again.CellText(2, 2, 4), "经费有限");
    std::string text = again.Text();
    EXPECT_NE(text.find("项目未获资助通知\r甲单位：\r"), std::string::npos) << text;
    EXPECT_NE(text.find("\f项目未获资助通知\r乙单位：\r"), std::string::npos) << text;
}

TEST_F(WordTest, RowsInsertedMergedAndBordered) {
    Template("plan.docx", P("title") + Table({{"a", "b", "c"}, {"d", "e", "f"}}) + P());
    Document doc = word_->Documents().Add(Path("plan.docx"));
    Selection sel = word_->Selection();
    sel.GoToNext(wdGoToTable);
    EXPECT_EQ(sel.MoveLeft(wdCell, 1), 0);  // nothing before the first cell
    sel.MoveRight(wdCell, 3);                // first cell of the last row
    ASSERT_TRUE(sel.InsertRowsAbove(2));
    sel.TypeText("heading");
    ASSERT_TRUE(sel.SelectRow());
    ASSERT_TRUE(sel.Cells().Merge());
    sel.MoveRight(wdCell, 1);
    sel.TypeText("x");
    EXPECT_TRUE(sel.Borders().Item(wdBorderTop).SetLineStyle(wdLineStyleNone));
    EXPECT_FALSE(sel.Borders().Item(3).IsValid());
    EXPECT_FALSE(sel.Borders().Item(3).SetLineWidth(12));
    EXPECT_EQ(sel.MoveRight(wdCell, 6), 6);  // the last move passes the last cell: a new row
    sel.TypeText("new");

    EXPECT_EQ(doc.RowCount(1), 5);
    EXPECT_EQ(doc.CellText(1, 2, 1), "heading");
    EXPECT_EQ(doc.CellText(1, 2, 2), "");  // merged: one cell only
    EXPECT_EQ(doc.CellText(1, 3, 1), "x");
    EXPECT_EQ(doc.CellText(1, 4, 1), "d");
    EXPECT_EQ(doc.CellText(1, 5, 1), "new");

    sel.HomeKey(wdStory);
    sel.GoToNext(wdGoToTable);
    ASSERT_TRUE(sel.SelectRow());
    EXPECT_TRUE(sel.Borders().Item(wdBorderTop).SetLineWidth(wdLineWidth150pt));
    EXPECT_EQ(sel.Borders().Item(wdBorderTop).LineWidth(), 12);

    std::string xml = (Reload(doc), PartOf(Path("out.docx"), "word/document.xml"));
    EXPECT_NE(xml.find("<w:gridSpan w:val=\"3\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:top w:val=\"nil\""), std::string::npos);
    EXPECT_NE(xml.find("<w:bottom w:val=\"nil\""), std::string::npos);  // the line above, from the cell above
    EXPECT_NE(xml.find("w:sz=\"12\""), std::string::npos);
}

TEST_F(WordTest, LinesPagesAndEndOfLine) {
    Template("cover.docx", P("项目名称：") + P("申 请 人：") +
                               "<w:p><w:r><w:t>一</w:t></w:r><w:r><w:br w:type=\"page\"/></w:r><w:r><w:t>二</w:t></w:r></w:p>" +
                               P("三"));
    Document doc = word_->Documents().Add(Path("cover.docx"));
    Selection sel = word_->Selection();
    EXPECT_EQ(sel.MoveDown(wdLine, 1), 1);
    sel.EndKey(wdLine);
    sel.TypeText("张三");
    ASSERT_TRUE(sel.GoToNext(wdGoToPage));
    sel.TypeText("页二");
    EXPECT_FALSE(sel.GoToNext(wdGoToPage));
    ASSERT_TRUE(sel.GoToPrevious(wdGoToPage));
    sel.TypeText("始");
    EXPECT_EQ(sel.MoveDown(wdLine, 10), 3);  // stops at the last paragraph
    EXPECT_EQ(doc.Text(), "始项目名称：\r申 请 人：张三\r一\f页二二\r三\r");
}

TEST_F(WordTest, RtfIsInsertedWithItsFormatsInTheBodyAndInACell) {
    const std::string rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 SimSun;}}\\f0\\fs28\\b Bold\\b0  plain\\par"
        "\\pard\\qc\\fi420\\f1\\fs20 Second\\par}";
    ASSERT_TRUE(sys::WriteFileAtomic(Path("chapter.rtf"), rtf));
    Template("cell.docx", P("AB") + Table({{""}}) + P());
    Document doc = word_->Documents().Add(Path("cell.docx"));
    Selection sel = word_->Selection();
    sel.MoveRight(wdCharacter, 1);
    ASSERT_TRUE(sel.InsertFile(Path("chapter.rtf")));
    sel.TypeText("|");  // the cursor ends after the inserted paragraphs
    ASSERT_TRUE(sel.GoToNext(wdGoToTable));
    sel.TypeText("研究目标：\n");
    ASSERT_TRUE(sel.InsertFile(Path("chapter.rtf")));

    EXPECT_EQ(doc.Text().substr(0, doc.Text().find('\a')), "ABold plain\rSecond\r|B\r研究目标：\vBold plain\rSecond\r\r");
    EXPECT_EQ(doc.CellText(1, 1, 1), "研究目标：\vBold plain\rSecond\r");
    std::string xml = (Reload(doc), PartOf(Path("out.docx"), "word/document.xml"));
    EXPECT_NE(xml.find("w:ascii=\"Arial\""), std::string::npos);
    EXPECT_NE(xml.find("<w:b/><w:sz w:val=\"28\"/>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<w:jc w:val=\"center\"/>"), std::string::npos);
    EXPECT_NE(xml.find("w:firstLine=\"420\""), std::string::npos);

    EXPECT_FALSE(sel.InsertFile(Path("missing.rtf")));
    EXPECT_NE(doc.LastError().find("missing.rtf"), std::string::npos);
}

TEST_F(WordTest, RtfTablesListsAndRaisedTextComeOutAsWordShowsThem) {
    // As the Windows rich edit writes them: a bordered table whose heading
    // spans two cells, a numbered list, m², H₂O and hidden text.
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\\viewkind4\\uc1 "
        "\\trowd\\trgaph108\\trleft-108\\clmgf\\clbrdrt\\brdrw10\\brdrs\\cellx2000\\clmrg\\cellx4000\\cellx6000 "
        "\\pard\\intbl\\f0\\fs21 Head\\cell\\cell Right\\cell\\row "
        "\\trowd\\trgaph108\\trleft-108\\cellx2000\\cellx4000\\cellx6000 \\pard\\intbl "
        "a\\cell m\\super 2\\nosupersub\\cell H\\sub 2\\nosupersub O\\cell\\row "
        "\\pard{\\pntext\\f0 1.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta.}}"
        "\\fi-360\\li360 First{\\v  note}\\par}";
    ASSERT_TRUE(sys::WriteFileAtomic(Path("chapter.rtf"), rtf));
    Document doc = word_->Documents().Add();
    ASSERT_TRUE(word_->Selection().InsertFile(Path("chapter.rtf")));
    const std::string xml = (Reload(doc), PartOf(Path("out.docx"), "word/document.xml"));
    struct Piece { const char* what; const char* xml; } pieces[] = {
        {"a table with its grid", "<w:tblGrid><w:gridCol w:w=\"2108\"/><w:gridCol w:w=\"2000\"/><w:gridCol w:w=\"2000\"/></w:tblGrid>"},
        {"borders", "<w:insideV w:val=\"single\""},
        {"the merged heading", "<w:tcW w:w=\"4108\" w:type=\"dxa\"/><w:gridSpan w:val=\"2\"/></w:tcPr><w:p>"},
        {"superscript", "<w:vertAlign w:val=\"superscript\"/></w:rPr><w:t xml:space=\"preserve\">2</w:t>"},
        {"subscript", "<w:vertAlign w:val=\"subscript\"/></w:rPr><w:t xml:space=\"preserve\">2</w:t>"},
        {"the list number", "<w:t xml:space=\"preserve\">1.</w:t></w:r><w:r>"},
        {"hidden text", "<w:vanish/>"},
    };
    for (const Piece& p : pieces) EXPECT_NE(xml.find(p.xml), std::string::npos) << p.what << "\n" << xml;
    const auto count = [&](const std::string& tag) {
        std::size_t n = 0;
        for (std::size_t at = xml.find(tag); at != std::string::npos; at = xml.find(tag, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("<w:tblGrid>"), 1u) << xml;
    EXPECT_EQ(count("<w:tr>"), 2u);
    EXPECT_EQ(count("<w:tc>"), 5u);  // the merged heading is one cell
}

TEST_F(WordTest, EachSectionGetsItsOwnFooterOnceUnlinked) {
    Document doc = word_->Documents().Add();
    Selection sel = word_->Selection();
    View view = word_->ActiveWindow().ActivePane().View();
    const std::vector<std::string> footers = {"X1 张三", "X2 李四", "X3 王五"};
    for (std::size_t i = 0; i < footers.size(); ++i) {
        if (i > 0) {
            ASSERT_TRUE(sel.InsertBreak(wdSectionBreakNextPage));
        }
        view.SetSeekView(wdSeekCurrentPageFooter);
        sel.HeaderFooter().SetLinkToPrevious(false);
        if (i > 0) {
            EXPECT_FALSE(sel.HeaderFooter().LinkToPrevious());
        }
        view.SetSeekView(wdSeekMainDocument);
        sel.TypeText("八、同行专家评审意见");
        sel.TypeParagraph();
        sel.TypeText("同意资助 " + footers[i]);
    }
    sel.HomeKey(wdStory);
    view.SetSeekView(wdSeekCurrentPageFooter);
    for (std::size_t i = 0; i < footers.size(); ++i) {
        if (i > 0) {
            ASSERT_TRUE(view.NextHeaderFooter());
        }
        sel.Font().SetSize(10.5);
        sel.TypeText(footers[i]);
    }
    EXPECT_FALSE(view.NextHeaderFooter());
    view.SetSeekView(wdSeekMainDocument);
    sel.TypeText("封面");

    Document again = Reload(doc);
    ASSERT_EQ(again.SectionCount(), 3);
    for (int s = 1; s <= 3; ++s) EXPECT_EQ(again.FooterText(s), footers[static_cast<std::size_t>(s - 1)]);
    EXPECT_FALSE(again.FooterLinkedToPrevious(2));
    EXPECT_NE(again.Text().find("封面八、同行专家评审意见\r同意资助 X1 张三\r八、"), std::string::npos) << again.Text();
}

TEST_F(WordTest, FooterLinkedToPreviousShowsTheEarlierFooter) {
    Template("f.docx", P("one"), "<w:p><w:r><w:t>页脚</w:t></w:r></w:p>");
    Document doc = word_->Documents().Add(Path("f.docx"));
    Selection sel = word_->Selection();
    sel.EndKey(wdStory);
    ASSERT_TRUE(sel.InsertBreak(wdSectionBreakNextPage));
    EXPECT_TRUE(doc.FooterLinkedToPrevious(2));
    EXPECT_EQ(doc.FooterText(2), "页脚");
    EXPECT_FALSE(sel.GoToNext(wdGoToTable));
}

TEST_F(WordTest, StartFailureHandOverAndSavedOutputs) {
    office::SetStartHook([](std::string_view progId) { return progId != "word.Application"; });
    EXPECT_EQ(Application::Create(), nullptr);
    office::SetStartHook({});
    {
        auto shown = Application::Create();
        shown->Documents().Add();
        shown->Selection().TypeText("秘密");
        shown->SetVisible(true);
    }
    {
        auto hidden = Application::Create();
        Document doc = hidden->Documents().Add();
        ASSERT_TRUE(doc.SaveAs(Path("0001.doc")));
        hidden->Quit(false, 0, 0);
    }
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(sys::ParentFolder(opened_[0]), Path("output"));
    auto word = Application::Create();
    EXPECT_EQ(word->Documents().Add(opened_[0]).Text(), "秘密\r");
    EXPECT_TRUE(sys::FileExists(Path("0001.docx")));
    EXPECT_FALSE(word->Documents().Add(Path("none.doc")).IsValid());
    EXPECT_NE(word->LastError().find("none.docx"), std::string::npos);
}

}  // namespace
