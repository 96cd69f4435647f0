// The numbering library on a fresh project.mdb: codes, serial order, the next
// free number, and renumberings that keep every project's rows together.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ProjectDatabase.h"
#include "numbering/LoadedProject.h"
#include "numbering/ProjectNumbering.h"
#include "numbering/ProjectRows.h"
#include "foundation/Sql.h"
#include "platform/text/Text.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

const std::string kPrefix = "9140A01010108U001";  // guide code 11, year 2, unit 4

class Numbering : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ASSERT_TRUE(ConnectProjectDatabase(connection));
    }
    void Exec(const std::string& sql) { testdb::Exec(connection, sql); }
    Rows Query(const std::string& sql) { return testdb::Query(connection, sql); }
    std::vector<std::string> Column(const std::string& sql) {
        std::vector<std::string> values;
        for (const auto& row : Query(sql)) values.push_back(row.at(0));
        return values;
    }
    // Many applications at once, each with a member row named after its number.
    void StoreMany(const std::vector<std::string>& numbers) {
        ASSERT_GE(connection.BeginTrans(), 1);
        for (const std::string& number : numbers) {
            testdb::Seed(connection, {"CORVANE_ITEMAPPINFO", {"XMBH", "DWDM", "XMLB"}, {{number, "U001", "一般"}}});
            testdb::Seed(connection, {"CORVANE_PROJECT_SQCY", {"ITE_XMBH", "XM"}, {{number, number}}});
        }
        ASSERT_TRUE(connection.CommitTrans());
    }
    // Every table of the database with a column that holds a project number,
    // read from the schema itself: (table, column).
    Rows KeyedColumnsOfTheSchema() {
        Rows keyed;
        for (const std::string& table :
             Column("select name from sqlite_master where type = 'table' and name like 'CORVANE%'"))
            for (const std::string& column :
                 Column("select name from pragma_table_info(" + db::QuoteLiteral(table) + ")"))
                if (column == "XMBH" || column == "ITE_XMBH" || column == "ITEM_XMBH") keyed.push_back({table, column});
        return keyed;
    }

    CAdoConnection connection;
};

TEST(ProjectCodes, TheNumberNeedsAGuideCodeOf11AYearOf4DigitsAndAUnitCodeOf4) {
    const struct {
        const char *guide, *year, *unit, *problem;
    } cases[] = {
        {"9140A010101", "2008", "U001", ""},
        {"9140A010101", "2008", "u001", ""},
        // codes are ASCII letters and digits: others are refused naming the field
        {"9140A010101", "2008", "单位编码", "单位代码只能由英文字母和数字组成！"},
        {"9140A010101", "2008", "０００２", "单位代码只能由英文字母和数字组成！"},
        {"9140A01010１", "2008", "U001", "指南代码只能由英文字母和数字组成！"},
        {"9140A-10101", "2008", "U001", "指南代码只能由英文字母和数字组成！"},
        {"", "2008", "U001", "指南代码、年份及单位代码是必填项！"},
        {"9140A010101", "2008", "", "指南代码、年份及单位代码是必填项！"},
        {"9140A01010", "2008", "U001", "指南代码应为11位！"},
        {"9140A010101 ", "2008", "U001", "指南代码只能由英文字母和数字组成！"},
        {"9140A010101", "08", "U001", "年份应为4位数字！"},
        {"9140A010101", "2008年", "U001", "年份应为4位数字！"},
        {"9140A010101", "2008", "12", "单位代码应为4位！"},
        {"9140A010101", "2008", "U0001", "单位代码应为4位！"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(projectnumber::CodeProblem(c.guide, c.year, c.unit), c.problem)
            << c.guide << "|" << c.year << "|" << c.unit;
}

// The parts are cut by characters: a number with a character of more than one
// byte ahead of a part still gives the part whole, and a short number gives
// what it has.
TEST(ProjectCodes, ThePartsOfANumberAreCutByCharacters) {
    const struct {
        const char *number, *guide, *year, *unit, *fund;
    } cases[] = {
        {"9140A01010108U001012", "9140A010101", "08", "U001", "9140A01"},
        {"9140甲01010108U001012", "9140甲010101", "08", "U001", "9140甲01"},
        {"9140A010101年8单位甲乙003", "9140A010101", "年8", "单位甲乙", "9140A01"},
        {"9140A0101010", "9140A010101", "0", "", "9140A01"},
        {"9140", "9140", "", "", "9140"},
        {"", "", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(projectnumber::GuideCodeOf(c.number), c.guide);
        EXPECT_EQ(projectnumber::YearOf(c.number), c.year);
        EXPECT_EQ(projectnumber::UnitCodeOf(c.number), c.unit);
        EXPECT_EQ(projectnumber::FundNumberOf(c.number), c.fund);
    }
}

TEST(ProjectCodes, SerialsOrderByValueWithinAPrefix) {
    const std::vector<std::string> sorted = {kPrefix + "001", kPrefix + "099", kPrefix + "100", kPrefix + "101",
                                             kPrefix + "999", kPrefix + "1000", kPrefix + "1001", kPrefix + "9999",
                                             kPrefix + "10000", "9140A01010108U002001"};
    for (std::size_t i = 0; i < sorted.size(); ++i)
        for (std::size_t j = 0; j < sorted.size(); ++j)
            EXPECT_EQ(projectnumber::SerialOrder(sorted[i], sorted[j]), i < j) << sorted[i] << " " << sorted[j];
}

// Sorting needs a strict weak order: with serials of digits and serials of
// other characters compared by different rules, "010" < "5a" < "9" < "010"
// was a cycle and a sort could leave the numbers in any order.
TEST(ProjectCodes, SerialOrderIsAStrictWeakOrder) {
    const std::string lower = "9140a01010108u001";
    const std::vector<std::string> numbers = {kPrefix + "010", kPrefix + "5a", kPrefix + "9", kPrefix + "0010",
                                              kPrefix + "5A", lower + "009", kPrefix + "009", kPrefix + "",
                                              kPrefix + "x", "9140A01010108U002001", "short"};
    const auto less = projectnumber::SerialOrder;
    for (const std::string& a : numbers) {
        EXPECT_FALSE(less(a, a)) << a;
        for (const std::string& b : numbers) {
            EXPECT_FALSE(less(a, b) && less(b, a)) << a << " " << b;
            for (const std::string& c : numbers) {
                if (less(a, b) && less(b, c)) EXPECT_TRUE(less(a, c)) << a << " < " << b << " < " << c;
                const auto same = [&](const std::string& x, const std::string& y) { return !less(x, y) && !less(y, x); };
                if (same(a, b) && same(b, c)) EXPECT_TRUE(same(a, c)) << a << " ~ " << b << " ~ " << c;
            }
        }
    }
    // Serials of digits by value, before any other; prefixes without case.
    EXPECT_TRUE(less(kPrefix + "9", kPrefix + "010"));
    EXPECT_TRUE(less(kPrefix + "010", kPrefix + "5a"));
    EXPECT_TRUE(less(lower + "001", kPrefix + "002"));
}

TEST(ProjectCodes, ASerialIsDigitsOnlyAtLeastThree) {
    for (const char* serial : {"001", "010", "999", "1000", "0001"}) EXPECT_EQ(projectnumber::SerialProblem(serial), "") << serial;
    for (const char* serial : {"", "5", "10", " 10", "1O", "01 ", "００１", "-01", "1.0"})
        EXPECT_EQ(projectnumber::SerialProblem(serial), "流水号应为至少3位数字！") << serial;
}

// Numbers and codes are the same exactly when the database says so: its
// number columns compare ASCII letters without case.
TEST_F(Numbering, NumbersThatDifferOnlyInCaseAreOneNumber) {
    // A re-sort counts the units "U001" and "u001" as one: two projects never
    // end with numbers the database holds equal.
    testdb::Seed(connection, {"CORVANE_ITEMAPPINFO",
                              {"XMBH", "DWDM", "XMLB"},
                              {{"9140A01010108U001005", "U001", "一般"}, {"9140A01010108u001007", "u001", "一般"}}});
    testdb::Seed(connection, {"CORVANE_PROJECT_SQCY", {"ITE_XMBH", "XM"}, {{"9140A01010108u001007", "member of 7"}}});
    projectnumber::Renames renames;
    ASSERT_TRUE(projectnumber::RenumberAll(connection, &renames));
    EXPECT_EQ(Column("select count(distinct XMBH) from CORVANE_ITEMAPPINFO"), std::vector<std::string>{"2"});
    std::string seven = "9140A01010108U001007";  // a view holding it, typed in the other case
    ASSERT_TRUE(projectnumber::FollowRename(renames, seven));
    EXPECT_EQ(Column("select XM from CORVANE_PROJECT_SQCY where ITE_XMBH = " + db::QuoteLiteral(seven)),
              std::vector<std::string>{"member of 7"});

    // Two moves onto one number as the database compares it clash.
    Exec("delete from CORVANE_ITEMAPPINFO");
    StoreMany({kPrefix + "002", kPrefix + "003"});
    EXPECT_EQ(projectnumber::MoveProjects(connection, {{kPrefix + "002", kPrefix + "x05"},
                                                       {kPrefix + "003", kPrefix + "X05"}}),
              projectnumber::RenumberResult::Collision);
    EXPECT_EQ(Column("select XMBH from CORVANE_ITEMAPPINFO order by XMBH"),
              (std::vector<std::string>{kPrefix + "002", kPrefix + "003"}));
    EXPECT_TRUE(projectnumber::SameNumber(kPrefix + "x05", kPrefix + "X05"));
    EXPECT_FALSE(projectnumber::SameNumber("０", "0"));
}

// A row holding a number in another letter case than its application is
// that project's (the database takes the two for one number): loaded, moved
// and deleted with it. Only where a legacy pair of applications holds the
// number in both spellings does each take the rows of its own spelling.
TEST_F(Numbering, ARowInAnotherCaseIsItsProjectsUnlessALegacyPairHoldsTheNumber) {
    const std::string single = kPrefix + "001", singleLower = "9140a01010108u001001";
    const std::string upper = kPrefix + "101", lower = "9140a01010108u001101", neither = "9140A01010108u001101";
    StoreMany({single, upper, lower});
    for (const std::string& number : {singleLower, upper, lower})
        testdb::Seed(connection, {"CORVANE_ITEMPF", {"XMBH", "PSJG"}, {{number, number}}});
    testdb::Seed(connection, {"CORVANE_PROJECT_SQCY", {"ITE_XMBH", "XM"}, {{singleLower, "typed lower"}}});
    const auto reviewOf = [&](const std::string& number) {
        return Column("select PSJG from CORVANE_ITEMPF where " +
                      projectnumber::KeyedRowsCondition("XMBH", db::QuoteLiteral(number)));
    };
    const auto rowOf = [&](const std::string& number) {
        return Column("select rowid from CORVANE_ITEMAPPINFO where XMBH = " + db::QuoteLiteral(number) +
                      " collate binary");
    };
    EXPECT_EQ(reviewOf(single), std::vector<std::string>{singleLower});
    EXPECT_EQ(reviewOf(upper), std::vector<std::string>{upper});
    EXPECT_EQ(reviewOf(lower), std::vector<std::string>{lower});
    EXPECT_TRUE(reviewOf(neither).empty()) << "a spelling of neither of the pair is neither's number";
    EXPECT_EQ(projectnumber::LoadProject(connection, singleLower).row, rowOf(single).at(0));
    EXPECT_EQ(projectnumber::LoadProject(connection, upper).row, rowOf(upper).at(0));
    EXPECT_EQ(projectnumber::LoadProject(connection, lower).row, rowOf(lower).at(0));
    EXPECT_FALSE(projectnumber::LoadProject(connection, neither).IsLoaded());

    // The single project's rows move with it; one of the pair goes alone.
    ASSERT_TRUE(projectnumber::MoveProjectRows(connection, single, kPrefix + "002"));
    Exec("update CORVANE_ITEMAPPINFO set XMBH = " + db::QuoteLiteral(kPrefix + "002") + " where XMBH = " +
         db::QuoteLiteral(single));
    EXPECT_EQ(Query("select ITE_XMBH, XM from CORVANE_PROJECT_SQCY where XM = 'typed lower'"),
              (Rows{{kPrefix + "002", "typed lower"}}));
    ASSERT_TRUE(projectnumber::DeleteRowsOfProjects(connection, {upper}));
    const std::string binary = " order by XMBH collate binary";
    EXPECT_EQ(Column("select XMBH from CORVANE_ITEMPF" + binary), (std::vector<std::string>{kPrefix + "002", lower}));
    EXPECT_EQ(Column("select XMBH from CORVANE_ITEMAPPINFO" + binary),
              (std::vector<std::string>{kPrefix + "002", lower}));
    ASSERT_TRUE(projectnumber::DeleteProjectRows(connection, kPrefix + "002"));
    EXPECT_EQ(Column("select XMBH from CORVANE_ITEMPF"), std::vector<std::string>{lower});
    EXPECT_EQ(Column("select ITE_XMBH from CORVANE_PROJECT_SQCY"), std::vector<std::string>{lower});
    EXPECT_EQ(Column("select XMBH from CORVANE_ITEMAPPINFO"), std::vector<std::string>{lower});

    // One by one, as a deletion that cannot go at once does: the same.
    StoreMany({upper});
    ASSERT_TRUE(projectnumber::DeleteProjectRows(connection, upper));
    EXPECT_EQ(Column("select XMBH from CORVANE_ITEMAPPINFO"), std::vector<std::string>{lower});
    EXPECT_EQ(Column("select ITE_XMBH from CORVANE_PROJECT_SQCY"), std::vector<std::string>{lower});
}

// Rows whose project is not stored (a deleted project's, an import's) are
// never given to another project: no new number and no renumbering lands on
// their number.
TEST_F(Numbering, RowsWithoutAnApplicationAreNeverAdopted) {
    StoreMany({kPrefix + "001", kPrefix + "003"});
    testdb::Seed(connection, {"CORVANE_ITEMCHECKACCEPT", {"XMBH"}, {{kPrefix + "002"}}});
    testdb::Seed(connection, {"CORVANE_CGHZ", {"XMBH"}, {{kPrefix + "004"}}});
    EXPECT_TRUE(projectnumber::IsNumberInUse(connection, kPrefix + "002"));
    EXPECT_FALSE(projectnumber::IsNumberInUse(connection, kPrefix + "005"));
    EXPECT_EQ(projectnumber::NextNumber(connection, kPrefix), kPrefix + "005");

    EXPECT_FALSE(projectnumber::RenumberPrefix(connection, kPrefix));  // 003 -> 002 would take the rows
    EXPECT_EQ(Column("select XMBH from CORVANE_ITEMAPPINFO order by XMBH"),
              (std::vector<std::string>{kPrefix + "001", kPrefix + "003"}));
    EXPECT_EQ(Column("select XMBH from CORVANE_ITEMCHECKACCEPT"), std::vector<std::string>{kPrefix + "002"});
}

// A project that changes prefix takes the next free number under the new one
// and the projects it left close their gap, in one transaction, and every
// move is handed back.
TEST_F(Numbering, AProjectChangesPrefixInOneOperationThatHandsBackEveryMove) {
    const std::string other = "9140A01010108U002";
    StoreMany({kPrefix + "001", kPrefix + "002", kPrefix + "003", other + "001"});
    projectnumber::Renames renames{{"stale", "entry"}};
    ASSERT_EQ(projectnumber::MoveToPrefix(connection, kPrefix + "001", other, renames),
              projectnumber::RenumberResult::Done);
    EXPECT_EQ(renames, (projectnumber::Renames{{kPrefix + "001", other + "002"},
                                               {kPrefix + "002", kPrefix + "001"},
                                               {kPrefix + "003", kPrefix + "002"}}));
    EXPECT_EQ(Query("select XMBH, (select XM from CORVANE_PROJECT_SQCY where ITE_XMBH = XMBH) "
                    "from CORVANE_ITEMAPPINFO order by XMBH"),
              (Rows{{kPrefix + "001", kPrefix + "002"},
                    {kPrefix + "002", kPrefix + "003"},
                    {other + "001", other + "001"},
                    {other + "002", kPrefix + "001"}}));

    // A prefix that differs only in case is the same prefix: nothing moves.
    std::string lowered = kPrefix;
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](unsigned char c) { return std::tolower(c); });
    ASSERT_EQ(projectnumber::MoveToPrefix(connection, kPrefix + "001", lowered, renames),
              projectnumber::RenumberResult::Done);
    EXPECT_TRUE(renames.empty());
    EXPECT_EQ(Column("select count(*) from CORVANE_ITEMAPPINFO where XMBH = " + db::QuoteLiteral(kPrefix + "001") +
                     " collate binary"),
              std::vector<std::string>{"1"});
}

TEST_F(Numbering, NextNumberIsOneMoreThanTheCountOrTheNextFreeSerialAfterIt) {
    const struct {
        const char* what;
        std::vector<std::string> serials;
        const char* next;
    } cases[] = {
        {"empty prefix", {}, "001"},
        {"no gaps", {"001", "002", "003"}, "004"},
        {"count + 1 taken", {"001", "003"}, "004"},
        {"a run after count + 1", {"003", "004", "005"}, "006"},
        {"gap below count + 1 is not reused", {"002", "003", "009"}, "004"},
        {"odd serials do not count as taken", {"0004", "4", "00x"}, "004"},
    };
    for (const auto& c : cases) {
        Exec("delete from CORVANE_ITEMAPPINFO");
        Exec("delete from CORVANE_PROJECT_SQCY");
        std::vector<std::string> numbers;
        for (const std::string& serial : c.serials) numbers.push_back(kPrefix + serial);
        numbers.push_back("9140A01010108U002004");  // another unit's numbers never count
        StoreMany(numbers);
        EXPECT_EQ(projectnumber::NextNumber(connection, kPrefix), kPrefix + c.next) << c.what;
    }
}

TEST_F(Numbering, NextNumberPastTheThousandthSerial) {
    std::vector<std::string> numbers;
    for (long serial = 1; serial <= 1000; ++serial) numbers.push_back(kPrefix + projectnumber::SerialText(serial));
    StoreMany(numbers);
    EXPECT_EQ(projectnumber::NextNumber(connection, kPrefix), kPrefix + "1001");
    Exec("delete from CORVANE_ITEMAPPINFO where XMBH = " + db::QuoteLiteral(kPrefix + "500"));
    StoreMany({kPrefix + "1001"});  // 1,000 under the prefix again; 1001 is taken
    EXPECT_EQ(projectnumber::NextNumber(connection, kPrefix), kPrefix + "1002");
}

// Each import asks for a number: one statement that finds the prefix's
// numbers through the index of the numbers, never a scan of every application.
TEST_F(Numbering, NextNumberIsOneStatementOverTheIndexOfTheNumbers) {
    Exec("create index if not exists CORVANE_ITEMAPPINFO_XMBH on CORVANE_ITEMAPPINFO (XMBH)");  // as the schema has it
    StoreMany({kPrefix + "001", "9140A01010108U002001"});
    sqlite3* db = connection.GetConnection()->Handle();
    std::vector<std::string> statements;
    sqlite3_trace_v2(
        db, SQLITE_TRACE_STMT,
        [](unsigned, void* context, void* statement, void*) {
            char* sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
            static_cast<std::vector<std::string>*>(context)->push_back(sql ? sql : "");
            sqlite3_free(sql);
            return 0;
        },
        &statements);
    EXPECT_EQ(projectnumber::NextNumber(connection, kPrefix), kPrefix + "002");
    sqlite3_trace_v2(db, 0, nullptr, nullptr);
    ASSERT_EQ(statements.size(), 1u);

    std::string plan;
    sqlite3_stmt* explain = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, ("explain query plan " + statements[0]).c_str(), -1, &explain, nullptr), SQLITE_OK);
    while (sqlite3_step(explain) == SQLITE_ROW)
        plan += reinterpret_cast<const char*>(sqlite3_column_text(explain, 3)) + std::string("\n");
    sqlite3_finalize(explain);
    std::transform(plan.begin(), plan.end(), plan.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_NE(plan.find("search corvane_itemappinfo using covering index"), std::string::npos)
        << plan;
    EXPECT_EQ(plan.find("scan corvane_itemappinfo"), std::string::npos) << plan;
}

// With a thousand and more projects under one prefix, serials sorted as text
// put "1000" between "100" and "101", and a number given while a later
// project still held it carried that project's rows onto another.
TEST_F(Numbering, RenumberingPastSerial999KeepsEachProjectsRowsApart) {
    std::vector<std::string> numbers;
    for (long serial = 1; serial <= 1100; ++serial)
        if (serial % 10 != 3) numbers.push_back(kPrefix + projectnumber::SerialText(serial));  // 990 with gaps
    for (long serial = 1101; serial <= 1160; ++serial) numbers.push_back(kPrefix + projectnumber::SerialText(serial));
    StoreMany(numbers);

    projectnumber::Renames renames;
    ASSERT_TRUE(projectnumber::RenumberPrefix(connection, kPrefix, &renames));

    // The i-th former number in order of value gets serial i, and its member
    // row (named after the former number) follows it.
    Rows expected;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        expected.push_back({kPrefix + projectnumber::SerialText(long(i) + 1), numbers[i]});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Query("select a.XMBH, m.XM from CORVANE_ITEMAPPINFO a left join CORVANE_PROJECT_SQCY m "
                    "on m.ITE_XMBH = a.XMBH order by a.XMBH"),
              expected);
    EXPECT_EQ(renames.at(kPrefix + "004"), kPrefix + "003");
    EXPECT_EQ(renames.at(kPrefix + "1160"), kPrefix + projectnumber::SerialText(long(numbers.size())));
    EXPECT_EQ(renames.count(kPrefix + "001"), 0u);
}

TEST_F(Numbering, ResortPastSerial999OrdersByValue) {
    StoreMany({kPrefix + "1000", kPrefix + "101", kPrefix + "100"});
    ASSERT_TRUE(projectnumber::RenumberAll(connection));
    EXPECT_EQ(Query("select m.XM, a.XMBH from CORVANE_ITEMAPPINFO a join CORVANE_PROJECT_SQCY m "
                    "on m.ITE_XMBH = a.XMBH order by a.XMBH"),
              (Rows{{kPrefix + "100", kPrefix + "001"},
                    {kPrefix + "101", kPrefix + "002"},
                    {kPrefix + "1000", kPrefix + "003"}}));
}

// Progress, acceptance, year-plan, achievement and every other row keyed by
// the number move with the project; left behind they would belong to the
// project that next receives the number.
TEST_F(Numbering, EveryTableKeyedByTheNumberMovesWithTheProject) {
    const Rows keyed = KeyedColumnsOfTheSchema();
    ASSERT_GE(keyed.size(), 20u);
    std::set<std::pair<std::string, std::string>> listed;
    for (const projectnumber::KeyedTable& t : projectnumber::ProjectKeyedTables()) listed.insert({t.table, t.column});
    for (const auto& row : keyed) EXPECT_TRUE(listed.count({row[0], row[1]})) << row[0] << "." << row[1];

    const std::string moving = kPrefix + "003", staying = kPrefix + "001";
    for (const auto& row : keyed)
        if (row[0] != "CORVANE_ITEMAPPINFO" && row[0] != "CORVANE_PROJECT_SQCY")  // both written below
            for (const std::string& number : {moving, staying})
                testdb::Seed(connection, {row[0], {row[1]}, {{number}}});
    StoreMany({staying, moving});

    ASSERT_TRUE(projectnumber::RenumberPrefix(connection, kPrefix));
    for (const auto& row : keyed)
        EXPECT_EQ(Column("select " + row[1] + " from " + row[0] + " order by " + row[1]),
                  (std::vector<std::string>{staying, kPrefix + "002"}))
            << row[0];
}

// A deleted project's files, progress or acceptance rows left behind would
// be shown as its own by the project that is renumbered onto its number.
TEST_F(Numbering, DeletingAProjectRemovesTheRowsOfEveryKeyedTable) {
    const Rows keyed = KeyedColumnsOfTheSchema();
    const std::string deleted = kPrefix + "001", kept = kPrefix + "002";
    for (const auto& row : keyed)
        if (row[0] != "CORVANE_ITEMAPPINFO" && row[0] != "CORVANE_PROJECT_SQCY")
            for (const std::string& number : {deleted, kept}) testdb::Seed(connection, {row[0], {row[1]}, {{number}}});
    StoreMany({deleted, kept});

    ASSERT_TRUE(projectnumber::DeleteProjectRows(connection, deleted));
    ASSERT_TRUE(projectnumber::RenumberPrefix(connection, kPrefix));
    for (const auto& row : keyed)
        EXPECT_EQ(Column("select " + row[1] + " from " + row[0]), std::vector<std::string>{deleted}) << row[0];
}

// Numbers that trade places: each project keeps its own rows, however the
// moves run through the numbers (rows moved ahead of the scan of the index
// of the numbers must not be moved again).
TEST_F(Numbering, ProjectsThatSwapNumbersKeepTheirOwnRows) {
    const auto number = [](long serial) { return kPrefix + projectnumber::SerialText(serial); };
    const struct {
        const char* what;
        long count;
        long (*to)(long serial, long count);  // the new serial of each of 1..count
    } cases[] = {
        {"a cycle of three", 3, [](long s, long n) { return s % n + 1; }},
        {"each onto the next, the last onto a free number", 300, [](long s, long) { return s + 1; }},
        {"the order reversed", 300, [](long s, long n) { return n + 1 - s; }},
        {"pairs trading places", 300, [](long s, long) { return s % 2 ? s + 1 : s - 1; }},
    };
    for (const auto& c : cases) {
        Exec("delete from CORVANE_ITEMAPPINFO");
        Exec("delete from CORVANE_PROJECT_SQCY");
        std::vector<std::string> numbers;
        projectnumber::Renames moves;
        Rows expected;
        for (long serial = 1; serial <= c.count; ++serial) {
            numbers.push_back(number(serial));
            moves[number(serial)] = number(c.to(serial, c.count));
            expected.push_back({number(c.to(serial, c.count)), number(serial)});
        }
        std::sort(expected.begin(), expected.end());
        StoreMany(numbers);
        ASSERT_EQ(projectnumber::MoveProjects(connection, moves), projectnumber::RenumberResult::Done) << c.what;
        EXPECT_EQ(Query("select a.XMBH, m.XM from CORVANE_ITEMAPPINFO a join CORVANE_PROJECT_SQCY m "
                        "on m.ITE_XMBH = a.XMBH order by a.XMBH"),
                  expected)
            << c.what;
    }
}

TEST_F(Numbering, MovesOntoANumberHeldByAProjectThatStaysChangeNothing) {
    StoreMany({kPrefix + "001", kPrefix + "002", kPrefix + "003"});
    const Rows before = Query("select ITE_XMBH, XM from CORVANE_PROJECT_SQCY order by XM");
    const struct {
        const char* what;
        projectnumber::Renames moves;
    } cases[] = {
        {"onto a staying project", {{kPrefix + "001", kPrefix + "003"}}},
        {"two onto one number", {{kPrefix + "001", kPrefix + "004"}, {kPrefix + "002", kPrefix + "004"}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(projectnumber::MoveProjects(connection, c.moves), projectnumber::RenumberResult::Collision) << c.what;
        EXPECT_EQ(Query("select ITE_XMBH, XM from CORVANE_PROJECT_SQCY order by XM"), before) << c.what;
    }
}

}  // namespace

// The installed database indexes the number of every keyed table, so that a
// move or deletion finds a project's rows without reading the table.
TEST_F(Numbering, EveryKeyedTableHasAnIndexOnItsNumber) {
    for (const projectnumber::KeyedTable& keyed : projectnumber::ProjectKeyedTables()) {
        CAdoRecordSet rs;
        rs.SetConnection(&connection);
        rs.SetCursorLocation(adUseClient);
        ASSERT_TRUE(rs.Open(std::string("explain query plan select * from ") + keyed.table + " where " + keyed.column +
                            " = 'x'"));
        std::string plan;
        rs.GetFieldText(3, plan);
        EXPECT_NE(plan.find("USING INDEX"), std::string::npos) << keyed.table << ": " << plan;
    }
}
