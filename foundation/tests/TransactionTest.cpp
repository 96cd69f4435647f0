#include <gtest/gtest.h>

#include <sqlite3.h>

#include <chrono>
#include <thread>

#include "foundation/Transaction.h"
#include "foundation/tests/AdoTestDatabase.h"

namespace {

using TransactionTest = AdoTestDatabase;

long Rows(CAdoConnection& connection) {
    _RecordsetPtr rows = connection.Execute("SELECT COUNT(*) FROM CORVANE_T");
    ado::Variant count;
    return rows && rows->GetValue(0, count) ? static_cast<long>(count.ToDouble()) : -1;
}

TEST_F(TransactionTest, WorkIsKeptOnlyWhenCommitted) {
    {
        db::Transaction transaction(connection_);
        ASSERT_TRUE(transaction.Began());
        connection_.Execute("INSERT INTO CORVANE_T (CODE) VALUES ('c3')");
    }  // not committed: rolled back
    EXPECT_EQ(Rows(connection_), 2);
    {
        db::Transaction transaction(connection_);
        connection_.Execute("INSERT INTO CORVANE_T (CODE) VALUES ('c3')");
        EXPECT_TRUE(transaction.Commit());
        EXPECT_FALSE(transaction.Commit());  // once only
    }
    EXPECT_EQ(Rows(connection_), 3);
}

TEST_F(TransactionTest, AnInnerTransactionIsASavepointOfTheOuterOne) {
    db::Transaction outer(connection_);
    connection_.Execute("INSERT INTO CORVANE_T (CODE) VALUES ('kept')");
    EXPECT_FALSE(db::InTransaction(connection_, [&] {
        connection_.Execute("INSERT INTO CORVANE_T (CODE) VALUES ('dropped')");
        return false;
    }));
    ASSERT_TRUE(outer.Commit());
    EXPECT_EQ(Rows(connection_), 3);
}

TEST_F(TransactionTest, ACommitRefusedByABusyDatabaseIsReportedAndRolledBack) {
    ado::SetBusyTimeout(50);
    CAdoConnection reader, writer;
    ASSERT_TRUE(reader.ConnectAccess(DatabasePath(), kPassword, -1));
    ASSERT_TRUE(writer.ConnectAccess(DatabasePath(), kPassword, -1));
    ado::SetBusyTimeout(5000);
    // A reader that is not this program (a backup, the sqlite3 tool) holds a read lock.
    ASSERT_EQ(sqlite3_exec(reader.GetConnection()->Handle(), "BEGIN; SELECT COUNT(*) FROM CORVANE_T", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);

    db::Transaction transaction(writer);
    ASSERT_TRUE(transaction.Began());  // reading does not keep a writer from beginning
    writer.Execute("INSERT INTO CORVANE_T (CODE) VALUES ('c3')");
    EXPECT_FALSE(transaction.Commit());
    EXPECT_EQ(db::FailureMessage(writer, "保存失败！"), "数据库正被其他程序使用，请稍后再试。\r\n保存失败！");
    sqlite3_exec(reader.GetConnection()->Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    EXPECT_EQ(Rows(connection_), 2);
}

// Every transaction takes the write lock when it begins: while another
// connection writes, it waits for it (the busy timeout) and goes on when the
// other commits; when the other holds on past the wait, it does not begin, and
// the user is told the database is in use.
TEST_F(TransactionTest, ATransactionBeginsByWaitingForAnotherWriter) {
    struct Case {
        const char* name;
        int timeoutMs;
        bool released;
    };
    for (const Case& c : {Case{"released during the wait", 10000, true}, Case{"held past the wait", 100, false}}) {
        SCOPED_TRACE(c.name);
        CAdoConnection holder, writer;
        ASSERT_TRUE(holder.ConnectAccess(DatabasePath(), kPassword, -1));
        ado::SetBusyTimeout(c.timeoutMs);
        ASSERT_TRUE(writer.ConnectAccess(DatabasePath(), kPassword, -1));
        ado::SetBusyTimeout(5000);
        db::Transaction held(holder);
        ASSERT_TRUE(held.Began());
        ASSERT_TRUE(holder.Execute("INSERT INTO CORVANE_T (CODE) VALUES ('other')"));
        std::thread release;
        if (c.released)
            release = std::thread([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                held.Commit();
            });
        const bool written = db::InTransaction(writer, [&] {
            return writer.Execute("INSERT INTO CORVANE_T (CODE) VALUES ('mine')") != nullptr;
        });
        if (release.joinable()) release.join();
        EXPECT_EQ(written, c.released);
        if (!c.released) {
            EXPECT_EQ(db::FailureMessage(writer, "保存失败！"), "数据库正被其他程序使用，请稍后再试。\r\n保存失败！");
            held.Rollback();
        }
    }
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM CORVANE_T WHERE CODE IN ('other', 'mine')"), "2");
}

TEST_F(TransactionTest, EachItemIsKeptOrDroppedAlone) {
    const std::vector<std::string> codes = {"x1", "bad", "x2"};
    const std::vector<std::string> kept = db::EachInTransaction(connection_, codes, [&](const std::string& code) {
        connection_.Execute("INSERT INTO CORVANE_T (CODE) VALUES ('" + code + "')");
        return code != "bad";
    });
    EXPECT_EQ(kept, (std::vector<std::string>{"x1", "x2"}));
    EXPECT_EQ(Rows(connection_), 4);
}

}  // namespace
