#include "foundation/StagedFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <set>

#include "foundation/AdoConnection.h"
#include "foundation/FileMessages.h"
#include "foundation/Sql.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace {

// The notes of staged files whose record is being or was committed.
constexpr const char* kJournalTable = "CORVANE_STAGEDFILE";
// The hidden files a process staged, one a line, in its scratch folder.
constexpr const char* kStagedList = "staged.list";

bool EnsureJournal(CAdoConnection& connection) {
    return db::Execute(connection, std::string("create table if not exists ") + kJournalTable +
                                       " (HIDDEN MEMO, TARGET MEMO)");
}

// Lists the hidden file before it is written, so that a kill while it is
// written or before its record is committed leaves it findable.
bool ListStaged(const std::string& hidden) {
    const std::string list = sys::ScratchPath(kStagedList);
    const int fd = open(list.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const std::string line = hidden + "\n";
    const bool written = write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    close(fd);
    return written;
}

bool ClearNote(CAdoConnection& connection, const std::string& hidden) {
    return db::Statement(connection, std::string("delete from ") + kJournalTable + " where HIDDEN = ?1 collate binary",
                         {hidden})
        .Run();
}

std::string NotPlacedText(const std::string& target, const std::string& hidden) {
    return "无法写入文件" + target + "（" + sys::LastFailureReason() + "），其内容已保存在" + hidden + "！";
}

}  // namespace

StagedFile::Result StagedFile::Stage(const std::string& target, std::string_view bytes, const std::string& question) {
    Discard();
    if (sys::FileExists(target) && ui::MessageBox(question, "提示", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return Result::Declined;
    const std::string folder = sys::ParentFolder(sys::NativePath(target));
    // A name of its own: a hidden file kept after a failed rename is never
    // written over by a later one.
    const std::string hidden = sys::NewHiddenPath(folder, "导入", ".tmp");
    if (!MakeFolderOrSay(folder)) return Result::Failed;
    if (!ListStaged(hidden) || !sys::WriteFileAtomic(hidden, bytes)) {
        SayFileNotWritten(target);
        return Result::Failed;
    }
    m_target = target;
    m_hidden = hidden;
    sys::StepReached("staged");
    return Result::Staged;
}

bool StagedFile::Journal(CAdoConnection& connection) {
    if (!IsStaged()) return true;
    if (!EnsureJournal(connection) ||
        !db::Statement(connection, std::string("insert into ") + kJournalTable + " (HIDDEN, TARGET) values (?1, ?2)",
                       {m_hidden, m_target})
             .Run())
        return false;
    m_journal = &connection;
    return true;
}

bool StagedFile::Place() {
    if (!IsStaged()) return true;
    sys::StepReached("committed");
    const std::string hidden = std::move(m_hidden);
    m_hidden.clear();
    CAdoConnection* journal = m_journal;
    m_journal = nullptr;
    if (!sys::RenameFile(hidden, m_target)) {
        // The record is stored: its file's bytes stay where they are, and the user learns where.
        ui::MessageBox(NotPlacedText(m_target, hidden), "提示", MB_ICONERROR);
        return false;
    }
    sys::StepReached("placed");
    // A note left uncleared is cleared at the next start: its hidden file is gone.
    if (journal) ClearNote(*journal, hidden);
    return true;
}

void StagedFile::Discard() {
    if (IsStaged()) sys::RemoveFile(m_hidden);
    m_hidden.clear();
    m_journal = nullptr;
}

void RecoverStagedFiles(CAdoConnection& connection) {
    std::set<std::string> kept;
    std::string notPlaced;
    if (EnsureJournal(connection)) {
        std::vector<std::pair<std::string, std::string>> notes;
        db::Statement read(connection, std::string("select HIDDEN, TARGET from ") + kJournalTable);
        while (read.Next()) notes.emplace_back(read.Text(0), read.Text(1));
        for (const auto& [hidden, target] : notes) {
            // No hidden file: it was placed before the note could be cleared.
            if (sys::FileExists(hidden) && !(sys::MakeDirs(sys::ParentFolder(target)) && sys::RenameFile(hidden, target))) {
                kept.insert(hidden);
                notPlaced += NotPlacedText(target, hidden) + "\r\n";
                continue;
            }
            ClearNote(connection, hidden);
        }
    }
    // What ended processes staged for records never committed.
    for (const std::string& folder : sys::LeftoverScratchFolders()) {
        std::string list;
        sys::ReadFile(sys::JoinPath(folder, kStagedList), list);
        for (const std::string& hidden : text::Split(list, "\n"))
            if (!hidden.empty() && !kept.count(hidden) && sys::FileExists(hidden)) sys::RemoveFile(hidden);
    }
    if (!notPlaced.empty()) ui::MessageBox(notPlaced, "提示", MB_ICONERROR);
}
