#include "sysmanage/SideDatabaseExport.h"

#include "foundation/Sql.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"
#include "sysmanage/ManageCommon.h"

const SideExportTable kExpertExport{"corvane_expertinfo", "id", 12, "专家信息.eif", "专家信息文件(*.eif)|*.eif||"};
const SideExportTable kSpecGroupExport{"corvane_specgroup", "jjbh", 6, "专业组信息.sif",
                                       "专业组信息文件(*.sif)|*.sif||"};
const SideExportTable kLabExport{"corvane_lab", "sysdm", 14, "实验室信息.lif", "实验室信息文件(*.lif)|*.lif||"};

namespace {

constexpr const char* kExportFailed = "文件导出失败！";

std::string ExtensionOf(const std::string& fileName) {
    const auto dot = fileName.rfind('.');
    return dot == std::string::npos ? std::string() : fileName.substr(dot + 1);
}

bool EmptySideTable(CAdoConnection& side, const SideExportTable& table) {
    return side.Execute(std::string("delete from ") + table.table) != nullptr;
}

// Copies the stored row of `key` into a new row of the side recordset.
// Returns 1 when copied, 0 when the key is no longer stored, -1 on failure.
int CopyRow(const SideExportTable& table, const std::string& key, CAdoRecordSet& project, CAdoRecordSet& sideRows) {
    const std::string query =
        std::string("select * from ") + table.table + " where " + table.keyColumn + " = " + db::QuoteLiteral(key);
    if (!project.Open(query)) return -1;
    if (project.IsEOF()) {
        project.Close();
        return 0;
    }
    bool written = sideRows.AddNew();
    for (long column = 0; written && column < table.columnsCopied; ++column) {
        std::string value;
        written = project.GetFieldText(column, value) && sideRows.SetFieldText(column, value);
    }
    written = written && sideRows.Update();
    if (!written) sideRows.CancelUpdate();
    project.Close();
    return written ? 1 : -1;
}

}  // namespace

int ExportThroughSideDatabase(const SideExportTable& table, const std::vector<std::string>& keys,
                              CAdoConnection& side, CAdoRecordSet& project, ui::Wnd* parent) {
    if (keys.empty()) {
        Prompt(kSelectRecordsFirst);
        return -1;
    }
    CAdoRecordSet sideRows;
    BindRecordset(sideRows, side);
    if (!EmptySideTable(side, table) || !sideRows.Open(std::string("select * from ") + table.table)) {
        Prompt(kExportFailed);
        return -1;
    }

    ui::FileDialog chooser(FALSE, ExtensionOf(table.defaultFile), table.defaultFile,
                           OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, table.filter, parent);
    if (chooser.DoModal() != IDOK) {
        sideRows.Close();
        return -1;
    }

    int count = 0;
    bool copied = true;
    for (const std::string& key : keys) {
        const int result = CopyRow(table, key, project, sideRows);
        if (result < 0) {
            copied = false;
            break;
        }
        count += result;
    }
    // A row that could not be copied fails the whole export: the file never
    // silently lacks a chosen row.
    const bool saved = copied && sideRows.Save(chooser.GetPathName());
    sideRows.Close();
    // The side table is scratch space: it is emptied after every export,
    // failed or not.
    EmptySideTable(side, table);
    if (!saved) {
        Prompt(kExportFailed);
        return -1;
    }
    Prompt(text::Format("共导出了%d条数据！", count));
    return count;
}
