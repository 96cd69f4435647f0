// Calling the management library: loaded by name for each call, with the
// code and the user name; a missing library or export is told apart.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "main/ManagementCommands.h"
#include "platform/sys/Sys.h"
#include "testsupport/InstalledFolder.h"

class ManagementLibrary : public InstalledFolder {
protected:
    void Install(const char* builtLibrary) {
        ASSERT_TRUE(sys::CopyFile(builtLibrary, PathOf("libDunmere.so")));
    }
    std::string Log() {
        std::string log;
        sys::ReadFile(PathOf("showdialog.log"), log);
        return log;
    }
};

TEST_F(ManagementLibrary, MissingLibraryCallsNothing) {
    EXPECT_EQ(CallManagementDialog(1, "jjb"), ManagementCall::NotLoaded);
}

TEST_F(ManagementLibrary, LibraryWithoutTheExportCallsNothing) {
    Install(FAKE_DUNMERE_WITHOUT_EXPORT);
    EXPECT_EQ(CallManagementDialog(1, "jjb"), ManagementCall::MissingExport);
    EXPECT_EQ(Log(), "");
}

TEST_F(ManagementLibrary, PassesCodeAndUserOnEveryCall) {
    Install(FAKE_DUNMERE_WITH_EXPORT);
    EXPECT_EQ(CallManagementDialog(5, "jjb"), ManagementCall::Called);
    EXPECT_EQ(CallManagementDialog(7, "用户甲"), ManagementCall::Called);
    EXPECT_EQ(Log(), "5 jjb\n7 用户甲\n");
}

TEST_F(ManagementLibrary, LibraryDeletedWhileRunningIsMissedOnTheNextCall) {
    Install(FAKE_DUNMERE_WITH_EXPORT);
    EXPECT_EQ(CallManagementDialog(1, "jjb"), ManagementCall::Called);
    ASSERT_TRUE(sys::RemoveFile(PathOf("libDunmere.so")));
    EXPECT_EQ(CallManagementDialog(1, "jjb"), ManagementCall::NotLoaded);
}

// The real library, not a stand-in: after each command nothing of it stays
// loaded, so a deleted library is reported and no state carries over.
TEST_F(ManagementLibrary, TheRealLibraryIsUnloadedAfterEachCommand) {
    Install(REAL_DUNMERE);
    const std::string path = PathOf("libDunmere.so");
    auto resident = [&] {
        void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
        if (handle) dlclose(handle);
        return handle != nullptr;
    };
    EXPECT_EQ(CallManagementDialog(8, "jjb"), ManagementCall::Called);  // a code that opens no dialog
    EXPECT_FALSE(resident());
    EXPECT_EQ(CallManagementDialog(0, "jjb"), ManagementCall::Called);
    EXPECT_FALSE(resident());
    ASSERT_TRUE(sys::RemoveFile(path));
    EXPECT_EQ(CallManagementDialog(8, "jjb"), ManagementCall::NotLoaded);
}
