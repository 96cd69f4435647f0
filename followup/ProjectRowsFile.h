// A project's rows of one follow-up table as a file of their own: one saved
// recordset "<project number>.<extension>" holding every column of the
// table. The plan file (.proplan, the yearly plans) and the acceptance file
// (.proys, the acceptance-summary report) are two formats of this kind; the
// forms that exchange them run their 导出 and 导入 commands through it.
//
// The import of one file, and what it refuses, is ProjectRowsImport's.
#pragma once

#include <string>
#include <vector>

#include "application/DuplicatePolicy.h"
#include "foundation/AdoConnection.h"
#include "foundation/ProjectRowsImport.h"

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
    // Imports one file; the number of rows written (ProjectRowsImport).
    int Import(const std::string& path, DuplicatePolicy policy);
    // 1 when a row with these key values (number first) is stored, else 0.
    int IsRecordExist(const std::vector<std::string>& keyValues);

    std::string ExportFolder(const std::string& chosenFolder, const std::string& date) const;
private:
    std::string KeyCondition(const std::vector<std::string>& keyValues) const;

    CAdoConnection& m_connection;
    const ProjectRowsFormat& m_format;
    ProjectRowsImport m_import{m_connection, m_format};
};
