// The choices of the forms, read from their code tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/CodeTables.h"
#include "foundation/Sql.h"
#include "testsupport/InstalledDatabase.h"

namespace {

class CodeTablesTest : public InstalledDatabase {};

TEST_F(CodeTablesTest, EveryNameOfTheInstalledTablesInStoredOrder) {
    EXPECT_EQ(codetables::Names(db, "corvane_zd_xb"), (std::vector<std::string>{"男", "女"}));
    for (const char* table : {"corvane_zd_xw", "corvane_zd_zc"}) {
        std::vector<std::string> stored;
        db::Statement read(db, std::string("select NAME from ") + table + " order by rowid");
        while (read.Next()) stored.push_back(read.Text(0));
        EXPECT_FALSE(stored.empty()) << table;
        EXPECT_EQ(codetables::Names(db, table), stored) << table;
    }
}

TEST_F(CodeTablesTest, AddedNamesComeBackAsStoredAndAMissingTableGivesNone) {
    ASSERT_TRUE(db::Execute(db, "delete from corvane_zd_xw"));
    for (const char* name : {"O'Brien", "", "５０%_\\", "学士"})
        ASSERT_TRUE(db::Statement(db, "insert into corvane_zd_xw (NAME) values (?1)", {name}).Run());
    EXPECT_EQ(codetables::Names(db, "corvane_zd_xw"), (std::vector<std::string>{"O'Brien", "", "５０%_\\", "学士"}));
    EXPECT_TRUE(codetables::Names(db, "corvane_zd_none").empty());
}

}  // namespace
