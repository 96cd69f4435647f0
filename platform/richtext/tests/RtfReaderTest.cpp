#include "platform/richtext/RtfReader.h"

#include <gtest/gtest.h>

#include "platform/richtext/PlainText.h"

using namespace richtext;
// Inside a test body plain `Run` names the fixture's own Run().
using ModelRun = richtext::Run;

namespace {

// What a Windows rich edit saves for a heading in 黑体 and a body paragraph
// in 宋体 10.5 pt, red, with a tab and a line break.
const char* const kRichEditSample =
    "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052"
    "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset134 \\'ba\\'da\\'cc\\'e5;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
    "\\pard\\qc\\lang2052\\f1\\fs32\\b\\'d1\\'d0\\'be\\'bf\\'c4\\'bf\\'b1\\'ea\\b0\\par\r\n"
    "\\pard\\fi420\\li210\\cf1\\f0\\fs21 \\'c4\\'e3\\'ba\\'c3 abc\\tab x\\line y\\par\r\n"
    "}\r\n";

CharFormat Format(const char* face, int sizeTwips) {
    CharFormat format;
    format.face = face;
    format.sizeTwips = sizeTwips;
    return format;
}

}  // namespace

TEST(RtfReader, ReadsWhatARichEditSaves) {
    const Document doc = ReadRtf(kRichEditSample);
    ASSERT_EQ(doc.paragraphs.size(), 2u);

    const Paragraph& heading = doc.paragraphs[0];
    EXPECT_EQ(heading.format.alignment, Alignment::Centre);
    ASSERT_EQ(heading.runs.size(), 1u);
    CharFormat headingFormat = Format("黑体", 320);
    headingFormat.bold = true;
    EXPECT_EQ(heading.runs[0], (ModelRun{ModelRun::Kind::Text, headingFormat, "研究目标"}));

    const Paragraph& body = doc.paragraphs[1];
    EXPECT_EQ(body.format, (ParagraphFormat{Alignment::Left, 210, 420}));
    CharFormat red = Format("宋体", 210);
    red.colour = Colour{255, 0, 0};
    const std::vector<ModelRun> expected = {
        {ModelRun::Kind::Text, red, "你好 abc"}, {ModelRun::Kind::Tab, red, ""},       {ModelRun::Kind::Text, red, "x"},
        {ModelRun::Kind::LineBreak, red, ""},    {ModelRun::Kind::Text, red, "y"},
    };
    EXPECT_EQ(body.runs, expected);
}

TEST(RtfReader, DecodesBytesInTheCodePageOfTheCurrentFont) {
    struct Case { const char* rtf; const char* text; } cases[] = {
        // a GB2312 font wins over a Western document code page
        {R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fnil\fcharset134 SimSun;}}\f0 \'c4\'e3})", "你"},
        // a font without a character set follows the document
        {R"({\rtf1\ansi\ansicpg936{\fonttbl{\f0\fnil Arial;}}\f0 \'c4\'e3})", "你"},
        {R"({\rtf1\ansi\ansicpg936 \'c4\'e3})", "你"},
        // a Western font stays Western in a Chinese document
        {R"({\rtf1\ansi\ansicpg936{\fonttbl{\f0\fswiss\fcharset0 Arial;}}\f0 caf\'e9})", "café"},
        {R"({\rtf1\ansi \'e9\'80})", "é€"},
        // fonts switch within a paragraph
        {R"({\rtf1\ansi{\fonttbl{\f0\fcharset0 Arial;}{\f1\fcharset134 SimSun;}}\f0 caf\'e9 \f1\'c4\'e3})", "café 你"},
        // \cpg of a font, and another double-byte code page
        {R"({\rtf1\ansi{\fonttbl{\f0\fnil\cpg936 X;}}\f0 \'c4\'e3})", "你"},
        {R"({\rtf1\ansi{\fonttbl{\f0\fnil\fcharset128 MS Mincho;}}\f0 \'82\'a0})", "あ"},
        // a trail byte in the ASCII range is written as a plain or escaped character
        {R"({\rtf1\ansi\ansicpg936 \'81@\'81\\})", "丂乗"},
        // a lead byte without its partner, an unknown code page
        {R"({\rtf1\ansi\ansicpg936 a\'c4})", "a?"},
        {R"({\rtf1\ansi\ansicpg99999 \'c4x})", "Äx"},
    };
    for (const auto& c : cases) EXPECT_EQ(PlainTextOfRtf(c.rtf), c.text) << c.rtf;
}

TEST(RtfReader, FontNamesAreDecodedInTheirOwnCharset) {
    const Document doc = ReadRtf(
        R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fnil\fcharset134 \'b7\'c2\'cb\'ce_GB2312;})"
        R"({\f1{\*\panose 02020603050405020304}Times New Roman;}\f2\fswiss Arial;}\f0 a\f1 b\f2 c\f7 d})");
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    const auto& runs = doc.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].format.face, "仿宋_GB2312");
    EXPECT_EQ(runs[1].format.face, "Times New Roman");
    EXPECT_EQ(runs[2].format.face, "Arial");
    EXPECT_EQ(runs[3].format.face, "");  // a font the table does not declare
}

TEST(RtfReader, UnicodeEscapesSkipTheirFallback) {
    struct Case { const char* rtf; const char* text; } cases[] = {
        {R"({\rtf1\ansi \u20320?\u22909?})", "你好"},                 // \uc1 is the default
        {R"({\rtf1\ansi\ansicpg936\uc2\u20320\'c4\'e3 end})", "你 end"},  // two fallback bytes
        {R"({\rtf1\ansi\uc0\u20320 x})", "你x"},
        {R"({\rtf1\ansi \u-244?})", "，"},                             // 65536 - 244 = U+FF0C
        {R"({\rtf1\ansi \u-10179?\u-8704?})", "😀"},                   // a surrogate pair
        {R"({\rtf1\ansi\uc3{\u20320?}x})", "你x"},                     // skipping ends with the group
        {R"({\rtf1\ansi{\uc2 \u20320??}\u22909?y})", "你好y"},          // \uc is restored with the group
        {R"({\rtf1\ansi\uc1\u20320\bin3 {{{z})", "你z"},                // \bin counts as one skipped character
    };
    for (const auto& c : cases) EXPECT_EQ(PlainTextOfRtf(c.rtf), c.text) << c.rtf;
}

TEST(RtfReader, SkipsDestinationsAndUnknownWords) {
    const char* rtf =
        R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}{\stylesheet{\s0 Normal;}}{\info{\title T}{\author A}})"
        R"({\*\generator G;}{\*\unknowndest hidden}{\header head}\foo\bar7 visible{\unknownword kept})"
        R"({\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}{\pntext 1.\tab}\bin4 }}{{tail\~end})";
    EXPECT_EQ(PlainTextOfRtf(rtf), "visiblekeptlinktail\u00A0end");
}

TEST(RtfReader, KeepsPicturesAndObjectsAsTheyWere) {
    const std::string picture = "{\\pict{\\*\\picprop{\\sp{\\sn x}{\\sv 1}}}\\wmetafile8\\picw265\\pich265 010009\r\n0000}";
    const std::string object =
        "{\\object\\objemb{\\*\\objclass Paint.Picture}\\objw100{\\*\\objdata 0105}{\\result{\\pict\\bin3 }{x}}}";
    const std::string rtf = "{\\rtf1\\ansi before" + picture + "{\\*\\shppict" + picture +
                            "}{\\nonshppict{\\pict\\wmetafile8 99}}middle" + object + "after\\par}";
    const Document doc = ReadRtf(rtf);
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    std::vector<std::string> objects;
    for (const ModelRun& run : doc.paragraphs[0].runs)
        if (run.kind == ModelRun::Kind::Object) objects.push_back(run.text);
    // A Word picture is kept with its fallback, for readers that know only the one or the other.
    const std::string wordPicture = "{\\*\\shppict" + picture + "}{\\nonshppict{\\pict\\wmetafile8 99}}";
    EXPECT_EQ(objects, (std::vector<std::string>{picture, wordPicture, object}));
    EXPECT_EQ(PlainText(doc), "beforemiddleafter");
}

TEST(RtfReader, ParagraphPropertiesFollowPardAndGroups) {
    const Document doc = ReadRtf(
        R"({\rtf1\ansi\qr\li100 a\par{\qc\fi-200 b\par}c\par\pard\qj d\par\plain\b e\b0\i f\i0\ul g\ulnone\ul0 h})");
    ASSERT_EQ(doc.paragraphs.size(), 5u);
    EXPECT_EQ(doc.paragraphs[0].format, (ParagraphFormat{Alignment::Right, 100, 0}));
    EXPECT_EQ(doc.paragraphs[1].format, (ParagraphFormat{Alignment::Centre, 100, -200}));
    EXPECT_EQ(doc.paragraphs[2].format, (ParagraphFormat{Alignment::Right, 100, 0}));
    EXPECT_EQ(doc.paragraphs[3].format, (ParagraphFormat{Alignment::Justify, 0, 0}));
    const auto& runs = doc.paragraphs[4].runs;
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_TRUE(runs[0].format.bold && !runs[0].format.italic);
    EXPECT_TRUE(runs[1].format.italic && !runs[1].format.bold);
    EXPECT_TRUE(runs[2].format.underline);
    EXPECT_FALSE(runs[3].format.underline || runs[3].format.bold || runs[3].format.italic);
}

TEST(RtfReader, MalformedInputGivesWhatCouldBeRead) {
    struct Case { std::string rtf; const char* text; } cases[] = {
        {"{\\rtf1\\ansi abc", "abc"},
        {"{\\rtf1\\ansi abc\\par def", "abc\r\ndef"},
        {"{\\rtf1\\ansi abc}}}} more", "abc"},
        {"{\\rtf1\\ansi abc\\", "abc"},
        {"{\\rtf1\\ansi abc\\b", "abc"},
        {"{\\rtf1\\ansi abc\\'4", "abc4"},  // a broken hex escape leaves its text
        {"{\\rtf1\\ansi abc\\'zz}", "abczz"},
        {"{\\rtf1\\ansi\\fs99999999999999999999 big\\cf99999 x}", "bigx"},
        {"{\\rtf1\\ansi \\u99999999999? x}", "\uFFFD x"},
        {"{\\rtf1\\ansi \\u-99999999999? x}", "\uFFFD x"},
        {"{\\rtf1\\ansi a\\bin999999999 abc}", "a"},
        {"{\\rtf1\\ansi a\\bin-5 b}", "ab"},
        {"{\\rtf1\\ansi {{{{{{ deep", " deep"},
        {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset134 \\'cb\\'ce", ""},
        {"{\\rtf1\\ansi x{\\pict\\wmetafile8 0102", "x"},
        {"{\\rtf1\\ansi\\ansicpg936 \\'c4\\'e3\\'", "你"},
        {"{\\rtf1\\ansi{\\colortbl;\\red999\\green-4;}\\cf1 c\\cf-1 d}", "cd"},
        {"{\\rtf1\\ansi \\u-10179?x}", "\uFFFDx"},  // a high surrogate alone
        {"{\\rtf1\\ansi\\" + std::string(100, 'a') + "1 y}", "y"},
        {"{\\rtf1\\ansi " + std::string(100000, '{') + "x", ""},  // far too deep: skipped
        {std::string("{\\rtf1\\ansi a\0b}", 15), "ab"},
    };
    for (const auto& c : cases) EXPECT_EQ(PlainTextOfRtf(c.rtf), c.text) << c.rtf.substr(0, 80);
}

TEST(RtfReader, EveryTruncationOfADocumentReadsWithoutFault) {
    const std::string full = std::string(kRichEditSample) + "{\\pict\\bin4 {}\\}";
    for (std::size_t length = 0; length <= full.size(); ++length) {
        const Document doc = ReadRtf(full.substr(0, length));
        EXPECT_LE(doc.paragraphs.size(), 3u) << length;
    }
    EXPECT_EQ(PlainTextOfRtf(full.substr(0, full.find("abc") + 2)), "研究目标\r\n你好 ab");
}

TEST(RtfReader, TextThatIsNotRtfIsReadAsPlainText) {
    struct Case { std::string bytes; const char* text; std::size_t paragraphs; } cases[] = {
        {"", "", 0},
        {"第一行\r\n第二行", "第一行\r\n第二行", 2},
        {"\xEF\xBB\xBFutf8\nlines\rold mac", "utf8\r\nlines\r\nold mac", 3},
        {"\xc4\xe3\xba\xc3\tgbk\r\n", "你好\tgbk\r\n", 2},  // not UTF-8: GBK
        {"  {\\rt not rtf", "  {\\rt not rtf", 1},
    };
    for (const auto& c : cases) {
        const Document doc = ReadRtf(c.bytes);
        EXPECT_EQ(PlainText(doc), c.text) << c.bytes;
        EXPECT_EQ(doc.paragraphs.size(), c.paragraphs) << c.bytes;
    }
    EXPECT_TRUE(IsRtf("\r\n {\\rtf1}"));
    EXPECT_FALSE(IsRtf("{\\rt"));
}

TEST(RtfReader, GroupsNestedBeyondTheBoundAreLeftOutAndSaid) {
    struct Case { std::string rtf; const char* text; bool leftOut; } cases[] = {
        {"{\\rtf1\\ansi a" + std::string(999, '{') + "b" + std::string(999, '}') + "c}", "abc", false},
        {"{\\rtf1\\ansi a" + std::string(1000, '{') + "b" + std::string(1000, '}') + "c}", "ac", true},
        {"{\\rtf1\\ansi a" + std::string(100000, '{') + "b", "a", true},
        {"{\\rtf1\\ansi {{{{{{ deep", " deep", false},
        {"no rtf {{{", "no rtf {{{", false},
    };
    for (const Case& c : cases) {
        bool leftOut = !c.leftOut;
        EXPECT_EQ(PlainText(ReadRtf(c.rtf, &leftOut)), c.text) << c.rtf.substr(0, 40);
        EXPECT_EQ(leftOut, c.leftOut) << c.rtf.substr(0, 40);
    }
}
