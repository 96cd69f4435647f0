// Renumbering of one year and fund kind: the passed projects first, one
// serial count over the whole set, the member, review and plan rows
// following, other sets untouched, and nothing changed on a clash or failure.
#include "review/ApprovalRenumbering.h"

#include "ApprovalTestSupport.h"
#include "platform/text/Text.h"
#include "testsupport/InstalledFolder.h"

using namespace approvaltest;

namespace {

// A project number of guide 9140A010101, year 2008: unit code and serial.
std::string Number(const std::string& unit, const std::string& serial) { return "9140A01010108" + unit + serial; }

class Renumbering : public InstalledFolder {
protected:
    static approval::RenumberResult Renumber(const std::string& year, const std::string& kind) {
        CAdoConnection connection;
        testdb::OpenProgramDatabase(connection);
        return approval::RenumberProjects(connection, year, kind);
    }
    static Rows AllNumbers() {
        Rows rows = Query("select XMBH from CORVANE_ITEMAPPINFO order by XMBH");
        for (const char* table : {"CORVANE_ITEMPF", "CORVANE_ITEMPLAN"})
            for (auto& row : Query(std::string("select XMBH from ") + table + " order by XMBH")) rows.push_back(row);
        for (auto& row : Query("select ITE_XMBH from CORVANE_PROJECT_SQCY order by ITE_XMBH")) rows.push_back(row);
        return rows;
    }
};

TEST(SerialText, PadsToThreeDigitsAndKeepsLongerCounters) {
    const struct {
        long counter;
        const char* serial;
    } cases[] = {{1, "001"}, {9, "009"}, {10, "010"}, {99, "099"}, {100, "100"}, {999, "999"}, {1000, "1000"}};
    for (const auto& c : cases) EXPECT_EQ(approval::SerialText(c.counter), c.serial) << c.counter;
}

TEST_F(Renumbering, PassedProjectsComeFirstWithOneCountOverAllUnits) {
    // Three passed projects of different units and an unpassed one with the lowest number.
    AddApplication(Number("1001", "005"), "2008", kGeneral);
    AddApplication(Number("1002", "007"), "2008", kGeneral);
    AddApplication(Number("1003", "002"), "2008", kGeneral);
    AddApplication(Number("1001", "001"), "2008", kGeneral);
    AddApplication(Number("1004", "001"), "2008", kGeneral);  // no review row at all
    AddReview(Number("1001", "005"), "+");
    AddReview(Number("1002", "007"), "+");
    AddReview(Number("1003", "002"), "+");
    AddReview(Number("1001", "001"), "-");
    Seed({"CORVANE_PROJECT_SQCY", {"ITE_XMBH", "XM"}, {{Number("1002", "007"), "乙"}}});
    Seed({"CORVANE_ITEMPLAN", {"XMBH", "JDYQ"}, {{Number("1003", "002"), "丙"}}});
    // Another kind and another year keep their numbers.
    AddApplication(Number("1001", "009"), "2008", kKey);
    AddReview(Number("1001", "009"), "+");
    AddApplication("9140A010101071001004", "2007", kGeneral);

    EXPECT_EQ(Renumber("2008", kGeneral), approval::RenumberResult::Done);

    EXPECT_EQ(Query("select XMMC, XMBH from CORVANE_ITEMAPPINFO order by XMBH"),
              (Rows{{"名称9140A010101071001004", "9140A010101071001004"},
                    {"名称" + Number("1001", "005"), Number("1001", "001")},
                    {"名称" + Number("1001", "001"), Number("1001", "004")},
                    {"名称" + Number("1001", "009"), Number("1001", "009")},
                    {"名称" + Number("1002", "007"), Number("1002", "002")},
                    {"名称" + Number("1003", "002"), Number("1003", "003")},
                    {"名称" + Number("1004", "001"), Number("1004", "005")}}));
    EXPECT_EQ(Query("select XMBH, PSJG from CORVANE_ITEMPF order by XMBH"),
              (Rows{{Number("1001", "001"), "+"},
                    {Number("1001", "004"), "-"},
                    {Number("1001", "009"), "+"},
                    {Number("1002", "002"), "+"},
                    {Number("1003", "003"), "+"}}));
    EXPECT_EQ(Query("select ITE_XMBH, XM from CORVANE_PROJECT_SQCY"), (Rows{{Number("1002", "002"), "乙"}}));
    EXPECT_EQ(Query("select XMBH, JDYQ from CORVANE_ITEMPLAN"), (Rows{{Number("1003", "003"), "丙"}}));
}

TEST_F(Renumbering, AnEmptySetChangesNothing) {
    AddApplication(Number("1001", "004"), "2008", kKey);
    EXPECT_EQ(Renumber("2008", kGeneral), approval::RenumberResult::Done);
    EXPECT_EQ(AllNumbers(), (Rows{{Number("1001", "004")}}));
}

TEST_F(Renumbering, TheHundredthProjectGetsThreeDigitsAndTheThousandthFour) {
    testdb::Table applications{"CORVANE_ITEMAPPINFO", {"XMBH", "NF", "XMLB"}, {}};
    for (int i = 0; i < 1000; ++i)
        applications.rows.push_back({Number("1001", "") + text::Format("%04d", i), "2008", kGeneral});
    CAdoConnection connection;
    testdb::OpenProgramDatabase(connection);
    ASSERT_GE(connection.BeginTrans(), 1);
    testdb::Seed(connection, applications);
    ASSERT_TRUE(connection.CommitTrans());
    EXPECT_EQ(approval::RenumberProjects(connection, "2008", kGeneral), approval::RenumberResult::Done);
    const Rows numbers = Query("select XMBH from CORVANE_ITEMAPPINFO where XMMC is null order by XMBH");
    ASSERT_EQ(numbers.size(), 1000u);
    EXPECT_EQ(Query("select XMBH from CORVANE_ITEMAPPINFO where XMBH = '" + Number("1001", "100") + "'").size(), 1u);
    EXPECT_EQ(Query("select XMBH from CORVANE_ITEMAPPINFO where XMBH = '" + Number("1001", "1000") + "'").size(), 1u);
    EXPECT_EQ(Query("select XMBH from CORVANE_ITEMAPPINFO where XMBH like '%X'").size(), 0u);
}

// Serials are ordered by value: "1000" follows "101", and each project keeps
// its own review row.
TEST_F(Renumbering, SerialsPast999KeepTheirOrderAndTheirRows) {
    for (const char* serial : {"1000", "101", "100"}) {
        AddApplication(Number("1001", serial), "2008", kGeneral);
        AddReview(Number("1001", serial), "+");
        Seed({"CORVANE_ITEMPLAN", {"XMBH", "JDYQ"}, {{Number("1001", serial), serial}}});
    }
    EXPECT_EQ(Renumber("2008", kGeneral), approval::RenumberResult::Done);
    EXPECT_EQ(Query("select a.XMMC, p.JDYQ from CORVANE_ITEMAPPINFO a join CORVANE_ITEMPLAN p on p.XMBH = a.XMBH "
                    "order by a.XMBH"),
              (Rows{{"名称" + Number("1001", "100"), "100"},
                    {"名称" + Number("1001", "101"), "101"},
                    {"名称" + Number("1001", "1000"), "1000"}}));
    EXPECT_EQ(Query("select XMBH from CORVANE_ITEMPF order by XMBH"),
              (Rows{{Number("1001", "001")}, {Number("1001", "002")}, {Number("1001", "003")}}));
}

// A general project renumbered onto the number of a key project under the same
// prefix would merge their review rows: the renumbering is refused whole.
TEST_F(Renumbering, AClashWithAProjectOutsideTheSetLeavesEveryNumber) {
    AddApplication(Number("1001", "003"), "2008", kGeneral);
    AddApplication(Number("1001", "005"), "2008", kGeneral);
    AddApplication(Number("1001", "002"), "2008", kKey);
    AddReview(Number("1001", "003"), "+");
    AddReview(Number("1001", "005"), "+");
    AddReview(Number("1001", "002"), "-");
    const Rows before = AllNumbers();
    EXPECT_EQ(Renumber("2008", kGeneral), approval::RenumberResult::Collision);
    EXPECT_EQ(AllNumbers(), before);
}

// Legacy numbers that differ only in letter case are one number to the
// database: renumbering either would merge the two projects. Refused whole,
// the pair named, in the set or with the other outside it.
TEST_F(Renumbering, ALegacyPairOfNumbersDifferingInCaseIsRefusedAndNamed) {
    for (const std::string& outsideKind : {std::string(kGeneral), std::string(kKey)}) {
        SCOPED_TRACE(outsideKind);
        Exec("delete from CORVANE_ITEMAPPINFO");
        Exec("delete from CORVANE_ITEMPF");
        AddApplication(Number("U001", "003"), "2008", kGeneral);
        AddApplication(Number("u001", "003"), "2008", outsideKind);
        AddApplication(Number("U001", "007"), "2008", kGeneral);
        AddReview(Number("U001", "003"), "+");
        const Rows before = Query("select XMBH from CORVANE_ITEMAPPINFO order by XMBH collate binary");
        CAdoConnection connection;
        testdb::OpenProgramDatabase(connection);
        std::vector<std::string> pair;
        EXPECT_EQ(approval::RenumberProjects(connection, "2008", kGeneral, nullptr, &pair),
                  approval::RenumberResult::CaseVariants);
        EXPECT_EQ(pair, (std::vector<std::string>{Number("U001", "003"), Number("u001", "003")}));
        EXPECT_EQ(projectnumber::RefusedRenumberingMessage(approval::RenumberResult::CaseVariants, pair),
                  "项目编号" + Number("U001", "003") + "与" + Number("u001", "003") +
                      "只有字母大小写不同，数据库视为同一编号，重新排序会将两个项目合并。项目编号未作修改！");
        EXPECT_EQ(Query("select XMBH from CORVANE_ITEMAPPINFO order by XMBH collate binary"), before);
    }
}

// A write refused part way (in the review table, after the applications were
// renamed) rolls back the rows renamed before it.
TEST_F(Renumbering, AFailedWriteLeavesEveryNumber) {
    AddApplication(Number("1001", "003"), "2008", kGeneral);
    AddReview(Number("1001", "003"), "+");
    AddApplication(Number("1001", "005"), "2008", kGeneral);
    AddReview(Number("1001", "005"), "-");
    Exec("create trigger refuse_review before update on CORVANE_ITEMPF when old.PSJG = '-' "
         "begin select raise(abort, 'refused'); end");
    const Rows before = AllNumbers();
    EXPECT_EQ(Renumber("2008", kGeneral), approval::RenumberResult::Failed);
    EXPECT_EQ(AllNumbers(), before);
}

TEST_F(Renumbering, QuotesInNumbersYearAndKindStayText) {
    Seed({"CORVANE_ITEMAPPINFO", {"XMBH", "NF", "XMLB"}, {{"9140A010101081001'01", "2008", kGeneral}}});
    Seed({"CORVANE_ITEMPF", {"XMBH", "PSJG"}, {{"9140A010101081001'01", "+"}}});
    EXPECT_EQ(Renumber("2008' or '1' = '1", kGeneral), approval::RenumberResult::Done);
    EXPECT_EQ(AllNumbers(), (Rows{{"9140A010101081001'01"}, {"9140A010101081001'01"}}));
    EXPECT_EQ(Renumber("2008", kGeneral), approval::RenumberResult::Done);
    EXPECT_EQ(AllNumbers(), (Rows{{"9140A010101081001001"}, {"9140A010101081001001"}}));
}

}  // namespace
