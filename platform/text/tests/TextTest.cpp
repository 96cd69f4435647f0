#include "platform/text/Text.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/text/DateTime.h"

using namespace text;

TEST(Gbk, ConvertsBothWaysAndCountsBytes) {
    const std::string utf8 = "单位信息abc";
    const std::string gbk = Utf8ToGbk(utf8);
    EXPECT_EQ(gbk, "\xb5\xa5\xce\xbb\xd0\xc5\xcf\xa2" "abc");
    EXPECT_EQ(GbkToUtf8(gbk), utf8);
    EXPECT_EQ(GbkLength(utf8), 11u);
    EXPECT_EQ(GbkLength(""), 0u);
}

TEST(Gbk, BadInputBecomesQuestionMarkAndConversionGoesOn) {
    EXPECT_EQ(GbkToUtf8("a\xff" "b"), "a?b");            // 0xFF is never a GBK lead byte
    EXPECT_EQ(GbkToUtf8("ab\xb5"), "ab?");               // lead byte cut off at the end
    EXPECT_EQ(Utf8ToGbk("x\xe4\xb8y"), "x?y");           // broken UTF-8 sequence
    EXPECT_EQ(Utf8ToGbk("\xF0\x9F\x98\x80!"), "?!");     // emoji: not in GBK
}

// Text files by their byte-order mark, else UTF-8 only when every character
// is one an office writes; GBK that happens to be valid UTF-8 is GBK.
TEST(TextFiles, DecodedByTheirMarkOrTheirCharacters) {
    const std::string member = "叶英 女 40";
    auto utf16 = [&](bool bigEndian) {
        std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        // U+53F6 U+82F1 ' ' U+5973 ' ' '4' '0', and U+1F600 as a surrogate pair
        for (char16_t c : std::u16string(u"叶英 女 40\U0001F600")) {
            const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
            out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
        }
        return out;
    };
    const struct {
        const char* what;
        std::string bytes, text;
    } cases[] = {
        {"GBK that is valid UTF-8", text::Utf8ToGbk(member), member},
        {"GBK that is not UTF-8", text::Utf8ToGbk("赵六 男 50"), "赵六 男 50"},
        {"UTF-8 without a mark", member, member},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + member, member},
        {"UTF-8 mark, then a bad byte", "\xEF\xBB\xBF" "a\xFF" "b", "a\uFFFDb"},
        {"UTF-16 LE", utf16(false), member + "\U0001F600"},
        {"UTF-16 BE", utf16(true), member + "\U0001F600"},
        {"UTF-16 cut short", "\xFF\xFE" "a", "\uFFFD"},
        {"UTF-16 half a pair", std::string("\xFF\xFE\x3D\xD8" "a\0", 6), "\uFFFDa"},
        {"ASCII", "Smith M 40\r\n", "Smith M 40\r\n"},
        {"office punctuation", "张三，“研究员”…·Ⅱ（一）", "张三，“研究员”…·Ⅱ（一）"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(text::DecodeTextFile(c.bytes), c.text) << c.what;
}

TEST(CodePages, DecodeByWindowsCodePage) {
    struct Case { const char* bytes; int codePage; const char* utf8; } cases[] = {
        {"caf\xe9", 1252, "café"},
        {"\xb5\xa5\xce\xbb", 936, "单位"},
        {"\xb3\xe6", 950, "單"},         // Big5
        {"caf\xe9", 99999, "café"},       // unknown code page: read as 1252
        {"\xb5", 936, "?"},               // lead byte cut off
        {"plain", 936, "plain"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeCodePage(c.bytes, c.codePage), c.utf8) << c.bytes << " " << c.codePage;
}

TEST(Gbk, TruncationNeverSplitsACharacter) {
    struct Case { const char* in; std::size_t max; const char* out; } cases[] = {
        {"abc", 5, "abc"}, {"abc", 2, "ab"}, {"ab单位", 3, "ab"}, {"ab单位", 4, "ab单"},
        {"单位", 1, ""}, {"单位", 0, ""}, {"", 3, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(TruncateGbk(c.in, c.max), c.out) << c.in << " " << c.max;
}

TEST(Format, PrintfConversions) {
    EXPECT_EQ(Format("%d", -12), "-12");
    EXPECT_EQ(Format("%.4f", 1.5), "1.5000");
    EXPECT_EQ(Format("%.8f", 1.5), "1.50000000");
    EXPECT_EQ(Format("%g", 0.25), "0.25");
    EXPECT_EQ(Format("%s-%s", "2006", "2010"), "2006-2010");
    EXPECT_EQ(Format("%8x", 255), "      ff");
    EXPECT_EQ(Format("%s", std::string(5000, 'x').c_str()).size(), 5000u);
}

TEST(Numbers, AtolAndAtofReadTheNumericPrefix) {
    struct Case { const char* in; long l; double d; } cases[] = {
        {"12ab", 12, 12}, {"  -7", -7, -7}, {"abc", 0, 0}, {"", 0, 0}, {"3.75x", 3, 3.75}, {"+4", 4, 4},
        {"99999999999", 2147483647, 99999999999.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Atol(c.in), c.l) << c.in;
        EXPECT_DOUBLE_EQ(Atof(c.in), c.d) << c.in;
    }
}

TEST(Strings, CaseTrimSplitReplace) {
    EXPECT_TRUE(EqualsNoCase("znmc", "ZNMC"));
    EXPECT_FALSE(EqualsNoCase("znmc", "ZNM"));
    EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Split("a||b|", "|"), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(Split("", "|"), (std::vector<std::string>{""}));
    EXPECT_EQ(ReplaceAll("a\\b\\c", "\\", "/"), "a/b/c");
}

TEST(DateTime, OleDatesRoundTrip) {
    struct Case { double ole; DateTime dt; } cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0}},
        {2.5, {1900, 1, 1, 12, 0, 0}},
        {-1.25, {1899, 12, 29, 6, 0, 0}},
        {39083.75, {2007, 1, 1, 18, 0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DateTime::FromOleDate(c.ole), c.dt) << c.ole;
        EXPECT_DOUBLE_EQ(c.dt.ToOleDate(), c.ole);
    }
}

TEST(DateTime, OleDatesFromFilesAreHeldWithinTheCalendar) {
    struct Case { double ole; DateTime dt; } cases[] = {
        {std::numeric_limits<double>::quiet_NaN(), {1899, 12, 30, 0, 0, 0}},
        {std::numeric_limits<double>::infinity(), {9999, 12, 31, 23, 59, 59}},
        {-std::numeric_limits<double>::infinity(), {100, 1, 1, 0, 0, 0}},
        {1e300, {9999, 12, 31, 23, 59, 59}},
        {-1e300, {100, 1, 1, 0, 0, 0}},
        {2958465.5, {9999, 12, 31, 12, 0, 0}},
        {-657434.0, {100, 1, 1, 0, 0, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(DateTime::FromOleDate(c.ole), c.dt) << c.ole;
}

TEST(DateTime, FormatsAndParses) {
    DateTime dt{2008, 3, 9, 7, 5, 1};
    EXPECT_EQ(dt.Format("%Y-%m-%d %H:%M:%S"), "2008-03-09 07:05:01");
    EXPECT_EQ(dt.Format("%Y年%m月%d日"), "2008年03月09日");
    EXPECT_EQ(dt.Format("%a %j"), "Sun 069");

    DateTime parsed;
    EXPECT_TRUE(DateTime::Parse("2008-03-09T07:05:01", parsed));
    EXPECT_EQ(parsed, dt);
    EXPECT_TRUE(DateTime::Parse("2008/03/09", parsed));
    EXPECT_EQ(parsed, (DateTime{2008, 3, 9, 0, 0, 0}));
    EXPECT_TRUE(DateTime::Parse("2008-03-09 07:05:01.250", parsed));
    for (const char* bad : {"", "2008-02-30", "2008-03-09X", "2008-03/09", "not a date", "2008-13-01"})
        EXPECT_FALSE(DateTime::Parse(bad, parsed)) << bad;
}
