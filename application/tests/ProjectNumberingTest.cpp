// Project numbers: serial texts, prefixes, the next free number, closing the
// gaps under one prefix and re-sorting every project, with the member,
// review and plan rows following their project.
#include "AppViewTestSupport.h"
#include "numbering/ProjectNumbering.h"

using appviewtest::Column;
using appviewtest::Exec;
using appviewtest::Numbers;
using appviewtest::Seed;
using appviewtest::StoreProject;

namespace {

const std::string kPrefix = "9140A0101010" "8U001";  // guide code 11, year 2, unit 4

// The number under which each child table keeps a row named by `marker`.
std::vector<std::string> ChildNumbers(const std::string& marker) {
    return {Column("select ite_xmbh from corvane_project_sqcy where xm = '" + marker + "'").at(0),
            Column("select xmbh from corvane_itempf where zj1 = '" + marker + "'").at(0),
            Column("select xmbh from corvane_itemplan where jdyq = '" + marker + "'").at(0)};
}

void StoreWithChildren(const std::string& number, const std::string& marker, const std::string& unit = "U001") {
    StoreProject(number, unit, "共性技术基金——一般项目", {marker});
    Seed({"corvane_itempf", {"XMBH", "ZJ1"}, {{number, marker}}});
    Seed({"corvane_itemplan", {"XMBH", "JDYQ"}, {{number, marker}}});
}

}  // namespace

TEST(ProjectNumber, SerialTextAndPrefix) {
    const std::pair<long, const char*> serials[] = {{1, "001"}, {9, "009"},   {10, "010"},  {99, "099"},
                                                    {100, "100"}, {999, "999"}, {1000, "1000"}};
    for (const auto& [counter, expected] : serials) EXPECT_EQ(projectnumber::SerialText(counter), expected);
    EXPECT_EQ(projectnumber::Prefix("9140A010101", "2008", "U001"), kPrefix);
    EXPECT_EQ(projectnumber::Prefix("9140A010101", "8", "U001"), "9140A0101018U001");  // one character short
    EXPECT_EQ(projectnumber::Prefix("", "", ""), "");
}

using ProjectNumbering = AppStoreTest;

TEST_F(ProjectNumbering, NextNumberCountsThePrefixAndSkipsTakenSerials) {
    EXPECT_EQ(projectnumber::NextNumber(connection, kPrefix), kPrefix + "001");
    for (int i = 1; i <= 5; ++i) StoreProject(kPrefix + projectnumber::SerialText(i));
    StoreProject("9140A0101010" "8U002001");  // another unit
    EXPECT_EQ(projectnumber::CountUnderPrefix(connection, kPrefix), 5);
    EXPECT_EQ(projectnumber::NextNumber(connection, kPrefix), kPrefix + "006");

    // After a re-sort the serials of a prefix can have gaps: 001 and 003 under
    // it count 2, and 003 is taken, so the next number is 004.
    Exec("delete from corvane_itemappinfo where xmbh like '" + kPrefix + "%'");
    StoreProject(kPrefix + "001");
    StoreProject(kPrefix + "003");
    EXPECT_EQ(projectnumber::NextNumber(connection, kPrefix), kPrefix + "004");
}

TEST_F(ProjectNumbering, NextNumberOfAPrefixWith99ProjectsHasSerial100) {
    for (int i = 1; i <= 99; ++i) StoreProject(kPrefix + projectnumber::SerialText(i));
    EXPECT_EQ(projectnumber::NextNumber(connection, kPrefix), kPrefix + "100");
}

TEST_F(ProjectNumbering, RenumberPrefixClosesGapsAndCarriesChildRows) {
    StoreWithChildren(kPrefix + "001", "a");
    StoreWithChildren(kPrefix + "003", "b");
    StoreWithChildren(kPrefix + "007", "c");
    StoreWithChildren("9140A0101010" "8U002005", "other");
    ASSERT_TRUE(projectnumber::RenumberPrefix(connection, kPrefix));
    EXPECT_EQ(Numbers(), (std::vector<std::string>{kPrefix + "001", kPrefix + "002", kPrefix + "003",
                                                   "9140A0101010" "8U002005"}));
    EXPECT_EQ(ChildNumbers("a"), std::vector<std::string>(3, kPrefix + "001"));
    EXPECT_EQ(ChildNumbers("b"), std::vector<std::string>(3, kPrefix + "002"));
    EXPECT_EQ(ChildNumbers("c"), std::vector<std::string>(3, kPrefix + "003"));
    EXPECT_EQ(ChildNumbers("other"), std::vector<std::string>(3, "9140A0101010" "8U002005"));

    ASSERT_TRUE(projectnumber::RenumberPrefix(connection, kPrefix));  // no gaps: nothing moves
    EXPECT_EQ(ChildNumbers("c"), std::vector<std::string>(3, kPrefix + "003"));
}

TEST_F(ProjectNumbering, ResortCountsEachUnitsProjectsByCategoryThenFormerNumber) {
    StoreWithChildren("9140A01010108U001004", "u1-key", "U001");
    Exec("update corvane_itemappinfo set xmlb = '共性技术基金——重点项目' where xmbh = '9140A01010108U001004'");
    StoreWithChildren("9140B02020209U001002", "u1-b", "U001");
    StoreWithChildren("9140A01010108U001001", "u1-a", "U001");
    StoreWithChildren("9140C03030308U002009", "u2-a", "U002");
    StoreWithChildren("9140C03030308U002010", "u2-b", "U002");
    StoreWithChildren("9140D04", "short", "U002");  // shorter than a prefix
    ASSERT_TRUE(projectnumber::RenumberAll(connection));
    EXPECT_EQ(ChildNumbers("u1-a"), std::vector<std::string>(3, "9140A01010108U001001"));
    EXPECT_EQ(ChildNumbers("u1-b"), std::vector<std::string>(3, "9140B02020209U001002"));
    EXPECT_EQ(ChildNumbers("u1-key"), std::vector<std::string>(3, "9140A01010108U001003"));
    EXPECT_EQ(ChildNumbers("u2-a"), std::vector<std::string>(3, "9140C03030308U002001"));
    EXPECT_EQ(ChildNumbers("u2-b"), std::vector<std::string>(3, "9140C03030308U002002"));
    EXPECT_EQ(ChildNumbers("short"), std::vector<std::string>(3, "9140D04X003"));  // keeps its mark
}

TEST_F(ProjectNumbering, AResortThatCannotFinishChangesNothing) {
    StoreWithChildren(kPrefix + "003", "a");
    const std::string other = "9140A0101010" "8U002005";
    StoreWithChildren(other, "b", "U002");
    // Refused in the plan table, after the applications, members and reviews of both have moved.
    Exec("create trigger keep_b before update on corvane_itemplan when old.jdyq = 'b' "
         "begin select raise(abort, 'kept'); end");
    EXPECT_FALSE(projectnumber::RenumberAll(connection));
    EXPECT_EQ(Numbers(), (std::vector<std::string>{kPrefix + "003", other}));
    EXPECT_EQ(ChildNumbers("a"), std::vector<std::string>(3, kPrefix + "003"));
    EXPECT_EQ(ChildNumbers("b"), std::vector<std::string>(3, other));
}

// Two stored applications whose numbers differ only in letter case (legacy
// data) are one number to the database: the re-sort would put both, their
// members and review rows under one number. It is refused, naming the pair,
// and nothing moves.
TEST_F(ProjectNumbering, AResortRefusesToMergeALegacyPairOfNumbers) {
    const std::string upper = "9140A01010108U001001", lower = "9140a01010108u001001";
    StoreProject(upper, "U001", "共性技术基金——一般项目", {"甲"});
    StoreProject(lower, "u001", "共性技术基金——一般项目", {"乙"});
    StoreProject("9140A01010108U001005", "U001", "共性技术基金——一般项目", {"丙"});
    const std::string numbers = "select XMBH from corvane_itemappinfo order by XMBH collate binary";
    const std::vector<std::string> before = Column(numbers);
    projectnumber::RenumberResult result = projectnumber::RenumberResult::Done;
    std::vector<std::string> pair;
    EXPECT_FALSE(projectnumber::RenumberAll(connection, nullptr, &result, &pair));
    EXPECT_EQ(result, projectnumber::RenumberResult::CaseVariants);
    EXPECT_EQ(pair, (std::vector<std::string>{upper, lower}));
    EXPECT_EQ(Column(numbers), before);
    EXPECT_EQ(Column("select ITE_XMBH || XM from corvane_project_sqcy order by XM"),
              (std::vector<std::string>{"9140A01010108U001005丙", lower + "乙", upper + "甲"}));
}

// A number of the column's full length can take no mark after it: the moves
// give no number in between, so it is re-sorted like any other.
TEST_F(ProjectNumbering, AFullLengthNumberIsResorted) {
    const std::string longest(50, '9');
    StoreWithChildren(longest, "b", "U002");
    ASSERT_TRUE(projectnumber::RenumberAll(connection));
    EXPECT_EQ(ChildNumbers("b"), std::vector<std::string>(3, std::string(17, '9') + "001"));
}
