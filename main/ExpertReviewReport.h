// The expert review statistics: the specialty-group fund numbers of a year,
// the experts of a fund who reviewed projects of that year with their number
// of projects, and the workbook of their full records, one group of experts
// per page.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "platform/office/Excel.h"

// The distinct specialty-group fund numbers (first 7 characters of project
// numbers beginning "9140A") of the projects of a year, ascending. False when
// the query failed.
bool ListReviewFundNumbers(CAdoConnection* connection, const std::string& year, std::vector<std::string>& funds);

// An expert as the dialog lists it.
struct ReviewingExpert {
    std::string id, name;
    std::string projects;  // "%d" of the number of reviewed projects
};

// The experts of the fund's category ("J" + its last two characters) in
// order of ID, each with the number of projects of the year (of any fund)
// that name the expert in ZJ1, ZJ2 or ZJ3; experts with none are left out.
// An empty fund gives no expert. False when a query failed.
bool ListReviewingExperts(CAdoConnection* connection, const std::string& year, const std::string& fund,
                          std::vector<ReviewingExpert>& experts);

// One data row of the workbook: the expert's fields 1 to 11 (ID to SJ) as
// the value-to-text rule gives them, and the number of reviewed projects.
struct ExpertSheetRow {
    std::string id;
    std::vector<std::string> fields;
    std::string projects;
};

// Reads each listed expert's record again. False when a query failed.
bool ReadExpertSheetRows(CAdoConnection* connection, const std::vector<ReviewingExpert>& experts,
                         std::vector<ExpertSheetRow>& rows);

// Experts are grouped by the first three characters of their ID: each group
// has a title row "所属基金类别：" + key and a heading row, and every group
// after the first starts on a new page after an empty row.
void WriteExpertReviewSheet(const office::excel::Worksheet& sheet, const std::vector<ExpertSheetRow>& rows);
