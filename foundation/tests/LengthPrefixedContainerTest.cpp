// The length-prefixed container: exact bytes, round trips, and files that
// are refused (other marker, lengths beyond the end).
#include <gtest/gtest.h>

#include "foundation/LengthPrefixedContainer.h"

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
