#include "office_reports/PlanOutputRun.h"

#include <strings.h>

#include "widgets/OleRichEdit.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/LongBinary.h"
#include "office_reports/ReportSupport.h"
#include "platform/office/Office.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Services.h"
#include "review/DlgWait.h"

namespace reports {

std::string ChoosePlanFolder() {
    std::string chosen = ui::BrowseForFolder("请选择项目计划输出路径");
    if (chosen.empty()) return {};
    if (chosen.back() != '\\' && chosen.back() != '/') chosen += '\\';
    const std::string folder = sys::NativePath(chosen + "项目计划");
    sys::MakeDirs(folder);  // an existing folder is no error; a missing one fails at the first save
    return folder;
}

bool NoCaseLess::operator()(const std::string& a, const std::string& b) const {
    return strcasecmp(a.c_str(), b.c_str()) < 0;
}

UnitSet CollectUnits(CAdoConnection* connection, const std::vector<std::string>& statements) {
    UnitSet units;
    CAdoRecordSet rs;
    for (const std::string& sql : statements) {
        if (!OpenQuery(rs, connection, sql)) continue;
        for (; !rs.IsEOF(); rs.MoveNext()) units.insert(Text(rs, "DWDM"));
    }
    return units;
}

void ShowNothingSelected() { ui::MessageBox("请选择输出项！", "提示", MB_OK | MB_ICONINFORMATION); }

std::string UnitFilePath(const std::string& folder, const std::string& unit, const std::string& extension) {
    return sys::JoinPath(folder, sys::SafeFileName(unit) + extension);
}

bool MayWrite(const std::string& path) {
    const std::string stored = office::OoxmlPath(path);
    if (!sys::FileExists(stored)) return true;
    return ui::MessageBox("文件“" + stored + "”已存在，是否覆盖？", "提示", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool ReportFileFailure(const std::string& what, const std::string& path) {
    ui::MessageBox(what + "：" + office::OoxmlPath(path), "提示", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

struct WaitWindow::Impl {
    CDlgWait dialog;
};

WaitWindow::WaitWindow(ui::Wnd& parent) : impl_(std::make_unique<Impl>()) {
    impl_->dialog.Create(&parent);
    impl_->dialog.ShowWindow(SW_SHOW);
}

WaitWindow::~WaitWindow() { impl_->dialog.DestroyWindow(); }

void WaitWindow::Progress(int done, int total) { impl_->dialog.ShowProgress(done, total); }

std::string TempPath(const std::string& name) { return sys::ScratchPath(name); }

bool WriteRichScratch(CAdoRecordSet& recordset, const std::string& column, const std::string& scratchPath) {
    std::string bytes;
    return ReadLongBinary(recordset, column, bytes) && !bytes.empty() && sys::WriteFileAtomic(scratchPath, bytes);
}

bool LoadRichColumn(CAdoRecordSet& recordset, const std::string& column, const std::string& scratchPath,
                    COleRichEdit& hidden, ui::Dialog& dialog) {
    const bool loaded = WriteRichScratch(recordset, column, scratchPath) && hidden.LoadRtfFile(scratchPath) > 0;
    if (!loaded) hidden.SetWindowText("");
    dialog.UpdateData(TRUE);
    return loaded;
}

}  // namespace reports
