// Column limits read from a table's declared text lengths, counted as the
// database counts them, and the check of a file's layout against a table.
#include "foundation/ColumnLimits.h"

#include "AdoTestDatabase.h"

namespace {

class ColumnLimitsTest : public AdoTestDatabase {};

TEST_F(ColumnLimitsTest, TextColumnsHaveTheirDeclaredLengthAndNoOtherColumnHasOne) {
    const ColumnLimits limits(connection_, "CORVANE_T");
    const struct {
        const char* column;
        int limit;
    } cases[] = {{"CODE", 8}, {"name", 20}, {"NOTE", 0}, {"N", 0}, {"DOC", 0}, {"MISSING", 0}};
    for (const auto& c : cases) EXPECT_EQ(limits.Of(c.column), c.limit) << c.column;
    EXPECT_EQ(ColumnLimits(connection_, "NO_SUCH_TABLE").Of("CODE"), 0);
}

// The database counts characters: eight Chinese characters fit TEXT(8),
// nine do not, whatever their bytes; the check agrees with the database.
TEST_F(ColumnLimitsTest, ValuesAreMeasuredInCharactersAsTheDatabaseMeasuresThem) {
    const ColumnLimits limits(connection_, "CORVANE_T");
    const std::string eight = "一二三四五六七八", nine = eight + "九";
    EXPECT_EQ(limits.FirstTooLong({{"CODE", eight}, {"NAME", "x"}}), "");
    EXPECT_EQ(limits.FirstTooLong({{"NOTE", std::string(5000, 'x')}, {"CODE", nine}}), "CODE");
    for (const std::string& code : {eight, nine}) {
        CAdoRecordSet rs;
        OpenQuery(rs, "select * from CORVANE_T where 1 = 0");
        const bool stored = rs.AddNew() && rs.SetString("CODE", code) && rs.Update();
        EXPECT_EQ(stored, limits.FirstTooLong({{"CODE", code}}).empty()) << code;
        if (!stored) rs.CancelUpdate();
    }
    EXPECT_EQ(CharacterCount("a研\xF0\x9F\x98\x80"), 3u);  // a four-byte character counts once
}

TEST_F(ColumnLimitsTest, AFileHasTheTablesLayoutOnlyWithItsLeadingColumnsInOrder) {
    CAdoRecordSet same, other;
    OpenQuery(same, "select * from CORVANE_T");
    OpenQuery(other, "select NAME, CODE from CORVANE_T");
    EXPECT_TRUE(HasLayoutOf(same, connection_, "corvane_t", 12));
    EXPECT_FALSE(HasLayoutOf(same, connection_, "CORVANE_T", 13)) << "more columns than there are";
    EXPECT_FALSE(HasLayoutOf(other, connection_, "CORVANE_T", 2)) << "columns in another order";
    EXPECT_FALSE(HasLayoutOf(same, connection_, "CORVANE_T", 0));
    EXPECT_FALSE(HasLayoutOf(same, connection_, "NO_SUCH_TABLE", 1));
}

}  // namespace
