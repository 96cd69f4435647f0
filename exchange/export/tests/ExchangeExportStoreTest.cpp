// The export store: units listed and saved as stored, the funds directed to
// a unit each once (codes with quotes matched as they stand, case aside),
// and a guide's three parts saved only when its guide row is stored.
#include <gtest/gtest.h>

#include "exchange/export/ExchangeExportStore.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/sys/Sys.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledDatabase.h"

namespace {

using testdb::Rows;

class ExchangeExportStoreTest : public InstalledDatabase {
protected:
    void SetUp() override {
        InstalledDatabase::SetUp();
        if (HasFatalFailure()) return;
        testdb::Exec(db, "delete from corvane_unit");
        testdb::Seed(db, {"corvane_unit", {"DWDM", "DWMC"}, {{"U'1", "O'Brien 所"}, {"U2", "第二所"}}});
    }
    // The rows of a saved recordset file, each of its first `columns` fields.
    static Rows FileRows(const std::string& path, long columns) {
        CAdoRecordSet rs;
        EXPECT_TRUE(rs.OpenFromFile(path)) << path;
        return testdb::ReadRows(rs, columns);
    }
};

}  // namespace

TEST_F(ExchangeExportStoreTest, UnitsAreListedAndSavedAsStored) {
    const auto units = exportstore::Units(db);
    ASSERT_EQ(units.size(), 2u);
    EXPECT_EQ(units[0].code, "U'1");
    EXPECT_EQ(units[0].name, "O'Brien 所");
    const std::string file = PathOf("单位信息.uif");
    ASSERT_TRUE(sys::WriteFileAtomic(file, "an older file"));
    ASSERT_TRUE(exportstore::SaveUnits(db, file));
    EXPECT_EQ(FileRows(file, 2), (Rows{{"U'1", "O'Brien 所"}, {"U2", "第二所"}}));
}

TEST_F(ExchangeExportStoreTest, GuidePartsAreSavedOnlyWithTheGuideRow) {
    testdb::Seed(db, {"corvane_fivefundguide", {"JJBH", "FBNF", "ZNMC"}, {{"914'A01", "2011-2015", "指南"}}});
    testdb::Seed(db, {"corvane_five_studyaspect",
                      {"YJFXBH", "JJBH", "FBNF", "DWDM"},
                      {{"914'A010101", "914'A01", "2011-2015", "U'1"},
                       {"914'A010102", "914'A01", "2011-2015", "u'1"},
                       {"9140B010101", "9140B01", "2011-2015", "U2"},
                       {"9140C010101", "", "2011-2015", "U'1"}}});
    EXPECT_EQ(exportstore::FundsDirectedTo(db, "U'1"), (std::vector<std::string>{"914'A01"}));
    EXPECT_TRUE(exportstore::FundsDirectedTo(db, "' or ''='").empty());

    std::vector<std::string> files;
    for (const std::string& name : exportstore::GuidePartNames()) files.push_back(PathOf(name));
    ASSERT_EQ(files.size(), 3u);
    EXPECT_FALSE(exportstore::SaveGuideParts(db, "9140B01", "2011-2015", files)) << "directions without a guide row";
    EXPECT_FALSE(exportstore::SaveGuideParts(db, "914'A01", "2016-2020", files)) << "another period";
    ASSERT_TRUE(exportstore::SaveGuideParts(db, "914'a01", "2011-2015", files));
    EXPECT_EQ(FileRows(files[0], 1), (Rows{{"914'A01"}}));
    EXPECT_TRUE(FileRows(files[1], 1).empty()) << "no subjects: an empty part";
    EXPECT_EQ(FileRows(files[2], 1), (Rows{{"914'A010101"}, {"914'A010102"}}));
}
