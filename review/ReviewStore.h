// The review workflow's rows of one project, and its lists of projects: the
// application (CORVANE_ITEMAPPINFO), the review row of the letter and meeting
// reviews and the approval (CORVANE_ITEMPF), the year plan
// (CORVANE_ITEMPLAN), the progress report (CORVANE_ITEMPROGRESS) and the
// acceptance (CORVANE_ITEMCHECKACCEPT), and the fund office's management
// rows with the experts' judgements. The panels open a row here and read
// or write its fields; no panel writes a statement of its own.
//
// Each Open function opens the project's row of its table in `rs` with a
// client-side static cursor, ready to be read, changed or added to (the
// recordset is empty when there is no row); false, and the recordset closed,
// when the query cannot run or there is no connection.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/RecordTexts.h"

namespace reviewstore {

// The review row's table, for the limits of its columns.
constexpr const char* kReviewTable = "CORVANE_ITEMPF";
// The year plan's and the acceptance's tables, for the reports that join them.
constexpr const char* kPlanTable = "CORVANE_ITEMPLAN";
constexpr const char* kAcceptanceTable = "CORVANE_ITEMCHECKACCEPT";

bool OpenApplicationRow(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number);
bool OpenReviewRow(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number);
bool OpenPlanRow(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number);
bool OpenProgressRow(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number);
bool OpenAcceptanceRow(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number);

// The project has a review row (the letter or the meeting review decided on it).
bool HasReviewRow(CAdoConnection* connection, const std::string& number);

// The approval panels' summary of a project: XMBH, XMMC, GZDW, HZDW, SQRXM,
// SQRXB, SQRNL, ZC, SQJE of the application with FS and PSJG of its review
// row (empty without one).
bool OpenSummary(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number);
// The progress check's detail: XMBH of the application with BACKUPNAME,
// SJWCR and WCQKJJ of its progress report (empty without one).
bool OpenProgressDetail(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number);
// The acceptance's detail: XMBH and XMMC of the application with SJWCR,
// ZBSXQK and WCQKJJ of its acceptance row (empty without one).
bool OpenAcceptanceDetail(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number);
// The project's achievements (CORVANE_CGHZ).
bool OpenAchievements(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number);

// The numbers of the year's applications of the category that passed the
// first review, and with `passedOnly` the review as well (PSJG "+"), in order.
std::vector<std::string> ProjectsOfKind(CAdoConnection* connection, const std::string& category,
                                        const std::string& year, bool passedOnly);
// The numbers of the review rows that name the expert as one of their three,
// of the year a number holds (its two characters), in order.
std::vector<std::string> ProjectsReviewedBy(CAdoConnection* connection, const std::string& expert,
                                            const std::string& numberYear);

// ---- a project's budget by item, as the approval panels show it ----

// The eight budget items in the panels' order: 设计费, 材料费, 外协费, 专用费,
// 试验费, 固定资产使用费, 工资费, 管理费.
constexpr int kBudgetItems = 8;
struct Budget {
    float total = 0;
    std::array<float, kBudgetItems> items{};
};
// The granted budget of an open review row (PFJF and its item columns); a
// value that cannot be read counts 0.
Budget GrantedBudget(CAdoRecordSet& reviewRow);
// The applied budget of an open application row (SQJE and its item
// columns, texts read as amounts).
Budget AppliedBudget(CAdoRecordSet& applicationRow);
// Sets the granted budget on the review row being edited; false at the
// first value the row does not accept.
bool SetGrantedBudget(CAdoRecordSet& reviewRow, const Budget& budget);

// ---- the management views (CORVANE_ITEMMANAGEINFO, CORVANE_EXPERTJUDGE) ----

// XMLB, NF, XMBH, XMMC and JJBH of every application, by year, category and
// number.
RowTexts AllProjectRows(CAdoConnection* connection);
// The same of the applications that have a management row, in stored order.
RowTexts ManagedProjectRows(CAdoConnection* connection);
// The project's management row (opened as the Open functions above do).
bool OpenManageRow(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number);
// Empties the columns of the project's management row.
bool ClearManageColumns(CAdoConnection& connection, const std::string& number, const std::vector<std::string>& columns);
// Empties the columns of the project's management row and, with
// `withJudgements`, deletes its experts' judgements, in one transaction.
bool ClearManageInfo(CAdoConnection& connection, const std::string& number, const std::vector<std::string>& columns,
                     bool withJudgements = false);
// Writes the project's existing management row in one transaction: opens it
// in `rs`, `setFields` sets the columns on it (false stops), then the row is
// updated and the transaction committed; any failure cancels and rolls back.
// `rs` is closed after. No row is added: false when the project has none.
bool UpdateManageRow(CAdoRecordSet& rs, CAdoConnection& connection, const std::string& number,
                     const std::function<bool()>& setFields);

// One expert's judgement of a project: the expert's number, score and opinion.
struct ExpertJudgement {
    std::string expert, score, opinion;
};
// The project's judgements in stored order.
std::vector<ExpertJudgement> ExpertJudgements(CAdoConnection* connection, const std::string& number);
// Replaces the project's judgements by `judgements`; the caller holds the
// transaction. False when a statement or a row fails.
bool WriteExpertJudgements(CAdoConnection& connection, const std::string& number,
                           const std::vector<ExpertJudgement>& judgements);
// WriteExpertJudgements in a transaction of its own.
bool SaveExpertJudgements(CAdoConnection& connection, const std::string& number,
                          const std::vector<ExpertJudgement>& judgements);
bool DeleteExpertJudgements(CAdoConnection& connection, const std::string& number);

// ---- the experts (CORVANE_EXPERTINFO) as the review panels read them ----

// Every expert's number, by number or (`ordered` false) as stored.
std::vector<std::string> ExpertNumbers(CAdoConnection* connection, bool ordered);
// The expert's row.
bool OpenExpert(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number);
// The experts whose fund categories (SSJJLB) end with `fundSuffix`, by number.
bool OpenExpertsOfFund(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& fundSuffix);

}  // namespace reviewstore
