// A project's rows of one follow-up table as a file of their own: one saved
// recordset "<project number>.<extension>" holding every column of the
// table. The plan file (.proplan, the yearly plans) and the acceptance file
// (.proys, the acceptance-summary report) are two formats of this kind; the
// follow-up forms and the data exchange's import view both read them here.
//
// A file is taken only when its columns at the copied positions carry the
// table's names (a file of another table is never copied column by column
// into this one), every row names its key, all rows belong to one stored
// project, no key is given twice, every amount is one a column holds, and a
// plan's years agree with each other and with the project's stored plan.
// The questions of the duplicate policy come first; the file's rows are
// then written in one transaction, so a file counts only when all it
// carries was stored.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"

class CAdoRecordSet;

struct ProjectRowsFormat {
    const char* table;
    const char* extension;   // without the dot
    const char* folderWord;  // the export folder is the date followed by this word
    // The columns that identify a row (the project number first).
    std::vector<const char*> keyColumns;
    // Columns copied from the file to the new row: 0-based positions as text
    // and as bytes, then names as text and as bytes. A long column is copied
    // once, by name when it has one here, else by its position.
    std::vector<long> textPositions, binaryPositions;
    std::vector<const char*> textNames, binaryNames;
    // Text columns holding an amount (IsStorableAmount).
    std::vector<const char*> amountNames;
    // What the file is called in the import report ("…文件").
    const char* kindName;
    // The second key column holds the year of a plan (PlanYearsAgree).
    bool keyedByPlanYear = false;
};

// Whether these are the years of one project's plan: the plan form's three
// captions ("第一年度" to "第三年度"), or calendar years (four digits) within
// the three years a plan spans; never the two kinds mixed. Which kind a plan
// uses, and the year it starts, is what its rows say.
bool PlanYearsAgree(const std::vector<std::string>& years);

// The plan file: every CORVANE_ITEMYEARPLAN row of a project (one per plan
// year), rows identified by XMBH and NF.
const ProjectRowsFormat& YearPlanFormat();
// The acceptance file: the project's CORVANE_ITEMCHECKACCEPT row; the
// follow-up import takes the number, the seven report sections and the four
// text columns after them (the dates, contributors and shown name).
const ProjectRowsFormat& AcceptanceFormat();
// The acceptance file as the data exchange takes it: without the shown name.
const ProjectRowsFormat& ExchangeAcceptanceFormat();

// The import of the files of one folder: each file by Import, then one
// report naming every file and project left out, with the reason.
class ProjectRowsImport {
public:
    // Whether the stored row of the project is to be replaced (asked per row
    // whose key is stored, before anything is written).
    using ReplaceStored = std::function<bool(const std::string& number)>;

    ProjectRowsImport(CAdoConnection& connection, const ProjectRowsFormat& format)
        : m_connection(connection), m_format(format) {}

    // Imports one file; the number of rows written (0 when the file was
    // refused, when the policy kept every stored row, or when the write
    // failed and was rolled back).
    int Import(const std::string& path, const ReplaceStored& replaceStored);
    // Imports every file of the format's extension in `folder`; the report:
    // "共导入了<n>条数据！" (files with rows written) and the names of what
    // was left out, with the reason.
    std::string ImportFolder(const std::string& folder, const ReplaceStored& replaceStored);

    // Whether a row with these key values (number first) is stored.
    bool IsStored(const std::vector<std::string>& keyValues);

    // The projects whose rows were refused because they are not stored.
    const std::vector<std::string>& NotStored() const { return m_notStored; }

private:
    bool HasTableLayout(CAdoRecordSet& file);
    std::string KeyCondition() const;
    bool WriteRows(CAdoRecordSet& file, const std::vector<std::vector<std::string>>& keys,
                   const std::vector<bool>& write, const std::vector<bool>& replace);
    bool CopyRow(CAdoRecordSet& file, const std::vector<std::string>& keyValues, CAdoRecordSet& row);

    CAdoConnection& m_connection;
    const ProjectRowsFormat& m_format;
    std::vector<std::string> m_notStored, m_notOfItsKind, m_empty, m_withoutKey, m_otherProjects, m_repeated,
        m_badAmounts, m_badYears, m_failed;
};
