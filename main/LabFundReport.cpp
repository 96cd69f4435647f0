#include "main/LabFundReport.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/Sql.h"
#include "main/ReportCommon.h"
#include "main/StatisticsQueries.h"
#include "numbering/ProjectNumbering.h"
#include "platform/text/Text.h"

using namespace office;

namespace {

constexpr const char* kKeyProject = "重点实验室基金——重点项目";
constexpr const char* kSheetFont = "仿宋_GB2312";
constexpr double kSheetFontSize = 14;
constexpr double kRowHeight = 38;

void SetSheetFont(const excel::Range& range) {
    range.Font().SetName(kSheetFont);
    range.Font().SetSize(kSheetFontSize);
}

// The funds (D) and the key projects' funds (G) of a row: two decimals each,
// however the approved amounts add up.
void SetAmountFormat(const excel::Range& line) {
    line.Item(1, 4).SetNumberFormat("0.00");
    line.Item(1, 7).SetNumberFormat("0.00");
}

}  // namespace

CLabFundQueries::CLabFundQueries(CAdoConnection* connection, std::string year)
    : m_pConnection(connection), m_strYear(std::move(year)) {}

std::vector<std::string> CLabFundQueries::ListFundNumbers() {
    std::vector<std::string> codes;
    CAdoRecordSet rows;
    if (!OpenReportQuery(rows, m_pConnection, statqueries::ApprovedLabNumbers(m_strYear))) {
        m_bFailed = true;
        return codes;
    }
    for (; !rows.IsEOF(); rows.MoveNext()) {
        std::string number;
        rows.GetString("XMBH", number);
        const std::string code = projectnumber::FundNumberOf(number);
        if (codes.empty() || codes.back() != code) codes.push_back(code);
    }
    return codes;
}

std::string CLabFundQueries::GetLabName(const std::string& code) {
    if (code.empty()) return {};
    CAdoRecordSet rows;
    if (!OpenReportQuery(rows, m_pConnection,
                         "select SYSQC from CORVANE_LAB where SYSDM = " + db::QuoteLiteral(code))) {
        m_bFailed = true;
        return {};
    }
    std::string name;
    if (rows.GetRecordCount() != 0) rows.GetString("SYSQC", name);
    return name;
}

std::string CLabFundQueries::ApprovedProjectsQuery(const std::string& code, bool keyOnly, bool withFunds) const {
    return statqueries::ApprovedOfLab(code, keyOnly ? kKeyProject : "", m_strYear, withFunds);
}

std::string CLabFundQueries::Sum(const std::string& code, bool keyOnly) {
    CAdoRecordSet rows;
    if (!OpenReportQuery(rows, m_pConnection,
                         ApprovedProjectsQuery(code, keyOnly, true))) {
        m_bFailed = true;
        return {};
    }
    float sum = 0;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        float amount = 0;
        if (rows.GetFloat("PFJF", amount)) sum += amount;
    }
    return text::Format("%g", sum);
}

std::string CLabFundQueries::Count(const std::string& code, bool keyOnly) {
    CAdoRecordSet rows;
    if (!OpenReportQuery(rows, m_pConnection, ApprovedProjectsQuery(code, keyOnly, false))) {
        m_bFailed = true;
        return {};
    }
    return text::Format("%ld", rows.GetRecordCount());
}

std::string CLabFundQueries::SumFunds(const std::string& code) { return Sum(code, false); }
std::string CLabFundQueries::CountProjects(const std::string& code) { return Count(code, false); }
std::string CLabFundQueries::CountKeyProjects(const std::string& code) { return Count(code, true); }
std::string CLabFundQueries::SumKeyFunds(const std::string& code) { return Sum(code, true); }

LabFundRow ReadLabFundRow(CLabFundQueries& queries, const std::string& code) {
    return {code,
            queries.GetLabName(code),
            queries.SumFunds(code),
            queries.CountProjects(code),
            queries.CountKeyProjects(code),
            queries.SumKeyFunds(code)};
}

void WriteLabFundSheet(const excel::Worksheet& sheet, const std::vector<LabFundRow>& rows) {
    int last = 1;  // the last sheet row in use; row 1 is the template's heading
    for (const LabFundRow& lab : rows) {
        ++last;
        excel::Range line = sheet.Range(CellName("A", last), CellName("G", last));
        SetSheetFont(line);
        line.SetRowHeight(kRowHeight);
        line.SetVerticalAlignment(excel::xlCenter);
        // A long name wraps in its cell, the row growing to hold it; the
        // serial number and the counts stand apart from their neighbours.
        line.SetWrapText(true);
        for (int column : {1, 5, 6}) line.Item(1, column).SetHorizontalAlignment(excel::xlCenter);
        SetAmountFormat(line);
        const std::string values[] = {std::to_string(last - 1), lab.code,     lab.name,    lab.funds,
                                      lab.projects,            lab.keyProjects, lab.keyFunds};
        for (int c = 0; c < 7; ++c) line.Item(1, c + 1).SetValue(values[c]);
        BorderEachCell(line);
    }

    const int total = last + 1;
    excel::Range label = sheet.Range(CellName("A", total), CellName("C", total));
    label.Merge(false);
    SetSheetFont(label);
    label.SetRowHeight(kRowHeight);
    label.Item(1, 1).SetValue("合计");  // the merged cell's value
    label.BorderAround(excel::xlContinuous, excel::xlThin, excel::xlColorIndexAutomatic);

    excel::Range sums = sheet.Range(CellName("D", total), CellName("G", total));
    SetSheetFont(sums);
    SetAmountFormat(sheet.Range(CellName("A", total), CellName("G", total)));
    const char* columns[] = {"D", "E", "F", "G"};
    for (int c = 0; c < 4; ++c) {
        // With no laboratory the sums would reach the totals row itself.
        const std::string sum = last < 2 ? std::string("0")
                                         : "=SUM(" + CellName(columns[c], 2) + ":" + CellName(columns[c], last) + ")";
        sums.Item(1, c + 1).SetValue(sum);
    }
    BorderEachCell(sums);
}
