// Chapters as the Windows rich edit writes them, with tables, numbered and
// bulleted lists, raised and lowered text, hidden text and groups the model
// does not represent: each is read, edited, written and read again, and an
// unedited one is written back with what it had.
#include <gtest/gtest.h>

#include "platform/richtext/PlainText.h"
#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"
#include "platform/richtext/tests/ChapterCases.h"

using namespace chapters;

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

TEST(RtfStructure, ATableInsideACellIsWrittenAsWordWritesIt) {
    const std::string written = WriteRtf(ReadRtf(Chapter(kNestedTable)));
    for (const std::string& piece :
         {"\\cellx8000\\pard\\intbl\\fs21 OuterA1\\par\\pard\\intbl\\itap2 Inner11\\nestcell\\pard\\intbl\\itap2\\'c4\\'da\\'b2\\'e3\\nestcell"
          "{\\*\\nesttableprops\\trowd\\trgaph108\\trleft0\\trkeep" + kCellBorders + "\\cellx1800" + kCellBorders +
              "\\cellx3600\\nestrow}{\\nonesttables\\par}\\pard\\intbl\\itap2 Inner21",
          std::string("\\pard\\intbl AfterInner\\cell\\pard\\intbl OuterB1\\cell\\trowd\\trgaph108\\trleft-108"),
          std::string("\\cellx8000\\row\r\n\\pard Below\\par")})
        EXPECT_NE(written.find(piece), std::string::npos) << piece << "\n" << written;
}

TEST(RtfStructure, TablesInsideCellsCutShortOrOutOfPlaceAreClosedWhenWritten) {
    // Whatever the file, its tables are written whole (each row and cell
    // closed, each cell ending with a paragraph of its own), read back as
    // written, and written the same again. Tables deeper than the bound
    // stand at it.
    std::string deepest;
    for (int level = 0; level < kMaxTableNesting; ++level) deepest += "[[";
    deepest += "[[a][b]]";
    for (int level = 0; level < kMaxTableNesting; ++level) deepest += " ]]";
    struct Case { std::string rtf; std::string shape; } cases[] = {
        {R"({\rtf1\ansi\pard\intbl\itap2 a\nestcell b)", "[[[[a|b]] ]]"},
        {R"({\rtf1\ansi\trowd\cellx1000\pard\intbl\itap2 x\nestcell{\*\nesttableprops\trowd\cellx500\nestrow}\row})",
         "[[[[x]] ]]"},
        {R"({\rtf1\ansi\trowd\cellx1000\pard\intbl o\par\pard\intbl\itap3 deep\nestcell\pard\intbl after\cell\row})",
         "[[o [[[[deep]] ]] after]]"},
        {R"({\rtf1\ansi\pard\intbl a\nestcell b\cell\row})", "[[[[a]] b]]"},
        {R"({\rtf1\ansi\pard\intbl\itap99 a\nestrow b\par})", deepest},
        {R"({\rtf1\ansi\trowd\cellx100\pard\intbl a\cell\cell\cell\row\pard\intbl\itap2 b\nestcell\cell\cell\row})",
         "[[a][[[b]] ]]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rtf);
        const Document read = ReadRtf(c.rtf);
        const std::string written = WriteRtf(read);
        const Document again = ReadRtf(written);
        EXPECT_EQ(Shape(Blocks(again.paragraphs)), c.shape) << written;
        EXPECT_EQ(WriteRtf(again), written);
    }
}
