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
