// Stored login passwords: hashes that fit the user table's column, exact
// comparison, and old clear rows.
#include <gtest/gtest.h>

#include "foundation/Password.h"

TEST(Password, HashIsSaltedFitsTheColumnAndMatchesOnlyTheExactPassword) {
    const std::string first = password::Hash("jjb2024");
    const std::string second = password::Hash("jjb2024");
    ASSERT_FALSE(first.empty());
    EXPECT_NE(first, second);  // a fresh salt each time
    EXPECT_LE(first.size(), 50u);
    EXPECT_EQ(first.find("jjb2024"), std::string::npos);
    EXPECT_TRUE(password::IsHash(first));
    EXPECT_TRUE(password::Matches(first, "jjb2024"));
    EXPECT_TRUE(password::Matches(second, "jjb2024"));
    EXPECT_FALSE(password::NeedsRehash(first));
    for (const char* wrong : {"JJB2024", "Jjb2024", "jjb2024 ", "jjb202", "", "jjb2024\n"})
        EXPECT_FALSE(password::Matches(first, wrong)) << '"' << wrong << '"';
}

TEST(Password, AnyCharactersHashAndMatch) {
    const std::string passwords[] = {"基金办公室", "a'b\"c", std::string(50, 'x'), std::string("a\0b", 3)};
    for (const std::string& plain : passwords) {
        const std::string stored = password::Hash(plain);
        EXPECT_TRUE(password::Matches(stored, plain));
        EXPECT_FALSE(password::Matches(stored, plain + "x"));
    }
}

TEST(Password, ClearRowsFromOlderDatabasesCompareExactlyAndAskForAHash) {
    const struct {
        const char* stored;
        const char* typed;
        bool matches;
    } cases[] = {
        {"jjb2024", "jjb2024", true},
        {"jjb2024", "JJB2024", false},  // case counts
        {"jjb2024", "jjb20245", false},
        {"", "", false},                // an empty row matches nothing
        {"$pw1$not-a-hash", "$pw1$not-a-hash", true},  // only the exact format is a hash
    };
    for (const auto& c : cases) {
        EXPECT_EQ(password::Matches(c.stored, c.typed), c.matches) << c.stored << " / " << c.typed;
        EXPECT_TRUE(password::NeedsRehash(c.stored)) << c.stored;
    }
}

TEST(Password, DamagedHashesMatchNothing) {
    const std::string good = password::Hash("secret");
    std::string wrongSeparator = good, wrongDigest = good;
    wrongSeparator[5 + 22] = '#';
    wrongDigest.back() = wrongDigest.back() == 'A' ? 'B' : 'A';
    EXPECT_FALSE(password::Matches(wrongDigest, "secret"));
    EXPECT_FALSE(password::IsHash(wrongSeparator));
    EXPECT_FALSE(password::Matches(wrongSeparator, "secret"));
    EXPECT_FALSE(password::IsHash(good.substr(0, good.size() - 1)));
}

TEST(Password, LengthIsCountedInCharacters) {
    EXPECT_FALSE(password::IsTooLong(std::string(50, 'x')));
    EXPECT_TRUE(password::IsTooLong(std::string(51, 'x')));
    std::string fiftyChinese;
    for (int i = 0; i < 50; ++i) fiftyChinese += "密";
    EXPECT_FALSE(password::IsTooLong(fiftyChinese));
    EXPECT_TRUE(password::IsTooLong(fiftyChinese + "码"));
}
