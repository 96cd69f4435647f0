// The login check against the installed user table.
#include <gtest/gtest.h>

#include <map>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Options.h"
#include "foundation/Password.h"
#include "foundation/ProjectDatabase.h"
#include "main/Login.h"
#include "platform/sys/Sys.h"
#include "testsupport/InstalledFolder.h"

TEST(UserQuery, QuotesWhatWasTypedAndLeavesThePasswordOut) {
    EXPECT_EQ(UserQuery("jjb"), "select * from CORVANE_USERS where YHM = 'jjb'");
    EXPECT_EQ(UserQuery("' or '1'='1"), "select * from CORVANE_USERS where YHM = ''' or ''1''=''1'");
}

namespace {

class LoginLookUp : public InstalledFolder {
protected:
    void Run(const std::string& sql) {
        CAdoConnection connection;
        ASSERT_TRUE(connection.ConnectAccess(PathOf(kProjectDatabaseFile), kProjectDatabasePassword));
        ASSERT_NE(connection.Execute(sql), nullptr) << sql;
    }
    // The YHMM of every user row, by user name.
    std::map<std::string, std::string> StoredPasswords() {
        CAdoConnection connection;
        EXPECT_TRUE(connection.ConnectAccess(PathOf(kProjectDatabaseFile), kProjectDatabasePassword));
        CAdoRecordSet users;
        users.SetConnection(&connection);
        users.SetCursorLocation(adUseClient);
        std::map<std::string, std::string> stored;
        EXPECT_TRUE(users.Open("select * from CORVANE_USERS"));
        for (; !users.IsEOF(); users.MoveNext()) {
            std::string name, value;
            users.GetString("YHM", name);
            users.GetString("YHMM", value);
            stored[name] = value;
        }
        return stored;
    }
};

}  // namespace

TEST_F(LoginLookUp, EachInstalledUserGetsTheRoleOfItsRow) {
    struct Case {
        const char *user, *password;
        int role;
    } cases[] = {{"zngl", "zngl2024", 0}, {"sbdw", "sbdw2024", 1}, {"jjb", "jjb2024", 2}};
    for (const Case& c : cases) {
        const LoginMatch match = LookUpUser(c.user, c.password);
        EXPECT_EQ(match.outcome, LoginLookup::Found) << c.user;
        EXPECT_EQ(match.role, c.role) << c.user;
    }
}

TEST_F(LoginLookUp, WrongOrForgedCredentialsFindNobody) {
    const std::pair<const char*, const char*> attempts[] = {
        {"jjb", "wrong"},
        {"nobody", "jjb2024"},
        {"' or '1'='1", "' or '1'='1"},  // would match every row if pasted into the SQL
        {"jjb' --", "x"},
        {"jjb", "' or YHMM like '%"},
        {"jjb", "JJB2024"},  // the name matches in any case, the password only exactly
        {"jjb", "Jjb2024"},
        {"jjb", "jjb2024 "},
    };
    for (const auto& [user, password] : attempts) {
        const LoginMatch match = LookUpUser(user, password);
        EXPECT_EQ(match.outcome, LoginLookup::NotFound) << user << " / " << password;
        EXPECT_EQ(match.role, -1);
    }
}

TEST_F(LoginLookUp, UserNamesMatchInAnyCase) {
    EXPECT_EQ(LookUpUser("JJB", "jjb2024").outcome, LoginLookup::Found);
}

TEST_F(LoginLookUp, NoPasswordIsStoredInClearAfterInstalling) {
    const auto stored = StoredPasswords();
    ASSERT_EQ(stored.size(), 3u);
    for (const auto& [user, value] : stored) {
        EXPECT_TRUE(password::IsHash(value)) << user;
        EXPECT_EQ(value.find(user), std::string::npos) << user;
    }
}

TEST_F(LoginLookUp, AClearPasswordOfAnOlderDatabaseIsHashedAtItsFirstLogin) {
    Run("update CORVANE_USERS set YHMM = 'Old-Secret' where YHM = 'sbdw'");
    EXPECT_EQ(LookUpUser("sbdw", "old-secret").outcome, LoginLookup::NotFound);  // still exact
    EXPECT_EQ(StoredPasswords()["sbdw"], "Old-Secret");
    EXPECT_EQ(LookUpUser("sbdw", "Old-Secret").role, 1);
    const std::string upgraded = StoredPasswords()["sbdw"];
    EXPECT_TRUE(password::IsHash(upgraded));
    EXPECT_TRUE(password::Matches(upgraded, "Old-Secret"));
    EXPECT_EQ(LookUpUser("sbdw", "Old-Secret").role, 1);  // and again after
    EXPECT_EQ(StoredPasswords()["sbdw"], upgraded);
}

TEST_F(LoginLookUp, MissingDatabaseIsReportedApart) {
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    EXPECT_EQ(LookUpUser("jjb", "jjb2024").outcome, LoginLookup::NoDatabase);
}

TEST_F(LoginLookUp, RememberLoginKeepsUserAndRoleInTheSettingsRecord) {
    RememberLogin("sbdw", 1);
    COptions reread;
    EXPECT_EQ(reread.GetUserName(), "sbdw");
    EXPECT_EQ(reread.GetRole(), 1);
}
