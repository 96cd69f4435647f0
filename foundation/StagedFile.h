// A file that goes with a record being imported (an attachment, a document).
// Its bytes are written to a hidden file in the target's folder before the
// record's transaction, so a file that cannot be written keeps the record
// out; inside the record's transaction a note says where the hidden file
// goes, so that it is committed with the record; once the record is committed
// the hidden file is renamed into place and the note cleared, and when the
// record is refused the hidden file is removed. Should the rename fail after
// the commit, the hidden file keeps the bytes and the user is told both paths.
//
//     StagedFile file;
//     if (file.Stage(target, bytes, question) == StagedFile::Result::Failed) return 0;  // nothing stored
//     if (!db::InTransaction(connection, [&] { return StoreRecord() && file.Journal(connection); }))
//         return 0;  // the hidden file goes with `file`
//     file.Place();
//
// A process killed on the way leaves nothing half-placed: at the next start
// (RecoverStagedFiles) a hidden file whose note was committed is put in
// place, and one whose record never was is removed (each process lists the
// hidden files it stages in its scratch folder). Each step is reported to
// sys::StepReached ("staged", "committed", "placed"), where the kill test
// ends the process.
#pragma once

#include <string>
#include <string_view>

class CAdoConnection;

class StagedFile {
public:
    enum class Result { Staged, Declined, Failed };

    StagedFile() = default;
    // A hidden file neither placed nor kept after a failed rename is removed.
    ~StagedFile() { Discard(); }
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Asks `question` (caption "提示", OK and Cancel) when a file stands at
    // `target`: Cancel gives Declined and writes nothing. Otherwise the
    // folder is made and the bytes written to a hidden file of a new name
    // beside the target: Staged, or Failed (the file or folder and the reason said).
    Result Stage(const std::string& target, std::string_view bytes, const std::string& question);
    // Inside the record's transaction: the note that the hidden file goes to
    // its target, committed or rolled back with the record. True when written
    // or when nothing is staged.
    bool Journal(CAdoConnection& connection);
    // After the commit: the hidden file renamed over the target. True when
    // the file is in place or nothing was staged; false when the rename
    // failed, which is said with the target's and the hidden file's paths,
    // and the hidden file, holding the bytes, stays (and is tried again at
    // the next start).
    bool Place();
    // The record was not stored: the hidden file is removed.
    void Discard();

    bool IsStaged() const { return !m_hidden.empty(); }

private:
    std::string m_target;
    std::string m_hidden;
    CAdoConnection* m_journal = nullptr;
};

// At start, before anything is imported: every hidden file whose record was
// committed is put in place (the user is told of those that cannot be, and
// they are tried again at the next start); the hidden files that ended
// processes staged for records never committed are removed.
void RecoverStagedFiles(CAdoConnection& connection);
