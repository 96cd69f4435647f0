#include "numbering/ProjectFolders.h"

#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <mutex>

#include "foundation/AdoConnection.h"
#include "foundation/Options.h"
#include "numbering/LeadingCharacters.h"
#include "numbering/ProjectNumbering.h"
#include "platform/sys/Sys.h"

namespace projectfolders {

const char* const kFolderMoveFailedMessage = "项目附件文件夹无法随项目编号移动，项目编号未作修改！";

// One rename of a folder; `aside` marks a folder set aside to be removed
// when the transaction commits.
struct FolderChanges::Step {
    std::string from, to;
    bool aside = false;
};

namespace {

constexpr const char* kFilesFolder = "所有文件";

// The save folders of the settings record that are set, each once.
std::vector<std::string> SaveFolders() {
    const COptions options;
    std::vector<std::string> folders;
    for (const std::string& folder : {options.GetAcceptDir(), options.GetProgressDir()})
        if (!folder.empty() && std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    return folders;
}

std::string FundFolder(const std::string& saveFolder, const std::string& number) {
    return sys::JoinPath(saveFolder, sys::SafeFileName(projectnumber::FundNumberOf(number)));
}

// The project's folders in a save folder, one per category folder that has
// one: (category folder name, path).
std::vector<std::pair<std::string, std::string>> ProjectFoldersIn(const std::string& saveFolder,
                                                                  const std::string& number) {
    std::vector<std::pair<std::string, std::string>> found;
    const std::string fund = FundFolder(saveFolder, number);
    if (!sys::FolderExists(fund)) return found;
    for (const std::string& category : sys::ListNonFiles(fund, "")) {
        if (category.empty() || category[0] == '.') continue;
        const std::string folder = sys::JoinPath(sys::JoinListedName(fund, category), sys::SafeFileName(number));
        if (sys::FolderExists(folder)) found.emplace_back(category, folder);
    }
    return found;
}

// Changes handed to a connection's open transaction, by engine handle.
std::mutex registryMutex;
std::map<sqlite3*, std::vector<FolderChanges::Step>>& Registry() {
    static std::map<sqlite3*, std::vector<FolderChanges::Step>> registry;
    return registry;
}

void Undo(std::vector<FolderChanges::Step>& steps) {
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) sys::RenameFile(step->to, step->from);
    steps.clear();
}

void RemoveAside(std::vector<FolderChanges::Step>& steps) {
    for (const FolderChanges::Step& step : steps)
        if (step.aside) sys::RemoveAll(step.to);
    steps.clear();
}

std::vector<FolderChanges::Step> Take(void* handle) {
    std::lock_guard<std::mutex> lock(registryMutex);
    std::vector<FolderChanges::Step> steps;
    const auto kept = Registry().find(static_cast<sqlite3*>(handle));
    if (kept == Registry().end()) return steps;
    steps = std::move(kept->second);
    Registry().erase(kept);
    return steps;
}

int OnCommit(void* handle) {
    std::vector<FolderChanges::Step> steps = Take(handle);
    RemoveAside(steps);
    return 0;
}

void OnRollback(void* handle) {
    std::vector<FolderChanges::Step> steps = Take(handle);
    Undo(steps);
}

}  // namespace

std::string AttachmentFolder(const std::string& saveFolder, const std::string& number, const std::string& category) {
    if (saveFolder.empty()) return {};
    std::string folder = FundFolder(saveFolder, number);
    folder = sys::JoinPath(folder, sys::SafeFileName(TrailingCharacters(category, 4)));
    folder = sys::JoinPath(folder, sys::SafeFileName(number));
    return sys::JoinPath(folder, kFilesFolder);
}

FolderChanges::FolderChanges() = default;

FolderChanges::~FolderChanges() { Undo(steps_); }

bool FolderChanges::Move(const projectnumber::Renames& renames) {
    // First every folder that moves is set beside itself under a hidden
    // name, then each goes to its new number: projects may trade numbers.
    std::vector<Step> pending;
    for (const std::string& save : SaveFolders()) {
        for (const auto& [from, to] : renames) {
            if (from == to) continue;
            for (const auto& [category, folder] : ProjectFoldersIn(save, from)) {
                const std::string hidden = sys::NewHiddenPath(sys::ParentFolder(folder), "move");
                if (!sys::RenameFile(folder, hidden)) return Undo(steps_), false;
                steps_.push_back({folder, hidden});
                const std::string target =
                    sys::JoinPath(sys::JoinListedName(FundFolder(save, to), category), sys::SafeFileName(to));
                pending.push_back({hidden, target});
            }
        }
    }
    for (const Step& move : pending) {
        // A folder at the new number that no project took along belongs to
        // none (left by a project deleted before folders followed numbers).
        if (sys::FolderExists(move.to)) {
            const std::string aside = sys::NewHiddenPath(sys::ParentFolder(move.to), "removed");
            if (!sys::RenameFile(move.to, aside)) return Undo(steps_), false;
            steps_.push_back({move.to, aside, true});
        }
        if (!sys::MakeDirs(sys::ParentFolder(move.to)) || !sys::RenameFile(move.from, move.to))
            return Undo(steps_), false;
        steps_.push_back(move);
    }
    return true;
}

bool FolderChanges::Remove(const std::vector<std::string>& numbers) {
    for (const std::string& save : SaveFolders()) {
        for (const std::string& number : numbers) {
            for (const auto& [category, folder] : ProjectFoldersIn(save, number)) {
                const std::string aside = sys::NewHiddenPath(sys::ParentFolder(folder), "removed");
                if (!sys::RenameFile(folder, aside)) return Undo(steps_), false;
                steps_.push_back({folder, aside, true});
            }
        }
    }
    return true;
}

void FolderChanges::Keep(CAdoConnection& connection) {
    ado::Connection* engine = connection.GetConnection();
    sqlite3* handle = engine ? engine->Handle() : nullptr;
    if (steps_.empty() || !handle) return;
    {
        std::lock_guard<std::mutex> lock(registryMutex);
        std::vector<Step>& kept = Registry()[handle];
        kept.insert(kept.end(), steps_.begin(), steps_.end());
    }
    steps_.clear();
    sqlite3_commit_hook(handle, OnCommit, handle);
    sqlite3_rollback_hook(handle, OnRollback, handle);
}

}  // namespace projectfolders
