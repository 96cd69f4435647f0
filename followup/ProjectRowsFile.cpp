#include "followup/ProjectRowsFile.h"

#include "application/ApplicationDb.h"
#include "application/ApplicationStore.h"
#include "application/DlgImportPolicy.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/FileMessages.h"
#include "foundation/ImportReport.h"
#include "foundation/LongBinary.h"
#include "foundation/Sql.h"
#include "numbering/ProjectRows.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

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
    ui::ProgressDialog progress("导出", int(numbers.size()));
    for (const std::string& number : numbers) {
        progress.Next(number);
        if (ExportProject(number, folder) == ExportResult::Failed) {
            ui::MessageBox("项目编号为" + number + "的上报文件导出失败！", "提示", MB_ICONINFORMATION);
            return;
        }
    }
    ui::MessageBox(WithSavedFolder("上报文件导出完成！", folder), "提示", MB_ICONINFORMATION);
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
    const std::string report = m_import.ImportFolder(
        folder, [policy](const std::string& number) { return ShouldOverwriteExisting(policy, number); });
    ui::MessageBox(report, "提示", MB_ICONINFORMATION);
    return true;
}

int ProjectRowsFile::IsRecordExist(const std::vector<std::string>& keyValues) {
    return m_import.IsStored(keyValues) ? 1 : 0;
}

int ProjectRowsFile::Import(const std::string& path, DuplicatePolicy policy) {
    return m_import.Import(path, [policy](const std::string& number) { return ShouldOverwriteExisting(policy, number); });
}
