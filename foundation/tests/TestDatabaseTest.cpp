// The tests' shared database helpers: a seeded table reads back as seeded,
// counts see tables and queries, and a failing statement fails the test; on
// the program folder's databases the helpers reach the file named, and one
// that does not open fails the test.
#include "testsupport/Database.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "foundation/tests/AdoTestDatabase.h"
#include "platform/sys/Sys.h"
#include "testsupport/InstalledFolder.h"

namespace {

class TestDatabase : public AdoTestDatabase {};

TEST_F(TestDatabase, SeededRowsReadBackAndCount) {
    testdb::Seed(connection_, {"CORVANE_T", {"CODE", "NAME", "N"}, {{"c3", "O'Brien", "9"}, {"c4", "甲'乙", "10"}}});
    EXPECT_EQ(testdb::Count(connection_, "CORVANE_T"), 4);
    EXPECT_EQ(testdb::Count(connection_, "select * from CORVANE_T where N > 8"), 2);
    EXPECT_EQ(testdb::Query(connection_, "select CODE, NAME, N from CORVANE_T where N > 8 order by N"),
              (testdb::Rows{{"c3", "O'Brien", "9"}, {"c4", "甲'乙", "10"}}));
    EXPECT_EQ(testdb::Query(connection_, "select CODE, NAME from CORVANE_T order by CODE", 1),
              (testdb::Rows{{"a1"}, {"b2"}, {"c3"}, {"c4"}}));
}

// The failure checks run their statement without the fixture at hand.
CAdoConnection* g_connection = nullptr;

TEST_F(TestDatabase, FailuresFailTheTest) {
    g_connection = &connection_;
    EXPECT_FATAL_FAILURE(testdb::Exec(*g_connection, "delete from NO_SUCH_TABLE"), "NO_SUCH_TABLE");
    EXPECT_NONFATAL_FAILURE(testdb::Query(connection_, "select * from NO_SUCH_TABLE"), "NO_SUCH_TABLE");
    EXPECT_FATAL_FAILURE(testdb::Seed(*g_connection, {"CORVANE_T", {"CODE", "NAME"}, {{"only one"}}}), "CORVANE_T");
    EXPECT_EQ(testdb::Count(connection_, "CORVANE_T"), 2);
}

class ProgramDatabase : public InstalledFolder {};

TEST_F(ProgramDatabase, HelpersReachTheNamedFileAndFailWhereItDoesNotOpen) {
    testdb::Seed({"CORVANE_UNIT", {"DWDM", "DWMC"}, {{"9001", "O'Brien"}}});
    EXPECT_EQ(testdb::Query("select DWMC from CORVANE_UNIT where DWDM = '9001'"), (testdb::Rows{{"O'Brien"}}));
    testdb::Exec("delete from CORVANE_UNIT where DWDM = '9001'");
    EXPECT_EQ(testdb::Query("select count(*) from CORVANE_UNIT where DWDM = '9001'"), (testdb::Rows{{"0"}}));

    // temp.mdb is another file: it has the exchange tables, no unit table.
    EXPECT_EQ(testdb::Query("select count(*) from CORVANE_LAB", 0, "temp.mdb").size(), 1u);
    EXPECT_NONFATAL_FAILURE(testdb::Query("select * from CORVANE_UNIT", 0, "temp.mdb"), "CORVANE_UNIT");
    // A file that is not there fails the test, naming it, and is not made.
    EXPECT_NONFATAL_FAILURE(testdb::Exec("delete from CORVANE_UNIT", "missing.mdb"), "missing.mdb");
    EXPECT_FALSE(sys::FileExists(PathOf("missing.mdb")));
}

}  // namespace
