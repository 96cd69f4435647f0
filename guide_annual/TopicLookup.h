// Look-ups of the topic-scope screens on a connection of their own (unit
// names, names of the five-year guide's subjects and directions, whether a
// fund number may have directions without directed units), and their report
// of a topic document that cannot be read or written.
#pragma once

#include <optional>
#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"

namespace topiclookup {

// Text of `column` in the first row of `sql`; empty when there is none.
std::string FirstText(CAdoRecordSet& recordset, const std::string& sql, const char* column);
// The unit's name in CORVANE_UNIT; empty for an unknown code.
std::string UnitName(CAdoRecordSet& recordset, const std::string& code);
// The five-year period that holds a year: 2008 and 2010 give "2006-2010".
std::string PeriodOfYear(const std::string& year);

// The name the five-year guide of the period gives a subject or direction
// number; empty when it has none. A failed connection shows "数据库连接失败".
std::string FiveYearSubjectName(const std::string& number, const std::string& year);
std::string FiveYearAspectName(const std::string& number, const std::string& year);

// Whether the fund number is a specialty group's (or else a key
// laboratory's), which decides whether a direction may be directed at no
// unit. Nothing when the table cannot be read; a failed connection shows
// "数据库连接失败".
std::optional<bool> IsSpecialtyGroup(const std::string& fundNumber);

// Message shown when a topic screen cannot open the database.
inline constexpr const char* kConnectFailed = "数据库连接失败";

// Tells the user that the topic document could not be read or written, and why.
void ShowDocumentFailure(const std::string& reason);

}  // namespace topiclookup
