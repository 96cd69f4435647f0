// Stored applications: one application row of CORVANE_ITEMAPPINFO with its
// member rows and, for the key-laboratory categories, its review row. A save
// writes all of them in one transaction; a load fills a PROAPP and writes
// the rich-text columns into their scratch files; a deletion removes the
// project's rows from every table that follows its number, in one
// transaction.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "application/ProApp.h"
#include "numbering/LoadedProject.h"
#include "numbering/ProjectNumbering.h"
#include "foundation/AdoConnection.h"

class CAdoRecordSet;

namespace appstore {

// The table of the applications, one row per project number (XMBH).
constexpr const char* kApplicationTable = "corvane_itemappinfo";

enum class SaveResult {
    Saved,
    NumberTaken,       // the record's number belongs to another stored application
    ChangedElsewhere,  // the project loaded was deleted, renumbered or changed meanwhile; nothing changed
    Failed,            // a column or row could not be written; nothing changed
};

// Writes the application. `loaded` is the stored project being edited, as
// its view loaded it; not loaded, a new row is added. The save checks, in
// its transaction, that the loaded row still holds the loaded number and
// its stamped columns what they held (projectnumber::CheckLoaded): when
// another program deleted, renumbered or changed the project, nothing is
// written (ChangedElsewhere). A new record whose
// number is its prefix alone (the first 17 characters) takes the next free
// number under it, chosen in the save's transaction; a new record with a
// whole number, or a project given another serial, needs that number free.
// `record.XMBH` receives the number saved.
// A project whose number changes takes its member, review and plan rows with
// it. A stored project whose record has another prefix (guide code, year or
// unit code) changes prefix (projectnumber::MoveToPrefix): it takes the next
// free number under the new prefix, whatever the record's serial, and the
// projects left under the former one close their gap, in the same
// transaction. `renames` receives every number moved, the project's own among
// them. The member rows are rewritten whole in grid order. For a
// key-laboratory category the review row is written too (WriteReviewRow). A
// short category is stored completed to its full name
// (proapp::CompleteCategory). `savedAs` receives the project as saved, stamped
// with the columns `loaded` names, read in the save's transaction.
SaveResult WriteApplication(CAdoConnection& connection, PROAPP& record, const std::vector<proapp::MemberRow>& members,
                            const projectnumber::LoadedProject& loaded, projectnumber::Renames* renames = nullptr,
                            projectnumber::LoadedProject* savedAs = nullptr);

// The review row of a key-laboratory application: result "+" and the applied
// amounts as approved amounts (an empty amount as NULL). A row is added when
// the project has none. An existing row is rewritten only while it holds
// nothing but the amounts `carried` (the stored application's, before this
// save) as the last save wrote them: once a review step has written to it
// (a meeting's grant, an expert, a result, an opinion) it is the review's
// and left as it is; without `carried` it is always left. Runs inside the
// caller's transaction, if any.
bool WriteReviewRow(CAdoConnection& connection, const PROAPP& record, const PROAPP* carried = nullptr);

// Reads the stored application: its texts into `record`, each rich-text
// column into its scratch file (the field then holds the file's path; a
// column that cannot be read leaves its file alone; a short category comes
// back completed). False when there is no such row.
bool ReadApplication(CAdoConnection& connection, const std::string& number, PROAPP& record);
std::vector<proapp::MemberRow> ReadMembers(CAdoConnection& connection, const std::string& number);

// Removes the application and every row keyed by its number; one transaction.
bool DeleteApplication(CAdoConnection& connection, const std::string& number);

enum class DeleteResult {
    Deleted,
    ChangedElsewhere,  // a project listed was deleted or renumbered meanwhile; nothing deleted
    Failed,            // `notDeleted` names the one that could not be deleted
};

// Removes the applications as they were listed, each as DeleteApplication
// does, then closes the gaps left among the serials of their prefixes, in
// one transaction around the whole list, so that a year's selection costs
// one commit. When a project listed is no longer the one stored under its
// number (projectnumber::CheckLoaded), nothing is deleted. A deletion that
// fails ends the work: the ones before it stay deleted, nothing is
// renumbered, and Failed is returned with the number that could not be
// deleted in `notDeleted`. `renames` receives the numbers moved.
DeleteResult DeleteApplications(CAdoConnection& connection, const std::vector<projectnumber::LoadedProject>& projects,
                                projectnumber::Renames& renames, std::string* notDeleted = nullptr);

// The application's whole row, for a recordset that reads or changes it.
std::string RowQuery(const std::string& number);

// The statements of the application screens' lists, read by column name
// (projectlist::AppendRows, projectlist::OutputExcel):
// every application (xmlb, nf, xmbh, sqzndm, dwdm, gzdw, sqrxm, sqje) by
// unit code and serial;
std::string ListQuery();
// the query form's applications, the same columns with xmmc, to which the
// form adds its condition (the follow-up lists show them too);
std::string QueryFormSelect();
// the rows of a follow-up table (its xmbh) with their application's columns
// as QueryFormSelect gives them;
std::string JoinedQueryFormSelect(const std::string& table);

// category and number of every application by number (the project chooser);
std::string ChooserQuery();
// every application's row of the Excel output, read once for the list
// (XMBH, XMMC, XMLB, XMQSRQ, XMZZRQ, SQRXM, SQRXB, SQRNL, ZC, SQJE).
std::string ExcelRowsQuery();
// the same columns for the rows of a follow-up table (its XMBH) joined with
// their application (each of a legacy pair of numbers with its own).
std::string JoinedExcelRowsQuery(const std::string& table);

// The name (XMMC) of the stored application; false, and `name` left alone,
// when there is no such row or it cannot be read.
bool ReadName(CAdoConnection& connection, const std::string& number, std::string& name);
// The year (NF) of the loaded application's row ("" when there is no such
// row); nothing when it cannot be read.
std::optional<std::string> StoredYear(CAdoConnection& connection, const projectnumber::LoadedProject& project);
// The name (DWMC) of the application's unit, as ReadName.
bool ReadUnitName(CAdoConnection& connection, const std::string& number, std::string& name);

// Empties the overall plan columns of the application (PFJF, YBJF, ZWCXS),
// as the deletion of its plan does. Runs inside the caller's transaction.
bool ClearPlanColumns(CAdoConnection& connection, const std::string& number);

// The application's document (DOCNAME, DOC): OpenDocumentRow opens its row
// for reading and writing (no row when the number was never saved);
// StoreDocument writes both columns, false when there is no row or a write
// fails.
bool OpenDocumentRow(CAdoConnection& connection, const std::string& number, CAdoRecordSet& row);
bool StoreDocument(CAdoConnection& connection, const std::string& number, const std::string& name,
                   const std::string& bytes);

// Opens on `rows` (a recordset bound to the database) the project's rows of
// one of its file tables (corvane_gf, corvane_lw, corvane_attach,
// corvane_cghb), with `columns`, for reading, adding and deleting.
bool OpenFileRows(CAdoRecordSet& rows, const std::string& table, const std::string& columns,
                  const std::string& number);

}  // namespace appstore
