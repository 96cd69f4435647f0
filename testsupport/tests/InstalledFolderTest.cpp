#include "testsupport/InstalledFolder.h"

#include <string>

#include <gtest/gtest.h>

#include "platform/sys/Sys.h"

namespace {

TEST_F(InstalledFolder, IsTheProgramFolderAndHoldsTheInstalledFiles) {
    EXPECT_EQ(sys::ProgramFolder(), Folder());
    for (const char* file : {"project.mdb", "temp.mdb", "temp/sumdefault.rtf", "temp/sumdefault1.rtf",
                             "temp/xmjj2.rtf"}) {
        EXPECT_TRUE(sys::FileExists(PathOf(file))) << file;
    }
    EXPECT_TRUE(sys::FolderExists(PathOf("模板")));
}

// A fixture whose set-up and tear-down the test calls itself.
class Probe : public InstalledFolder {
public:
    void TestBody() override {}
    using InstalledFolder::Folder;
    using InstalledFolder::SetUp;
    using InstalledFolder::TearDown;
};

TEST(InstalledFolderLifetime, TearDownRemovesTheCopyAndRestoresTheProgramFolder) {
    const std::string realFolder = sys::ProgramFolder();
    Probe probe;
    probe.SetUp();
    const std::string copy = probe.Folder();
    ASSERT_TRUE(sys::FolderExists(copy));
    ASSERT_NE(sys::ProgramFolder(), realFolder);

    probe.TearDown();

    EXPECT_FALSE(sys::FolderExists(copy));
    EXPECT_EQ(sys::ProgramFolder(), realFolder);
}

TEST(InstalledFolderCopy, CopiesAreIndependentOfEachOther) {
    std::string error;
    const std::string first = testsupport::MakeInstalledFolder(error);
    ASSERT_FALSE(first.empty()) << error;
    const std::string second = testsupport::MakeInstalledFolder(error);
    ASSERT_FALSE(second.empty()) << error;
    ASSERT_NE(first, second);

    std::string pristine;
    ASSERT_TRUE(sys::ReadFile(sys::JoinPath(second, "project.mdb"), pristine));
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(first, "project.mdb"), "changed by a test"));

    std::string after;
    ASSERT_TRUE(sys::ReadFile(sys::JoinPath(second, "project.mdb"), after));
    EXPECT_EQ(after, pristine);
    EXPECT_GT(after.size(), 0u);

    sys::RemoveAll(first);
    sys::RemoveAll(second);
}

}  // namespace
