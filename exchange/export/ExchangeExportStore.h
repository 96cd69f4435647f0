// What the export views read to write files for units and other offices:
// the unit list (CORVANE_UNIT) and the five-year guides with their subjects
// and directions (CORVANE_FIVEFUNDGUIDE, CORVANE_FIVE_STUDYSUBJECT,
// CORVANE_FIVE_STUDYASPECT), saved as ADO recordsets. The views choose what
// and where; the statements live here.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"

namespace exportstore {

// A unit's code and name.
struct UnitName {
    std::string code, name;
};
// Every unit in stored order.
std::vector<UnitName> Units(CAdoConnection& connection);

// Saves every unit row to the file as a saved recordset, replacing a file at
// the path; false when the units cannot be read or the file not written.
bool SaveUnits(CAdoConnection& connection, const std::string& path);

// The fund numbers of the guides that direct research to the unit, each
// once (a direction row without a fund number is passed over).
std::vector<std::string> FundsDirectedTo(CAdoConnection& connection, const std::string& unitCode);

// The scratch file names of a guide bundle's three parts, in bundle order.
std::vector<std::string> GuidePartNames();
// Saves the guide's rows of the period to `files` (guide row, subjects,
// directions; GuidePartNames order), replacing files at the paths. A guide
// without its guide row is not saved; subjects and directions without rows
// still give complete, empty parts. False when it is not saved.
bool SaveGuideParts(CAdoConnection& connection, const std::string& fund, const std::string& period,
                    const std::vector<std::string>& files);

}  // namespace exportstore
