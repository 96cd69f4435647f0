// The summary bundle "<project number>.prosum": an acceptance summary or a
// stage progress report on its way from an applicant unit to the fund office.
// Two saved recordsets, the document row and the project's achievement rows,
// follow one another in a length-prefixed container without a marker.
//
// The list pages of the two summary views run their 导出 and 导入 commands
// through this class; the unit achievement-transfer bundle, a one-part
// container under the same extension, uses WriteParts and ReadParts.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/StagedFile.h"

class SummaryBundle {
public:
    enum class Variant { AcceptanceSummary, ProgressReport };
    static constexpr const char* kExtension = "prosum";

    SummaryBundle(CAdoConnection& connection, Variant variant) : m_connection(connection), m_variant(variant) {}

    // 导出: one bundle per ticked project (numbers in list order) into the
    // dated folder below a chosen one, with the messages of the command.
    void OnBtnExport(const std::vector<std::string>& tickedNumbers);
    // 导入: every bundle of a chosen folder, then "共导入了<n>条数据！". False
    // when the folder choice was cancelled (the list need not be refilled).
    bool OnBtnImport();

    // Writes the bundle of one stored document into `folder` (created when
    // missing). Exported: written; NoDocument: the project has no document
    // and nothing was written; Failed: a file could not be written.
    enum class ExportResult { Exported, NoDocument, Failed };
    ExportResult Export(const std::string& number, const std::string& folder);

    // Imports one bundle: 1 when it counts as imported, 0 otherwise (a bundle
    // of a project that is not stored is refused and named). The
    // document row and the achievement rows are written in one transaction,
    // and nothing is written before both parts have been read: a bundle that
    // cannot be read, is cut short or holds another kind of document shows
    // "载入数据文件失败！" and leaves the database as it was.
    int Import(const std::string& path);

    // <chosen folder>/<date><项目验收总结 | 阶段进展报告>.
    std::string ExportFolder(const std::string& chosenFolder, const std::string& date) const;
    // The fund office's folder of a project's attachment: the save folder of
    // the settings record, the fund number (first 7 characters of the
    // number), the last four characters of the category, the number and
    // "所有文件". Empty while the settings record names no save folder.
    std::string AttachmentFolder(const std::string& number, const std::string& category) const;

    // Removes the scratch files an import leaves in the program folder.
    static void RemoveImportScratchFiles();

    // The container itself: each file's bytes as one part, in order; and
    // back, each part into its file. ReadParts is false when the bundle
    // cannot be read, holds fewer parts or a length runs past its end.
    static bool WriteParts(const std::string& bundlePath, const std::vector<std::string>& partFiles);
    static bool ReadParts(const std::string& bundlePath, const std::vector<std::string>& partFiles);

private:
    struct Document;
    bool ReadDocument(const std::string& path, Document& document);
    // Whether the bundle's record goes in over a stored one (asked only when
    // one is stored); Failed when the look-up itself failed.
    enum class Overwrite { Yes, No, Failed };
    Overwrite AskOverwrite(const std::string& number);
    // The fund office's copy of the attachment, before anything is stored:
    // its file name made one the file system takes (shortened, with its
    // extension), the overwrite question asked, and its bytes staged in its
    // folder, to be put in place once the record is committed (StagedFile).
    // Declined: the file in place stays, and so do the achievement rows.
    // Failed: the bytes cannot be kept (the file or folder and the reason said), the
    // record is not stored.
    StagedFile::Result StageAttachment(Document& document, StagedFile& file);
    bool WriteDocument(const Document& document, bool replaceAchievements);

    CAdoConnection& m_connection;
    Variant m_variant;
    std::vector<std::string> m_failedFiles;  // bundles whose write the database refused
    std::vector<std::string> m_notStored;    // projects of bundles refused: not stored
    std::vector<std::string> m_unplaced;     // bundles whose attachment could not be kept
};
