#include "main/UnitInfoReport.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/Sql.h"
#include "main/ReportCommon.h"
#include "main/StatisticsQueries.h"
#include "platform/text/Text.h"

using namespace office;

namespace {

constexpr int kUnitColumns = 15;
const char* const kHeadings[] = {"单位代码", "单位名称", "所属部门", "机要地址名称", "科研管理部门名称", "邮政编码",
                                 "通信地址", "省",       "市",       "联系人",       "电话",             "手机",
                                 "开户银行", "开户单位", "账号",     "总经费(万元)"};

constexpr const char* kUnitFields =
    "CORVANE_UNIT.DWDM, CORVANE_UNIT.DWMC, CORVANE_UNIT.SSBM, CORVANE_UNIT.DWJC, CORVANE_UNIT.KYGLBM, "
    "CORVANE_UNIT.YZBM, CORVANE_UNIT.TXDZ, CORVANE_UNIT.SZS, CORVANE_UNIT.DWSZCS, CORVANE_UNIT.LXR, "
    "CORVANE_UNIT.DH, CORVANE_UNIT.SJ, CORVANE_UNIT.KHYH, CORVANE_UNIT.KHDW, CORVANE_UNIT.ZH";

std::string CategoryCondition(UnitTableKind kind, int category) {
    const bool groups = category == 0;
    if (kind == UnitTableKind::AnnualPlan) return groups ? "JJBH like '9140A%'" : "JJBH like '9140C%'";
    return groups ? "XMLB like '共性技术基金%'" : "XMLB like '重点实验室基金%'";
}

}  // namespace

std::string UnitTableQuery(UnitTableKind kind, const std::string& year, int category) {
    const std::string condition = CategoryCondition(kind, category);
    const std::string quotedYear = db::QuoteLiteral(year);
    if (kind == UnitTableKind::AnnualPlan)
        return "SELECT distinct CORVANE_UNIT.* FROM CORVANE_UNIT, CORVANE_YEAR_STUDYASPECT where CORVANE_UNIT.DWDM = "
               "CORVANE_YEAR_STUDYASPECT.DWDM and FBNF = " +
               quotedYear + " and " + condition + " order by CORVANE_UNIT.DWDM";
    return statqueries::UnitFunds(kUnitFields, condition, year);
}

std::string UnitTableTitle(UnitTableKind kind) {
    return kind == UnitTableKind::AnnualPlan ? "单位信息表(年度计划)" : "单位信息表(年度经费表)";
}

int UnitTableColumns(UnitTableKind kind) { return kind == UnitTableKind::AnnualPlan ? kUnitColumns : kUnitColumns + 1; }

bool ReadUnitTableRows(CAdoConnection* connection, const std::string& sql, int columns,
                       std::vector<std::vector<std::string>>& rows) {
    rows.clear();
    CAdoRecordSet records;
    if (!OpenReportQuery(records, connection, sql)) return false;
    for (; !records.IsEOF(); records.MoveNext()) {
        std::vector<std::string> row(columns);
        for (int c = 0; c < columns; ++c) records.GetFieldText(c, row[c]);
        rows.push_back(std::move(row));
    }
    return true;
}

void WriteUnitTableSheet(const excel::Worksheet& sheet, UnitTableKind kind,
                         const std::vector<std::vector<std::string>>& rows) {
    const int columns = UnitTableColumns(kind);
    const std::string lastColumn = excel::ColumnName(columns);
    sheet.SetName("单位信息表");
    excel::Range cells = sheet.Cells();
    cells.Item(1, 1).SetValue(UnitTableTitle(kind));
    for (int c = 1; c <= columns; ++c) cells.Item(2, c).SetValue(kHeadings[c - 1]);

    sheet.Range("A1", lastColumn + "1").Merge(false);
    excel::Range headings = sheet.Range("A2", lastColumn + "2");
    headings.Font().SetName("隶书");
    headings.Font().SetSize(11);
    sheet.Range("A1", "A1").Font().SetSize(14);

    // Codes, postcodes, telephone and account numbers print as written; the
    // funds with two decimals.
    const std::string lastRow = std::to_string(rows.size() + 2);
    for (int c = 1; c <= columns && !rows.empty(); ++c) {
        const std::string column = excel::ColumnName(c);
        excel::Range values = sheet.Range(column + "3", column + lastRow);
        if (excel::HoldsCodes(kHeadings[c - 1])) values.SetNumberFormat("@");
        else if (c == kUnitColumns + 1) values.SetNumberFormat("0.00");
    }
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (int c = 1; c <= columns; ++c) cells.Item(int(r) + 3, c).SetValue(rows[r][c - 1]);

    BorderEachCell(sheet.Range("A2", lastColumn + std::to_string(rows.size() + 2)));
    excel::Range used = sheet.UsedRange();
    used.SetWrapText(true);
    used.SetHorizontalAlignment(excel::xlCenter);
    used.SetVerticalAlignment(excel::xlCenter);
}
