#include "testsupport/InstalledFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/sys/Sys.h"

namespace fs = std::filesystem;

namespace testsupport {
namespace {

// Folders and files of the program folder that a test may use, beside the
// databases. The manual is matched by name whatever its extension.
constexpr const char* kFolders[] = {"模板", "temp"};
constexpr const char* kDatabases[] = {"project.mdb", "temp.mdb"};
constexpr const char* kManualStem = "用户手册";

std::string NewTemporaryFolder(std::string& error) {
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "corvane-test-XXXXXX").string();
    if (ec || !mkdtemp(pattern.data())) {
        error = "cannot create a temporary folder";
        return {};
    }
    return pattern;
}

bool CopyContent(const fs::path& from, const fs::path& to, std::string& error) {
    std::error_code ec;
    for (const char* name : kDatabases) {
        if (!sys::CopyFile((fs::path(CORVANE_PRISTINE_DIR) / name).string(), (to / name).string())) {
            error = std::string("cannot copy the pristine ") + name + " from " CORVANE_PRISTINE_DIR;
            return false;
        }
    }
    for (const char* name : kFolders) {
        fs::copy(from / name, to / name, fs::copy_options::recursive, ec);
        if (ec) {
            error = std::string("cannot copy the folder ") + name + ": " + ec.message();
            return false;
        }
    }
    for (const auto& entry : fs::directory_iterator(from, ec)) {
        if (entry.is_regular_file() && entry.path().stem() == kManualStem) {
            fs::copy_file(entry.path(), to / entry.path().filename(), ec);
            if (ec) {
                error = "cannot copy the user manual: " + ec.message();
                return false;
            }
        }
    }
    if (ec) error = "cannot read the program folder: " + ec.message();
    return !ec;
}

}  // namespace

std::string MakeInstalledFolder(std::string& error) {
    std::string folder = NewTemporaryFolder(error);
    if (folder.empty()) return {};
    if (!CopyContent(CORVANE_BIN_DIR, folder, error)) {
        sys::RemoveAll(folder);
        return {};
    }
    return folder;
}

}  // namespace testsupport

void InstalledFolder::SetUp() {
    std::string error;
    folder_ = testsupport::MakeInstalledFolder(error);
    ASSERT_FALSE(folder_.empty()) << error;
    sys::SetProgramFolder(folder_);
}

void InstalledFolder::TearDown() {
    sys::SetProgramFolder("");
    if (!folder_.empty()) sys::RemoveAll(folder_);
}

std::string InstalledFolder::PathOf(std::string_view name) const {
    return sys::JoinPath(folder_, name);
}
