// Project numbers (XMBH): guide code (11), the year's last two characters,
// unit code (4) and a serial of at least three digits. New numbers, the codes
// a number is built from, and the renumberings: closing the gaps under one
// prefix, re-sorting every project unit by unit, and numbering a list in a
// given order. Every row keyed by a number follows it (ProjectRows.h).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "numbering/LeadingCharacters.h"
#include "numbering/ProjectRows.h"

class CAdoConnection;

namespace projectnumber {

constexpr std::size_t kGuideCodeLength = 11;
constexpr std::size_t kYearLength = 4;
constexpr std::size_t kUnitCodeLength = 4;
// The first 17 characters of a number: guide code, year, unit code.
constexpr std::size_t kPrefixLength = 17;
// A number holds the year by its last two characters.
constexpr std::size_t kNumberYearLength = 2;
// The fund number: a number's first 7 characters (the guide code's first 7).
constexpr std::size_t kFundNumberLength = 7;
static_assert(kGuideCodeLength + kNumberYearLength + kUnitCodeLength == kPrefixLength);

// The parts of a number, cut by characters; shorter or empty when the number
// is shorter. Inline, so that every module and report cuts numbers alike.
inline std::string GuideCodeOf(const std::string& number) { return LeadingCharacters(number, kGuideCodeLength); }
inline std::string YearOf(const std::string& number) {
    return CharactersAt(number, kGuideCodeLength, kNumberYearLength);
}
inline std::string UnitCodeOf(const std::string& number) {
    return CharactersAt(number, kGuideCodeLength + kNumberYearLength, kUnitCodeLength);
}
inline std::string FundNumberOf(const std::string& number) { return LeadingCharacters(number, kFundNumberLength); }

// The counter with "00" before one digit and "0" before two; from 100 on as it is.
std::string SerialText(long counter);
// Guide code + the year's last two characters + unit code.
std::string Prefix(const std::string& guideCode, const std::string& year, const std::string& unitCode);
// Why the codes cannot make a well-formed number, as the message to show
// (naming the field); empty when they can.
std::string CodeProblem(const std::string& guideCode, const std::string& year, const std::string& unitCode);

// What an importer checks of a stored record's number and codes: ASCII
// letters and digits only (a full-width digit would make numbers the
// database cannot compare with the others). The message naming the field;
// empty when they are.
std::string CodeCharactersProblem(const std::string& number, const std::string& guideCode,
                                  const std::string& unitCode);
// Why a typed serial cannot end a number (digits only, at least three), as
// the message to show; empty when it can.
std::string SerialProblem(const std::string& serial);

// Orders numbers by prefix (as the database compares it), then serials of
// digits by their value, so "1000" follows "999" rather than "100", before
// any other serial. A strict weak order.
bool SerialOrder(const std::string& a, const std::string& b);

// Number of applications whose number begins with the prefix.
long CountUnderPrefix(CAdoConnection& connection, const std::string& prefix);
bool IsNumberStored(CAdoConnection& connection, const std::string& number);
// The number a new application under the prefix gets: the prefix and one more
// than the count under it; when that number is taken (serials with gaps after
// a re-sort, another workstation), the next serial that is free. One query
// over the index of the numbers.
std::string NextNumber(CAdoConnection& connection, const std::string& prefix);

// Gives each number of `ordered` the first 17 characters of its number and the
// next serial of one count over the list (001, 002, ...). One transaction.
// CaseVariants (the pair in `caseVariants`) when a number to move differs
// from another stored application's only in letter case: nothing is merged.
RenumberResult RenumberInOrder(CAdoConnection& connection, const std::vector<std::string>& ordered,
                               Renames* renames = nullptr, std::vector<std::string>* caseVariants = nullptr);
// Renumbers the projects under the prefix 001, 002, ... in the order of their
// serials. One transaction; false (and nothing changed) on a failure.
bool RenumberPrefix(CAdoConnection& connection, const std::string& prefix, Renames* renames = nullptr);
// A project changes prefix (guide code, year or unit code): it takes the next
// free number under `newPrefix`, every keyed row with it, and the projects
// left under its former prefix close their gap. One transaction (nested in
// the caller's, if any); nothing changed unless Done. `renames` holds every
// project moved, this one among them. Nothing moves when the prefixes are the
// same as the database compares them.
RenumberResult MoveToPrefix(CAdoConnection& connection, const std::string& number, const std::string& newPrefix,
                            Renames& renames);
// Renumbers every project: the serials count the projects of one unit,
// ordered by category and former number. One transaction; false (and nothing
// changed) on a failure, a collision or a pair of case variants, which
// `result` tells apart (the pair in `caseVariants`).
bool RenumberAll(CAdoConnection& connection, Renames* renames = nullptr, RenumberResult* result = nullptr,
                 std::vector<std::string>* caseVariants = nullptr);

// What a re-sort that changed nothing tells the user, naming a pair of case
// variants; empty when Done.
std::string RefusedRenumberingMessage(RenumberResult result, const std::vector<std::string>& caseVariants = {});
// What a re-sort that was done tells the user: how many numbers it moved.
std::string RenumberingDoneMessage(const Renames& renames);

}  // namespace projectnumber
