#include "platform/sys/Library.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

namespace {

// Where libplatform_text.so lies, and the exported name of one of its functions.
Dl_info InfoOfTrim() {
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&text::Trim), &info);
    return info;
}

}  // namespace

TEST(Library, LoadsByWindowsStyleNameFromTheProgramFolder) {
    Dl_info info = InfoOfTrim();
    ASSERT_NE(info.dli_fname, nullptr);
    ASSERT_NE(info.dli_sname, nullptr);
    sys::SetProgramFolder(sys::ParentFolder(info.dli_fname));

    sys::Library lib;
    ASSERT_TRUE(lib.Load("platform_text.dll")) << lib.Error();
    EXPECT_EQ(lib.Symbol(info.dli_sname), info.dli_saddr);
    EXPECT_EQ(lib.Symbol("NoSuchExport"), nullptr);
    lib.Free();
    EXPECT_FALSE(lib.IsLoaded());
    EXPECT_EQ(lib.Symbol(info.dli_sname), nullptr);
    sys::SetProgramFolder("");
}

TEST(Library, MissingLibraryFailsWithAReason) {
    sys::Library lib;
    EXPECT_FALSE(lib.Load("Dunmere-not-here.dll"));
    EXPECT_FALSE(lib.IsLoaded());
    EXPECT_FALSE(lib.Error().empty());
}
