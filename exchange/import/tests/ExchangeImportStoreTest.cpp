// The import store: its look-ups and deletions, with the codes bound, find
// exactly the rows the statements with the codes quoted into their text
// found, on awkward codes (case variants, quotes, % _ \, full-width letters,
// the empty text beside NULL); an application replaces its own project's
// members only; a refused unit leaves the stored one in place.
#include <gtest/gtest.h>

#include "exchange/import/ExchangeImportStore.h"
#include "foundation/Sql.h"
#include "foundation/Transaction.h"
#include "platform/sys/Sys.h"
#include "testsupport/CraftedBundle.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledDatabase.h"

namespace {

using testdb::Rows;

class ExchangeImportStoreTest : public InstalledDatabase {
protected:
    // The rows of `sql` as a file from another office holds them: saved,
    // `from` replaced by `to` in the file (a value no column of ours would
    // take), then read back from the file.
    void AsFile(CAdoRecordSet& file, const std::string& sql, const std::string& from = {},
                const std::string& to = {}) {
        CAdoRecordSet rs;
        rs.SetConnection(&db);
        rs.SetCursorLocation(adUseClient);
        const std::string path = PathOf("file" + std::to_string(++files_) + ".xml");
        ASSERT_TRUE(rs.Open(sql) && rs.Save(path)) << sql;
        rs.Close();
        if (!from.empty()) {
            std::string xml;
            ASSERT_TRUE(sys::ReadFile(path, xml));
            ASSERT_TRUE(sys::WriteFileAtomic(path, crafted::Replaced(xml, from, to)));
        }
        ASSERT_TRUE(file.OpenFromFile(path)) << path;
    }
    long Count(const std::string& sql) { return testdb::Count(db, sql); }
    Rows Query(const std::string& sql) { return testdb::Query(db, sql); }

    int files_ = 0;
};

}  // namespace

TEST_F(ExchangeImportStoreTest, UnitLookUpFindsWhatTheQuotedStatementFound) {
    testdb::Seed(db, {"CORVANE_UNIT",
                      {"DWDM", "DWMC"},
                      {{"U001", "甲"}, {"O'Brien", "乙"}, {"50%", "丙"}, {"a_b", "丁"}, {"a\\b", "戊"},
                       {"Ｕ００１", "己"}, {"", "空"}}});
    testdb::Exec(db, "insert into CORVANE_UNIT (DWMC) values ('无代码')");
    const struct {
        std::string code;
        bool stored;
    } cases[] = {{"U001", true},     {"u001", true},         {"U001 ", false},   {"O'Brien", true},
                 {"o'BRIEN", true},  {"50%", true},          {"5%", false},      {"a_b", true},
                 {"aXb", false},     {"a\\b", true},         {"A\\B", true},     {"Ｕ００１", true},
                 {"ｕ００１", false}, {"", true},              {"' or '1'='1", false}};
    for (const auto& c : cases) {
        const bool quoted = Count("SELECT * FROM CORVANE_UNIT where DWDM=" + db::QuoteLiteral(c.code)) > 0;
        EXPECT_EQ(quoted, c.stored) << c.code;
        EXPECT_EQ(importstore::IsUnitStored(db, c.code), c.stored) << c.code;
    }
}

TEST_F(ExchangeImportStoreTest, GuideLookUpAndDeletionFindWhatTheQuotedStatementsFound) {
    const Rows keys = {{"9140A01", "2011-2015"}, {"O'01", "2011-2015"}, {"50%", "2011_2015"},
                       {"Ｆ01", "2011-2015"},    {"", ""},               {"9140A01", "2016-2020"}};
    for (const auto& key : keys) {
        testdb::Seed(db, {"corvane_fivefundguide", {"JJBH", "FBNF", "ZNMC"}, {{key[0], key[1], "指南"}}});
        testdb::Seed(db, {"corvane_five_studysubject",
                          {"ZTBH", "JJBH", "FBNF"},
                          {{key[0] + "01", key[0], key[1]}, {key[0] + "02", key[0], key[1]}}});
        testdb::Seed(db, {"corvane_five_studyaspect", {"YJFXBH", "JJBH", "FBNF"}, {{key[0] + "0101", key[0], key[1]}}});
    }
    const struct {
        std::string fund, period;
        bool stored;
    } cases[] = {{"9140A01", "2011-2015", true}, {"9140a01", "2011-2015", true}, {"9140A01", "2011_2015", false},
                 {"o'01", "2011-2015", true},     {"50%", "2011_2015", true},     {"5%", "2011_2015", false},
                 {"Ｆ01", "2011-2015", true},     {"ｆ01", "2011-2015", false},   {"", "", true},
                 {"' or ''='", "", false}};
    for (const auto& c : cases) {
        const std::string where = " where JJBH=" + db::QuoteLiteral(c.fund) + " and FBNF=" + db::QuoteLiteral(c.period);
        EXPECT_EQ(Count("select * from corvane_fivefundguide" + where) > 0, c.stored) << c.fund << " " << c.period;
        EXPECT_EQ(importstore::IsGuideStored(db, c.fund, c.period), c.stored) << c.fund << " " << c.period;

        // The deletion removes the rows the quoted condition names, and with
        // the guide row kept, that row only stays; both are rolled back.
        for (const bool withGuideRow : {true, false}) {
            std::vector<long> before, named;
            for (const std::string& table : importstore::GuideTables()) {
                before.push_back(Count(table));
                named.push_back(Count("select * from " + table + where));
            }
            db::Transaction transaction(db);
            ASSERT_TRUE(transaction.Began());
            ASSERT_TRUE(importstore::DeleteGuideRows(db, c.fund, c.period, withGuideRow));
            for (std::size_t t = 0; t < importstore::GuideTables().size(); ++t) {
                const long removed = t == 0 && !withGuideRow ? 0 : named[t];
                EXPECT_EQ(Count(importstore::GuideTables()[t]), before[t] - removed)
                    << importstore::GuideTables()[t] << " " << c.fund << " " << c.period;
            }
            transaction.Rollback();
        }
    }
}

TEST_F(ExchangeImportStoreTest, ApplicationReplacesItsOwnProjectsMembersAndLeavesUncarriedColumnsEmpty) {
    const std::string number = "9140A01010108U001001", other = "9140A01010108U001002";
    testdb::Seed(db, {"corvane_itemappinfo", {"XMBH", "XMMC", "JJBH"}, {{number, "旧", "J1"}, {other, "他", "J2"}}});
    testdb::Seed(db, {"corvane_project_sqcy",
                      {"ITE_XMBH", "XM"},
                      {{number, "旧成员"}, {other, "他人"}, {"FILE", "张'三"}, {"FILE", "李四"}}});
    // The file's rows, as a unit sends them, then gone from the tables.
    testdb::Seed(db, {"corvane_itemappinfo", {"XMBH", "XMMC", "JJBH"}, {{number, "新", "不带"}}});
    CAdoRecordSet application, members;
    AsFile(application, "select * from corvane_itemappinfo where XMMC = '新'");
    AsFile(members, "select * from corvane_project_sqcy where ITE_XMBH = 'FILE'");
    testdb::Exec(db, "delete from corvane_itemappinfo where XMMC = '新'");
    testdb::Exec(db, "delete from corvane_project_sqcy where ITE_XMBH = 'FILE'");

    db::Transaction transaction(db);
    ASSERT_TRUE(transaction.Began());
    ASSERT_TRUE(importstore::WriteApplication(db, application, members, number, true));
    ASSERT_TRUE(transaction.Commit());

    // The fund number is no column the file carries: the new row leaves it
    // empty. The members take the number the view decided on.
    EXPECT_EQ(Query("select XMBH, XMMC, JJBH from corvane_itemappinfo order by XMBH"),
              (Rows{{number, "新", ""}, {other, "他", "J2"}}));
    EXPECT_EQ(importstore::HasApplication(db, "9140a01010108u001001"), db::Found::Row);
    EXPECT_EQ(Query("select ITE_XMBH, XM from corvane_project_sqcy order by ITE_XMBH, XM"),
              (Rows{{number, "张'三"}, {number, "李四"}, {other, "他人"}}));
}

// The view's import runs in a transaction of its own and keeps what it
// wrote.
TEST_F(ExchangeImportStoreTest, ImportingAnApplicationCommitsItsRows) {
    const std::string number = "9140A01010108U001001";
    testdb::Seed(db, {"corvane_itemappinfo", {"XMBH", "XMMC"}, {{number, "旧"}}});
    testdb::Seed(db, {"corvane_project_sqcy", {"ITE_XMBH", "XM"}, {{number, "旧成员"}, {"FILE", "张'三"}}});
    testdb::Seed(db, {"corvane_itemappinfo", {"XMBH", "XMMC"}, {{number, "新"}}});
    CAdoRecordSet application, members;
    AsFile(application, "select * from corvane_itemappinfo where XMMC = '新'");
    AsFile(members, "select * from corvane_project_sqcy where ITE_XMBH = 'FILE'");
    testdb::Exec(db, "delete from corvane_itemappinfo where XMMC = '新'");
    testdb::Exec(db, "delete from corvane_project_sqcy where ITE_XMBH = 'FILE'");

    ASSERT_TRUE(importstore::ImportApplication(db, application, members, number, true));
    EXPECT_EQ(Query("select XMBH, XMMC from corvane_itemappinfo"), (Rows{{number, "新"}}));
    EXPECT_EQ(Query("select XM from corvane_project_sqcy"), (Rows{{"张'三"}}));
}
