#include <gtest/gtest.h>

#include <vector>

#include "foundation/tests/AdoTestDatabase.h"

namespace {

using AdoRecordSetRead = AdoTestDatabase;

TEST_F(AdoRecordSetRead, WalksRowsAndReadsTextByTheValueRules) {
    CAdoRecordSet rs;
    OpenQuery(rs, "select * from corvane_t order by code");
    EXPECT_EQ(rs.GetRecordCount(), 2);
    EXPECT_EQ(rs.GetFieldCount(), 12);
    std::vector<std::string> seen;
    while (!rs.IsEOF()) {
        std::string code, name, n, f, d, m, when, flag, doc;
        ASSERT_TRUE(rs.GetString("CODE", code));
        ASSERT_TRUE(rs.GetString("name", name));  // names are found without regard to case
        ASSERT_TRUE(rs.GetString("N", n));
        ASSERT_TRUE(rs.GetString("F", f));
        ASSERT_TRUE(rs.GetString("D", d));
        ASSERT_TRUE(rs.GetString("M", m));
        ASSERT_TRUE(rs.GetString("WHEN_", when));
        ASSERT_TRUE(rs.GetString("FLAG", flag));
        seen.push_back(code + "|" + name + "|" + n + "|" + f + "|" + d + "|" + m + "|" + when + "|" + flag);
        rs.MoveNext();
    }
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "a1|alpha|7|1.5000|2.25000000|12.50|2008-03-04 05:06:07|TRUE",
                        "b2||8|2.5000|3.50000000|0.00||FALSE",
                    }));
    std::string out = "unchanged";
    EXPECT_FALSE(rs.GetString("CODE", out));  // past the last row
    EXPECT_EQ(out, "unchanged");
    EXPECT_FALSE(rs.MoveNext());
}

TEST_F(AdoRecordSetRead, TypedReadsFollowTheirTypeRules) {
    CAdoRecordSet rs;
    OpenQuery(rs, "select * from CORVANE_T where CODE = 'A1'");  // text compares without case
    ASSERT_EQ(rs.GetRecordCount(), 1);

    float f = -1;
    EXPECT_TRUE(rs.GetFloat("F", f));  // a single-precision column
    EXPECT_EQ(f, 1.5f);
    EXPECT_TRUE(rs.GetFloat("S", f));
    EXPECT_EQ(f, -2.0f);
    EXPECT_TRUE(rs.GetFloat("B", f));
    EXPECT_EQ(f, 200.0f);
    EXPECT_TRUE(rs.GetFloat("NOTE", f));  // NULL
    EXPECT_EQ(f, 0.0f);
    for (const char* refused : {"D", "N", "CODE"}) {
        f = 9;
        EXPECT_FALSE(rs.GetFloat(refused, f)) << refused;
        EXPECT_EQ(f, 9.0f) << refused;
    }
    f = 9;
    EXPECT_FALSE(rs.GetFloat("NOPE", f));
    EXPECT_EQ(f, 0.0f);

    long n = -1;
    EXPECT_TRUE(rs.GetInt("N", n));
    EXPECT_EQ(n, 7);
    EXPECT_TRUE(rs.GetInt("D", n));
    EXPECT_EQ(n, 2);
    EXPECT_TRUE(rs.GetInt("FLAG", n));
    EXPECT_EQ(n, -1);
    EXPECT_FALSE(rs.GetInt("NOPE", n));
    EXPECT_EQ(n, 0);

    std::string doc;
    EXPECT_TRUE(rs.GetString("DOC", doc));
    EXPECT_EQ(doc, "");  // NULL long binary
}

TEST_F(AdoRecordSetRead, SumOfASingleColumnIsADouble) {
    CAdoRecordSet rs;
    OpenQuery(rs, "select sum(F) as TOTAL, count(*) as N from CORVANE_T");
    float f = 5;
    EXPECT_FALSE(rs.GetFloat("TOTAL", f));
    std::string total, count;
    EXPECT_TRUE(rs.GetString("TOTAL", total));
    EXPECT_TRUE(rs.GetString("N", count));
    EXPECT_EQ(total, "4.00000000");
    EXPECT_EQ(count, "2");
}

TEST_F(AdoRecordSetRead, FieldTextChecksTheIndexFirst) {
    CAdoRecordSet rs;
    OpenQuery(rs, "select CODE, N from CORVANE_T order by CODE");
    std::string out = "x";
    EXPECT_FALSE(rs.GetFieldText(-1, out));
    EXPECT_FALSE(rs.GetFieldText(rs.GetFieldCount(), out));
    EXPECT_EQ(out, "x");
    EXPECT_TRUE(rs.GetFieldText(1, out));
    EXPECT_EQ(out, "7");
}

TEST_F(AdoRecordSetRead, ClosedRecordsetTellsTheUserAndEndsLoops) {
    std::vector<std::pair<std::string, std::string>> shown;
    SetDisconnectedMessageHook([&](const std::string& t, const std::string& c) { shown.emplace_back(t, c); });
    CAdoRecordSet rs;
    rs.SetConnection(&connection_);
    EXPECT_FALSE(rs.Open("select * from NO_SUCH_TABLE", 1, 3, 3));
    EXPECT_FALSE(rs.IsOpen());
    EXPECT_TRUE(rs.IsEOF());  // a while (!IsEOF()) loop ends at once
    EXPECT_EQ(rs.GetRecordCount(), -1);
    std::string out = "x";
    EXPECT_FALSE(rs.GetString("CODE", out));
    EXPECT_EQ(out, "x");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].first, "数据库可能已经断开,\r\n请重新连接、然后重试.");
    EXPECT_EQ(shown[0].second, "提示");
    SetDisconnectedMessageHook(nullptr);
}

TEST_F(AdoRecordSetRead, OpenWithAnEmptyTextRunsTheLastQueryAgain) {
    CAdoRecordSet rs;
    rs.SetConnection(&connection_);
    EXPECT_FALSE(rs.Open("", 1, 3, 3));
    ASSERT_TRUE(rs.Open("select * from CORVANE_T", 1, 3, 3));
    connection_.Execute("delete from CORVANE_T where CODE = 'a1'", 1);
    ASSERT_TRUE(rs.Open("", 1, 3, 3));
    EXPECT_EQ(rs.GetRecordCount(), 1);
}

TEST_F(AdoRecordSetRead, OpenWithoutConnectionFails) {
    CAdoRecordSet rs;
    EXPECT_FALSE(rs.Open("select * from CORVANE_T", 1, 3, 3));
}

TEST_F(AdoRecordSetRead, TableCommandReadsTheWholeTable) {
    CAdoRecordSet rs;
    rs.SetConnection(&connection_);
    ASSERT_TRUE(rs.Open("CORVANE_T", adCmdTable, 3, 3));
    EXPECT_EQ(rs.GetRecordCount(), 2);
}

TEST_F(AdoRecordSetRead, PositionAndAttributes) {
    CAdoRecordSet rs;
    OpenQuery(rs, "select * from CORVANE_T order by CODE");
    EXPECT_TRUE(rs.IsBOF() == FALSE);
    EXPECT_EQ(rs.GetAbsolutePosition(), 1);
    EXPECT_TRUE(rs.SetAbsolutePosition(2));
    std::string code;
    rs.GetString("CODE", code);
    EXPECT_EQ(code, "b2");
    EXPECT_FALSE(rs.SetAbsolutePosition(3));
    EXPECT_TRUE(rs.GetFieldAttributes("DOC") & ado::adFldLong);
    EXPECT_TRUE(rs.GetFieldAttributes("NOTE") & ado::adFldLong);
    EXPECT_FALSE(rs.GetFieldAttributes("CODE") & ado::adFldLong);
    EXPECT_EQ(rs.GetFieldAttributes("NOPE"), -1);
    EXPECT_EQ(rs.GetField("NOPE"), nullptr);
    EXPECT_NE(rs.GetField("code"), nullptr);

    CAdoRecordSet empty;
    OpenQuery(empty, "select * from CORVANE_T where CODE = 'zz'");
    EXPECT_TRUE(empty.IsEOF());
    EXPECT_TRUE(empty.IsBOF());
    EXPECT_EQ(empty.GetRecordCount(), 0);
}

}  // namespace
