// Chapters as the Windows rich edit writes them, with tables, numbered and
// bulleted lists, raised and lowered text, hidden text and groups the model
// does not represent: each is read, edited, written and read again, and an
// unedited one is written back with what it had.
#include <gtest/gtest.h>

#include <functional>

#include "platform/richtext/PlainText.h"
#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"

using namespace richtext;
using ModelRun = richtext::Run;

namespace {

// The head a Windows rich edit writes on a Chinese system.
std::string Chapter(const std::string& body, const std::string& head = "") {
    return "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052"
           "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset2 Symbol;}}\r\n"
           "{\\colortbl ;\\red255\\green0\\blue0;}\r\n" +
           head + "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n" + body + "}\r\n";
}

const std::string kBorders = "\\clbrdrl\\brdrw10\\brdrs\\clbrdrt\\brdrw10\\brdrs";

// A table of two rows, the first with a merged heading over two cells.
const std::string kTable =
    "\\trowd\\trgaph108\\trleft-108\\trbrdrl\\brdrs\\brdrw10 \\clmgf" + kBorders + "\\cellx2000\\clmrg" + kBorders +
    "\\cellx5000" + kBorders + "\\cellx8000 \\pard\\intbl\\lang2052\\f0\\fs21 \\'cf\\'ee\\'c4\\'bf\\cell\\cell "
    "\\'bd\\'f0\\'b6\\'ee\\par\\'a3\\'a8\\'cd\\'f2\\'d4\\'aa\\'a3\\'a9\\cell\\row\r\n"
    "\\trowd\\trgaph108\\trleft-108\\cellx2000\\cellx5000\\cellx8000 \\pard\\intbl a\\cell b\\cell c\\cell\\row\r\n"
    "\\pard\\f0\\fs21 \\'ba\\'f3\\par\r\n";

const std::string kNumbered =
    "\\pard{\\pntext\\f0 1.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta.}}\r\n"
    "\\fi-360\\li360\\f0\\fs21 \\'b5\\'da\\'d2\\'bb\\par\r\n{\\pntext\\f0 2.\\tab}\\'b5\\'da\\'b6\\'fe\\par\r\n"
    "\\pard\\'bd\\'e1\\'ca\\'f8\\par\r\n";

const std::string kBullets =
    "\\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}\\fi-360\\li360\\f0\\fs21 "
    "\\'d2\\'bb\\par\r\n";

// A list numbered by the document's list table, as office suites write it.
const std::string kListTable =
    "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc39\\levelstartat1{\\leveltext\\'03\\'a3\\'a8\\'00;}"
    "{\\levelnumbers\\'02;}\\f0\\fi-420\\li420}\\listid7}}\r\n"
    "{\\*\\listoverridetable{\\listoverride\\listid7\\listoverridecount0\\ls1}}\r\n";
const std::string kListTableBody =
    "{\\listtext\\pard\\plain\\f0 \\'a3\\'a8\\'d2\\'bb\\'a3\\'a9\\tab}\\pard\\fi-420\\li420\\ls1\\ilvl0\\f0\\fs21 "
    "\\'c4\\'bf\\'b1\\'ea\\par\r\n";

const std::string kScripts =
    "\\pard\\f0\\fs21 m\\super 2\\nosupersub , H\\sub 2\\nosupersub O, 10\\up6 -6\\up0 , x\\dn4 i\\dn0 .\\par\r\n";

const std::string kHidden = "\\pard\\f0\\fs21 \\'bf\\'c9\\'bc\\'fb{\\v \\'d2\\'fe\\'b2\\'d8}\\'bf\\'c9\\'bc\\'fb\\par\r\n";

const std::string kUnknownHead = "{\\*\\revtbl {Unknown;}}\r\n{\\*\\userprops {\\propname a}\\proptype30}\r\n";
const std::string kUnknownBody =
    "\\pard\\f0\\fs21 a{\\*\\bkmkstart t1}b{\\*\\bkmkend t1}c{\\*\\frobnicate {x}}d\\par\r\n";

const std::vector<ModelRun>& Runs(const Document& d, std::size_t p) { return d.paragraphs.at(p).runs; }
std::string TextOf(const Paragraph& p) {
    std::string text;
    for (const ModelRun& r : p.runs)
        if (r.kind == ModelRun::Kind::Text) text += r.text;
    return text;
}

struct Case {
    const char* name;
    std::string rtf;
    std::function<void(const Document&)> check;  // holds before and after the edit
    std::function<void(Document&)> edit;
    std::function<void(const Document&)> checkEdit;
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"table with merged cells", Chapter(kTable),
         [](const Document& d) {
             ASSERT_EQ(d.paragraphs.size(), 8u);
             for (int i = 0; i < 7; ++i) EXPECT_TRUE(d.paragraphs[i].format.inTable) << i;
             EXPECT_FALSE(d.paragraphs[7].format.inTable);
             EXPECT_EQ(TextOf(d.paragraphs[0]), "项目");
             EXPECT_TRUE(d.paragraphs[0].endsCell && d.paragraphs[1].endsCell);
             EXPECT_TRUE(d.paragraphs[1].runs.empty());  // the merged cell
             EXPECT_EQ(TextOf(d.paragraphs[2]), "金额");
             EXPECT_FALSE(d.paragraphs[2].endsCell);     // a second paragraph in the cell follows
             EXPECT_EQ(TextOf(d.paragraphs[3]), "（万元）");
             ASSERT_TRUE(d.paragraphs[3].endsRow);
             const TableRow& row = *d.paragraphs[3].endsRow;
             EXPECT_EQ(row.gapTwips, 108);
             EXPECT_EQ(row.leftTwips, -108);
             EXPECT_EQ(row.otherWords, "\\trbrdrl\\brdrs\\brdrw10");
             ASSERT_EQ(row.cells.size(), 3u);
             EXPECT_EQ(row.cells[0], (TableCell{2000, TableCell::Merge::First, kBorders}));
             EXPECT_EQ(row.cells[1], (TableCell{5000, TableCell::Merge::Continued, kBorders}));
             EXPECT_EQ(row.cells[2], (TableCell{8000, TableCell::Merge::None, kBorders}));
             EXPECT_FALSE(d.paragraphs[4].endsRow);
             ASSERT_TRUE(d.paragraphs[6].endsRow);
             EXPECT_EQ(d.paragraphs[6].endsRow->cells.size(), 3u);
             EXPECT_EQ(TextOf(d.paragraphs[7]), "后");
         },
         [](Document& d) { d.paragraphs[4].runs[0].text = "甲"; },
         [](const Document& d) {
             EXPECT_EQ(TextOf(d.paragraphs[4]), "甲");
             EXPECT_EQ(PlainText(d), "项目\t\t金额\r\n（万元）\t\r\n甲\tb\tc\t\r\n后");
         }},
        {"numbered list", Chapter(kNumbered),
         [](const Document& d) {
             ASSERT_EQ(d.paragraphs.size(), 3u);
             EXPECT_EQ(d.paragraphs[0].listText, "1.");
             EXPECT_EQ(d.paragraphs[1].listText, "2.");
             EXPECT_EQ(d.paragraphs[0].format.listDefinition,
                       "{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta.}}");
             EXPECT_EQ(d.paragraphs[1].format.listDefinition, d.paragraphs[0].format.listDefinition);
             EXPECT_EQ(d.paragraphs[0].format.firstIndentTwips, -360);
             EXPECT_EQ(TextOf(d.paragraphs[1]), "第二");
             EXPECT_TRUE(d.paragraphs[2].format.listDefinition.empty());
             EXPECT_TRUE(d.paragraphs[2].listText.empty());
         },
         [](Document& d) {
             Paragraph third = d.paragraphs[1];
             third.listText = "3.";
             third.runs[0].text = "第三";
             d.paragraphs.insert(d.paragraphs.begin() + 2, third);
         },
         [](const Document& d) {
             ASSERT_EQ(d.paragraphs.size(), 4u);
             EXPECT_EQ(d.paragraphs[2].listText, "3.");
             EXPECT_EQ(TextOf(d.paragraphs[2]), "第三");
         }},
        {"bullets in the symbol font", Chapter(kBullets),
         [](const Document& d) {
             ASSERT_EQ(d.paragraphs.size(), 1u);
             EXPECT_EQ(d.paragraphs[0].listText, "·");
             EXPECT_EQ(d.paragraphs[0].listTextFormat.face, "Symbol");
             EXPECT_NE(d.paragraphs[0].format.listDefinition.find("\\pnlvlblt\\pnf1"), std::string::npos);
         },
         [](Document& d) { d.paragraphs[0].runs[0].format.bold = true; },
         [](const Document& d) { EXPECT_TRUE(Runs(d, 0)[0].format.bold); }},
        {"list of the list table", Chapter(kListTableBody, kListTable),
         [](const Document& d) {
             ASSERT_EQ(d.paragraphs.size(), 1u);
             EXPECT_EQ(d.paragraphs[0].listText, "（一）");
             EXPECT_EQ(d.paragraphs[0].format.listOverride, 1);
             EXPECT_EQ(d.paragraphs[0].format.listLevel, 0);
             ASSERT_EQ(d.headerGroups.size(), 2u);
             EXPECT_EQ(d.headerGroups[0] + "\r\n" + d.headerGroups[1] + "\r\n", kListTable);
         },
         [](Document& d) { d.paragraphs[0].runs[0].text += "和内容"; },
         [](const Document& d) { EXPECT_EQ(TextOf(d.paragraphs[0]), "目标和内容"); }},
        {"raised and lowered text", Chapter(kScripts),
         [](const Document& d) {
             const auto& runs = Runs(d, 0);
             ASSERT_EQ(runs.size(), 9u);
             EXPECT_EQ(runs[1].text, "2");
             EXPECT_EQ(runs[1].format.script, CharFormat::Script::Super);
             EXPECT_EQ(runs[2].format.script, CharFormat::Script::Normal);
             EXPECT_EQ(runs[3].text, "2");
             EXPECT_EQ(runs[3].format.script, CharFormat::Script::Sub);
             EXPECT_EQ(runs[5].text, "-6");
             EXPECT_EQ(runs[5].format.raiseTwips, 60);
             EXPECT_EQ(runs[7].text, "i");
             EXPECT_EQ(runs[7].format.raiseTwips, -40);
             EXPECT_EQ(runs[8].format.raiseTwips, 0);
         },
         [](Document& d) { d.paragraphs[0].runs[1].text = "3"; },
         [](const Document& d) {
             EXPECT_EQ(Runs(d, 0)[1].text, "3");
             EXPECT_EQ(Runs(d, 0)[1].format.script, CharFormat::Script::Super);
         }},
        {"hidden text", Chapter(kHidden),
         [](const Document& d) {
             const auto& runs = Runs(d, 0);
             ASSERT_EQ(runs.size(), 3u);
             EXPECT_EQ(runs[1].text, "隐藏");
             EXPECT_TRUE(runs[1].format.hidden);
             EXPECT_FALSE(runs[0].format.hidden || runs[2].format.hidden);
         },
         [](Document& d) { d.paragraphs[0].runs[2].text = "再见"; },
         [](const Document& d) { EXPECT_TRUE(Runs(d, 0)[1].format.hidden); }},
        {"groups the model does not represent", Chapter(kUnknownBody, kUnknownHead),
         [](const Document& d) {
             ASSERT_EQ(d.headerGroups.size(), 2u);
             EXPECT_EQ(d.headerGroups[0], "{\\*\\revtbl {Unknown;}}");
             EXPECT_EQ(d.headerGroups[1], "{\\*\\userprops {\\propname a}\\proptype30}");
             const auto& runs = Runs(d, 0);
             ASSERT_EQ(runs.size(), 7u);
             EXPECT_EQ(runs[1], (ModelRun{ModelRun::Kind::Group, runs[0].format, "{\\*\\bkmkstart t1}"}));
             EXPECT_EQ(runs[5].text, "{\\*\\frobnicate {x}}");
             EXPECT_EQ(PlainText(d), "abcd");
         },
         [](Document& d) { d.paragraphs[0].runs[0].text = "A"; },
         [](const Document& d) { EXPECT_EQ(PlainText(d), "Abcd"); }},
    };
    return cases;
}

}  // namespace

TEST(RtfStructure, ReadEditWriteAndReadAgain) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        Document read = ReadRtf(c.rtf);
        c.check(read);
        // Unedited: written and read back alike, and written the same again.
        const std::string written = WriteRtf(read);
        const Document again = ReadRtf(written);
        EXPECT_EQ(again, read) << written;
        c.check(again);
        EXPECT_EQ(WriteRtf(again), written);
        // Edited: the edit and the rest both stay.
        c.edit(read);
        const Document edited = ReadRtf(WriteRtf(read));
        EXPECT_EQ(edited, read) << WriteRtf(read);
        c.checkEdit(edited);
    }
}

TEST(RtfStructure, WrittenAsTheRichEditWritesThem) {
    struct Expect { std::string rtf; std::vector<std::string> pieces; } cases[] = {
        {Chapter(kTable),
         {"\\trowd\\trgaph108\\trleft-108\\trbrdrl\\brdrs\\brdrw10\\clmgf" + kBorders + "\\cellx2000\\clmrg" +
              kBorders + "\\cellx5000" + kBorders + "\\cellx8000\\pard\\intbl\\fs21\\'cf\\'ee\\'c4\\'bf\\cell\\pard\\intbl\\cell",
          "\\'a3\\'a9\\cell\\row\r\n\\trowd\\trgaph108\\trleft-108\\cellx2000\\cellx5000\\cellx8000\\pard\\intbl a\\cell"}},
        {Chapter(kNumbered),
         {"\\pard{\\pntext\\f0 1.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta.}}\\fi-360\\li360",
          "{\\pntext\\f0 2.\\tab}"}},
        {Chapter(kBullets), {"\\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}"}},
        {Chapter(kListTableBody, kListTable), {"}\r\n" + kListTable + "\\viewkind4", "{\\listtext\\f0\\'a3\\'a8\\'d2\\'bb\\'a3\\'a9\\tab}"}},
        {Chapter(kScripts), {"m\\super 2\\nosupersub , H\\sub 2\\nosupersub O, 10\\up6 -6\\up0 , x\\dn4 i\\up0 ."}},
        {Chapter(kHidden), {"\\'bf\\'c9\\'bc\\'fb\\v\\'d2\\'fe\\'b2\\'d8\\v0\\'bf\\'c9"}},
        {Chapter(kUnknownBody, kUnknownHead),
         {"}\r\n" + kUnknownHead + "\\viewkind4", "a{\\*\\bkmkstart t1}b{\\*\\bkmkend t1}c{\\*\\frobnicate {x}}d\\par"}},
    };
    for (const Expect& c : cases) {
        const std::string written = WriteRtf(ReadRtf(c.rtf));
        EXPECT_NE(written.find("\\ansicpg936"), std::string::npos);
        // Font numbers kept, the symbol font with its character set.
        EXPECT_NE(written.find("{\\f1\\fnil\\fcharset2 Symbol;}"), std::string::npos);
        for (const std::string& piece : c.pieces) EXPECT_NE(written.find(piece), std::string::npos) << piece << "\n" << written;
    }
}

TEST(RtfStructure, ADoubleByteCharacterSplitByGroupsReadsWhole) {
    struct Case { const char* rtf; const char* text; } cases[] = {
        {R"({\rtf1\ansi\ansicpg936 \'b2{\'e2}\'ca\'d4})", "测试"},
        {R"({\rtf1\ansi\ansicpg936 {\'b2}\'e2{\b0\'ca}\'d4})", "测试"},
        {R"({\rtf1\ansi\ansicpg936 a\'b2\par b})", "a?\r\nb"},  // a lead byte at a paragraph's end stays alone
    };
    for (const auto& c : cases) EXPECT_EQ(PlainTextOfRtf(c.rtf), c.text) << c.rtf;
}

TEST(RtfStructure, ATableCutShortIsClosedWhenWritten) {
    for (const char* rtf : {R"({\rtf1\ansi\trowd\cellx1000\cellx2000\pard\intbl a\cell b)",
                            R"({\rtf1\ansi\pard\intbl a\cell b\cell c\cell\row})"}) {
        const Document read = ReadRtf(rtf);
        ASSERT_FALSE(read.paragraphs.empty()) << rtf;
        ASSERT_TRUE(read.paragraphs.back().endsRow) << rtf;
        const std::string written = WriteRtf(read);
        EXPECT_NE(written.find("\\cell\\row"), std::string::npos) << written;
        const Document again = ReadRtf(written);
        ASSERT_TRUE(again.paragraphs.back().endsRow);
        EXPECT_GE(again.paragraphs.back().endsRow->cells.size(), read.paragraphs.size()) << written;
    }
}

TEST(RtfStructure, LengthsOutOfRangeAreCut) {
    const Document read = ReadRtf(R"({\rtf1\ansi\trowd\trleft-99999999\cellx99999999\pard\intbl a\up99999999 b\cell\row})");
    ASSERT_EQ(read.paragraphs.size(), 1u);
    ASSERT_TRUE(read.paragraphs[0].endsRow);
    EXPECT_EQ(read.paragraphs[0].endsRow->leftTwips, -32767);
    EXPECT_EQ(read.paragraphs[0].endsRow->cells.at(0).rightTwips, 32767);
    EXPECT_EQ(read.paragraphs[0].runs.back().format.raiseTwips, 327670);
    const Document again = ReadRtf(WriteRtf(read));
    ASSERT_EQ(again.paragraphs.size(), 1u);
    EXPECT_EQ(again.paragraphs[0].endsRow, read.paragraphs[0].endsRow);
    EXPECT_EQ(again.paragraphs[0].runs.back().format.raiseTwips, 327670);
}
