// The review row (CORVANE_ITEMPF) that a key-laboratory application gets as
// soon as it is stored: passed ("+"), with the applied amounts as approved
// amounts. Other categories get none.
#pragma once

#include <array>
#include <string>

#include "foundation/AdoConnection.h"

// "重点实验室基金——一般项目" and "重点实验室基金——重点项目".
bool IsKeyLaboratoryCategory(const std::string& category);

// The applied amounts in the order SQJE, SJF, CLF, WXF, ZYF, SYF, GDZCF, GZF, GLF.
using AppliedAmounts = std::array<std::string, 9>;

// Replaces the project's review row by a fresh one. An amount that is not a
// plain decimal number (an empty one among them) is stored as NULL. False
// when a statement fails.
bool WriteKeyLaboratoryReviewRow(CAdoConnection& connection, const std::string& projectCode,
                                 const AppliedAmounts& amounts);
