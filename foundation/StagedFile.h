// A file that goes with a record being imported (an attachment, a document).
// Its bytes are written to a hidden file in the target's folder before the
// record's transaction, so a file that cannot be written keeps the record
// out; once the record is committed the hidden file is renamed into place,
// and when the record is refused it is removed. Should the rename fail after
// the commit, the hidden file keeps the bytes and the user is told both paths.
//
//     StagedFile file;
//     if (file.Stage(target, bytes, question) == StagedFile::Result::Failed) return 0;  // nothing stored
//     if (!StoreRecord()) return 0;  // the hidden file goes with `file`
//     file.Place();
#pragma once

#include <string>
#include <string_view>

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
    // After the commit: the hidden file renamed over the target. True when
    // the file is in place or nothing was staged; false when the rename
    // failed, which is said with the target's and the hidden file's paths,
    // and the hidden file, holding the bytes, stays.
    bool Place();
    // The record was not stored: the hidden file is removed.
    void Discard();

    bool IsStaged() const { return !m_hidden.empty(); }

private:
    std::string m_target;
    std::string m_hidden;
};
