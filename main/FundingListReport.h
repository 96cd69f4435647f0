// The funding lists (项目拨款清单): a blank form in a new workbook, laid out
// for a unit, a fund number or a year, with bracketed placeholders and empty
// bordered rows for the user to fill in; no database access. The frame's
// commands 32877-32879 reach them; no menu carries them.
#pragma once

#include <optional>
#include <string>

#include "platform/office/Excel.h"

enum class FundingListKind { Unit, FundNumber, Year };

// An error of the automation layer, as the commands catch and report it.
struct AutomationError {
    enum class Type { Ole, Dispatch, Other };
    Type type = Type::Other;
    unsigned long scode = 0;
    std::string description;
};

// The message box of a caught error: "COleException. SCODE: %08lx." (caption
// "COleException"), "COleDispatchException. SCODE: %08lx, Description:
// \"%s\"." (caption "COleDispatchException") or "General Exception caught."
// (caption "Catch-All"); without owner window, brought to the foreground.
void ShowAutomationError(const AutomationError& error);

// Fills a new workbook of the running Excel with the form; the year and
// fund-number forms make Excel visible at once, the unit form at the end.
// An error of the automation layer ends the filling and is returned.
std::optional<AutomationError> BuildFundingList(office::excel::Application& excel, FundingListKind kind);

// The whole command: starts Excel ("Excel失败!" with the application title
// when it cannot), builds the form and reports a caught error.
void RunFundingList(FundingListKind kind);
