#include "foundation/FileMessages.h"

#include "platform/sys/Sys.h"
#include "platform/ui/Services.h"

void SayFileNotWritten(const std::string& path) {
    ui::AfxMessageBox("无法写入文件“" + sys::NativePath(path) + "”：" + sys::LastFailureReason() + "！",
                      MB_OK | MB_ICONERROR);
}

void SayFolderNotMade(const std::string& folder) {
    ui::AfxMessageBox("无法创建文件夹“" + sys::NativePath(folder) + "”：" + sys::LastFailureReason() + "！",
                      MB_OK | MB_ICONERROR);
}

bool WriteFileOrSay(const std::string& path, std::string_view bytes) {
    if (sys::WriteFileAtomic(sys::NativePath(path), bytes)) return true;
    SayFileNotWritten(path);
    return false;
}

bool MakeFolderOrSay(const std::string& folder) {
    if (sys::MakeDirs(folder)) return true;
    SayFolderNotMade(folder);
    return false;
}

std::string WithSavedFolder(const std::string& done, const std::string& folder) {
    return done + "\r\n文件保存在：" + sys::NativePath(folder);
}
