// The report that ends a folder import.
#pragma once

#include <string>
#include <vector>

class CAdoConnection;
class CAdoRecordSet;

// "共导入了<n>条数据！", then the names of the files whose records the database
// refused, and the names with the extension that are no readable file
// (folders, pipes, links to nothing), so that nothing is left out of the
// count unexplained.
std::string ImportReport(int count, const std::vector<std::string>& failedFiles,
                         const std::vector<std::string>& notFiles = {});
// The same, after the line saying that the database is in use when the last
// refusal was the engine's finding it held by another program
// (db::FailureMessage).
std::string ImportReport(CAdoConnection& connection, int count, const std::vector<std::string>& failedFiles,
                         const std::vector<std::string>& notFiles = {});

// A heading and the names under it, each on a line of its own, to add to
// the report; empty without names.
std::string NamedFilesReport(const std::string& heading, const std::vector<std::string>& names);

// "文件<name>不是可读取的<kind>文件（<reason>），未导入任何数据！": a chosen
// file that cannot be read, with the reason (CAdoRecordSet::LoadError).
std::string UnreadableFileMessage(const std::string& fileName, const std::string& kind, const std::string& reason);

// The projects a folder import left out because they are not stored: their
// rows would belong to no project, and later to whichever project is given
// the number. Empty without such projects; else a line to add to the report.
std::string NotStoredProjectsReport(const std::vector<std::string>& numbers);

// Whether an amount read from another office's file can be stored: empty,
// or a plain number not negative that a single-precision column holds (no
// text, "inf", "nan" or value beyond the column).
bool IsStorableAmount(const std::string& amount);

// The requested funds and the eight budget items of an application row.
const std::vector<std::string>& ApplicationAmountColumns();

// The first of `columns` whose value in the current row is no storable
// amount; empty when every one is.
std::string FirstUnstorableAmount(CAdoRecordSet& row, const std::vector<std::string>& columns);

// Whether a part read from a file carries every column of the table it is
// meant for: a part of another kind of file lacks some of them.
bool HasAllColumns(CAdoRecordSet& part, const std::vector<std::string>& columns);

// Whether a part read from a file is one of `table`: it carries the columns
// the import reads, and no column that the file says comes from another
// table (a saved recordset names the table of each column it read from one).
// A part of another table with the same column names, or two such parts in
// each other's places, is of another kind.
bool IsPartOf(CAdoRecordSet& part, const std::string& table, const std::vector<std::string>& columns);

// Whether the three parts of a guide bundle are of their tables (guide,
// subjects, directions; IsPartOf), the guide row's long binary columns
// included, and every row belongs to the
// bundle's one guide, the fund number and year of its first guide row (of
// its first subject or direction row when it has none): a
// subject or direction row of another guide, a subject given twice, or a
// second guide row (unless rows after the first are ignored) makes the
// bundle unfit, before anything is written. The parts are left at their
// first rows.
bool GuideRowsBelongToOneGuide(CAdoRecordSet& guides, CAdoRecordSet& subjects, CAdoRecordSet& directions,
                               const std::vector<std::string>& tables, const std::vector<const char*>& guideBlobs,
                               bool rowsAfterTheFirstIgnored);

// The fund number and year of the guide a bundle's rows belong to: its first
// guide row's, else (a bundle of subjects and directions only) its first
// subject or direction row's. False when the bundle has no row. The parts are
// left at their first rows.
bool BundleGuideKey(CAdoRecordSet& guides, CAdoRecordSet& subjects, CAdoRecordSet& directions, std::string& fund,
                    std::string& year);

// An annual guide's year as a bundle carries it: four digits ("2007").
bool IsGuideYear(const std::string& year);
// A five-year guide's period: its first and last year, four years apart
// ("2011-2015"). A guide of any other would be stored where no list shows it.
bool IsGuidePeriod(const std::string& period);
