// The stored follow-up documents of a project, acceptance summary
// (CORVANE_ITEMCHECKACCEPT) or progress report (CORVANE_ITEMPROGRESS), with
// the project's achievements (CORVANE_CGHZ) that go with them. The summary
// pages hand over and receive a SummaryDocument; the statements and the
// columns live here. A document is one row per project number.
#pragma once

#include <string>
#include <vector>

#include "followup/SummaryKind.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Sql.h"

namespace summarystore {

// A document as the pages show it.
struct SummaryDocument {
    std::string person;      // SJWCR: main contributors or project leader
    std::string attachName;  // ATTACHNAME
    std::string name;        // BACKUPNAME: the project's name when it was stored
    std::string indicators;  // ZBSXQK as text (the acceptance summary only)
    std::string rtf;         // WCQKJJ: the rich text
};

// One achievement as the results grid holds it: MC, LX, TIME, BZ.
using Achievement = std::vector<std::string>;
constexpr int kAchievementColumns = 4;

// Whether the project has a document of the kind.
db::Found HasDocument(CAdoConnection& connection, followup::SummaryKind kind, const std::string& number);

// Reads the project's document into `document`: Row when there is one,
// NoRow when there is none, Failed when it could not be read.
db::Found ReadDocument(CAdoConnection& connection, followup::SummaryKind kind, const std::string& number,
                       SummaryDocument& document);

// Stores the document shown for `k0` under `k1` in one transaction: k0's row
// is changed in place (and moves to k1; its other columns stay), a project
// without a document gets a new row; `replaceK1` first removes k1's stored
// document and achievements. With `achievements`, k0's achievements are
// replaced by these rows, under k1. The document's attachment name is not
// written here (it belongs to the attachment). False: the database is as it
// was.
bool StoreDocument(CAdoConnection& connection, followup::SummaryKind kind, const std::string& k0,
                   const std::string& k1, bool replaceK1, const SummaryDocument& document,
                   const std::vector<Achievement>* achievements);

// Deletes the documents with their projects' achievements, each project in
// a transaction of its own; the numbers whose deletion was kept.
std::vector<std::string> DeleteDocuments(CAdoConnection& connection, followup::SummaryKind kind,
                                         const std::vector<std::string>& numbers);

// The project's achievements in stored order.
std::vector<Achievement> ReadAchievements(CAdoConnection& connection, const std::string& number);

// Opens the list of the projects with a document, by number: every one, or
// those that `selection` (a query of the query dialog) gives.
bool OpenList(CAdoRecordSet& rs, CAdoConnection& connection, followup::SummaryKind kind,
              const std::string& selection = {});

// ---- the attachment ----

// Stores the attachment's name and bytes in the project's row, adding the
// row when there is none. False: the row is as it was.
bool StoreAttachment(CAdoConnection& connection, followup::SummaryKind kind, const std::string& number,
                     const std::string& name, const std::string& bytes);
// The stored attachment's bytes; false when there is none to read.
bool ReadAttachment(CAdoConnection& connection, followup::SummaryKind kind, const std::string& number,
                    std::string& bytes);
// Empties the stored attachment's name. False only when the project's row
// was found and could not be changed.
bool ClearAttachmentName(CAdoConnection& connection, followup::SummaryKind kind, const std::string& number);

}  // namespace summarystore
