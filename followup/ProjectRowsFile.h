// A project's rows of one follow-up table as a file of their own: one saved
// recordset "<project number>.<extension>" holding every column of the
// table. The plan file (.proplan, the yearly plans) and the acceptance file
// (.proys, the acceptance-summary report) are two formats of this kind; the
// forms that exchange them run their 导出 and 导入 commands through it.
//
// An importer copies chosen columns by position and by name; a file is
// taken only when its columns at those positions carry the table's names,
// so a file of another table is never copied column by column into this one.
#pragma once

#include <string>
#include <vector>

#include "application/DuplicatePolicy.h"
#include "foundation/AdoConnection.h"

class CAdoRecordSet;

struct ProjectRowsFormat {
    const char* table;
    const char* extension;   // without the dot
    const char* folderWord;  // the export folder is the date followed by this word
    // The columns that identify a row (the project number first).
    std::vector<const char*> keyColumns;
    // Columns copied from the file to the new row: 0-based positions as text
    // and as bytes, then names as text and as bytes.
    std::vector<long> textPositions, binaryPositions;
    std::vector<const char*> textNames, binaryNames;
    // What the file is called in the import report ("…文件").
    const char* kindName;
};

// The plan file: every CORVANE_ITEMYEARPLAN row of a project (one per plan
// year), rows identified by XMBH and NF.
const ProjectRowsFormat& YearPlanFormat();
// The acceptance file: the project's CORVANE_ITEMCHECKACCEPT row; the import
// takes the number, the seven report sections and the four text columns
// after them (the dates, contributors and shown name).
const ProjectRowsFormat& AcceptanceFormat();

class ProjectRowsFile {
public:
    ProjectRowsFile(CAdoConnection& connection, const ProjectRowsFormat& format)
        : m_connection(connection), m_format(format) {}

    // 导出: one file per selected project (numbers in list order) into the
    // dated folder below a chosen one; projects without rows are skipped.
    void Export(const std::vector<std::string>& numbers);
    // 导入: asks the duplicate policy (kept in `policy` however the dialog is
    // closed), then imports every file of a chosen folder and reports the
    // count. False when the folder choice was cancelled.
    bool ImportFolder(DuplicatePolicy& policy);

    // Writes the file of one project; NoRows writes nothing.
    enum class ExportResult { Exported, NoRows, Failed };
    ExportResult ExportProject(const std::string& number, const std::string& folder);
    // Imports one file; the number of rows written. A row of a project that
    // is not stored is refused (NotStored names it); a row whose key is
    // stored already follows the policy; its replacement (delete and insert)
    // is one transaction, so a refused insert keeps the stored row.
    int Import(const std::string& path, DuplicatePolicy policy);
    // 1 when a row with these key values (number first) is stored, else 0.
    int IsRecordExist(const std::vector<std::string>& keyValues);

    std::string ExportFolder(const std::string& chosenFolder, const std::string& date) const;
    // The projects whose rows the imports refused because they are not stored.
    const std::vector<std::string>& NotStored() const { return m_notStored; }
    // The files the imports refused as not of this kind (unreadable, or
    // without the table's columns), and those holding no row: by name.
    const std::vector<std::string>& NotOfItsKind() const { return m_notOfItsKind; }
    const std::vector<std::string>& Empty() const { return m_empty; }

private:
    // True when the file's columns at the copied positions are the table's.
    bool HasTableLayout(CAdoRecordSet& file);
    std::string KeyCondition(const std::vector<std::string>& keyValues) const;
    bool InsertRow(CAdoRecordSet& file, const std::vector<std::string>& keyValues, bool replace);
    std::vector<std::string> m_notStored, m_notOfItsKind, m_empty;

    CAdoConnection& m_connection;
    const ProjectRowsFormat& m_format;
};
