// The system-management store: the lists follow their two filters (codes
// compared exactly but without case, names and units as a part, % and _ of a
// typed text matching as before, quotes kept in the text) in their order;
// a record, a user and the expert editor's choices are found by their key;
// the deletion, with the keys bound, removes exactly the rows the statement
// with the keys quoted into its text removed, all together or none.
#include <gtest/gtest.h>

#include <algorithm>

#include "foundation/Sql.h"
#include "foundation/Transaction.h"
#include "sysmanage/MasterDataStore.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledDatabase.h"

namespace {

using Keys = std::vector<std::string>;

class MasterDataStoreTest : public InstalledDatabase {
protected:
    void SetUp() override {
        InstalledDatabase::SetUp();
        for (const char* table : {"CORVANE_UNIT", "CORVANE_EXPERTINFO", "CORVANE_LAB", "CORVANE_SPECGROUP",
                                  "CORVANE_ZD_ZC", "CORVANE_USERS"})
            testdb::Exec(db, std::string("delete from ") + table);
        rs.SetConnection(&db);
        rs.SetCursorLocation(adUseClient);
    }

    // The `column` of every row the store opened (nothing when it failed).
    Keys Opened(bool opened, const char* column) {
        Keys keys;
        if (!opened) return {"<failed>"};
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string value;
            rs.GetString(column, value);
            keys.push_back(value);
        }
        rs.Close();
        return keys;
    }

    CAdoRecordSet rs;
};

TEST_F(MasterDataStoreTest, UnitListFollowsItsFilters) {
    testdb::Seed(db, {"CORVANE_UNIT",
                      {"DWDM", "DWMC"},
                      {{"B02", "乙单位"}, {"a01", "甲单位"}, {"C'3", "O'Brien 50%"}, {"Ｄ04", "全角Ａ"}, {"F06", ""},
                       {"G_7", "a\\b"}}});
    testdb::Exec(db, "insert into CORVANE_UNIT (DWDM) values ('E05')");
    const struct {
        std::string code, name;
        Keys codes;
    } cases[] = {
        {"", "", {"a01", "B02", "C'3", "E05", "F06", "G_7", "Ｄ04"}},
        {"A01", "", {"a01"}},
        {"a0", "", {}},
        {"G_7", "", {"G_7"}},
        {"GX7", "", {}},
        {"Ｄ04", "", {"Ｄ04"}},
        {"ｄ04", "", {}},
        {"c'3", "o'brien 50%", {"C'3"}},
        {"C'3", "O'Brien", {}},
        {"", "单位", {"a01", "B02"}},
        {"", "'", {"C'3"}},
        {"", "50%", {"C'3"}},
        {"", "5_%", {"C'3"}},
        {"", "_", {"a01", "B02", "C'3", "G_7", "Ｄ04"}},
        {"", "a\\b", {"G_7"}},
        {"", "全角ａ", {}},
        {"", "' or ''='", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Opened(masterstore::OpenUnitList(rs, c.code, c.name), "DWDM"), c.codes) << c.code << "|" << c.name;
    EXPECT_EQ(Opened(masterstore::OpenUnitsInOrder(rs), "DWDM"), cases[0].codes);
    Keys all = Opened(masterstore::OpenUnits(rs), "DWDM");
    std::sort(all.begin(), all.end());
    Keys expected = cases[0].codes;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(all, expected);
}

TEST_F(MasterDataStoreTest, ExpertLabAndGroupListsFollowTheirFilters) {
    testdb::Seed(db, {"CORVANE_EXPERTINFO",
                      {"ID", "XM", "SSJJLB"},
                      {{"E2", "张三", "J01"}, {"e1", "O'Neil", "J02"}, {"E3", "50%王", "J01"}, {"E4", "", ""}}});
    testdb::Exec(db, "insert into CORVANE_EXPERTINFO (ID) values ('E5')");
    testdb::Seed(db, {"CORVANE_LAB",
                      {"sysdm", "sysdwmc", "ytdw"},
                      {{"9140C02", "光学室", "甲所"}, {"9140c01", "L'Lab", "乙所"}, {"9140C03", "a_b", "甲所"}}});
    testdb::Seed(db, {"CORVANE_SPECGROUP",
                      {"JJBH", "YTDW"},
                      {{"9140A02", "甲所"}, {"9140a01", "乙'所"}, {"9140A03", "甲所分部"}, {"Ｊ01", ""}}});
    using Opener = bool (*)(CAdoRecordSet&, const std::string&, const std::string&);
    const struct {
        Opener open;
        const char* key;
        std::string a, b;
        Keys keys;
    } cases[] = {
        {masterstore::OpenExpertList, "ID", "", "", {"e1", "E2", "E3", "E4", "E5"}},
        {masterstore::OpenExpertList, "ID", "j01", "", {"E2", "E3"}},
        {masterstore::OpenExpertList, "ID", "J01", "张", {"E2"}},
        {masterstore::OpenExpertList, "ID", "", "o'neil", {"e1"}},
        {masterstore::OpenExpertList, "ID", "", "0%", {"E3"}},
        {masterstore::OpenExpertList, "ID", "", "_", {"e1", "E2", "E3"}},
        {masterstore::OpenLabList, "sysdm", "", "", {"9140c01", "9140C02", "9140C03"}},
        {masterstore::OpenLabList, "sysdm", "", "甲", {"9140C02", "9140C03"}},
        {masterstore::OpenLabList, "sysdm", "a_b", "甲所", {"9140C03"}},
        {masterstore::OpenLabList, "sysdm", "l'", "", {"9140c01"}},
        {masterstore::OpenSpecGroupList, "JJBH", "", "", {"9140a01", "9140A02", "9140A03", "Ｊ01"}},
        {masterstore::OpenSpecGroupList, "JJBH", "9140A01", "", {"9140a01"}},
        {masterstore::OpenSpecGroupList, "JJBH", "9140A0", "", {}},
        {masterstore::OpenSpecGroupList, "JJBH", "", "甲所", {"9140A02", "9140A03"}},
        {masterstore::OpenSpecGroupList, "JJBH", "", "'", {"9140a01"}},
        {masterstore::OpenSpecGroupList, "JJBH", "9140A02", "甲", {}},
        {masterstore::OpenSpecGroupList, "JJBH", "9140A02", "甲所", {"9140A02"}},
        {masterstore::OpenSpecGroupList, "JJBH", "ｊ01", "", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Opened(c.open(rs, c.a, c.b), c.key), c.keys) << c.key << " " << c.a << "|" << c.b;
}

TEST_F(MasterDataStoreTest, RecordsAndUsersAreFoundByTheirKey) {
    testdb::Seed(db, {"CORVANE_UNIT", {"DWDM", "DWMC"}, {{"U'1", "甲"}, {"50%", "乙"}, {"", "空"}}});
    testdb::Seed(db, {"CORVANE_EXPERTINFO", {"ID", "XM"}, {{"Ex1", "张"}}});
    testdb::Seed(db, {"CORVANE_USERS", {"YHM", "YHMM"}, {{"Admin", "h1"}, {"O'Hara", "h2"}}});
    const struct {
        const char* table;
        const char* key;
        std::string value;
        Keys found;
    } cases[] = {
        {"corvane_unit", "dwdm", "u'1", {"U'1"}},      {"corvane_unit", "dwdm", "5%", {}},
        {"corvane_unit", "dwdm", "50%", {"50%"}},      {"corvane_unit", "dwdm", "", {""}},
        {"corvane_expertinfo", "id", "EX1", {"Ex1"}},  {"corvane_expertinfo", "id", "Ex", {}},
        {"corvane_expertinfo", "id", "' or ''='", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Opened(masterstore::OpenRecord(rs, c.table, c.key, c.value), c.key), c.found) << c.value;
    EXPECT_EQ(Opened(masterstore::OpenUnit(rs, "U'1"), "DWMC"), Keys{"甲"});
    EXPECT_EQ(Opened(masterstore::OpenUser(rs, "admin"), "YHMM"), Keys{"h1"});
    EXPECT_EQ(Opened(masterstore::OpenUser(rs, "O'Hara"), "YHMM"), Keys{"h2"});
    EXPECT_EQ(Opened(masterstore::OpenUser(rs, "Adm_n"), "YHMM"), Keys{});
}

TEST_F(MasterDataStoreTest, ExpertChoicesComeInTheirOrder) {
    testdb::Seed(db, {"CORVANE_SPECGROUP", {"JJBH"}, {{"9140A02"}, {"9140a01"}, {"9140A03"}}});
    testdb::Seed(db, {"CORVANE_ZD_ZC", {"CODE", "NAME"}, {{"2", "研究员"}, {"1", "助理研究员"}, {"3", ""}}});
    EXPECT_EQ(masterstore::FundNumbers(rs), (Keys{"9140a01", "9140A02", "9140A03"}));
    EXPECT_EQ(masterstore::TitleNames(rs), (Keys{"研究员", "助理研究员", ""}));
    EXPECT_FALSE(rs.IsOpen());
}

TEST_F(MasterDataStoreTest, DeletionRemovesWhatTheQuotedStatementRemoved) {
    const Keys stored = {"U001", "O'Brien", "50%", "a_b", "a\\b", "Ｕ００１", ""};
    const std::vector<testdb::Row> seeded = [&] {
        std::vector<testdb::Row> r;
        for (const std::string& code : stored) r.push_back({code, "名"});
        return r;
    }();
    testdb::Seed(db, {"CORVANE_UNIT", {"DWDM", "DWMC"}, seeded});
    testdb::Exec(db, "insert into CORVANE_UNIT (DWMC) values ('无代码')");
    testdb::Seed(db, {"CORVANE_LAB", {"sysdm", "sysqc"}, seeded});
    const auto left = [&](const char* table, const char* key) {
        return testdb::Query(db, std::string("select ") + key + " from " + table + " order by " + key);
    };
    for (const std::string key : {"u001", "U001 ", "o'brien", "5%", "50%", "aXb", "A_B", "A\\B", "Ｕ００１",
                                   "ｕ００１", "", "' or '1'='1"}) {
        for (const auto& [table, column] : {std::pair{"corvane_unit", "dwdm"}, std::pair{"corvane_lab", "sysdm"}}) {
            db::Transaction outer(db);
            ASSERT_TRUE(outer.Began());
            testdb::Rows quoted;
            {
                db::Transaction old(db);
                testdb::Exec(db, std::string("delete from ") + table + " where " + column + " = " + db::QuoteLiteral(key));
                quoted = left(table, column);
            }
            EXPECT_TRUE(masterstore::DeleteRecords(db, table, column, {key})) << key;
            EXPECT_EQ(left(table, column), quoted) << table << " " << key;
        }
    }
    // Several at once, and the unit list's own.
    EXPECT_TRUE(masterstore::DeleteUnits(db, {"u001", "O'BRIEN", "nothing"}));
    EXPECT_EQ(testdb::Count(db, "CORVANE_UNIT"), long(stored.size()) + 1 - 2);
}

TEST_F(MasterDataStoreTest, AFailedDeletionKeepsEveryRow) {
    testdb::Seed(db, {"CORVANE_UNIT", {"DWDM"}, {{"U1"}, {"U2"}}});
    // A trigger refuses the second deletion after the first went through.
    testdb::Exec(db, "create trigger keep_u2 before delete on CORVANE_UNIT when old.DWDM = 'U2' "
                     "begin select raise(abort, 'kept'); end");
    EXPECT_FALSE(masterstore::DeleteUnits(db, {"U1", "U2"}));
    EXPECT_EQ(testdb::Count(db, "CORVANE_UNIT"), 2);
    EXPECT_FALSE(masterstore::DeleteRecords(db, "corvane_nosuchtable", "dwdm", {"U1"}));
}

}  // namespace
