// Project numbers (XMBH): guide code (11), the year's last two characters,
// unit code (4) and a serial of three digits. New numbers, and the two
// renumberings: closing the gaps under one prefix, and re-sorting every
// project unit by unit. Child rows follow a number that changes.
#pragma once

#include <map>
#include <string>

#include "foundation/AdoConnection.h"

namespace projectnumber {

// The first 17 characters of a number: guide code, year, unit code.
constexpr std::size_t kPrefixLength = 17;

// The counter with "00" before one digit and "0" before two; from 100 on as it is.
std::string SerialText(long counter);
// Guide code + the year's last two characters + unit code.
std::string Prefix(const std::string& guideCode, const std::string& year, const std::string& unitCode);
// Number of applications whose number begins with the prefix.
long CountUnderPrefix(CAdoConnection& connection, const std::string& prefix);
bool IsNumberStored(CAdoConnection& connection, const std::string& number);
// The number a new application under the prefix gets: the prefix and one more
// than the count under it; when that number is taken (serials with gaps after
// a re-sort, another workstation), the next serial that is free.
std::string NextNumber(CAdoConnection& connection, const std::string& prefix);

// Carries a project's member, review and plan rows from one number to another.
bool MoveProjectRows(CAdoConnection& connection, const std::string& from, const std::string& to);

// Former number -> new number of every project a renumbering moved.
using Renames = std::map<std::string, std::string>;

// Renumbers the projects under the prefix 001, 002, ... in the order of their
// numbers; member, review and plan rows follow. One transaction; false (and
// nothing changed) on a failure. The moves go to `renames` when given.
bool RenumberPrefix(CAdoConnection& connection, const std::string& prefix, Renames* renames = nullptr);
// Renumbers every project: the serials count the projects of one unit,
// ordered by category and former number; member, review and plan rows
// follow. One transaction; false (and nothing changed) on a failure.
bool RenumberAll(CAdoConnection& connection, Renames* renames = nullptr);

}  // namespace projectnumber
