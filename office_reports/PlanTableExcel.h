// The plan tables of the approved general projects and the plan lists of the
// key projects in Excel: one workbook for all ticked funds, left open for the
// user with a heading row before each fund's projects, or one saved workbook
// per research unit. Both fill the same sheet "打印报表" of the template
// chosen by paper size: the title in B1, the two years' fund headings in I3
// and J3, a row B..K per project from row 4 (serial, number, name, period or
// schedule, applicant, unit, approved funds, half of them in each of the two
// years, remark) and the total row "小计" summing H, I and J from row 3.
#pragma once

#include <string>
#include <vector>

#include "office_reports/PlanOutputRun.h"

class CAdoConnection;
class CAdoRecordSet;

namespace ui {
class Dialog;
}

namespace reports {

// Columns C to K of one project row; column B is the serial number and I, J
// hold half of `funds` each.
struct PlanTableLine {
    std::string number, name, period, leader, unit, funds, remark;
};

// What the plan tables and the plan lists select and print.
class PlanTableSource {
public:
    virtual ~PlanTableSource() = default;
    // The title of B1.
    virtual std::string Title() const = 0;
    // The statement giving the DWDM of a fund's qualifying projects.
    virtual std::string UnitQuery(const std::string& fund) const = 0;
    // A fund's projects in number order, of one unit or (unit "") all.
    virtual std::string ProjectQuery(const std::string& fund, const std::string& unit) const = 0;
    // The printed values of the current project row.
    virtual PlanTableLine ReadLine(CAdoRecordSet& project) = 0;
    // The heading row of a fund in the one-workbook mode.
    virtual std::string FundHeading(const std::string& fund) = 0;
};

struct PlanTableRequest {
    ui::Dialog* dialog = nullptr;  // the output dialog, parent of the please-wait window
    CAdoConnection* connection = nullptr;
    std::string year;
    int paperSize = 0;  // 0 A3, 1 A4, other B4
    bool perUnit = false;
    std::vector<std::string> funds;  // ticked, in grid order
};

RunResult WritePlanTables(const PlanTableRequest& request, PlanTableSource& source);

// "<program folder>\模板\重点项目计划清单A3.xls" (A4, B4) by paper size.
std::string PlanTableTemplate(int paperSize);

}  // namespace reports
