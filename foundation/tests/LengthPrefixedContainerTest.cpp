// The length-prefixed container: exact bytes, round trips, and files that
// are refused (other marker, lengths beyond the end).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "foundation/LengthPrefixedContainer.h"
#include "platform/sys/Sys.h"
#include "testsupport/TempFolder.h"

using R = LengthPrefixedContainer::ReadResult;

TEST(LengthPrefixedContainer, BytesAreMarkerThenLittleEndianLengthsAndParts) {
    const std::string bytes = LengthPrefixedContainer::Pack('1', {"ab", "", std::string(258, 'x')});
    const std::string expected = std::string("1") + std::string("\x02\x00\x00\x00", 4) + "ab" +
                                 std::string("\x00\x00\x00\x00", 4) + std::string("\x02\x01\x00\x00", 4) +
                                 std::string(258, 'x');
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(LengthPrefixedContainer::Pack(std::nullopt, {"z"}), std::string("\x01\x00\x00\x00z", 5));
}

TEST(LengthPrefixedContainer, ReadsBackWhatWasPackedAndIgnoresTrailingBytes) {
    const std::vector<std::string> parts{"first", std::string("\0\xff", 2), ""};
    std::vector<std::string> read;
    ASSERT_EQ(LengthPrefixedContainer::Unpack(LengthPrefixedContainer::Pack('1', parts) + "tail", '1', 3, read), R::Ok);
    EXPECT_EQ(read, parts);
    ASSERT_EQ(LengthPrefixedContainer::Unpack(LengthPrefixedContainer::Pack(std::nullopt, parts), std::nullopt, 3, read),
              R::Ok);
    EXPECT_EQ(read, parts);
}

TEST(LengthPrefixedContainer, RefusesOtherKindsAndTruncatedFiles) {
    const std::string good = LengthPrefixedContainer::Pack('1', {"abc", "de", "f"});
    const struct {
        std::string bytes;
        R expected;
    } cases[] = {
        {"", R::Truncated},  // counted with the damaged files, not skipped as another kind
        {LengthPrefixedContainer::Pack('0', {"abc", "de", "f"}), R::OtherMarker},
        {"1", R::Truncated},
        {good.substr(0, 3), R::Truncated},                    // inside the first length
        {good.substr(0, good.size() - 1), R::Truncated},      // the last part one byte short
        {std::string("1\xff\xff\xff\xff", 5) + "abc", R::Truncated},  // a length far beyond the end
    };
    for (const auto& c : cases) {
        std::vector<std::string> parts{"untouched"};
        EXPECT_EQ(LengthPrefixedContainer::Unpack(c.bytes, '1', 3, parts), c.expected) << c.bytes.size();
        EXPECT_EQ(parts, std::vector<std::string>{"untouched"});
    }
}

TEST(LengthPrefixedContainer, MissingFileCannotBeOpened) {
    std::vector<std::string> parts;
    EXPECT_EQ(LengthPrefixedContainer::Read("/nonexistent/folder/x.fund", '1', 3, parts), R::CannotOpen);
}

TEST(LengthPrefixedContainer, FilesFarLargerThanTheirPartsAreRefusedWithoutReadingThem) {
    testsupport::TempFolder dir;
    const std::string good = LengthPrefixedContainer::Pack('1', {"abc", "de", "f"});
    const struct {
        const char* name;
        std::uint64_t size;  // the file is `good` grown (sparse) to this size
        R expected;
    } cases[] = {
        {"exact.fund", good.size(), R::Ok},
        {"slack.fund", good.size() + LengthPrefixedContainer::kTrailingAllowance, R::Ok},
        {"beyond.fund", good.size() + LengthPrefixedContainer::kTrailingAllowance + 1, R::Oversized},
        {"huge.fund", 5ull << 30, R::Oversized},  // 5 GB, nearly all a hole
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File(c.name);
        ASSERT_TRUE(sys::WriteFileAtomic(path, good));
        if (::truncate(path.c_str(), static_cast<off_t>(c.size)) != 0) {
            GTEST_SKIP() << "the file system holds no file of " << c.size << " bytes";
        }
        std::vector<std::string> parts{"untouched"};
        EXPECT_EQ(LengthPrefixedContainer::Read(path, '1', 3, parts), c.expected);
        const std::vector<std::string> expectedParts =
            c.expected == R::Ok ? std::vector<std::string>{"abc", "de", "f"} : std::vector<std::string>{"untouched"};
        EXPECT_EQ(parts, expectedParts);
    }
}

TEST(LengthPrefixedContainer, OnlyRegularFilesAreRead) {
    testsupport::TempFolder dir;
    ASSERT_EQ(::mkdir(dir.File("folder.fund").c_str(), 0700), 0);
    ASSERT_EQ(::mkfifo(dir.File("pipe.fund").c_str(), 0600), 0);
    ASSERT_EQ(::symlink(dir.File("gone.fund").c_str(), dir.File("dangling.fund").c_str()), 0);
    for (const char* name : {"folder.fund", "pipe.fund", "dangling.fund"}) {
        std::vector<std::string> parts;
        EXPECT_EQ(LengthPrefixedContainer::Read(dir.File(name), '1', 3, parts), R::CannotOpen) << name;
    }
}

// A part beyond the bound is refused from its length alone, before any of it
// is read or written, whether the file is read whole or extracted part by part.
TEST(LengthPrefixedContainer, PartsBeyondTheBoundAreRefusedFromTheirLength) {
    testsupport::TempFolder dir;
    const std::string scratch[] = {dir.File("p0"), dir.File("p1")};
    const struct {
        const char* name;
        std::uint64_t secondPart;  // the length announced for the second part, the file grown to hold it
        R expected;
    } cases[] = {
        {"at the bound.prosum", LengthPrefixedContainer::kMaxPartBytes, R::Ok},
        {"one beyond.prosum", LengthPrefixedContainer::kMaxPartBytes + 1, R::PartTooLarge},
        {"600 MB.fund", 600ull << 20, R::PartTooLarge},
        {"1.2 GB.prosum", 1200ull << 20, R::PartTooLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = LengthPrefixedContainer::Pack(std::nullopt, {"first"});
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>((c.secondPart >> shift) & 0xFF));
        const std::string path = dir.File(c.name);
        ASSERT_TRUE(sys::WriteFileAtomic(path, bytes));
        if (::truncate(path.c_str(), static_cast<off_t>(bytes.size() + c.secondPart)) != 0)
            GTEST_SKIP() << "the file system holds no file of this size";
        for (const std::string& file : scratch) ASSERT_TRUE(sys::WriteFileAtomic(file, "old"));
        EXPECT_EQ(LengthPrefixedContainer::Extract(path, std::nullopt, {scratch[0], scratch[1]}), c.expected);
        std::string first;
        ASSERT_TRUE(sys::ReadFile(scratch[0], first));
        EXPECT_EQ(first, c.expected == R::Ok ? "first" : "old");
        if (c.expected != R::Ok) {
            std::vector<std::string> parts{"untouched"};
            EXPECT_EQ(LengthPrefixedContainer::Read(path, std::nullopt, 2, parts), c.expected);
            EXPECT_EQ(parts, std::vector<std::string>{"untouched"});
            EXPECT_EQ(LengthPrefixedContainer::Refusal(path, c.expected),
                      std::string("文件") + c.name + "中有一部分大于256MB，未导入！");
        }
    }
}

TEST(LengthPrefixedContainer, ExtractWritesEachPartToItsFile) {
    testsupport::TempFolder dir;
    const std::vector<std::string> parts{"abc", std::string(3 << 20, 'x'), ""};  // one part of several pieces
    ASSERT_TRUE(LengthPrefixedContainer::Write(dir.File("b.fund"), '1', parts));
    const std::vector<std::string> files{dir.File("0"), dir.File("1"), dir.File("2")};
    ASSERT_EQ(LengthPrefixedContainer::Extract(dir.File("b.fund"), '1', files), R::Ok);
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::string bytes;
        ASSERT_TRUE(sys::ReadFile(files[i], bytes));
        EXPECT_EQ(bytes, parts[i]) << i;
    }
    EXPECT_EQ(LengthPrefixedContainer::Extract(dir.File("b.fund"), '2', files), R::OtherMarker);
    EXPECT_EQ(LengthPrefixedContainer::Extract("/dev/zero", '1', files), R::CannotOpen);
    EXPECT_EQ(LengthPrefixedContainer::Refusal("/dev/zero", R::CannotOpen), "文件zero无法读取（不存在，或不是普通文件），未导入！");
}
