// What the fund office's report dialogs share: their background, the year
// list of the current period, the categories of the two fund kinds, the
// lookups of a fund's and a research direction's name, and the title of a
// fund block with its count and requested or approved total.
#pragma once

#include <string>

#include "platform/ui/WinDefs.h"

class CAdoConnection;
class CAdoRecordSet;

namespace ui {
class ComboBox;
class Dialog;
}  // namespace ui

namespace reports {

inline constexpr COLORREF kDialogBackground = RGB(232, 241, 250);

inline const std::string kGroupGeneral = "共性技术基金——一般项目";
inline const std::string kGroupKey = "共性技术基金——重点项目";
inline const std::string kLabGeneral = "重点实验室基金——一般项目";
inline const std::string kLabKey = "重点实验室基金——重点项目";

// Project types of a fund row: which categories of the fund are listed.
inline const std::string kTypeGeneral = "一般项目";
inline const std::string kTypeKey = "重点项目";
inline const std::string kTypeAll = "全部项目";

// "(XMLB = '<general>' or XMLB = '<key>')" of the specialty groups (category
// index 0) or of the key laboratories (any other index).
std::string CategoryCondition(int category);
// The categories a project type selects among the two of a fund kind: the
// general one, the key one, or (any other type) both as CategoryCondition.
std::string TypeCondition(int category, const std::string& type);

// Background colour of a report dialog.
void StandardSetUp(ui::Dialog& dialog);

// Empties the list and adds the five years of the period that begins with the
// first four characters of the period text ("2006-2010"), each "%d"; selects
// the entry equal to `storedYear`, none when no entry equals it.
void FillYearList(ui::ComboBox& years, const std::string& storedYear);

// The text of the list's selected entry; empty when none is selected.
std::string SelectedText(const ui::ComboBox& list);

// Opens a statement with a client-side static cursor; a statement that cannot
// run leaves the recordset closed, so it reads as one without rows.
bool OpenQuery(CAdoRecordSet& recordset, CAdoConnection* connection, const std::string& sql);

// The fund number of a project: the first 7 characters of its number.
std::string FundOf(const std::string& xmbh);

// The name of a fund: the specialty group's name, else the laboratory's full
// name, else empty.
std::string FundName(CAdoConnection* connection, const std::string& fund);
// The name of a research direction (11-character guide code) in a year, or empty.
std::string AspectName(CAdoConnection* connection, const std::string& code, const std::string& year);

// Number of rows of a statement and the sum of one column, each value read
// as the decimal number its text begins with (0 when none).
struct CountAndSum {
    long count = 0;
    double sum = 0;
};
CountAndSum CountRowsAndSum(CAdoConnection* connection, const std::string& sql, const std::string& column);

// "<fund>  <name>  <count>  项  经费总计：<total> 万元    年度经费小计：<half>  万元".
std::string FundBlockTitle(const std::string& fund, const std::string& name, const CountAndSum& figures);

// A text column of the current row; empty when it is missing or NULL.
std::string Text(CAdoRecordSet& recordset, const std::string& column);

// Prompt with the caption "提示" and the information icon.
void Prompt(const std::string& text);

}  // namespace reports
