#include "platform/ado/Database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "platform/ado/JetError.h"
#include "testsupport/TempFolder.h"
#include "platform/sys/Sys.h"

namespace {

using testsupport::TempFolder;

const char* kSchema =
    "CREATE TABLE T (CODE TEXT(4) COLLATE NOCASE, NOTE LONGTEXT COLLATE NOCASE, N INTEGER);"
    "INSERT INTO T (CODE, NOTE, N) VALUES ('ab', 'seed', 1);";

// Result code and message of one statement on the created file.
std::pair<int, std::string> Exec(const std::string& file, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    char* msg = nullptr;
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &msg);
    std::string text = msg ? msg : "";
    sqlite3_free(msg);
    sqlite3_close(db);
    return {rc, text};
}

TEST(CreateDatabase, RunsSchemaStoresPasswordAndEnforcesTextLengths) {
    TempFolder dir;
    std::string file = dir.File("a.mdb"), error;
    ASSERT_TRUE(ado::CreateDatabase(file, "5081", kSchema, error)) << error;

    EXPECT_EQ(Exec(file, "SELECT 1 FROM MSysDbPassword WHERE Password = '5081'").first, SQLITE_OK);
    EXPECT_EQ(Exec(file, "INSERT INTO T (CODE) VALUES ('abcd')").first, SQLITE_OK);
    EXPECT_EQ(Exec(file, "INSERT INTO T (CODE) VALUES ('中文四字')").first, SQLITE_OK);  // characters, not bytes

    for (const char* sql : {"INSERT INTO T (CODE) VALUES ('abcde')", "UPDATE T SET CODE = 'abcde'"}) {
        auto [rc, message] = Exec(file, sql);
        EXPECT_EQ(rc, SQLITE_CONSTRAINT) << sql;
        EXPECT_EQ(message, ado::kFieldTooSmall) << sql;
    }
    EXPECT_EQ(Exec(file, "UPDATE T SET NOTE = '" + std::string(5000, 'x') + "'").first, SQLITE_OK);
}

TEST(CreateDatabase, RefusesAnExistingFileAndLeavesItAlone) {
    TempFolder dir;
    std::string file = dir.File("a.mdb"), error;
    ASSERT_TRUE(sys::WriteFileAtomic(file, "keep"));
    EXPECT_FALSE(ado::CreateDatabase(file, "", kSchema, error));
    EXPECT_FALSE(error.empty());
    std::string bytes;
    ASSERT_TRUE(sys::ReadFile(file, bytes));
    EXPECT_EQ(bytes, "keep");
}

TEST(CreateDatabase, BadSchemaLeavesNoFile) {
    TempFolder dir;
    std::string file = dir.File("a.mdb"), error;
    EXPECT_FALSE(ado::CreateDatabase(file, "", "CREATE TABLE T (A TEXT(5)); INSERT INTO Missing VALUES (1);", error));
    EXPECT_NE(error.find("Missing"), std::string::npos);
    EXPECT_FALSE(sys::FileExists(file));
}

}  // namespace
