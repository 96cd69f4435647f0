#include "foundation/MasterFileImport.h"

#include <algorithm>
#include <map>

#include "foundation/AdoRecordSet.h"
#include "foundation/ColumnLimits.h"
#include "foundation/ImportReport.h"
#include "foundation/Sql.h"
#include "foundation/Transaction.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

namespace {

using Outcome = MasterFileImport::Outcome;

// How many leading columns are copied: as many as the file and the table
// both have, within the format's range; 0 when the file has fewer.
long CopiedColumns(CAdoRecordSet& file, CAdoConnection& connection, const MasterFileFormat& format) {
    CAdoRecordSet table;
    table.SetConnection(&connection);
    if (!table.Open(std::string("select * from ") + format.table + " where 1 = 0")) return 0;
    const long columns = std::min({format.maxColumns, file.GetFieldCount(), table.GetFieldCount()});
    return columns >= format.minColumns ? columns : 0;
}

// Whether the file is one of the table's: its first `minColumns` columns
// carry the table's names in order, the key among them, and no column says it
// was read from another table.
bool IsFileOfTable(CAdoRecordSet& file, CAdoConnection& connection, const MasterFileFormat& format, long columns) {
    if (columns <= 0 || !HasLayoutOf(file, connection, format.table, format.minColumns)) return false;
    std::vector<std::string> names;
    for (long i = 0; i < columns; ++i) names.push_back(file.GetFields()->Column(i).name);
    return IsPartOf(file, format.table, names) && file.GetFieldAttributes(format.keyColumn) != -1;
}

// Why the current row cannot be stored; empty when it can.
std::string RowRefusal(CAdoRecordSet& file, const MasterFileFormat& format, const ColumnLimits& limits, long columns,
                       const std::string& key, std::map<std::string, long>& seen, long row) {
    if (text::Trim(key).empty()) return std::string("没有") + format.keyLabel;
    const std::string compared = text::ToLowerAscii(key);  // as the table compares keys
    if (const auto first = seen.find(compared); first != seen.end())
        return text::Format("%s%s与第%ld条重复", format.keyLabel, key.c_str(), first->second);
    ado::Recordset* fields = file.GetFields();
    for (long i = 0; i < columns; ++i) {
        std::string value;
        if (!file.GetFieldText(i, value)) return "第" + std::to_string(i + 1) + "列的值无法读取";
        const std::string& name = fields->Column(i).name;
        const int limit = limits.Of(name);
        if (limit > 0 && CharacterCount(value) > std::size_t(limit))
            return text::Format("%s的值超过%d个字符", name.c_str(), limit);
    }
    seen.emplace(compared, row);
    return {};
}

bool CopyRow(CAdoRecordSet& file, CAdoRecordSet& row, long columns, const std::vector<long>& kept) {
    for (long i = 0; i < columns; ++i) {
        if (std::find(kept.begin(), kept.end(), i) != kept.end()) continue;
        std::string value;
        if (!file.GetFieldText(i, value) || !row.SetFieldText(i, value)) return false;
    }
    return row.Update() != FALSE;
}

}  // namespace

MasterFileImport ImportMasterFile(CAdoConnection& connection, const MasterFileFormat& format, const std::string& path,
                                  const std::function<bool(const std::string& key)>& replaceStored,
                                  const std::vector<long>& keptOnOverwrite) {
    MasterFileImport result;
    CAdoRecordSet file;
    if (!file.OpenFromFile(path)) {
        result.reason = file.LoadError();
        return result;
    }
    const long columns = CopiedColumns(file, connection, format);
    if (!IsFileOfTable(file, connection, format, columns)) {
        result.outcome = Outcome::OtherKind;
        return result;
    }
    result.outcome = Outcome::Read;

    // Every row checked first; then the questions; then one write.
    struct Taken {
        long row;
        std::string key;
        bool stored;
    };
    std::vector<Taken> taken;
    const ColumnLimits limits(connection, format.table);
    std::map<std::string, long> seen;
    const std::string storedQuery = std::string("select ") + format.keyColumn + " from " + format.table + " where " +
                                    format.keyColumn + " = ?1";
    for (long row = 1; !file.IsEOF(); file.MoveNext(), ++row) {
        std::string key;
        file.GetString(format.keyColumn, key);
        const std::string refusal = RowRefusal(file, format, limits, columns, key, seen, row);
        if (!refusal.empty()) {
            result.refusedRows.push_back(text::Format("第%ld条：", row) + refusal);
            continue;
        }
        switch (db::HasRow(connection, storedQuery, {key})) {
        case db::Found::Row: taken.push_back({row, key, true}); break;
        case db::Found::NoRow: taken.push_back({row, key, false}); break;
        case db::Found::Failed: result.outcome = Outcome::Failed; return result;
        }
    }
    std::vector<bool> write;
    for (const Taken& t : taken) write.push_back(!t.stored || replaceStored(t.key));
    const int count = int(std::count(write.begin(), write.end(), true));
    if (count == 0) return result;

    const bool stored = db::InTransaction(connection, [&] {
        CAdoRecordSet row;
        row.SetConnection(&connection);
        row.SetCursorLocation(adUseClient);
        // New rows go into an empty result: reading every stored row for each
        // one would make the import slow down as the table grows.
        if (!row.Open(std::string("select * from ") + format.table + " where 1 = 0")) return false;
        db::Statement remove(connection, std::string("delete from ") + format.table + " where " + format.keyColumn +
                                             " = ?1");
        if (!file.MoveFirst()) return false;
        std::size_t next = 0;
        for (long at = 1; !file.IsEOF() && next < taken.size(); file.MoveNext(), ++at) {
            if (taken[next].row != at) continue;
            const Taken& t = taken[next];
            if (!write[next++]) continue;
            if (t.stored && format.overwriteInPlace) {
                CAdoRecordSet current;
                current.SetConnection(&connection);
                current.SetCursorLocation(adUseClient);
                if (!current.Open(std::string("select * from ") + format.table + " where " + format.keyColumn + " = " +
                                  db::QuoteLiteral(t.key)) ||
                    current.IsEOF() || !CopyRow(file, current, columns, keptOnOverwrite)) {
                    current.CancelUpdate();
                    return false;
                }
                continue;
            }
            if (t.stored && !remove.RunWith({t.key})) return false;
            if (!row.AddNew() || !CopyRow(file, row, columns, {})) {
                row.CancelUpdate();
                return false;
            }
        }
        return next == taken.size();
    });
    if (!stored) {
        result.outcome = Outcome::Failed;
        return result;
    }
    result.imported = count;
    return result;
}

std::string MasterFileReport(CAdoConnection& connection, const MasterFileFormat& format, const std::string& path,
                             const MasterFileImport& result) {
    const std::string name = sys::FileName(path);
    switch (result.outcome) {
    case Outcome::Unreadable: return UnreadableFileMessage(name, format.kind, result.reason);
    case Outcome::OtherKind:
        return "文件" + name + "不是" + format.kind + "文件（其列与" + format.kind + "的列不符），未导入任何数据！";
    case Outcome::Failed: return ImportReport(connection, 0, {name});
    case Outcome::Read: break;
    }
    return ImportReport(result.imported, {}) + NamedFilesReport("以下记录未导入：", result.refusedRows);
}
