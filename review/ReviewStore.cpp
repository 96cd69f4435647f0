#include "review/ReviewStore.h"

#include "foundation/Sql.h"
#include "foundation/Transaction.h"
#include "numbering/ProjectNumbering.h"
#include "review/WorkflowSupport.h"

namespace reviewstore {

namespace {

// The columns of the management views' project lists.
constexpr const char* kProjectRowColumns[] = {"XMLB", "NF", "XMBH", "XMMC", "JJBH"};

// Each budget item's column in the review row and in the application.
struct BudgetColumns {
    const char* granted;
    const char* applied;
};
constexpr BudgetColumns kBudgetColumns[kBudgetItems] = {
    {"PFSJF", "SJF"}, {"PFCLF", "CLF"},     {"PFWXF", "WXF"}, {"PFZYF", "ZYF"},
    {"PFSYF", "SYF"}, {"PFGDZCF", "GDZCF"}, {"PFGZF", "GZF"}, {"PFGLF", "GLF"},
};

bool OpenRowOf(CAdoRecordSet& rs, CAdoConnection* connection, const char* table, const std::string& number) {
    return workflow::OpenQuery(rs, connection,
                               std::string("select * from ") + table + " where " +
                                   projectnumber::KeyedRowsCondition("XMBH", db::QuoteLiteral(number)));
}

// The application's columns with those of one row of `table` joined on the number.
bool OpenJoined(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& columns, const char* table,
                const std::string& number) {
    return workflow::OpenQuery(rs, connection,
                               "select CORVANE_ITEMAPPINFO.XMBH, " + columns + " from CORVANE_ITEMAPPINFO left join " +
                                   table + " on " +
                                   projectnumber::KeyedRowsCondition(std::string(table) + ".XMBH",
                                                                     "CORVANE_ITEMAPPINFO.XMBH") +
                                   " where " +
                                   projectnumber::KeyedRowsCondition("CORVANE_ITEMAPPINFO.XMBH",
                                                                     db::QuoteLiteral(number)));
}

std::vector<std::string> Numbers(CAdoConnection* connection, const std::string& sql,
                                 const std::vector<std::string>& values) {
    std::vector<std::string> numbers;
    if (!connection) return numbers;
    db::Statement rows(*connection, sql, values);
    while (rows.Next()) numbers.push_back(rows.Text(0));
    return numbers;
}

}  // namespace

bool OpenApplicationRow(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number) {
    return OpenRowOf(rs, connection, "CORVANE_ITEMAPPINFO", number);
}

bool OpenReviewRow(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number) {
    return OpenRowOf(rs, connection, kReviewTable, number);
}

bool OpenPlanRow(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number) {
    return OpenRowOf(rs, connection, kPlanTable, number);
}

bool OpenProgressRow(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number) {
    return OpenRowOf(rs, connection, "CORVANE_ITEMPROGRESS", number);
}

bool OpenAcceptanceRow(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number) {
    return OpenRowOf(rs, connection, kAcceptanceTable, number);
}

bool HasReviewRow(CAdoConnection* connection, const std::string& number) {
    return !Numbers(connection,
                    std::string("select XMBH from ") + kReviewTable + " where " +
                        projectnumber::KeyedRowsCondition("XMBH", "?1"),
                    {number})
                .empty();
}

bool OpenSummary(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number) {
    return OpenJoined(rs, connection, "XMMC, GZDW, HZDW, SQRXM, SQRXB, SQRNL, ZC, SQJE, FS, PSJG", kReviewTable,
                      number);
}

bool OpenProgressDetail(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number) {
    return OpenJoined(rs, connection, "BACKUPNAME, SJWCR, WCQKJJ", "CORVANE_ITEMPROGRESS", number);
}

bool OpenAcceptanceDetail(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number) {
    return OpenJoined(rs, connection, "XMMC, SJWCR, ZBSXQK,WCQKJJ", kAcceptanceTable, number);
}

bool OpenAchievements(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number) {
    return OpenRowOf(rs, connection, "corvane_cghz", number);
}

std::vector<std::string> ProjectsOfKind(CAdoConnection* connection, const std::string& category,
                                        const std::string& year, bool passedOnly) {
    return Numbers(connection,
                   passedOnly ? "select corvane_itemappinfo.XMBH from corvane_itemappinfo, corvane_itempf where " +
                                    projectnumber::KeyedRowsCondition("corvane_itempf.XMBH",
                                                                      "corvane_itemappinfo.XMBH") +
                                    " and XMLB = ?1 and NF = ?2 and FIRSTAPPR = '+' and PSJG = '+' order by "
                                    "corvane_itemappinfo.XMBH"
                              : "select XMBH from corvane_itemappinfo where XMLB = ?1 and NF = ?2 and FIRSTAPPR = '+' "
                                "order by XMBH",
                   {category, year});
}

std::vector<std::string> ProjectsReviewedBy(CAdoConnection* connection, const std::string& expert,
                                            const std::string& numberYear) {
    return Numbers(connection,
                   "select XMBH from CORVANE_ITEMPF where XMBH like ?1 and (ZJ1 = ?2 or ZJ2 = ?2 or ZJ3 = ?2) "
                   "order by XMBH",
                   {std::string(projectnumber::kGuideCodeLength, '_') + numberYear + "%", expert});
}

RowTexts AllProjectRows(CAdoConnection* connection) {
    CAdoRecordSet rs;
    if (!workflow::OpenQuery(rs, connection, "select * from CORVANE_ITEMAPPINFO order by NF asc,XMLB asc,XMBH asc"))
        return {};
    return ReadRowTexts(rs, kProjectRowColumns);
}

RowTexts ManagedProjectRows(CAdoConnection* connection) {
    CAdoRecordSet rs;
    if (!workflow::OpenQuery(
            rs, connection,
            "select * from CORVANE_ITEMAPPINFO where exists (select 1 from CORVANE_ITEMMANAGEINFO where " +
                projectnumber::KeyedRowsCondition("CORVANE_ITEMMANAGEINFO.XMBH", "CORVANE_ITEMAPPINFO.XMBH") + ")"))
        return {};
    return ReadRowTexts(rs, kProjectRowColumns);
}

bool OpenManageRow(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number) {
    return OpenRowOf(rs, connection, "CORVANE_ITEMMANAGEINFO", number);
}

bool ClearManageColumns(CAdoConnection& connection, const std::string& number,
                        const std::vector<std::string>& columns) {
    std::string assignments;
    for (const std::string& column : columns) assignments += (assignments.empty() ? "" : ",") + column + "=NULL";
    return db::Statement(connection,
                         "update CORVANE_ITEMMANAGEINFO set " + assignments + " where " +
                             projectnumber::KeyedRowsCondition("XMBH", "?1"),
                         {number})
        .Run();
}

std::vector<ExpertJudgement> ExpertJudgements(CAdoConnection* connection, const std::string& number) {
    std::vector<ExpertJudgement> judgements;
    CAdoRecordSet rs;
    if (!OpenRowOf(rs, connection, "CORVANE_EXPERTJUDGE", number)) return judgements;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        ExpertJudgement& judgement = judgements.emplace_back();
        rs.GetString("ID", judgement.expert);
        rs.GetString("FS", judgement.score);
        rs.GetString("ZZYJ", judgement.opinion);
    }
    return judgements;
}

bool ClearManageInfo(CAdoConnection& connection, const std::string& number, const std::vector<std::string>& columns,
                     bool withJudgements) {
    return db::InTransaction(connection, [&] {
        return ClearManageColumns(connection, number, columns) &&
               (!withJudgements || DeleteExpertJudgements(connection, number));
    });
}

bool UpdateManageRow(CAdoRecordSet& rs, CAdoConnection& connection, const std::string& number,
                     const std::function<bool()>& setFields) {
    return db::InTransaction(connection, [&] {
        const bool written =
            OpenManageRow(rs, &connection, number) && rs.GetRecordCount() > 0 && setFields() && rs.Update();
        if (!written) rs.CancelUpdate();
        rs.Close();
        return written;
    });
}

bool SaveExpertJudgements(CAdoConnection& connection, const std::string& number,
                          const std::vector<ExpertJudgement>& judgements) {
    return db::InTransaction(connection, [&] { return WriteExpertJudgements(connection, number, judgements); });
}

bool DeleteExpertJudgements(CAdoConnection& connection, const std::string& number) {
    return db::Statement(connection,
                         "delete from CORVANE_EXPERTJUDGE where " + projectnumber::KeyedRowsCondition("XMBH", "?1"),
                         {number})
        .Run();
}

bool WriteExpertJudgements(CAdoConnection& connection, const std::string& number,
                           const std::vector<ExpertJudgement>& judgements) {
    if (!DeleteExpertJudgements(connection, number)) return false;
    CAdoRecordSet rs;
    if (!OpenRowOf(rs, &connection, "CORVANE_EXPERTJUDGE", number)) return false;
    for (const ExpertJudgement& judgement : judgements) {
        const bool written = rs.AddNew() && rs.SetString("XMBH", number) && rs.SetString("ID", judgement.expert) &&
                             rs.SetString("ZZYJ", judgement.opinion) && rs.SetString("FS", judgement.score) &&
                             rs.Update();
        if (!written) {
            rs.CancelUpdate();
            return false;
        }
    }
    return true;
}

std::vector<std::string> ExpertNumbers(CAdoConnection* connection, bool ordered) {
    std::vector<std::string> numbers;
    CAdoRecordSet rs;
    if (!workflow::OpenQuery(
            rs, connection,
            ordered ? "select ID from corvane_expertinfo order by ID" : "select * from CORVANE_EXPERTINFO"))
        return numbers;
    for (; !rs.IsEOF(); rs.MoveNext()) rs.GetString("ID", numbers.emplace_back());
    return numbers;
}

bool OpenExpert(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& number) {
    return workflow::OpenQuery(rs, connection, "select * from CORVANE_EXPERTINFO where ID=" + db::QuoteLiteral(number));
}

bool OpenExpertsOfFund(CAdoRecordSet& rs, CAdoConnection* connection, const std::string& fundSuffix) {
    return workflow::OpenQuery(
        rs, connection,
        "SELECT * FROM CORVANE_EXPERTINFO WHERE SSJJLB LIKE " + db::QuoteLiteral("%" + fundSuffix) + " ORDER BY ID");
}

Budget GrantedBudget(CAdoRecordSet& reviewRow) {
    Budget budget;
    reviewRow.GetFloat("PFJF", budget.total);
    for (int i = 0; i < kBudgetItems; ++i) reviewRow.GetFloat(kBudgetColumns[i].granted, budget.items[i]);
    return budget;
}

Budget AppliedBudget(CAdoRecordSet& applicationRow) {
    Budget budget;
    budget.total = workflow::TextAsFloat(applicationRow, "SQJE");
    for (int i = 0; i < kBudgetItems; ++i)
        budget.items[i] = workflow::TextAsFloat(applicationRow, kBudgetColumns[i].applied);
    return budget;
}

bool SetGrantedBudget(CAdoRecordSet& reviewRow, const Budget& budget) {
    bool ok = reviewRow.SetFloat("PFJF", budget.total);
    for (int i = 0; ok && i < kBudgetItems; ++i) ok = reviewRow.SetFloat(kBudgetColumns[i].granted, budget.items[i]);
    return ok;
}

}  // namespace reviewstore
