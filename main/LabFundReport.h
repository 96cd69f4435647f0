// The key-laboratory fund table: the laboratories with approved projects in
// a year, the values of one laboratory (each a query of its own), and the
// sheet with one row per laboratory and a totals row.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "platform/office/Excel.h"

// The queries of one year. A failed query gives an empty value and marks the
// whole set as failed, so that no half-filled table is handed out.
class CLabFundQueries {
public:
    CLabFundQueries(CAdoConnection* connection, std::string year);

    // The distinct key-laboratory fund numbers (first 7 characters of the
    // project numbers beginning "9140C") with approved projects of the year,
    // ascending.
    std::vector<std::string> ListFundNumbers();

    // The laboratory's full name; empty without a laboratory row.
    std::string GetLabName(const std::string& code);
    // Approved funds ("%g" of the single-precision sum; NULL counts 0) and
    // the number of approved projects; the key-project variants count only
    // "重点实验室基金——重点项目".
    std::string SumFunds(const std::string& code);
    std::string CountProjects(const std::string& code);
    std::string CountKeyProjects(const std::string& code);
    std::string SumKeyFunds(const std::string& code);

    bool Failed() const { return m_bFailed; }

private:
    std::string ApprovedProjectsQuery(const std::string& code, bool keyOnly, bool withFunds) const;
    std::string Sum(const std::string& code, bool keyOnly);
    std::string Count(const std::string& code, bool keyOnly);

    CAdoConnection* m_pConnection;
    std::string m_strYear;
    bool m_bFailed = false;
};

// One laboratory's row of the table.
struct LabFundRow {
    std::string code, name, funds, projects, keyProjects, keyFunds;
};

LabFundRow ReadLabFundRow(CLabFundQueries& queries, const std::string& code);

// Rows 2 on: one laboratory each (serial, code, name, values) in 仿宋_GB2312
// 14, row height 38, every cell bordered; then the totals row "合计" (merged
// over A to C) with the sums of columns D to G.
void WriteLabFundSheet(const office::excel::Worksheet& sheet, const std::vector<LabFundRow>& rows);
