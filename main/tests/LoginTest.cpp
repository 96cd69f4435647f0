// The login check against the installed user table.
#include <gtest/gtest.h>

#include "foundation/Options.h"
#include "main/Login.h"
#include "platform/sys/Sys.h"
#include "testsupport/InstalledFolder.h"

TEST(LoginQuery, QuotesWhatWasTyped) {
    EXPECT_EQ(LoginQuery("jjb", "jjb2024"), "select * from CORVANE_USERS where YHM = 'jjb' and YHMM = 'jjb2024'");
    EXPECT_EQ(LoginQuery("' or '1'='1", "x'"),
              "select * from CORVANE_USERS where YHM = ''' or ''1''=''1' and YHMM = 'x'''");
}

using LoginLookUp = InstalledFolder;

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
    };
    for (const auto& [user, password] : attempts) {
        const LoginMatch match = LookUpUser(user, password);
        EXPECT_EQ(match.outcome, LoginLookup::NotFound) << user << " / " << password;
        EXPECT_EQ(match.role, -1);
    }
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
