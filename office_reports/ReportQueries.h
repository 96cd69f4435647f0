// The statements of the fund office's reports on the application table, its
// review row, its year plan and its acceptance. The report dialogs open a
// recordset from the text given here and only fill their workbook or
// document. Values enter quoted by db::QuoteLiteral; a `condition` is the
// dialog's category condition on XMLB (reports::CategoryCondition,
// reports::TypeCondition), made from the program's own category names.
#pragma once

#include <string>

namespace reportqueries {

// A fund's projects of one category (XMLB) and year (NF): the numbers that
// begin with `fund`.
struct FundProjects {
    std::string fund, category, year;
};

// ---- the year's project numbers in order, for the fund lists ----

// Applications meeting `condition`.
std::string ApplicationNumbers(const std::string& condition, const std::string& year);
// Applications meeting `condition` approved in the review (PSJG "+").
std::string ApprovedNumbers(const std::string& condition, const std::string& year);
// Applications meeting `condition` with a year plan that passed the first
// review (FIRSTAPPR "+").
std::string PlannedNumbers(const std::string& condition, const std::string& year);
// Accepted projects (with an acceptance row) meeting `condition`.
std::string AcceptedNumbers(const std::string& condition, const std::string& year);

// ---- one project ----

// Its category (XMLB).
std::string ApplicationCategory(const std::string& number);
// The review row's opinions and approved funds (ZJYJ, PFYJ, PFJF).
std::string ReviewOpinions(const std::string& number);
// The review row's approved funds (PFJF).
std::string ApprovedFunds(const std::string& number);
// The year plan's row.
std::string PlanRow(const std::string& number);
// The achievement report's row: XMBH, XMLB, SQRXM, GZDW of the application
// with SJWCR, ZBSXQK, WCQKJJ, YSQK of its acceptance.
std::string AcceptedProject(const std::string& number);

// ---- the names and rows of the other tables ----

// The guide's name (ZNMC) of the fund published in the year.
std::string GuideName(const std::string& fund, const std::string& year);
// The unit's name (DWMC).
std::string UnitName(const std::string& unit);
// The expert's name (XM).
std::string ExpertName(const std::string& id);
// Every laboratory (SYSDM, SYSQC) by code.
std::string Laboratories();
// The year's study-aspect rows of the guide code; with a `column` (dwdm,
// sfzdyjfx), only those whose column holds `value`.
std::string AspectRows(const std::string& code, const std::string& year, const std::string& column = "",
                       const std::string& value = "");

// ---- a fund's projects ----

// Accepted projects of the fund meeting `condition` (XMBH, XMMC).
std::string AcceptedProjectsOfFund(const std::string& fund, const std::string& condition, const std::string& year);
// The application table's rows (XMBH, XMMC, XMQSRQ, XMZZRQ, GZDW, SQRXM,
// SQRXB, SQRNL, ZC, SQJE) meeting `condition`, by number.
std::string ApplicationsOfFund(const std::string& fund, const std::string& condition, const std::string& year);
// The same columns with `reviewColumns` of the review row (empty without
// one) of the specialty groups' general projects that passed the first
// review, by number.
std::string FirstReviewedOfFund(const std::string& fund, const std::string& year, const std::string& reviewColumns);
// The specialty groups' general projects that passed the first review, by
// number.
std::string FirstReviewedNumbers(const std::string& year);
// Approved rows (XMBH, XMMC, XMQSRQ, XMZZRQ, GZDW, SQRXM, SQRXB, SQRNL, ZC,
// PFJF) meeting `condition`, by number.
std::string ApprovedRowsOfFund(const std::string& fund, const std::string& condition, const std::string& year);
// The laboratory's applications of the category and year: XMBH, with
// `withAmount` SQJE too.
std::string LabApplications(const std::string& lab, const std::string& category, const std::string& year,
                            bool withAmount);

// ---- the approval output and the plan output, of one fund (and unit) ----

// Approved projects (PSJG "+"): the units (DWDM); the rows of the plan table
// (XMBH, XMMC, SQRXM, GZDW, with a unit DWDM, and PFJF), by number; the rows
// of the approval opinions (XMBH, XMMC, SQRXM, GZDW, XMQSRQ, XMZZRQ), by
// number; the numbers counted and the sum of PFJF of a heading (of one unit
// when `unit` is not empty).
std::string ApprovedUnits(const FundProjects& projects);
std::string ApprovedPlanRows(const FundProjects& projects, const std::string& unit);
std::string ApprovedOpinionRows(const FundProjects& projects);
std::string ApprovedCount(const FundProjects& projects, const std::string& unit);
std::string ApprovedSum(const FundProjects& projects, const std::string& unit);

// Projects with a year plan: the units (DWDM); the rows of the plan list
// (XMBH, XMMC, SQRXM) and of the plan drafts (XMBH, XMMC), by number; the
// numbers counted and the sum of the review rows' PFJF of a heading.
std::string PlannedUnits(const FundProjects& projects);
std::string PlannedListRows(const FundProjects& projects, const std::string& unit);
std::string PlannedDraftRows(const FundProjects& projects, const std::string& unit);
std::string PlannedCount(const FundProjects& projects, const std::string& unit);
std::string PlannedSum(const FundProjects& projects, const std::string& unit);

}  // namespace reportqueries
