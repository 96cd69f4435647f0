#include "foundation/ImportReport.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <set>

#include "foundation/AdoRecordSet.h"
#include "foundation/Transaction.h"

#include "platform/text/Text.h"

std::string ImportReport(int count, const std::vector<std::string>& failedFiles,
                         const std::vector<std::string>& notFiles) {
    std::string report = text::Format("共导入了%d条数据！", count);
    if (!failedFiles.empty()) report += "\r\n以下文件写入数据库失败，未导入：";
    for (const std::string& name : failedFiles) report += "\r\n" + name;
    if (!notFiles.empty()) report += "\r\n以下名称不是可读取的文件，未导入：";
    for (const std::string& name : notFiles) report += "\r\n" + name;
    return report;
}

std::string ImportReport(CAdoConnection& connection, int count, const std::vector<std::string>& failedFiles,
                         const std::vector<std::string>& notFiles) {
    const std::string report = ImportReport(count, failedFiles, notFiles);
    return failedFiles.empty() ? report : db::FailureMessage(connection, report);
}

std::string NamedFilesReport(const std::string& heading, const std::vector<std::string>& names) {
    std::string report;
    if (!names.empty()) report = "\r\n" + heading;
    for (const std::string& name : names) report += "\r\n" + name;
    return report;
}

std::string UnreadableFileMessage(const std::string& fileName, const std::string& kind, const std::string& reason) {
    return "文件" + fileName + "不是可读取的" + kind + "文件" + (reason.empty() ? "" : "（" + reason + "）") +
           "，未导入任何数据！";
}

std::string NotStoredProjectsReport(const std::vector<std::string>& numbers) {
    return NamedFilesReport("以下项目不存在，其数据未导入：", numbers);
}

bool IsStorableAmount(const std::string& amount) {
    const std::string text = text::Trim(amount);
    if (text.empty()) return true;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(value) && value >= 0 &&
           value <= std::numeric_limits<float>::max();
}

const std::vector<std::string>& ApplicationAmountColumns() {
    static const std::vector<std::string> columns = {"SQJE", "SJF", "CLF", "WXF", "ZYF", "SYF", "GDZCF", "GZF", "GLF"};
    return columns;
}

std::string FirstUnstorableAmount(CAdoRecordSet& row, const std::vector<std::string>& columns) {
    for (const std::string& column : columns) {
        std::string value;
        row.GetString(column, value);
        if (!IsStorableAmount(value)) return column;
    }
    return {};
}

bool HasAllColumns(CAdoRecordSet& part, const std::vector<std::string>& columns) {
    for (const std::string& column : columns)
        if (part.GetFieldAttributes(column) == -1) return false;
    return true;
}

bool IsPartOf(CAdoRecordSet& part, const std::string& table, const std::vector<std::string>& columns) {
    ado::Recordset* fields = part.GetFields();
    if (!fields || !HasAllColumns(part, columns)) return false;
    for (long i = 0; i < fields->FieldCount(); ++i) {
        const std::string& base = fields->Column(i).baseTable;
        if (!base.empty() && !text::EqualsNoCase(base, table)) return false;
    }
    return true;
}

namespace {

std::string Text(CAdoRecordSet& rs, const char* column) {
    std::string value;
    rs.GetString(column, value);
    return value;
}

}  // namespace

bool BundleGuideKey(CAdoRecordSet& guides, CAdoRecordSet& subjects, CAdoRecordSet& directions, std::string& fund,
                    std::string& year) {
    // The guide is the first guide row's; a bundle without one (its subjects
    // and directions only) names it in its first subject or direction row.
    CAdoRecordSet* first = &guides;
    for (CAdoRecordSet* part : {&guides, &subjects, &directions}) {
        part->MoveFirst();
        if (first->IsEOF()) first = part;
    }
    if (first->IsEOF()) return false;
    fund = Text(*first, "JJBH");
    year = Text(*first, "FBNF");
    return true;
}

bool GuideRowsBelongToOneGuide(CAdoRecordSet& guides, CAdoRecordSet& subjects, CAdoRecordSet& directions,
                               const std::vector<std::string>& tables, const std::vector<const char*>& guideBlobs,
                               bool rowsAfterTheFirstIgnored) {
    std::vector<std::string> guideColumns = {"JJBH", "ZNMC", "FBNF"};
    guideColumns.insert(guideColumns.end(), guideBlobs.begin(), guideBlobs.end());
    if (tables.size() != 3 || !IsPartOf(guides, tables[0], guideColumns) ||
        !IsPartOf(subjects, tables[1], {"ZTBH", "JJBH", "FBNF", "ZTMC", "YJMD"}) ||
        !IsPartOf(directions, tables[2], {"JJBH", "FBNF"}))
        return false;
    std::string fund, year;
    if (!BundleGuideKey(guides, subjects, directions, fund, year)) return true;  // nothing to store
    if (fund.empty() || year.empty()) return false;
    auto sameGuide = [&](CAdoRecordSet& rs) { return Text(rs, "JJBH") == fund && Text(rs, "FBNF") == year; };
    int guideRows = 0;
    for (; !guides.IsEOF(); guides.MoveNext()) {
        if (!sameGuide(guides)) return false;
        if (++guideRows > 1 && !rowsAfterTheFirstIgnored) return false;  // a second, duplicate guide
    }
    std::set<std::string> subjectNumbers;
    for (subjects.MoveFirst(); !subjects.IsEOF(); subjects.MoveNext())
        if (!sameGuide(subjects) || !subjectNumbers.insert(Text(subjects, "ZTBH")).second) return false;
    for (directions.MoveFirst(); !directions.IsEOF(); directions.MoveNext())
        if (!sameGuide(directions)) return false;
    for (CAdoRecordSet* part : {&guides, &subjects, &directions}) part->MoveFirst();
    return true;
}

bool IsGuideYear(const std::string& year) {
    return year.size() == 4 && std::all_of(year.begin(), year.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsGuidePeriod(const std::string& period) {
    return period.size() == 9 && period[4] == '-' && IsGuideYear(period.substr(0, 4)) &&
           IsGuideYear(period.substr(5)) && std::stoi(period.substr(5)) == std::stoi(period.substr(0, 4)) + 4;
}
