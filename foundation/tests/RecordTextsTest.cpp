// The texts of a recordset's rows as a list shows them: the cells read one
// by one before, in one pass now; the rows and columns must be the same.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/RecordTexts.h"
#include "foundation/tests/AdoTestDatabase.h"

namespace {

using RecordTexts = AdoTestDatabase;

// What a list filled cell by cell showed: GetString per named column, a
// column the row lacks (or a NULL) shown empty.
RowTexts CellByCell(CAdoRecordSet& rs, const std::vector<const char*>& columns) {
    RowTexts rows;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::vector<std::string>& row = rows.emplace_back();
        for (const char* column : columns) {
            std::string value;
            rs.GetString(column, value);
            row.push_back(value);
        }
    }
    return rows;
}

TEST_F(RecordTexts, ByNameTheRowsAndColumnsAreThoseReadCellByCell) {
    const std::vector<const char*> columns = {"name", "CODE", "NO_SUCH_COLUMN", "WHEN_", "N", "M"};
    CAdoRecordSet before, after;
    OpenQuery(before, "select * from corvane_t order by code");
    OpenQuery(after, "select * from corvane_t order by code");
    const RowTexts expected = CellByCell(before, columns);
    EXPECT_EQ(expected, (RowTexts{{"alpha", "a1", "", "2008-03-04 05:06:07", "7", "12.50"},
                                  {"", "b2", "", "", "8", "0.00"}}));
    EXPECT_EQ(ReadRowTexts(after, columns), expected);
    EXPECT_TRUE(after.IsEOF()) << "the recordset is left at its end";
}

TEST_F(RecordTexts, ByPositionAndFromTheCurrentRowOn) {
    CAdoRecordSet rs;
    OpenQuery(rs, "select CODE, NAME from corvane_t order by code");
    rs.MoveNext();  // from the second row on
    EXPECT_EQ(ReadRowTexts(rs, 3), (RowTexts{{"b2", "", ""}})) << "a position past the fields is empty";
}

TEST_F(RecordTexts, NoRowsFromAnEmptyClosedOrFailedRecordset) {
    CAdoRecordSet empty, closed, failed;
    OpenQuery(empty, "select * from corvane_t where 1 = 0");
    failed.SetConnection(&connection_);
    EXPECT_FALSE(failed.Open("select * from no_such_table"));
    for (CAdoRecordSet* rs : {&empty, &closed, &failed}) {
        EXPECT_TRUE(ReadRowTexts(*rs, {"CODE"}).empty());
        EXPECT_TRUE(ReadRowTexts(*rs, 2).empty());
    }
}

TEST_F(RecordTexts, NumberedRowsCountFromOne) {
    RowTexts rows = {{"a", "b"}, {}, {"c"}};
    NumberRows(rows);
    EXPECT_EQ(rows, (RowTexts{{"1", "a", "b"}, {"2"}, {"3", "c"}}));
}

}  // namespace
