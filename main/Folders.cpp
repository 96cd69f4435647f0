#include "main/Folders.h"

#include "main/Commands.h"
#include "platform/sys/Sys.h"

std::string WithTrailingSeparator(const std::string& folder) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder;
    return folder + "\\";
}

std::string HelpDocumentPath(int command) {
    // Word documents are installed in their current format (.docx).
    const char* relative = nullptr;
    switch (command) {
    case cmd::kHelpManual: relative = "用户手册.docx"; break;
    case cmd::kApplicationTemplate: relative = "模板\\项目申请书模板.docx"; break;
    case cmd::kResearchTemplate: relative = "模板\\研究目标及研究内容模板.docx"; break;
    default: return {};
    }
    return sys::JoinPath(sys::ProgramFolder(), sys::NativePath(relative));
}
