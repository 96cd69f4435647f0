#include "foundation/ProjectRowsImport.h"

#include <algorithm>
#include <set>

#include "foundation/AdoRecordSet.h"
#include "foundation/ImportReport.h"
#include "foundation/LongBinary.h"
#include "foundation/ProjectTables.h"
#include "foundation/Sql.h"
#include "foundation/Transaction.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

const ProjectRowsFormat& YearPlanFormat() {
    static const ProjectRowsFormat format{
        "corvane_itemyearplan", "proplan", "上报项目计划草案", {"xmbh", "NF"}, {0, 1, 2}, {3, 4, 5}, {"NDJF", "BZ"},
        {"YBJJXGBCSM"}, {"NDJF"}, "项目计划", true};
    return format;
}

const ProjectRowsFormat& AcceptanceFormat() {
    static const ProjectRowsFormat format{
        "corvane_itemcheckaccept", "proys", "上报项目验收总结报告", {"xmbh"}, {8, 9, 10, 11}, {1, 2, 3, 4, 5, 6, 7}, {},
        {}, {}, "项目验收总结报告"};
    return format;
}

const ProjectRowsFormat& ExchangeAcceptanceFormat() {
    static const ProjectRowsFormat format = [] {
        ProjectRowsFormat exchange = AcceptanceFormat();
        exchange.textPositions = {8, 9, 10};
        return exchange;
    }();
    return format;
}

bool PlanYearsAgree(const std::vector<std::string>& years) {
    static const char* const kCaptions[] = {"第一年度", "第二年度", "第三年度"};
    auto isCaption = [](const std::string& year) {
        return std::any_of(std::begin(kCaptions), std::end(kCaptions), [&](const char* c) { return year == c; });
    };
    auto isCalendarYear = [](const std::string& year) {
        return year.size() == 4 && std::all_of(year.begin(), year.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (std::all_of(years.begin(), years.end(), isCaption)) return true;
    if (!std::all_of(years.begin(), years.end(), isCalendarYear)) return false;
    const auto [first, last] = std::minmax_element(years.begin(), years.end());
    return first == years.end() || std::stoi(*last) - std::stoi(*first) <= 2;
}

namespace {

std::string ColumnName(CAdoRecordSet& rs, long index) {
    ado::Recordset* fields = rs.GetFields();
    return fields && index >= 0 && index < fields->FieldCount() ? fields->Column(index).name : std::string();
}

std::string FieldText(CAdoRecordSet& rs, const char* column) {
    std::string value;
    rs.GetString(column, value);
    return value;
}

void AddOnce(std::vector<std::string>& names, const std::string& name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

}  // namespace

std::string ProjectRowsImport::KeyCondition() const {
    std::string condition;
    // The number's own rows: of a legacy pair of numbers that differ only in
    // case, those of the one the file names as stored, never the other's.
    for (std::size_t i = 0; i < m_format.keyColumns.size(); ++i)
        condition += i ? " and " + std::string(m_format.keyColumns[i]) + " = ?" + std::to_string(i + 1)
                       : projecttables::KeyedRowsCondition(m_format.keyColumns[0], "?1");
    return condition;
}

bool ProjectRowsImport::IsStored(const std::vector<std::string>& keyValues) {
    return db::Statement(m_connection, std::string("select * from ") + m_format.table + " where " + KeyCondition(),
                         keyValues)
        .Next();
}

bool ProjectRowsImport::HasTableLayout(CAdoRecordSet& file) {
    // Every column up to the last one copied by position stands where the table has it.
    long copied = 0;
    for (const auto* positions : {&m_format.textPositions, &m_format.binaryPositions})
        for (long position : *positions) copied = std::max(copied, position + 1);
    if (copied > 0 && !HasLayoutOf(file, m_connection, m_format.table, copied)) return false;
    for (const auto* names : {&m_format.keyColumns, &m_format.textNames, &m_format.binaryNames})
        for (const char* name : *names)
            if (file.GetFieldAttributes(name) == -1) return false;
    return true;
}

int ProjectRowsImport::Import(const std::string& path, const ReplaceStored& replaceStored) {
    const std::string name = sys::FileName(path);
    CAdoRecordSet file;
    if (!file.OpenFromFile(path) || !HasTableLayout(file)) {
        m_notOfItsKind.push_back(name);
        return 0;
    }
    if (file.IsEOF()) {
        m_empty.push_back(name);
        return 0;
    }
    // Every row is checked before anything is asked or written: its key,
    // its project (the file's one, the first row's), its amounts.
    std::vector<std::vector<std::string>> keys;
    std::set<std::string> seen;  // keys as the table compares them
    for (; !file.IsEOF(); file.MoveNext()) {
        std::vector<std::string>& key = keys.emplace_back();
        std::string joined;
        for (const char* column : m_format.keyColumns) {
            key.push_back(FieldText(file, column));
            joined += text::ToLowerAscii(key.back()) + '\x1f';
            if (key.back().empty()) {
                m_withoutKey.push_back(name);
                return 0;
            }
        }
        if (!text::EqualsNoCase(key.front(), keys.front().front())) {
            m_otherProjects.push_back(name);
            return 0;
        }
        if (!seen.insert(joined).second) {
            m_repeated.push_back(name);
            return 0;
        }
        for (const char* column : m_format.amountNames)
            if (!IsStorableAmount(FieldText(file, column))) {
                m_badAmounts.push_back(name);
                return 0;
            }
    }
    const std::string number = keys.front().front();
    // Rows of a project that is not stored would belong to no project, and
    // later to whichever project is given the number.
    switch (db::HasRow(m_connection,
                       "select XMBH from CORVANE_ITEMAPPINFO where " + projecttables::KeyedRowsCondition("XMBH", "?1"),
                       {number})) {
    case db::Found::Row: break;
    case db::Found::NoRow: AddOnce(m_notStored, number); return 0;
    case db::Found::Failed: m_failed.push_back(name); return 0;
    }
    if (m_format.keyedByPlanYear) {
        // A row of a year the plan does not have would be held beside the
        // project's own plan rows, where no view shows it. The plan's years
        // are the file's together with those the project's plan holds (rows
        // stored before these checks existed, not themselves plan years, are
        // left out of the comparison).
        std::vector<std::string> years;
        for (const auto& key : keys) years.push_back(key[1]);
        db::Statement stored(m_connection, std::string("select NF from ") + m_format.table + " where XMBH = ?1",
                             {number});
        while (stored.Next()) {
            const std::string year = stored.Text(0);
            if (PlanYearsAgree({year})) years.push_back(year);
        }
        if (stored.Failed()) {
            m_failed.push_back(name);
            return 0;
        }
        if (!PlanYearsAgree(years)) {
            m_badYears.push_back(name);
            return 0;
        }
    }
    std::vector<bool> write, replace;
    for (const std::vector<std::string>& key : keys) {
        replace.push_back(IsStored(key));
        write.push_back(!replace.back() || replaceStored(number));
    }
    const int count = int(std::count(write.begin(), write.end(), true));
    if (count == 0) return 0;
    if (!WriteRows(file, keys, write, replace)) {
        m_failed.push_back(name);
        return 0;
    }
    return count;
}

bool ProjectRowsImport::WriteRows(CAdoRecordSet& file, const std::vector<std::vector<std::string>>& keys,
                                  const std::vector<bool>& write, const std::vector<bool>& replace) {
    return db::InTransaction(m_connection, [&] {
        // One empty recordset takes every new row, whatever the table holds.
        CAdoRecordSet row;
        row.SetConnection(&m_connection);
        row.SetCursorLocation(adUseClient);
        if (!row.Open(std::string("select * from ") + m_format.table + " where 1 = 0") || !file.MoveFirst())
            return false;
        for (std::size_t i = 0; i < keys.size(); ++i, file.MoveNext()) {
            if (!write[i]) continue;
            if (replace[i] && !db::Statement(m_connection,
                                             std::string("delete from ") + m_format.table + " where " + KeyCondition(),
                                             keys[i])
                                   .Run())
                return false;
            if (!CopyRow(file, keys[i], row)) {
                row.CancelUpdate();
                return false;
            }
        }
        return true;
    });
}

bool ProjectRowsImport::CopyRow(CAdoRecordSet& file, const std::vector<std::string>& keyValues, CAdoRecordSet& row) {
    bool ok = row.AddNew() != FALSE;
    for (std::size_t i = 0; i < keyValues.size(); ++i) ok = ok && row.SetString(m_format.keyColumns[i], keyValues[i]);
    for (long position : m_format.textPositions) {
        std::string value;
        ok = ok && file.GetFieldText(position, value) && row.SetFieldText(position, value);
    }
    for (const char* name : m_format.textNames) ok = ok && row.SetString(name, FieldText(file, name));
    // Each long column once: by its name when the format names it, else by position.
    for (long position : m_format.binaryPositions) {
        const std::string column = ColumnName(row, position);
        const bool named = std::any_of(m_format.binaryNames.begin(), m_format.binaryNames.end(),
                                       [&](const char* name) { return text::EqualsNoCase(name, column); });
        if (!named) ok = ok && !column.empty() && CopyLongBinary(file, column, row);
    }
    for (const char* name : m_format.binaryNames) ok = ok && CopyLongBinary(file, name, row);
    return ok && row.Update();
}

std::string ProjectRowsImport::ImportFolder(const std::string& folder, const ReplaceStored& replaceStored) {
    int count = 0;
    for (const std::string& name : sys::ListFiles(folder, m_format.extension))
        if (Import(sys::JoinListedName(folder, name), replaceStored) > 0) ++count;
    return ImportReport(count, m_failed, sys::ListNonFiles(folder, m_format.extension)) +
           NamedFilesReport(std::string("以下文件不是") + m_format.kindName + "文件，未导入：", m_notOfItsKind) +
           NamedFilesReport("以下文件中没有记录：", m_empty) +
           NamedFilesReport(m_format.keyColumns.size() > 1 ? "以下文件中有缺少项目编号或年份的记录，未导入："
                                                            : "以下文件中有缺少项目编号的记录，未导入：",
                            m_withoutKey) +
           NamedFilesReport("以下文件中有年份与项目计划的年度不符的记录，未导入：", m_badYears) +
           NamedFilesReport("以下文件中含有其他项目的记录，未导入：", m_otherProjects) +
           NamedFilesReport("以下文件中有重复的记录，未导入：", m_repeated) +
           NamedFilesReport("以下文件中的金额不是有效的数值，未导入：", m_badAmounts) + NotStoredProjectsReport(m_notStored);
}
