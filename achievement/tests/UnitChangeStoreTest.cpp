// The unit achievement-transfer record's store: a new record, an update in
// place that needs the stored row, an import that replaces the stored record
// only when told to, a refused write that leaves the stored record, and
// codes with quotes or another case matched as the database matches them.
#include "UnitTransferTestSupport.h"

TEST_F(UnitTransferTest, StoreSavesUpdatesAndImportsOneRecordPerCode) {
    const unitchange::Values first = Distinct("U'1", "甲'所");
    ASSERT_TRUE(unitchange::SaveRecord(db, first, false));
    EXPECT_FALSE(unitchange::SaveRecord(db, Distinct("U'9", "无"), true)) << "no stored row to update";
    unitchange::Values changed = Distinct("U'1", "甲所（改）");
    ASSERT_TRUE(unitchange::SaveRecord(db, changed, true));
    EXPECT_EQ(Stored("u'1"), std::vector<unitchange::Values>{changed});

    // A value its column cannot hold: the stored record stays as it was.
    unitchange::Values tooLong = changed;
    tooLong[1] = std::string(256, 'x');
    EXPECT_FALSE(unitchange::SaveRecord(db, tooLong, true));
    EXPECT_FALSE(unitchange::ImportRecord(db, tooLong, true));
    EXPECT_EQ(Stored("U'1"), std::vector<unitchange::Values>{changed});

    const unitchange::Values imported = Distinct("U'1", "导入");
    ASSERT_TRUE(unitchange::ImportRecord(db, imported, true));
    EXPECT_EQ(Stored("U'1"), std::vector<unitchange::Values>{imported});

    CAdoRecordSet rs;
    ASSERT_TRUE(unitchange::OpenRecord(rs, db, "u'1"));
    EXPECT_EQ(rs.GetRecordCount(), 1);
    rs.Close();
    ASSERT_TRUE(unitchange::OpenRecord(rs, db, "' or ''='"));
    EXPECT_TRUE(rs.IsEOF());
    rs.Close();
    EXPECT_EQ(unitchange::ListRows(db, {"dwdm", "dwmc"}), (std::vector<std::vector<std::string>>{{"U'1", "导入"}}));

    testdb::Seed(db, {"CORVANE_UNIT", {"DWDM"}, {{"U'1"}}});
    EXPECT_EQ(unitchange::IsStoredUnit(db, "u'1"), db::Found::Row);
    EXPECT_EQ(unitchange::IsStoredUnit(db, "U'"), db::Found::NoRow);
}
