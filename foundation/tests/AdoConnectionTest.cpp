#include <gtest/gtest.h>

#include "foundation/tests/AdoTestDatabase.h"
#include "platform/text/Text.h"

namespace {

using AdoConnectionTest = AdoTestDatabase;

TEST_F(AdoConnectionTest, ConnectsWithTheSystemsPathForm) {
    CAdoConnection connection;
    const std::string windowsPath = text::ReplaceAll(DatabasePath(), "/", "\\");
    ASSERT_TRUE(connection.ConnectAccess(windowsPath, kPassword, -1));
    EXPECT_TRUE(connection.IsOpen());
    EXPECT_EQ(connection.GetConnectionString(),
              "Provider=Microsoft.Jet.OLEDB.4.0; Data Source=" + windowsPath + ";Jet OLEDB:Database Password=5081;");
    connection.Close();
    EXPECT_FALSE(connection.IsOpen());
    // An empty text reopens with the kept one.
    EXPECT_TRUE(connection.Open("", -1));
    EXPECT_TRUE(connection.IsOpen());
}

TEST_F(AdoConnectionTest, EmptyPasswordLeavesOutThePasswordClause) {
    CAdoConnection connection;
    connection.ConnectAccess(DatabasePath(), "", -1);
    EXPECT_EQ(connection.GetConnectionString(), "Provider=Microsoft.Jet.OLEDB.4.0; Data Source=" + DatabasePath());
}

TEST_F(AdoConnectionTest, WrongOrMissingPasswordIsRefused) {
    for (const char* password : {"5082", ""}) {
        CAdoConnection connection;
        EXPECT_FALSE(connection.ConnectAccess(DatabasePath(), password, -1)) << password;
        EXPECT_FALSE(connection.IsOpen());
        EXPECT_EQ(connection.FormatErrors(),
                  "Description: Not a valid password.\r\nState: 3031, Native: 23, Source: Microsoft JET Database "
                  "Engine\r\n");
    }
}

TEST_F(AdoConnectionTest, MissingFileFailsAndIsNotCreated) {
    CAdoConnection connection;
    const std::string missing = FilePath("missing.mdb");
    EXPECT_FALSE(connection.ConnectAccess(missing, kPassword, -1));
    EXPECT_NE(connection.FormatErrors().find("Could not find file '" + missing + "'."), std::string::npos);
    EXPECT_FALSE(sys::FileExists(missing));
}

TEST_F(AdoConnectionTest, OpenWithoutAnyConnectionTextFails) {
    CAdoConnection connection;
    EXPECT_FALSE(connection.Open("", -1));
    EXPECT_EQ(connection.FormatErrors(), "");
}

TEST_F(AdoConnectionTest, ExecuteRunsStatementsAndGivesNullOnFailure) {
    EXPECT_NE(connection_.Execute("delete from corvane_t where code = 'A1'", 1), nullptr);
    EXPECT_EQ(Scalar("select count(*) from CORVANE_T"), "1");

    EXPECT_EQ(connection_.Execute("delete from NO_SUCH_TABLE", 1), nullptr);
    EXPECT_EQ(connection_.FormatErrors(),
              "Description: The Microsoft Jet database engine cannot find the input table or query 'NO_SUCH_TABLE'."
              "  Make sure it exists and that its name is spelled correctly.\r\nState: 3078, Native: 1, Source: "
              "Microsoft JET Database Engine\r\n");

    EXPECT_EQ(connection_.Execute("update CORVANE_T set CODE = '123456789'", 1), nullptr);
    EXPECT_NE(connection_.FormatErrors().find(ado::kFieldTooSmall), std::string::npos);
    EXPECT_EQ(Scalar("select count(*) from CORVANE_T where CODE = 'b2'"), "1");
}

TEST_F(AdoConnectionTest, TransactionsNestAndRollBack) {
    EXPECT_EQ(connection_.BeginTrans(), 1);
    connection_.Execute("delete from CORVANE_T where CODE = 'a1'", 1);
    EXPECT_EQ(connection_.BeginTrans(), 2);
    connection_.Execute("delete from CORVANE_T", 1);
    EXPECT_TRUE(connection_.RollbackTrans());  // the inner delete is undone
    EXPECT_EQ(Scalar("select count(*) from CORVANE_T"), "1");
    EXPECT_TRUE(connection_.CommitTrans());
    EXPECT_EQ(Scalar("select count(*) from CORVANE_T"), "1");

    EXPECT_FALSE(connection_.CommitTrans());
    EXPECT_FALSE(connection_.RollbackTrans());
}

TEST_F(AdoConnectionTest, TransactionStillOpenAtCloseIsRolledBack) {
    {
        CAdoConnection connection;
        ASSERT_TRUE(connection.ConnectAccess(DatabasePath(), kPassword, -1));
        connection.BeginTrans();
        connection.Execute("delete from CORVANE_T", 1);
    }
    EXPECT_EQ(Scalar("select count(*) from CORVANE_T"), "2");
}

TEST_F(AdoConnectionTest, ClosedConnectionFailsQuietly) {
    CAdoConnection connection;
    EXPECT_FALSE(connection.IsOpen());
    EXPECT_EQ(connection.BeginTrans(), -1);
    EXPECT_EQ(connection.Execute("select 1", 1), nullptr);
    connection.Release();
    EXPECT_FALSE(connection.ConnectAccess(DatabasePath(), kPassword, -1));
    EXPECT_EQ(connection.FormatErrors(), "");
}

}  // namespace
