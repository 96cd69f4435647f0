#include "foundation/Options.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"

namespace {

// Points the program folder at a fresh temporary folder for each test.
class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/options_test_XXXXXX";
        folder_ = mkdtemp(pattern);
        sys::SetProgramFolder(folder_);
    }
    void TearDown() override {
        sys::SetProgramFolder("");
        sys::RemoveAll(folder_);
    }

    std::string Raw() const {
        std::string bytes;
        sys::ReadFile(COptions::FilePath(), bytes);
        return bytes;
    }
    void WriteRaw(const std::string& bytes) const { ASSERT_TRUE(sys::WriteFileAtomic(COptions::FilePath(), bytes)); }

    static int IntAt(const std::string& raw, std::size_t offset) {
        std::uint32_t bits = 0;
        for (std::size_t i = 0; i < 4; ++i) bits |= std::uint32_t(static_cast<unsigned char>(raw[offset + i])) << (8 * i);
        return static_cast<int>(bits);
    }
    static void PutInt(std::string& raw, std::size_t offset, int value) {
        for (std::size_t i = 0; i < 4; ++i) raw[offset + i] = static_cast<char>(std::uint32_t(value) >> (8 * i));
    }
    static void PutText(std::string& raw, std::size_t offset, const std::string& gbk) {
        std::memcpy(&raw[offset], gbk.data(), gbk.size());
    }

    std::string folder_;
};

}  // namespace

TEST(DefaultPeriod, FollowsTheFiveYearRule) {
    struct Case { int year; const char* period; } cases[] = {
        {1990, "2021-2025"}, {2001, "2021-2025"}, {2002, "2006-2010"}, {2006, "2006-2010"},
        {2010, "2006-2010"}, {2011, "2011-2015"}, {2015, "2011-2015"}, {2016, "2016-2020"},
        {2020, "2016-2020"}, {2021, "2021-2025"}, {2030, "2021-2025"},
    };
    for (const Case& c : cases) EXPECT_EQ(DefaultPeriodForYear(c.year), c.period) << c.year;
}

TEST_F(OptionsTest, MissingFileIsCreatedWithDefaults) {
    COptions options;
    const std::string raw = Raw();
    ASSERT_EQ(raw.size(), COptions::kRecordSize);
    const std::string year = text::DateTime::Now().Format("%Y");
    EXPECT_EQ(IntAt(raw, 700), -1);
    EXPECT_EQ(IntAt(raw, 704), 8);
    EXPECT_EQ(IntAt(raw, 802), 0);
    EXPECT_EQ(std::string(raw.c_str() + 792), year);
    EXPECT_EQ(std::string(raw.c_str() + 772), DefaultPeriodForYear(std::atoi(year.c_str())));
    EXPECT_EQ(raw.substr(806), std::string(1000, '\0'));  // both save folders empty
    EXPECT_EQ(raw.substr(708, 64), std::string(64, '\0'));  // weights and grade scores 0

    COptions reread;
    EXPECT_EQ(reread.GetAppDir(), sys::JoinPath(folder_, "申请书汇总") + "/");
    EXPECT_EQ(reread.GetUserName(), "");
    EXPECT_EQ(reread.GetRole(), -1);
    EXPECT_EQ(reread.GetYear(), year);
}

TEST_F(OptionsTest, ShortAndLongFilesAreReadAsFarAsTheRecordGoes) {
    std::string raw(806, '\0');
    PutText(raw, 0, text::Utf8ToGbk("数据源"));
    PutText(raw, 150, "admin");
    PutText(raw, 200, text::Utf8ToGbk("D:\\申请书\\"));
    PutInt(raw, 700, 2);
    PutInt(raw, 704, 5);
    for (int i = 0; i < 10; ++i) PutInt(raw, 708 + 4 * i, 10 + i);
    for (int i = 0; i < 6; ++i) PutInt(raw, 748 + 4 * i, 90 - 10 * i);
    PutText(raw, 772, "2011-2015");
    PutText(raw, 792, "2013");
    PutInt(raw, 802, 3);

    for (std::size_t size : {std::size_t(806), std::size_t(2000)}) {
        SCOPED_TRACE(size);
        std::string file = raw;
        file.resize(size, 'x');  // a long file carries junk after the record
        WriteRaw(file);
        COptions options;
        EXPECT_EQ(Raw().size(), size);  // reading never writes
        EXPECT_EQ(options.GetDataSource(), "数据源");
        EXPECT_EQ(options.GetUserName(), "admin");
        EXPECT_EQ(options.GetAppDir(), "D:\\申请书\\");
        EXPECT_EQ(options.GetRole(), 2);
        EXPECT_EQ(options.GetIndexCount(), 5);
        EXPECT_EQ(options.GetIndexWeights(), (std::array<int, 10>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
        EXPECT_EQ(options.GetGradeScores(), (std::array<int, 6>{90, 80, 70, 60, 50, 40}));
        EXPECT_EQ(options.GetPeriod(), "2011-2015");
        EXPECT_EQ(options.GetYear(), "2013");
        EXPECT_EQ(options.GetCategory(), 3);
        if (size == 806) {  // folders never set: the program folder's own
            EXPECT_EQ(options.GetProgressDir(), sys::JoinPath(sys::ProgramFolder(), "阶段进展报告") + "/");
            EXPECT_EQ(options.GetAcceptDir(), sys::JoinPath(sys::ProgramFolder(), "验收总结报告") + "/");
        }
        options.Save();
        const std::string saved = Raw();
        ASSERT_EQ(saved.size(), COptions::kRecordSize);
        EXPECT_EQ(saved.substr(0, 806), raw);
    }
}

TEST_F(OptionsTest, TextsAreStoredAsGbkAtTheirOffsetsAndSurviveSave) {
    {
        COptions options;
        options.SetUserName("张三");
        options.SetDbPassword("100%");
        options.SetProgressDir("/data/进度/%s%d");
        options.SetAcceptDir("/data/验收");
        options.SetCategory(-5);
        options.SetGradeScores(std::vector<int>{5, 4, 3, 2, 1, 0});
        options.Save();
    }
    const std::string raw = Raw();
    EXPECT_EQ(raw.substr(150, 5), std::string("\xd5\xc5\xc8\xfd\0", 5));
    EXPECT_EQ(std::string(raw.c_str() + 100), "100%");
    EXPECT_EQ(IntAt(raw, 802), -5);

    COptions reread;
    EXPECT_EQ(reread.GetUserName(), "张三");
    EXPECT_EQ(reread.GetDbPassword(), "100%");
    EXPECT_EQ(reread.GetProgressDir(), "/data/进度/%s%d");
    EXPECT_EQ(reread.GetAcceptDir(), "/data/验收");
    EXPECT_EQ(reread.GetGradeScores(), (std::array<int, 6>{5, 4, 3, 2, 1, 0}));
}

TEST_F(OptionsTest, OverlongTextsAreCutAtACharacterBoundaryInsideTheirField) {
    COptions options;
    options.SetAppDir("next field");
    options.SetYear("2006-2010-extra");
    options.SetUserName(std::string(60, 'a'));
    EXPECT_EQ(options.GetUserName(), std::string(49, 'a'));
    auto repeat = [](int n) {
        std::string s = "x";
        for (int i = 0; i < n; ++i) s += "单";
        return s;
    };
    // "x" and 24 two-byte characters fill the 49 bytes; the 25th would not fit.
    options.SetUserName(repeat(30));
    EXPECT_EQ(options.GetUserName(), repeat(24));
    options.SetUserName("ab" + repeat(30));
    EXPECT_EQ(options.GetUserName(), "ab" + repeat(23));  // 48 bytes: no half character
    EXPECT_EQ(options.GetYear(), "2006-2010");
    EXPECT_EQ(options.GetAppDir(), "next field");  // neighbours untouched
    EXPECT_EQ(options.GetRole(), -1);
}

TEST_F(OptionsTest, SetterWritesOnlyTheTextAndItsTerminator) {
    COptions options;
    options.SetUserId("abcdef");
    options.SetUserId("xy");
    options.Save();
    EXPECT_EQ(Raw().substr(50, 7), std::string("xy\0def\0", 7));
    EXPECT_EQ(options.GetUserId(), "xy");
}

TEST_F(OptionsTest, IndexWeightsFollowTheCountAndNeverLeaveTheirField) {
    COptions options;
    const std::vector<int> nines(10, 9);
    options.SetIndexCount(10);
    options.SetIndexWeights(nines);
    options.SetGradeScores(std::vector<int>{7, 7, 7, 7, 7, 7});

    struct Case { int count; std::vector<int> given; std::array<int, 10> expected; } cases[] = {
        {6, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5, 6, 9, 9, 9, 9}},
        {12, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {10, {4, 4, 4}, {4, 4, 4, 9, 9, 9, 9, 9, 9, 9}},
        {-1, {1, 1, 1}, {9, 9, 9, 9, 9, 9, 9, 9, 9, 9}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        options.SetIndexCount(10);
        options.SetIndexWeights(nines);
        options.SetIndexCount(c.count);
        options.SetIndexWeights(c.given);
        EXPECT_EQ(options.GetIndexWeights(), c.expected);
        EXPECT_EQ(options.GetGradeScores(), (std::array<int, 6>{7, 7, 7, 7, 7, 7}));
    }
}

TEST_F(OptionsTest, SaveIntoAMissingFolderWritesNothingAndKeepsTheRecord) {
    const std::string gone = sys::JoinPath(folder_, "gone");
    sys::SetProgramFolder(gone);
    COptions options;  // defaults, and the save that follows them fails quietly
    options.SetUserName("kept");
    options.Save();
    EXPECT_FALSE(sys::FileExists(COptions::FilePath()));
    EXPECT_EQ(options.GetUserName(), "kept");
    EXPECT_EQ(options.GetIndexCount(), 8);
}
