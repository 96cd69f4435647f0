#include "application/ApplicationBundleCommands.h"

#include "application/ApplicationImportCheck.h"
#include "application/ProjectApplicationBundle.h"
#include "foundation/FileMessages.h"
#include "foundation/ImportReport.h"
#include "foundation/Options.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace {

constexpr int kFundOfficeRole = 2;

}  // namespace

std::string ApplicationBundleCommands::ExportFolder(const std::string& chosenFolder, const std::string& date) {
    return sys::JoinPath(chosenFolder, date + "上报项目申请书");
}

void ApplicationBundleCommands::OnBtnProexp(const std::vector<std::string>& tickedCodes) {
    if (tickedCodes.empty()) {
        ui::MessageBox("请先选择要导出的记录！", "提示", MB_ICONERROR);
        return;
    }
    const std::string chosen = ui::BrowseForFolder("请选择项目申请书保存路径");
    if (chosen.empty()) return;
    const std::string folder = ExportFolder(chosen, text::DateTime::Now().Format("%Y-%m-%d"));
    ProjectApplicationBundle bundle(m_connection);
    ui::ProgressDialog progress("导出项目申请书", int(tickedCodes.size()));
    for (const std::string& code : tickedCodes) {
        progress.Next(code);
        if (!bundle.Export(code, folder)) {
            ui::MessageBox("项目编号为" + code + "的上报文件导出失败！", "提示", MB_ICONINFORMATION);
            return;
        }
    }
    ui::MessageBox(WithSavedFolder("上报文件导出完成！", folder), "提示", MB_ICONINFORMATION);
}

bool ApplicationBundleCommands::OnBtnImport() { return ImportFolder(false); }

bool ApplicationBundleCommands::OnBtnImportPartial() { return ImportFolder(true); }

bool ApplicationBundleCommands::ImportFolder(bool partial) {
    const std::string folder = ui::BrowseForFolder("选择导入文件夹路径");
    if (folder.empty()) return false;
    const std::vector<std::string> names = sys::ListFiles(folder, ProjectApplicationBundle::kExtension);
    ProjectApplicationBundle bundle(m_connection);
    bool problem = false;
    int count = 0;
    if (!names.empty()) ApplicationImportCheck::ClearLog();
    {
        ui::ProgressDialog progress("导入项目申请书", int(names.size()));
        for (const std::string& name : names) {
            progress.Next(name);
            const std::string path = sys::JoinListedName(folder, name);
            count += partial ? bundle.ImportPartial(path, problem) : bundle.Import(path, problem);
        }
    }
    ui::MessageBox(ImportReport(m_connection, count, bundle.FailedFiles(), sys::ListNonFiles(folder, ProjectApplicationBundle::kExtension)) +
                       NamedFilesReport("以下文件的申请书文档无法保存，未导入：", bundle.UnplacedFiles()),
                   "提示", MB_ICONINFORMATION);
    // The fund office's log names the checks' problems and every bundle left out.
    if (COptions().GetRole() == kFundOfficeRole && (problem || bundle.LoggedRefusals()))
        ui::ShellOpen(ApplicationImportCheck::LogPath(), "open");
    ProjectApplicationBundle::RemoveImportScratchFiles();
    return true;
}
