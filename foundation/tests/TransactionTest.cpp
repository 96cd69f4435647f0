#include <gtest/gtest.h>

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
    CAdoConnection reader;
    ASSERT_TRUE(reader.ConnectAccess(DatabasePath(), kPassword, -1));
    ASSERT_GT(reader.BeginTrans(), 0);
    ASSERT_TRUE(reader.Execute("SELECT COUNT(*) FROM CORVANE_T"));  // holds a read lock

    db::Transaction transaction(connection_);
    ASSERT_TRUE(transaction.Began());
    connection_.Execute("INSERT INTO CORVANE_T (CODE) VALUES ('c3')");
    EXPECT_FALSE(transaction.Commit());
    reader.RollbackTrans();
    EXPECT_EQ(Rows(connection_), 2);
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
