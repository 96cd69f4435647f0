#include "main/ExpertReviewReport.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/Sql.h"
#include "main/ReportCommon.h"
#include "main/StatisticsQueries.h"
#include "numbering/ProjectNumbering.h"
#include "platform/text/Text.h"

using namespace office;

namespace {

constexpr int kColumns = 12;
constexpr int kExpertFields = 11;  // ID to SJ, positions 1 to 11
const char* const kHeadings[kColumns] = {"专家编号", "姓名",     "性别",     "年龄", "职称", "专业特长",
                                         "工作单位", "通信地址", "邮政编码", "电话", "手机", "评议项目数"};

// The last two characters (all of a shorter text).
std::string LastTwo(const std::string& s) {
    std::size_t start = s.size();
    for (int found = 0; start > 0 && found < 2;)
        if (IsUtf8LeadByte(s[--start])) ++found;
    return s.substr(start);
}

excel::Range Line(const excel::Worksheet& sheet, int row) {
    return sheet.Range(CellName("A", row), CellName("L", row));
}

}  // namespace

bool ListReviewFundNumbers(CAdoConnection* connection, const std::string& year, std::vector<std::string>& funds) {
    funds.clear();
    CAdoRecordSet rows;
    if (!OpenReportQuery(rows, connection, statqueries::ApplicationNumbers(year)))
        return false;
    std::string last;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        std::string number;
        rows.GetString("XMBH", number);
        const std::string fund = projectnumber::FundNumberOf(number);
        if (fund != last && fund.substr(0, 5) == "9140A") {
            funds.push_back(fund);
            last = fund;
        }
    }
    return true;
}

bool ListReviewingExperts(CAdoConnection* connection, const std::string& year, const std::string& fund,
                          std::vector<ReviewingExpert>& experts) {
    experts.clear();
    if (fund.empty()) return true;
    CAdoRecordSet members;
    if (!OpenReportQuery(members, connection,
                         "select ID, XM from CORVANE_EXPERTINFO where SSJJLB = " +
                             db::QuoteLiteral("J" + LastTwo(fund)) + " order by ID"))
        return false;
    for (; !members.IsEOF(); members.MoveNext()) {
        ReviewingExpert expert;
        members.GetString("ID", expert.id);
        members.GetString("XM", expert.name);
        CAdoRecordSet reviewed;
        if (!OpenReportQuery(reviewed, connection, statqueries::ProjectsReviewedBy(expert.id, LastTwo(year))))
            return false;
        const long count = reviewed.GetRecordCount();
        if (count <= 0) continue;
        expert.projects = text::Format("%ld", count);
        experts.push_back(std::move(expert));
    }
    return true;
}

bool ReadExpertSheetRows(CAdoConnection* connection, const std::vector<ReviewingExpert>& experts,
                         std::vector<ExpertSheetRow>& rows) {
    rows.clear();
    for (const ReviewingExpert& expert : experts) {
        CAdoRecordSet record;
        if (!OpenReportQuery(
                record, connection,
                "select * from CORVANE_EXPERTINFO where ID = " + db::QuoteLiteral(expert.id) + " order by ID"))
            return false;
        ExpertSheetRow row{expert.id, std::vector<std::string>(kExpertFields), expert.projects};
        if (!record.IsEOF())
            for (int i = 0; i < kExpertFields; ++i) record.GetFieldText(i + 1, row.fields[i]);
        rows.push_back(std::move(row));
    }
    return true;
}

void WriteExpertReviewSheet(const excel::Worksheet& sheet, const std::vector<ExpertSheetRow>& rows) {
    int last = 0;
    int groups = 0;
    std::string key;
    for (const ExpertSheetRow& expert : rows) {
        const std::string group = expert.id.substr(0, 3);
        if (groups == 0 || group != key) {
            ++groups;
            if (groups > 1) ++last;  // an empty row between groups
            key = group;

            excel::Range title = Line(sheet, last + 1);
            if (groups > 1) title.SetPageBreak(excel::xlPageBreakManual);
            title.Merge(false);
            title.Font().SetSize(12);
            title.SetRowHeight(30);
            title.SetHorizontalAlignment(excel::xlLeft);
            title.Item(1, 1).SetValue("所属基金类别：" + key);

            last += 2;
            excel::Range heading = Line(sheet, last);
            for (int c = 0; c < kColumns; ++c) heading.Item(1, c + 1).SetValue(kHeadings[c]);
            heading.Font().SetBold(true);
            heading.Font().SetSize(11);
            heading.SetRowHeight(27);
            BorderEachCell(heading);
        }
        ++last;
        excel::Range data = Line(sheet, last);
        data.SetRowHeight(30);
        data.SetVerticalAlignment(excel::xlCenter);
        for (int c = 0; c < kExpertFields; ++c) {
            const excel::Range cell = data.Item(1, c + 1);
            if (excel::HoldsCodes(kHeadings[c])) cell.SetNumberFormat("@");  // postcodes, telephones as written
            cell.SetValue(expert.fields[c]);
            // An age in the middle of its cell, apart from the title beside it.
            if (cell.Kind() == excel::ValueKind::Number) cell.SetHorizontalAlignment(excel::xlCenter);
        }
        data.Item(1, kColumns).SetValue(expert.projects);
        data.Item(1, kColumns).SetHorizontalAlignment(excel::xlCenter);
        BorderEachCell(data);
    }
    sheet.UsedRange().SetWrapText(true);
}
