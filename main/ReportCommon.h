// What the statistics reports share: the connection each report command
// opens, queries whose failure is told to the user, the templates beside the
// program, the start of Excel and the borders drawn round single cells.
#pragma once

#include <memory>
#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/office/Excel.h"

// Opens project.mdb in the program folder with the database password; when
// that fails shows "数据库连接失败" (application title) and answers false.
bool OpenReportDatabase(CAdoConnection& connection);

// Runs a report query on the connection; false when it failed (the
// recordset is then closed and must not be read).
bool OpenReportQuery(CAdoRecordSet& rows, CAdoConnection* connection, const std::string& sql);

// Tells the user that a report query failed; the database's own reason (in
// English) is in the program folder's error.log, not in the message box.
void ShowReportQueryFailure(CAdoConnection* connection);

// The path of a template in 模板 beside the program, by the name the system
// gives it ("重点实验室经费表.xls").
std::string ReportTemplatePath(const std::string& name);

// Tells the user that a template could not be opened.
void ShowTemplateFailure(const std::string& path);

// Starts Excel; when it cannot be started shows "Excel启动失败!" (application
// title) and gives null.
std::unique_ptr<office::excel::Application> StartReportExcel();

// The sheet "sheet1" of a new workbook made from the template, or an invalid
// sheet after ShowTemplateFailure.
office::excel::Worksheet AddReportWorkbook(office::excel::Application& excel, const std::string& templateName);

// A thin continuous border in the automatic colour round each single cell of
// the range, as the reports draw their tables.
void BorderEachCell(const office::excel::Range& range);

// The cell name of a column letter and a row number: CellName("D", 7) is "D7".
std::string CellName(const char* column, int row);
