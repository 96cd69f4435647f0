// Writing the basic record of one application from the project-information
// editor, with the renumbering that a changed guide code, year or unit code
// brings: the project moves to the group of its new 17-character prefix,
// its member, review and plan rows follow, and the group it left is numbered
// again without gaps.
#pragma once

#include <string>
#include <utility>
#include <vector>

class CAdoConnection;

namespace projectinfo {

// Guide code (11 characters) + the year's last two digits + unit code (4).
constexpr std::size_t kPrefixLength = 17;

std::string Prefix(const std::string& guideCode, const std::string& year, const std::string& unitCode);
// The serial with "00" before one digit and "0" before two; from 100 on as it is.
std::string SerialText(long serial);
// The number a project entering the group gets: one more than the number of
// projects in it, or the next serial above that is free when a gap left by a
// removal makes that one taken.
std::string NextFreeNumber(CAdoConnection& connection, const std::string& prefix);
// Carries a project's member, review and plan rows from one number to another.
bool MoveProjectRows(CAdoConnection& connection, const std::string& from, const std::string& to);
// Numbers the group's projects 001, 002, ... in the order of their numbers;
// the member, review and plan rows of each follow.
bool RenumberGroup(CAdoConnection& connection, const std::string& prefix);

// Column values of the application row, in writing order.
using Columns = std::vector<std::pair<std::string, std::string>>;

enum class SaveResult { Saved, NoSuchProject, Failed };
struct SaveOutcome {
    SaveResult result = SaveResult::Failed;
    std::string number;  // the project's number after the save
};

// Writes the columns into the application row `oldNumber`. When `newPrefix`
// differs from the number's prefix, the project is renumbered into the new
// group first and the old group closes its gap afterwards. One transaction:
// on any failure, or when there is no such row, nothing is changed.
SaveOutcome SaveApplication(CAdoConnection& connection, const std::string& oldNumber, const std::string& newPrefix,
                            const Columns& columns);

}  // namespace projectinfo
