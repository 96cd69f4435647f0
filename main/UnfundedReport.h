// The unfunded-project notices: the units with projects of a year and fund
// kind that were not funded (review result "-", no result, or no review row
// at all), their projects with the reason, and one Word notice per unit typed
// into copies of the template, each on its own page.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "platform/office/Word.h"

// Category index 0 is 专业组 (共性技术基金); any other index, also -1, is
// 重点实验室 (重点实验室基金).
std::string UnfundedCategoryCondition(int category);

// The unit's name; empty without a unit row (or when the query fails).
std::string GetUnitName(CAdoConnection* connection, const std::string& code);

struct UnfundedUnit {
    std::string code, name;
};

// The distinct units with unfunded projects, in the order the query gives.
// False when the query failed.
bool ListUnfundedUnits(CAdoConnection* connection, int category, const std::string& year,
                       std::vector<UnfundedUnit>& units);

struct UnfundedProject {
    std::string name, applicant, reason;
};

// One notice: the salutation's unit name and the unit's unfunded projects.
struct UnfundedNotice {
    std::string unitName;
    std::vector<UnfundedProject> projects;
};

// The unit's unfunded projects in order of project number. False when the
// query failed.
bool ListUnfundedProjects(CAdoConnection* connection, const std::string& unit, int category, const std::string& year,
                          std::vector<UnfundedProject>& projects);

// The reason printed for a project: the stored one, or the fixed sentence
// when none is stored.
std::string UnfundedReason(const std::string& stored);

// Types the notices into the active document, which was made from the
// template: the first into the document itself, every further one into a copy
// of the template inserted after a page break.
void TypeUnfundedNotices(const office::word::Application& word, const std::string& templatePath,
                         const std::vector<UnfundedNotice>& notices);
