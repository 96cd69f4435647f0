// The unit information tables: the units an annual guide of a year directs a
// research direction to (annual plan), or the units with approved projects of
// a year and their total approved funds (annual funds), for specialty-group or
// key-laboratory funds; written with contact and bank details into a sheet.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "platform/office/Excel.h"

enum class UnitTableKind { AnnualPlan, AnnualFunds };

// Category index 0 is 专业组 (specialty groups); any other index, also -1,
// is 重点实验室 (key laboratories).
std::string UnitTableQuery(UnitTableKind kind, const std::string& year, int category);

// "单位信息表(年度计划)" or "单位信息表(年度经费表)".
std::string UnitTableTitle(UnitTableKind kind);
// 15 columns (DWDM to ZH), and the funds table a 16th: the sum of PFJF.
int UnitTableColumns(UnitTableKind kind);

// The rows of the query: the fields at positions 0 to columns - 1 of each
// record by the value-to-text rule. False when the query failed.
bool ReadUnitTableRows(CAdoConnection* connection, const std::string& sql, int columns,
                       std::vector<std::vector<std::string>>& rows);

// Renames the sheet "单位信息表"; row 1 the title merged over the columns
// (size 14), row 2 the headings (隶书 11), rows 3 on the units; rows 2 on
// bordered cell by cell; the used range wrapped and centred.
void WriteUnitTableSheet(const office::excel::Worksheet& sheet, UnitTableKind kind,
                         const std::vector<std::vector<std::string>>& rows);
