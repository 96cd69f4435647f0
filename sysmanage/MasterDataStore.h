// The system-management screens' rows: units (CORVANE_UNIT), experts
// (CORVANE_EXPERTINFO), specialty groups (CORVANE_SPECGROUP), laboratories
// (CORVANE_LAB), the titles an expert can hold (CORVANE_ZD_ZC) and the
// users (CORVANE_USERS). The lists and editors hand over the texts typed
// and receive recordsets or texts; the statements live here.
//
// Each Open function opens its rows in `rs`, which the caller has bound to
// its connection; false when the query cannot run (the recordset is then
// closed).
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"

namespace masterstore {

// ---- the lists, for the texts of their two filter boxes (either may be empty) ----

// Units: the code compared exactly, the name as a part when alone; in code order.
bool OpenUnitList(CAdoRecordSet& rs, const std::string& code, const std::string& name);
// Every unit in code order, as the Excel list prints them.
bool OpenUnitsInOrder(CAdoRecordSet& rs);
// Every unit with all its columns as the table holds them, as the unit file
// saves them.
bool OpenUnits(CAdoRecordSet& rs);
// Experts whose category and name contain the texts, in ID order.
bool OpenExpertList(CAdoRecordSet& rs, const std::string& category, const std::string& name);
// Laboratories whose outward name and host unit contain the texts, in code order.
bool OpenLabList(CAdoRecordSet& rs, const std::string& outwardName, const std::string& hostUnit);
// Specialty groups: the fund number compared exactly, the host unit as a part
// when alone; in fund-number order.
bool OpenSpecGroupList(CAdoRecordSet& rs, const std::string& fundNumber, const std::string& hostUnit);

// ---- one record ----

// The record of `table` whose `keyColumn` equals `key` (the editors' tables
// and key columns: corvane_unit dwdm, corvane_expertinfo id, corvane_lab
// sysdm, corvane_specgroup jjbh); empty when there is none.
bool OpenRecord(CAdoRecordSet& rs, const char* table, const char* keyColumn, const std::string& key);
// The unit of the code.
bool OpenUnit(CAdoRecordSet& rs, const std::string& code);
// The user of the login name, with the stored password (YHMM).
bool OpenUser(CAdoRecordSet& rs, const std::string& name);

// ---- the expert editor's choices ----

// The specialty groups' fund numbers, in order.
std::vector<std::string> FundNumbers(CAdoRecordSet& rs);
// The titles (NAME) in the order the table holds them.
std::vector<std::string> TitleNames(CAdoRecordSet& rs);

// ---- deletion ----

// Deletes the rows of `table` whose `keyColumn` equals one of `keys`, all
// together or none; false (with the reason in the connection's error list)
// when a deletion fails.
bool DeleteRecords(CAdoConnection& connection, const char* table, const char* keyColumn,
                   const std::vector<std::string>& keys);
// Deletes the units of the codes, all together or none.
bool DeleteUnits(CAdoConnection& connection, const std::vector<std::string>& codes);

}  // namespace masterstore
