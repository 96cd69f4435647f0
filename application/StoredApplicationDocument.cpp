#include "application/StoredApplicationDocument.h"

#include <filesystem>

#include "application/ApplicationDb.h"
#include "application/ApplicationStore.h"
#include "numbering/LeadingCharacters.h"
#include "foundation/FileMessages.h"
#include "foundation/LongBinary.h"
#include "foundation/Options.h"
#include "foundation/Transaction.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace {

constexpr int kApplicantUnitRole = 1;
constexpr int kFundOfficeRole = 2;
constexpr const char* kImportFilter = "申请书文档(*.doc, *.docx)|*.doc*|所有文件(*.*)|*.*||";
constexpr const char* kFolderFilter = "申请书文档(*.doc, *.docx)|*.doc*||";

// The longest tail of a text that takes at most `maxBytes` bytes in GBK
// (four Chinese characters in eight bytes); never cuts a character.
std::string TailOfGbkBytes(const std::string& s, std::size_t maxBytes) {
    std::size_t start = s.size();
    while (start > 0) {
        std::size_t previous = start - 1;
        while (previous > 0 && !IsUtf8LeadByte(s[previous])) --previous;
        if (text::GbkLength(std::string_view(s).substr(previous)) > maxBytes) break;
        start = previous;
    }
    return s.substr(start);
}


bool ChooseDocument(const char* filter, const std::string& initialFolder, std::string& path) {
    ui::FileDialog dialog(TRUE, {}, {}, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, filter);
    dialog.Request().initialFolder = initialFolder;
    if (dialog.DoModal() != IDOK) return false;
    path = dialog.GetPathName();
    return true;
}

}  // namespace

std::string StoredApplicationDocument::ApplicationFolder(const std::string& projectNumber,
                                                         const std::string& category) {
    std::string folder = sys::NativePath(COptions().GetAppDir());
    folder = sys::JoinPath(folder, sys::SafeFileName(LeadingCharacters(projectNumber, 7)));
    folder = sys::JoinPath(folder, sys::SafeFileName(TailOfGbkBytes(category, 8)));
    return folder + "/";
}

bool StoredApplicationDocument::OpenRow(const OpenApplication& form, CAdoRecordSet& row) {
    if (!form.IsOpen()) {
        ui::MessageBox("请先打开一个项目！", "系统提示", MB_ICONWARNING);
        return false;
    }
    appstore::OpenDocumentRow(m_connection, form.Number(), row);  // an unsaved number has no row
    return true;
}

void StoredApplicationDocument::OnBtnImportDoc(const OpenApplication& form) {
    CAdoRecordSet row;
    if (!OpenRow(form, row)) return;
    // A number typed into the form but never saved has no row to hold a document.
    if (row.IsEOF()) {
        ui::MessageBox("请先保存该项目！", "系统提示", MB_ICONWARNING);
        return;
    }
    if (row.GetFieldActualSize("DOC") > 0 &&
        ui::MessageBox("该申请书文档已存在，确定覆盖吗？", "系统提示", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    std::string path, bytes;
    if (!ChooseDocument(kImportFilter, {}, path)) return;
    const bool stored = sys::ReadFile(path, bytes) && row.SetString("DOCNAME", sys::FileName(path)) &&
                        WriteLongBinary(row, "DOC", bytes) && row.Update();
    if (!stored) {
        ui::MessageBox(db::FailureMessage(m_connection, "数据保存失败！"), "提示", MB_ICONERROR);
        return;
    }
    ui::MessageBox("申请书文档导入成功！", "系统提示", MB_ICONINFORMATION);
}

void StoredApplicationDocument::OnBtnExDoc(const OpenApplication& form) {
    CAdoRecordSet row;
    if (!OpenRow(form, row)) return;
    std::string name, bytes;
    row.GetString("DOCNAME", name);
    if (name.empty()) {
        ui::MessageBox("该项目未导入申请书文档！", "系统提示", MB_ICONWARNING);
        return;
    }
    ReadLongBinary(row, "DOC", bytes);
    std::error_code error;
    const std::string path = sys::JoinPath(std::filesystem::temp_directory_path(error).string(), sys::SafeFileName(name));
    if (WriteFileOrSay(path, bytes)) ui::ShellOpen(path, "open");
}

void StoredApplicationDocument::OnBtnSaveDoc(const OpenApplication& form) {
    if (!form.IsOpen()) {
        ui::MessageBox("请先打开一个项目！", "系统提示", MB_ICONWARNING);
        return;
    }
    const std::string folder = ApplicationFolder(form.Number(), form.category);
    if (!MakeFolderOrSay(folder)) return;
    std::string chosen;
    if (!ChooseDocument(kFolderFilter, {}, chosen)) return;
    const std::string target = sys::JoinPath(folder, sys::FileName(chosen));
    if (sys::FileExists(target) &&
        ui::MessageBox("文档已存在，确定覆盖吗？", "提示", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    if (!sys::CopyFile(chosen, target)) SayFileNotWritten(target);
}

void StoredApplicationDocument::OnBtnRead(const OpenApplication& form) {
    if (!form.IsOpen()) {
        ui::MessageBox("请先打开一个项目！", "系统提示", MB_ICONWARNING);
        return;
    }
    std::string chosen;
    if (ChooseDocument(kFolderFilter, ApplicationFolder(form.Number(), form.category), chosen))
        ui::ShellOpen(chosen, "open");
}

bool StoredApplicationDocument::PlaceDoc(const std::string& projectNumber, CAdoRecordSet& source) {
    StagedFile file;
    StageDocFile(projectNumber, source, file);  // a file that cannot be written is said
    if (!StoreDoc(projectNumber, source)) return false;
    file.Place();
    return true;
}

bool StoredApplicationDocument::StageDocFile(const std::string& projectNumber, CAdoRecordSet& source,
                                             StagedFile& file) {
    if (COptions().GetRole() != kFundOfficeRole) return true;
    std::string name, bytes, category;
    source.GetString("DOCNAME", name);
    if (name.empty()) return true;
    ReadLongBinary(source, "DOC", bytes);
    source.GetString("XMLB", category);
    const std::string path = sys::JoinPath(ApplicationFolder(projectNumber, category), sys::SafeFileName(name));
    return file.Stage(path, bytes, "文档\"" + name + "\"已存在，确定覆盖吗？") != StagedFile::Result::Failed;
}

bool StoredApplicationDocument::StoreDoc(const std::string& projectNumber, CAdoRecordSet& source) {
    if (COptions().GetRole() != kApplicantUnitRole) return true;
    std::string name, bytes;
    source.GetString("DOCNAME", name);
    if (name.empty()) return true;
    ReadLongBinary(source, "DOC", bytes);
    return StoreInRow(projectNumber, name, bytes);
}

bool StoredApplicationDocument::StoreInRow(const std::string& projectNumber, const std::string& name,
                                           const std::string& bytes) {
    return appstore::StoreDocument(m_connection, projectNumber, name, bytes);
}
