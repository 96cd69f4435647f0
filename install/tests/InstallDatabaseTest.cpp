// The build's rule for putting a newly built database into the program
// folder: a database that may hold user data is never replaced.
#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/sys/Sys.h"

namespace {

struct InstallCase {
    const char* name;
    std::optional<std::string> installed;      // database in the program folder before the build
    std::optional<std::string> lastInstalled;  // copy of what the build installed last time
    std::string expected;                      // database in the program folder afterwards
};

class InstallDatabase : public ::testing::TestWithParam<InstallCase> {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/corvane-install-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { sys::RemoveAll(folder_); }

    std::string Path(const char* name) const { return sys::JoinPath(folder_, name); }
    std::string Stamp() const { return Path("project.mdb.installed"); }

    int Install(const std::string& source, const std::string& target) const {
        const std::string command = std::string("\"") + CORVANE_CMAKE_COMMAND + "\" -DSOURCE=\"" + source +
                                    "\" -DTARGET=\"" + target + "\" -DSTAMP=\"" + Stamp() +
                                    "\" -P \"" + CORVANE_INSTALL_DATABASE_SCRIPT +
                                    "\" >/dev/null";
        return std::system(command.c_str());
    }

    std::string folder_;
};

TEST_P(InstallDatabase, ReplacesOnlyAnUntouchedDatabase) {
    const InstallCase& c = GetParam();
    const std::string source = Path("built.mdb");
    const std::string target = Path("project.mdb");
    ASSERT_TRUE(sys::WriteFileAtomic(source, "new schema"));
    if (c.installed) {
        ASSERT_TRUE(sys::WriteFileAtomic(target, *c.installed));
    }
    if (c.lastInstalled) {
        ASSERT_TRUE(sys::WriteFileAtomic(Stamp(), *c.lastInstalled));
    }

    ASSERT_EQ(Install(source, target), 0);

    std::string content;
    ASSERT_TRUE(sys::ReadFile(target, content));
    EXPECT_EQ(content, c.expected);
    // A database that is the build's own is remembered as installed, so that
    // the next build may replace it.
    if (content == "new schema") {
        std::string remembered;
        ASSERT_TRUE(sys::ReadFile(Stamp(), remembered));
        EXPECT_EQ(remembered, "new schema");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InstallDatabase,
    ::testing::Values(
        InstallCase{"FreshFolder", std::nullopt, std::nullopt, "new schema"},
        InstallCase{"UntouchedOldBuild", "old schema", "old schema", "new schema"},
        InstallCase{"UserData", "old schema + rows", "old schema", "old schema + rows"},
        InstallCase{"PlacedByHand", "someone's database", std::nullopt, "someone's database"},
        InstallCase{"AlreadyCurrent", "new schema", "old schema", "new schema"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InstallDatabase, AnUpdatedBuildStillNeverReplacesUserData) {
    const std::string source = Path("built.mdb");
    const std::string target = Path("project.mdb");
    ASSERT_TRUE(sys::WriteFileAtomic(source, "schema 1"));
    ASSERT_EQ(Install(source, target), 0);
    ASSERT_TRUE(sys::WriteFileAtomic(target, "schema 1 + rows"));  // the user works with it
    ASSERT_TRUE(sys::WriteFileAtomic(source, "schema 2"));         // a later build

    ASSERT_EQ(Install(source, target), 0);

    std::string content;
    ASSERT_TRUE(sys::ReadFile(target, content));
    EXPECT_EQ(content, "schema 1 + rows");
}

}  // namespace
