#include "guide_annual/GuideViewSupport.h"

#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/DlgImportPolicy.h"
#include "foundation/ImportReport.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace guideview {

ui::DialogTemplate ViewTemplate(int dialogId, int listFrame, int detailFrame) {
    using ui::Kind;
    return {dialogId, "", {0, 0, 751, 447}, {
        {Kind::Static, listFrame, "", {4, 4, 743, 124}, SS_BLACKFRAME, {}, true},
        {Kind::Static, detailFrame, "", {4, 132, 743, 311}, SS_BLACKFRAME, {}, true},
    }, WS_CHILD};
}

ui::DialogTemplate SearchTemplate(int dialogId, const SearchField (&fields)[3]) {
    using ui::Kind;
    constexpr DWORD edit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
    ui::DialogTemplate tpl{dialogId, "查询", {0, 0, 240, 118}, {}};
    tpl.controls.push_back({Kind::GroupBox, IDC_STATIC, "查询条件：", {7, 7, 226, 78}});
    for (int i = 0; i < 3; ++i) {
        tpl.controls.push_back({Kind::Static, IDC_STATIC, fields[i].label, {14, 24 + 20 * i, 84, 10}});
        tpl.controls.push_back({Kind::Edit, fields[i].id, "", {100, 22 + 20 * i, 124, 13}, edit});
    }
    tpl.controls.push_back({Kind::DefPushButton, IDOK, "确定", {60, 95, 50, 14}, WS_TABSTOP});
    tpl.controls.push_back({Kind::PushButton, IDCANCEL, "取消", {130, 95, 50, 14}, WS_TABSTOP});
    return tpl;
}

void StyleButtons(GuideListPanel& list, GuideDetailPanel& detail,
                  const std::function<void(CButtonST& button, int icon, const std::string& tooltip)>& style) {
    style(list.m_btnImport, 3121, "导入");
    style(list.m_btnExport, 3119, "导出");
    style(list.m_btnSearch, 3120, "查找");
    style(list.m_btnDelete, 3151, "删除");
    style(detail.m_btnAdd, 3157, "新增");
    style(detail.m_btnSave, 3152, "保存");
    style(detail.m_btnWord, 3123, "导出成word文档");
}

bool Connect(CAdoConnection& connection, CAdoRecordSet& recordset) {
    if (!ConnectGuideDatabase(connection)) {
        ui::AfxMessageBox("数据库连接失败！");
        return false;
    }
    BindGuideRecordset(recordset, connection);
    return true;
}

void LoadUnitDictionary(CAdoRecordSet& recordset) {
    g_arrUnitCode.clear();
    g_mapUnitName.clear();
    if (!recordset.Open("select * from corvane_unit order by dwdm")) return;
    for (; !recordset.IsEOF(); recordset.MoveNext()) {
        std::string code, name;
        recordset.GetString("DWDM", code);
        recordset.GetString("DWMC", name);
        g_arrUnitCode.push_back(code);
        g_mapUnitName[code] = name;
    }
    recordset.Close();
}

void ExportBundles(int count, const std::string& folderName, UINT emptyIcon, const ExportOne& exportOne) {
    if (count == 0) {
        GuidePrompt("请先选择要导出的记录！", emptyIcon);
        return;
    }
    const std::string chosen = ui::BrowseForFolder("选择导出文件夹路径");
    if (chosen.empty()) return;
    const std::string folder = sys::JoinPath(chosen, folderName);
    sys::MakeDirs(folder);
    const std::string today = text::DateTime::Now().Format("%Y-%m-%d");
    int failed = 0;
    ui::ProgressDialog progress("导出指南", count);
    for (int i = 0; i < count; ++i) {
        progress.Next(text::Format("%d", i + 1));
        if (!exportOne(i, folder, today)) ++failed;
    }
    std::string message = "上报文件已导出至" + folder + "/";
    if (failed) message += text::Format("\r\n另有%d条指南未能导出。", failed);
    GuidePrompt(message);
}

bool ImportBundles(ui::Wnd* parent, int& policy, const std::string& browseCaption, const ImportOne& importOne) {
    annualguide::CDlgImportPolicy choice(parent);
    choice.m_nPolicy = policy;
    if (choice.DoModal() != IDOK) return false;
    policy = choice.m_nPolicy;
    const std::string folder = ui::BrowseForFolder(browseCaption);
    if (folder.empty()) return false;
    int imported = 0;
    std::vector<std::string> unreadable, failed, otherKind;
    {
        const std::vector<std::string> names = sys::ListFiles(folder, guidebundle::kExtension);
        ui::ProgressDialog progress("导入指南", int(names.size()));
        for (const std::string& name : names) {
            progress.Next(name);
            std::string reason;
            switch (importOne(sys::JoinListedName(folder, name), policy, &reason)) {
            case guidebundle::ImportResult::Imported: ++imported; break;
            case guidebundle::ImportResult::Corrupt:
                unreadable.push_back(name + (reason.empty() ? "" : "（" + reason + "）"));
                break;
            case guidebundle::ImportResult::Failed: failed.push_back(name); break;
            case guidebundle::ImportResult::OtherKind: otherKind.push_back(name); break;
            default: break;
            }
        }
    }
    GuidePrompt(ImportReport(imported, failed, sys::ListNonFiles(folder, guidebundle::kExtension)) +
                NamedFilesReport("以下文件不是有效的指南文件，未导入：", unreadable) +
                NamedFilesReport("以下文件是另一类指南（年度或五年）的文件，未导入：", otherKind));
    guidebundle::RemoveScratchFiles();
    return true;
}

}  // namespace guideview
