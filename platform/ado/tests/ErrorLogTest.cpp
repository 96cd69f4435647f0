// Failures of the database layer are written to the program folder's log with
// the user, the operation and the engine's own text; a busy database fails
// after the busy wait instead of hanging.
#include "platform/ado/ErrorLog.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "platform/ado/Connection.h"
#include "platform/ado/Database.h"
#include "platform/ado/Recordset.h"
#include "platform/sys/Sys.h"
#include "testsupport/TempFolder.h"

namespace {

using testsupport::TempFolder;

class ErrorLog : public ::testing::Test {
protected:
    void SetUp() override {
        sys::SetProgramFolder(dir_.Path());
        ado::SetBusyTimeout(50);
        ado::SetErrorLogUser("张三");
        std::string error;
        ASSERT_TRUE(ado::CreateDatabase(file_, "", "CREATE TABLE T (CODE TEXT(10)); INSERT INTO T VALUES ('a');"
                                                   "CREATE TRIGGER refuse BEFORE DELETE ON T BEGIN SELECT RAISE(ABORT, 'refused'); END;",
                                        error))
            << error;
    }
    void TearDown() override {
        ado::SetErrorLogUser("");
        ado::SetBusyTimeout(5000);
        sys::SetProgramFolder("");
    }
    std::string Log() const {
        std::string text;
        sys::ReadFile(ado::ErrorLogPath(), text);
        return text;
    }

    TempFolder dir_;
    std::string file_ = dir_.File("project.mdb");
};

TEST_F(ErrorLog, EachFailedOpenStatementAndCommitIsOneLineWithUserOperationAndReason) {
    ado::Connection missing;
    EXPECT_FALSE(missing.Open(dir_.File("none.mdb"), ""));

    ado::Connection writer, reader;
    ASSERT_TRUE(writer.Open(file_, ""));
    ASSERT_TRUE(reader.Open(file_, ""));
    EXPECT_FALSE(writer.Execute("DELETE FROM T"));  // the trigger refuses

    // A read lock held by another connection (a backup, the sqlite3 tool).
    ASSERT_EQ(sqlite3_exec(reader.Handle(), "BEGIN; SELECT COUNT(*) FROM T", nullptr, nullptr, nullptr), SQLITE_OK);
    ASSERT_EQ(writer.BeginTrans(), 1);
    ASSERT_TRUE(writer.Execute("INSERT INTO T VALUES ('b')"));
    EXPECT_FALSE(writer.CommitTrans());  // busy: fails after the wait
    ASSERT_TRUE(writer.RollbackTrans());
    sqlite3_exec(reader.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);

    const std::string log = Log();
    std::vector<std::string> lines;
    for (std::size_t at = 0, next; (next = log.find('\n', at)) != std::string::npos; at = next + 1)
        lines.push_back(log.substr(at, next - at));
    ASSERT_EQ(lines.size(), 3u) << log;
    for (const std::string& line : lines) EXPECT_NE(line.find("\t张三\t"), std::string::npos) << line;
    EXPECT_NE(lines[0].find("open "), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("DELETE FROM T\trefused"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find("COMMIT\tdatabase is locked"), std::string::npos) << lines[2];
    // The writer's own error list still names the busy database for the message box.
    EXPECT_EQ(writer.Errors().front().nativeError & 0xff, 5);
    // Nothing of the refused commit was kept.
    ado::Connection check;
    ASSERT_TRUE(check.Open(file_, ""));
    auto rows = ado::Execute(check, "SELECT COUNT(*) FROM T");
    ado::Variant count;
    ASSERT_TRUE(rows && rows->GetValue(0, count));
    EXPECT_EQ(count.ToDouble(), 1.0);
}

TEST_F(ErrorLog, AFullLogMovesAsideAndANewOneBegins) {
    ASSERT_TRUE(sys::WriteFileAtomic(ado::ErrorLogPath(), std::string(1 << 20, 'x')));
    ado::LogDatabaseFailure("UPDATE T", "disk I/O error");
    EXPECT_TRUE(sys::FileExists(ado::ErrorLogPath() + ".1"));
    const std::string log = Log();
    EXPECT_EQ(log.substr(19), "\t张三\tUPDATE T\tdisk I/O error\n");
}

}  // namespace
