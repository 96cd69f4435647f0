#include "followup/ProjectRowsFile.h"

#include <algorithm>

#include "application/ApplicationDb.h"
#include "application/ApplicationStore.h"
#include "application/DlgImportPolicy.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ImportReport.h"
#include "foundation/LongBinary.h"
#include "foundation/Sql.h"
#include "numbering/ProjectRows.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

const ProjectRowsFormat& YearPlanFormat() {
    static const ProjectRowsFormat format{
        "corvane_itemyearplan", "proplan", "上报项目计划草案", {"xmbh", "NF"}, {0, 1, 2}, {3, 4, 5}, {"NDJF", "BZ"},
        {"YBJJXGBCSM"}, "项目计划"};
    return format;
}

const ProjectRowsFormat& AcceptanceFormat() {
    static const ProjectRowsFormat format{
        "corvane_itemcheckaccept", "proys", "上报项目验收总结报告", {"xmbh"}, {8, 9, 10, 11}, {1, 2, 3, 4, 5, 6, 7}, {},
        {}, "项目验收总结报告"};
    return format;
}

namespace {

std::string ColumnName(CAdoRecordSet& rs, long index) {
    ado::Recordset* fields = rs.GetFields();
    return fields && index >= 0 && index < fields->FieldCount() ? fields->Column(index).name : std::string();
}

}  // namespace

std::string ProjectRowsFile::ExportFolder(const std::string& chosenFolder, const std::string& date) const {
    return sys::JoinPath(chosenFolder, date + m_format.folderWord);
}

std::string ProjectRowsFile::KeyCondition(const std::vector<std::string>& keyValues) const {
    std::string condition;
    for (std::size_t i = 0; i < m_format.keyColumns.size() && i < keyValues.size(); ++i) {
        if (i > 0) condition += " and ";
        condition += std::string(m_format.keyColumns[i]) + "=" + db::QuoteLiteral(keyValues[i]);
    }
    return condition;
}

// ---- export ----

void ProjectRowsFile::Export(const std::vector<std::string>& numbers) {
    if (numbers.empty()) {
        ui::MessageBox("请先选择要导出的记录！", "提示", MB_ICONSTOP);
        return;
    }
    const std::string chosen = ui::BrowseForFolder("请选择配置方案保存路径");
    if (chosen.empty()) return;
    const std::string folder = ExportFolder(chosen, text::DateTime::Now().Format("%Y-%m-%d"));
    for (const std::string& number : numbers) {
        if (ExportProject(number, folder) == ExportResult::Failed) {
            ui::MessageBox("项目编号为" + number + "的上报文件导出失败！", "提示", MB_ICONINFORMATION);
            return;
        }
    }
    ui::MessageBox("上报文件导出完成！", "提示", MB_ICONINFORMATION);
}

ProjectRowsFile::ExportResult ProjectRowsFile::ExportProject(const std::string& number, const std::string& folder) {
    CAdoRecordSet rows;
    appdb::Bind(rows, m_connection);
    // The rows of this number as stored: one of two legacy numbers that differ
    // only in case never writes the other's rows.
    if (!rows.Open(std::string("select * from ") + m_format.table + " where " +
                   projectnumber::KeyedRowsCondition(m_format.keyColumns[0],
                                                     db::QuoteLiteral(number))) ||
        rows.IsEOF())
        return ExportResult::NoRows;
    const std::string path = sys::JoinPath(folder, sys::SafeFileName(number) + "." + m_format.extension);
    return sys::MakeDirs(sys::NativePath(folder)) && rows.Save(path, adPersistXML) ? ExportResult::Exported
                                                                                   : ExportResult::Failed;
}

// ---- import ----

bool ProjectRowsFile::ImportFolder(DuplicatePolicy& policy) {
    CDlgImportPolicy dialog;
    dialog.m_nPolicy = policy;
    dialog.DoModal();
    policy = dialog.m_nPolicy;

    const std::string folder = ui::BrowseForFolder("选择导入文件夹路径");
    if (folder.empty()) return false;
    int count = 0;
    m_notStored.clear();
    m_notOfItsKind.clear();
    m_empty.clear();
    for (const std::string& name : sys::ListFiles(folder, m_format.extension))
        if (Import(sys::JoinListedName(folder, name), policy) > 0) ++count;
    std::string report = ImportReport(count, {}, sys::ListNonFiles(folder, m_format.extension));
    if (!m_notOfItsKind.empty()) report += std::string("\r\n以下文件不是") + m_format.kindName + "文件，未导入：";
    for (const std::string& name : m_notOfItsKind) report += "\r\n" + name;
    if (!m_empty.empty()) report += "\r\n以下文件中没有记录：";
    for (const std::string& name : m_empty) report += "\r\n" + name;
    ui::MessageBox(report + NotStoredProjectsReport(m_notStored), "提示", MB_ICONINFORMATION);
    return true;
}

int ProjectRowsFile::IsRecordExist(const std::vector<std::string>& keyValues) {
    return db::HasRow(m_connection, std::string("select * from ") + m_format.table + " where " +
                                           KeyCondition(keyValues))
               ? 1
               : 0;
}

bool ProjectRowsFile::HasTableLayout(CAdoRecordSet& file) {
    // Every column up to the last one copied by position stands where the table has it.
    long copied = 0;
    for (const auto* positions : {&m_format.textPositions, &m_format.binaryPositions})
        for (long position : *positions) copied = std::max(copied, position + 1);
    if (copied > 0 && !HasLayoutOf(file, m_connection, m_format.table, copied)) return false;
    for (const char* key : m_format.keyColumns)
        if (file.GetFieldAttributes(key) == -1) return false;
    return true;
}

int ProjectRowsFile::Import(const std::string& path, DuplicatePolicy policy) {
    CAdoRecordSet file;
    if (!file.OpenFromFile(path) || !HasTableLayout(file)) {
        m_notOfItsKind.push_back(sys::FileName(path));
        return 0;
    }
    if (file.IsEOF()) {
        m_empty.push_back(sys::FileName(path));
        return 0;
    }
    int written = 0;
    for (; !file.IsEOF(); file.MoveNext()) {
        std::vector<std::string> keyValues;
        for (const char* key : m_format.keyColumns) {
            std::string value;
            file.GetString(key, value);
            keyValues.push_back(value);
        }
        if (keyValues.front().empty()) continue;  // a row of no project
        // Rows of a project that is not stored are refused, and named.
        if (!db::HasRow(m_connection, "select XMBH from CORVANE_ITEMAPPINFO where XMBH = ?1", {keyValues.front()})) {
            if (std::find(m_notStored.begin(), m_notStored.end(), keyValues.front()) == m_notStored.end())
                m_notStored.push_back(keyValues.front());
            continue;
        }
        const bool exists = IsRecordExist(keyValues) != 0;
        if (exists && !ShouldOverwriteExisting(policy, keyValues.front())) continue;
        if (InsertRow(file, keyValues, exists)) ++written;
    }
    return written;
}

bool ProjectRowsFile::InsertRow(CAdoRecordSet& file, const std::vector<std::string>& keyValues, bool replace) {
    const std::string table = m_format.table;
    return db::InTransaction(m_connection, [&] {
        if (replace && !m_connection.Execute("delete from " + table + " where " + KeyCondition(keyValues)))
            return false;
        CAdoRecordSet row;
        appdb::Bind(row, m_connection);
        bool ok = row.Open("SELECT * FROM " + table + " where 1=0") && row.AddNew();
        for (std::size_t i = 0; i < keyValues.size(); ++i) ok = ok && row.SetString(m_format.keyColumns[i], keyValues[i]);
        for (long position : m_format.textPositions) {
            std::string value;
            ok = ok && file.GetFieldText(position, value) && row.SetFieldText(position, value);
        }
        for (const char* name : m_format.textNames) {
            std::string value;
            ok = ok && file.GetString(name, value) && row.SetString(name, value);
        }
        for (long position : m_format.binaryPositions) {
            ok = ok && CopyLongBinary(file, ColumnName(row, position), row);
        }
        for (const char* name : m_format.binaryNames) {
            // A column copied by position already holds its bytes; a second
            // copy would append them again.
            const long index = row.GetFields() ? row.GetFields()->FindColumn(name) : -1;
            if (std::find(m_format.binaryPositions.begin(), m_format.binaryPositions.end(), index) !=
                m_format.binaryPositions.end())
                continue;
            ok = ok && CopyLongBinary(file, name, row);
        }
        if (ok && row.Update()) return true;
        row.CancelUpdate();
        return false;
    });
}
