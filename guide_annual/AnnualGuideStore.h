// The stored annual guides: the guide row with its three chapters and topic
// document, the subject rows with their research purposes and the direction
// rows (one per directed unit) that the topic document is walked into. Each
// change of a guide runs in one transaction, so a guide is never stored
// without its subjects and directions, nor left half-deleted.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/RecordTexts.h"

namespace guidestore {

// Where a guide's rich texts and topic scope are exchanged with the editor.
struct GuideFiles {
    std::string chapters[3];  // RTF of 概述, 国内外研究情况, 年度目标和重点研究内容
    std::string topicFile;    // the topic document
    std::string topicFolder;  // the subjects' purpose files
};
// The guide editor's own files (temp chapters, the topic folder).
GuideFiles EditorFiles();

// The bytes of a long binary column of the current row; false when it
// cannot be read (an empty or NULL value reads as no bytes).
bool ReadBlob(CAdoRecordSet& recordset, const std::string& column, std::string& bytes);
// Creates or replaces the file with the column's bytes; the file is left as
// it was when the column cannot be read.
bool BlobToFile(CAdoRecordSet& recordset, const std::string& column, const std::string& path);
// Sets a long binary column of the pending row to the bytes.
bool WriteBlob(CAdoRecordSet& recordset, const std::string& column, const std::string& bytes);

// True when the guide of this fund number and year is stored.
bool IsGuideStored(CAdoConnection& connection, const std::string& fund, const std::string& year);

// Deletes the guide row and the guide's subject and direction rows; the
// caller holds the transaction.
bool DeleteGuideRows(CAdoConnection& connection, const std::string& fund, const std::string& year);

// Adds the subject and direction rows of the topic document: subjects in
// document order with the bytes of their purpose files, one direction row
// per unit element (DWDM " " for a direction without one). A missing topic
// document is an empty topic scope; an unreadable one, or a purpose file
// that cannot be read, fails. The caller holds the transaction.
bool WriteTopicScope(CAdoConnection& connection, const std::string& fund, const std::string& year,
                     const GuideFiles& files);

// Stores the guide from the files in one transaction; with `replace` the
// stored guide of that fund number and year (with its subjects and
// directions) gives way first. False: the database is as it was.
bool StoreGuide(CAdoConnection& connection, const std::string& fund, const std::string& name,
                const std::string& year, const GuideFiles& files, bool replace);

// Deletes a stored guide with its subjects and directions in one
// transaction. False: the database is as it was.
bool DeleteGuide(CAdoConnection& connection, const std::string& fund, const std::string& year);

// Writes a stored guide's chapters, topic document and research purposes to
// the files. False when the guide is not stored (no file is touched then).
bool LoadGuide(CAdoConnection& connection, const std::string& fund, const std::string& year,
               const GuideFiles& files);

// ---- the view's list and the five-year guides it starts from ----

// Opens on `rs` (a recordset bound to the database) the guides published in
// the year, by fund number (the output chooser's list).
bool OpenGuidesOfYear(CAdoRecordSet& rs, const std::string& year);

// One guide of the view's list.
struct ListedGuide {
    std::string fund, name, year;
};
// The guides of the years firstYear to lastYear, by year and fund number:
// every one, or those `selection` (a query of the search dialog) gives.
std::vector<ListedGuide> ListGuides(CAdoConnection& connection, const std::string& firstYear,
                                    const std::string& lastYear, const std::string& selection = {});
// What the search dialog was given: fund number, guide name and year, each
// matched whole; an empty one is left out.
struct GuideSearch {
    std::string fund, name, year;
};
// The guides of the years firstYear to lastYear the search gives, as
// ListGuides above.
std::vector<ListedGuide> SearchGuides(CAdoConnection& connection, const std::string& firstYear,
                                      const std::string& lastYear, const GuideSearch& search);

// A five-year guide of the period that an annual guide can be written from.
struct FiveYearGuide {
    std::string name, fund;
};
// The period's five-year guides in stored order.
std::vector<FiveYearGuide> FiveYearGuides(CAdoConnection& connection, const std::string& period);
// The five-year guide's name and its first two chapters (概述 and
// 国内外研究情况) written to the files; false, and nothing written, when the
// guide is not stored.
bool LoadFiveYearChapters(CAdoConnection& connection, const std::string& fund, const std::string& period,
                          std::string& name, const std::string& overviewFile, const std::string& researchFile);

// ---- the units a guide is issued to (CORVANE_UNIT) ----

// Code and name of each unit that the year's directions name, once each:
// those of key directions, of general directions, or of both.
RowTexts DirectedUnits(CAdoConnection& connection, const std::string& year, bool key, bool general);

// The units whose code begins with `code` and whose name holds `name` (both
// as the user typed them: % and _ in them match as LIKE does; an empty one
// matches every unit), by code; of each unit its first `columns` columns.
RowTexts FindUnits(CAdoConnection& connection, const std::string& code, const std::string& name, long columns);

}  // namespace guidestore
