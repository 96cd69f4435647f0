// The project achievement-transfer record's store: the main row with its
// rich texts and the five child tables are read back as written, a number
// with quotes or another case finds its own record only, an update needs the
// stored row, and deletion takes one project's rows from every table.
#include "ResultChangeTestSupport.h"

using namespace resultchange;
using resultchangetest::Rows;

namespace {

constexpr const char* kNumber = "9140A0101U'1001";
constexpr const char* kOther = "9140A0101U2002";

class ResultChangeStoreTest : public ResultChangeTest {
protected:
    // Values of a record: every text column "<column>" (short enough for its
    // column), the checks alternating, the rich columns from scratch files.
    MainValues Values(const std::string& number, const std::string& mark) {
        MainValues values;
        for (int index = 0; index < kColumnCount; ++index) {
            const int slot = RichSlot(index);
            if (slot >= 0) {
                values[index] = PathOf("rich" + std::to_string(slot) + ".rtf");
                EXPECT_TRUE(sys::WriteFileAtomic(values[index], resultchangetest::Rtf(mark + std::to_string(slot))));
            } else {
                values[index] = Columns()[index].substr(0, 4) + mark;
            }
        }
        for (int n = 0; n < kCheckCount; ++n) values[kFirstCheck + n] = CheckText(n % 2 == 0);
        values[0] = number;
        return values;
    }
    static std::array<GridRows, kChildCount> Grids(const std::string& mark) {
        std::array<GridRows, kChildCount> grids;
        for (int child = 0; child < kChildCount; ++child) {
            const ChildTable& table = ChildTables()[child];
            std::vector<std::string> cells(table.GridColumns(), "");
            for (std::size_t i = 0; i < table.stored.size(); ++i)
                cells[table.GridColumnOf(int(i))] = std::to_string(i) + mark;
            grids[child] = {cells, cells};
        }
        return grids;
    }
};

}  // namespace

TEST_F(ResultChangeStoreTest, RecordReadsBackAsWrittenAndAnUpdateNeedsTheStoredRow) {
    ASSERT_TRUE(WriteMainRow(db, Values(kNumber, "甲'"), false));
    ASSERT_TRUE(WriteChildRows(db, kNumber, Grids("甲'")));
    ASSERT_TRUE(WriteMainRow(db, Values(kOther, "乙"), false));
    ASSERT_TRUE(WriteChildRows(db, kOther, Grids("乙")));
    EXPECT_FALSE(WriteMainRow(db, Values("9140A0101U'1009", "丙"), true)) << "no stored row to update";
    ASSERT_TRUE(WriteMainRow(db, Values(kNumber, "丁"), true));
    EXPECT_EQ(Value("select count(*) from CORVANE_NEW_RESULTCHANGE"), "2");

    MainValues read;
    ASSERT_EQ(ReadMainRow(db, "9140a0101u'1001", Folder(), read), db::Found::Row);
    const MainValues written = Values(kNumber, "丁");
    for (int index = 0; index < kColumnCount; ++index) {
        if (RichSlot(index) < 0) {
            EXPECT_EQ(read[index], written[index]) << Columns()[index];
            continue;
        }
        std::string bytes;
        ASSERT_TRUE(sys::ReadFile(read[index], bytes));
        EXPECT_EQ(read[index], RichScratchPath(Folder(), RichSlot(index)));
        EXPECT_EQ(bytes, resultchangetest::Rtf("丁" + std::to_string(RichSlot(index)))) << Columns()[index];
    }
    EXPECT_EQ(ReadMainRow(db, "' or ''='", Folder(), read), db::Found::NoRow);
    std::string name = "shown before";
    EXPECT_FALSE(ProjectName(db, "' or ''='", name));
    EXPECT_EQ(name, "shown before");
    ASSERT_TRUE(ProjectName(db, "9140a0101u'1001", name));
    EXPECT_EQ(name, written[1]);

    for (int child = 0; child < kChildCount; ++child) {
        const auto rows = ReadChildRows(db, child, "9140a0101u'1001");
        ASSERT_EQ(rows.size(), 2u) << ChildTables()[child].table;
        EXPECT_EQ(rows[0][0], "0甲'") << ChildTables()[child].table;
    }
}

TEST_F(ResultChangeStoreTest, DeletionTakesOneProjectsRowsFromEveryTable) {
    for (const char* number : {kNumber, kOther}) {
        ASSERT_TRUE(WriteMainRow(db, Values(number, "甲"), false));
        ASSERT_TRUE(WriteChildRows(db, number, Grids("甲")));
    }
    ASSERT_TRUE(DeleteRecord(db, "9140a0101u'1001"));
    EXPECT_EQ(testdb::Query(db, "select XMBH from CORVANE_NEW_RESULTCHANGE"), (Rows{{kOther}}));
    for (const ChildTable& table : ChildTables())
        EXPECT_EQ(testdb::Query(db, "select distinct ITEM_XMBH from " + table.table), (Rows{{kOther}})) << table.table;
}

// The query dialog's fields find the records they name: the number as a
// prefix, the other texts whole, a quote a character like another.
TEST_F(ResultChangeStoreTest, TheQueryFieldsOpenTheRecordsTheyName) {
    testdb::Seed(db, {"corvane_new_resultchange",
                      {"xmbh", "xmmc", "xmzzxm", "cydw", "check13"},
                      {{kNumber, "O'Neil", "张三", "一所", "是"}, {kOther, "乙", "李四", "二'所", "否"}}});
    const struct {
        ResultQueryFields fields;
        std::vector<std::string> numbers;
    } cases[] = {
        {{"全部基金"}, {kNumber, kOther}},
        {{"重点项目"}, {kNumber}},
        {{"一般项目"}, {kOther}},
        {{"全部基金", "O'Neil"}, {kNumber}},
        {{"全部基金", "", "9140A0101U'"}, {kNumber}},
        {{"全部基金", "", "", "", "二'所"}, {kOther}},
        {{"重点项目", "", "", "李四"}, {}},
        {{"全部基金", "x' or '1'='1"}, {}},
    };
    for (const auto& c : cases) {
        CAdoRecordSet rs;
        ASSERT_TRUE(OpenList(rs, db, BuildResultQuery(c.fields)));
        std::vector<std::string> numbers;
        for (; !rs.IsEOF(); rs.MoveNext()) numbers.push_back(Field(rs, "xmbh"));
        EXPECT_EQ(numbers, c.numbers) << BuildResultQuery(c.fields);
    }
}
