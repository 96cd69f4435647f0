// A fresh copy of the installed program folder for a test: the databases as
// the build made them (never a database a developer has written to), the
// templates folder 模板, the folder temp with its default texts and the user
// manual; not the program or its libraries.
#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace testsupport {

// Copies the installed folder into a new folder under the system's temporary
// folder and returns that folder's path. On failure returns an empty text,
// leaves nothing behind and puts the reason in `error`.
std::string MakeInstalledFolder(std::string& error);

}  // namespace testsupport

// Fixture: each test runs with the program folder (sys::ProgramFolder)
// pointed at a fresh copy, which is removed after the test.
class InstalledFolder : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The copy's folder, and the path of a file or folder inside it.
    const std::string& Folder() const { return folder_; }
    std::string PathOf(std::string_view name) const;

private:
    std::string folder_;
};
