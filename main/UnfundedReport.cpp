#include "main/UnfundedReport.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/Sql.h"
#include "main/ReportCommon.h"
#include "main/StatisticsQueries.h"
#include "platform/text/Text.h"

using namespace office;

std::string UnfundedCategoryCondition(int category) {
    return category == 0 ? "XMLB like '共性技术基金%'" : "XMLB like '重点实验室基金%'";
}

std::string GetUnitName(CAdoConnection* connection, const std::string& code) {
    CAdoRecordSet rows;
    if (!OpenReportQuery(rows, connection, "select DWMC from CORVANE_UNIT where DWDM = " + db::QuoteLiteral(code)))
        return {};
    std::string name;
    if (rows.GetRecordCount() != 0) rows.GetString("DWMC", name);
    return name;
}

bool ListUnfundedUnits(CAdoConnection* connection, int category, const std::string& year,
                       std::vector<UnfundedUnit>& units) {
    units.clear();
    CAdoRecordSet rows;
    if (!OpenReportQuery(rows, connection, statqueries::UnfundedUnits(UnfundedCategoryCondition(category), year)))
        return false;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        UnfundedUnit unit;
        rows.GetString("DWDM", unit.code);
        units.push_back(std::move(unit));
    }
    for (UnfundedUnit& unit : units) unit.name = GetUnitName(connection, unit.code);
    return true;
}

bool ListUnfundedProjects(CAdoConnection* connection, const std::string& unit, int category, const std::string& year,
                          std::vector<UnfundedProject>& projects) {
    projects.clear();
    CAdoRecordSet rows;
    if (!OpenReportQuery(rows, connection,
                         statqueries::UnfundedProjects(unit, UnfundedCategoryCondition(category), year)))
        return false;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        UnfundedProject project;
        rows.GetString("XMMC", project.name);
        rows.GetString("SQRXM", project.applicant);
        rows.GetString("BZZLY", project.reason);
        projects.push_back(std::move(project));
    }
    return true;
}

std::string UnfundedReason(const std::string& stored) {
    return stored.empty() ? "申请项目多，经费有限，资助项目只能优中选优。" : stored;
}

void TypeUnfundedNotices(const word::Application& app, const std::string& templatePath,
                         const std::vector<UnfundedNotice>& notices) {
    const word::Selection sel = app.Selection();
    bool first = true;
    for (const UnfundedNotice& notice : notices) {
        // To the notice's table: the document's own, or that of a fresh copy
        // of the template after the table just filled.
        if (first) {
            sel.GoToNext(word::wdGoToTable);
            first = false;
        } else {
            sel.MoveRight(word::wdCharacter, 2, word::wdMove);
            sel.InsertBreak(word::wdPageBreak);
            sel.InsertFile(templatePath);
            sel.GoToPrevious(word::wdGoToTable);
        }
        // The salutation lies three lines above the table's first cell.
        sel.MoveUp(word::wdLine, 3, word::wdMove);
        sel.TypeText(notice.unitName + "：");
        sel.GoToNext(word::wdGoToTable);
        sel.MoveRight(word::wdCell, 3, word::wdMove);  // the heading row's last cell

        int serial = 0;
        for (const UnfundedProject& project : notice.projects) {
            for (const std::string& value : {std::to_string(++serial), project.name, project.applicant,
                                             UnfundedReason(project.reason)}) {
                sel.MoveRight(word::wdCell, 1, word::wdMove);  // from the last cell a new row
                sel.TypeText(value);
            }
        }
    }
}
