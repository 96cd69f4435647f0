// Values bound to statements and the two quoting helpers for statement texts
// that must be built.
#include "foundation/Sql.h"

#include <gtest/gtest.h>

#include "foundation/tests/AdoTestDatabase.h"

namespace {

class Sql : public AdoTestDatabase {};

// A value with quotes or SQL in it is stored and found as it stands, both
// bound and as a quoted literal in a built text.
TEST_F(Sql, ValuesReachTheDatabaseAsTheyStand) {
    const char* values[] = {"plain", "O'Brien", "''", "' or '1'='1", "a\"b", "');delete from T;--", "单位'甲", ""};
    int code = 0;
    for (const std::string value : values) {
        SCOPED_TRACE(value);
        const std::string key = "k" + std::to_string(++code);
        ASSERT_TRUE(
            db::Statement(connection_, "insert into CORVANE_T (CODE, NAME) values (?1, ?2)", {key, value}).Run())
            << connection_.FormatErrors();
        EXPECT_EQ(db::Scalar(connection_, "select NAME from CORVANE_T where CODE = ?1", {key}), value);
        EXPECT_EQ(Scalar("select CODE from CORVANE_T where NAME = " + db::QuoteLiteral(value)), key);
        EXPECT_EQ(Scalar("select count(*) from CORVANE_T where NAME = " + db::QuoteLiteral(value)), "1");
    }
    EXPECT_EQ(Scalar("select count(*) from CORVANE_T"), std::to_string(2 + code));
}

TEST(SqlQuoting, IdentifiersAndLiterals) {
    struct Case {
        const char* in;
        const char* identifier;
        const char* literal;
    } cases[] = {
        {"CORVANE_UNIT", "\"CORVANE_UNIT\"", "'CORVANE_UNIT'"},
        {"", "\"\"", "''"},
        {"O'Brien", "\"O'Brien\"", "'O''Brien'"},
        {"a\"b", "\"a\"\"b\"", "'a\"b'"},
        {"''", "\"''\"", "''''''"},
        {"名 称", "\"名 称\"", "'名 称'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(db::QuoteIdentifier(c.in), c.identifier);
        EXPECT_EQ(db::QuoteLiteral(c.in), c.literal);
    }
}

// A quoted name reaches the table it names, even one that needs quoting.
TEST_F(Sql, QuotedNamesReachTheirTable) {
    ASSERT_TRUE(db::Execute(connection_, "create table " + db::QuoteIdentifier("odd \"name\" 'x'") + " (A TEXT)"));
    ASSERT_TRUE(
        db::Statement(connection_, "insert into " + db::QuoteIdentifier("odd \"name\" 'x'") + " values (?1)", {"v"})
            .Run());
    EXPECT_EQ(db::Scalar(connection_, "select A from " + db::QuoteIdentifier("odd \"name\" 'x'")), "v");
}

// A failing statement says so and leaves its reason in the connection's
// error list; rebinding runs the same statement with new values.
TEST_F(Sql, FailuresAreReportedAndStatementsRebind) {
    db::Statement wrong(connection_, "select * from NO_SUCH_TABLE where A = ?1", {"x"});
    EXPECT_TRUE(wrong.Failed());
    EXPECT_FALSE(wrong.Next());
    EXPECT_FALSE(wrong.Run());
    EXPECT_NE(connection_.FormatErrors().find("NO_SUCH_TABLE"), std::string::npos) << connection_.FormatErrors();

    db::Statement byCode(connection_, "select NAME from CORVANE_T where CODE = ?1", {"a1"});
    ASSERT_TRUE(byCode.Next());
    EXPECT_EQ(byCode.Text(0), "alpha");
    ASSERT_TRUE(byCode.Rebind({"b2"}));
    ASSERT_TRUE(byCode.Next());
    EXPECT_EQ(byCode.Text(0), "");
    EXPECT_FALSE(byCode.Next());
    EXPECT_FALSE(byCode.Failed());

    const std::vector<std::string> values = {"a1", "b2"};
    db::Statement both(connection_, "select count(*) from CORVANE_T where CODE in (?1, ?2)", values);
    ASSERT_TRUE(both.Next());
    EXPECT_EQ(both.Long(0), 2);
}

// A look-up tells a row, no row and the engine's failure apart: a failure
// is never taken for "no row" or for an empty value.
TEST_F(Sql, LookUpsTellAFailureFromNoRow) {
    const struct {
        const char* what;
        const char* sql;
        db::Found found;
        std::optional<std::string> value;
    } cases[] = {
        {"a row", "select NAME from CORVANE_T where CODE = ?1", db::Found::Row, "alpha"},
        {"no row", "select NAME from CORVANE_T where CODE = ?1 and 0", db::Found::NoRow, ""},
        {"the engine fails", "select NAME from NO_SUCH_TABLE where CODE = ?1", db::Found::Failed, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(db::HasRow(connection_, c.sql, {"a1"}), c.found);
        EXPECT_EQ(db::Scalar(connection_, c.sql, {"a1"}), c.value);
    }
}

}  // namespace
