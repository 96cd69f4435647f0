#include "foundation/StagedFile.h"

#include "foundation/FileMessages.h"

#include "platform/sys/Sys.h"
#include "platform/ui/Services.h"

StagedFile::Result StagedFile::Stage(const std::string& target, std::string_view bytes, const std::string& question) {
    Discard();
    if (sys::FileExists(target) && ui::MessageBox(question, "提示", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return Result::Declined;
    const std::string folder = sys::ParentFolder(sys::NativePath(target));
    // A name of its own: a hidden file kept after a failed rename is never
    // written over by a later one.
    const std::string hidden = sys::NewHiddenPath(folder, "导入", ".tmp");
    if (!MakeFolderOrSay(folder)) return Result::Failed;
    if (!sys::WriteFileAtomic(hidden, bytes)) {
        SayFileNotWritten(target);
        return Result::Failed;
    }
    m_target = target;
    m_hidden = hidden;
    return Result::Staged;
}

bool StagedFile::Place() {
    if (!IsStaged()) return true;
    const std::string hidden = std::move(m_hidden);
    m_hidden.clear();
    if (sys::RenameFile(hidden, m_target)) return true;
    // The record is stored: its file's bytes stay where they are, and the user learns where.
    ui::MessageBox("无法写入文件" + m_target + "（" + sys::LastFailureReason() + "），其内容已保存在" + hidden + "！",
                   "提示", MB_ICONERROR);
    return false;
}

void StagedFile::Discard() {
    if (IsStaged()) sys::RemoveFile(m_hidden);
    m_hidden.clear();
}
