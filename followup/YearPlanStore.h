// The project plan that the plan view edits: the plan columns of the
// application row (PFJF, YBJF, ZWCXS, beside GZDW, HZDW and YJMBNR that it
// shows) and the year plans (CORVANE_ITEMYEARPLAN, one row per project and
// year). The view hands over texts and the scratch files of its rich texts
// and receives records; the statements and the columns live here.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/RecordTexts.h"

namespace yearplanstore {

// The application's columns as the plan view shows them; the rich texts as
// stored (RTF bytes, empty when there is none).
struct PlanOverview {
    std::string unit;        // GZDW
    std::string partner;     // HZDW
    std::string total;       // PFJF
    std::string allocated;   // YBJF
    std::string goals;       // YJMBNR
    std::string completion;  // ZWCXS
};

// One year's plan row; the rich texts as stored.
struct YearPlan {
    std::string year;        // NF
    std::string funding;     // NDJF
    std::string schedule;    // JDYQ
    std::string goals;       // NDYJMUYNR
    std::string completion;  // NDWCXS
};

// The plan list's rows (xmlb, nf, xmbh, sqzndm, dwdm) of every application,
// or of those `selection` (a query of the query dialog) gives.
RowTexts ListRows(CAdoConnection& connection, const std::string& selection = {});

// The application's plan columns; false when the project has no application
// row (or it cannot be read).
bool ReadOverview(CAdoConnection& connection, const std::string& number, PlanOverview& overview);
// The project's year plans in stored order.
std::vector<YearPlan> ReadYearPlans(CAdoConnection& connection, const std::string& number);

// Writes the overall funding, the allocated funding and the overall
// completion form (the file's bytes) into the application row, in one
// transaction; false, with nothing changed, when there is no row or a value
// is refused.
bool WriteOverview(CAdoConnection& connection, const std::string& number, const std::string& total,
                   const std::string& allocated, const std::string& completionFile);
// Writes one year's plan, the rich texts from the files, in one transaction:
// a stored row of the year is changed in place (keeping the columns the view
// does not show), else a row is added.
bool WriteYearPlan(CAdoConnection& connection, const std::string& number, const std::string& year,
                   const std::string& funding, const std::string& schedule, const std::string& goalsFile,
                   const std::string& completionFile);
// Deletes the project's year plans and empties its plan columns, together
// or not at all.
bool DeletePlans(CAdoConnection& connection, const std::string& number);

}  // namespace yearplanstore
