#include "platform/ui/Services.h"

#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"

namespace ui {

Services& QtServicesInstance();  // QtServices.cpp

namespace {
Services* installed = nullptr;
}

Services& CurrentServices() { return installed ? *installed : QtServicesInstance(); }

Services* InstallServices(Services* services) {
    Services* previous = installed;
    installed = services;
    return previous;
}

ProgressDialog::ProgressDialog(const std::string& caption, int total) {
    state_.caption = caption;
    state_.total = total;
    CurrentServices().ShowProgress(state_);
}

ProgressDialog::~ProgressDialog() {
    state_.open = false;
    CurrentServices().ShowProgress(state_);
}

void ProgressDialog::Next(const std::string& item) {
    if (started_) ++state_.done;
    started_ = true;
    state_.item = item;
    CurrentServices().ShowProgress(state_);
    PumpMessages();
}

int MessageBox(const std::string& text, const std::string& caption, UINT type) {
    EnsureApplication();
    return CurrentServices().MessageBox({text, caption, type});
}

int AfxMessageBox(const std::string& text, UINT type) { return MessageBox(text, AppTitle(), type); }

std::string BrowseForFolder(const std::string& title, const std::string& root) {
    EnsureApplication();
    std::string folder;
    return CurrentServices().ChooseFolder({title, root}, folder) ? folder : std::string();
}

bool ChooseColor(COLORREF initial, COLORREF& chosen) {
    EnsureApplication();
    return CurrentServices().ChooseColor(initial, chosen);
}

bool ChooseFont(FontSpec& font) {
    EnsureApplication();
    return CurrentServices().ChooseFont(font);
}

bool ShellOpen(const std::string& target, const std::string& verb) {
    EnsureApplication();
    // A URL goes as it is; a path in the system's form gets native separators.
    const bool url = target.find("://") != std::string::npos || target.rfind("mailto:", 0) == 0;
    return CurrentServices().ShellOpen(url ? target : sys::NativePath(target), verb);
}

bool OpenFileOrTellWhere(const std::string& path) {
    if (ShellOpen(path)) return true;
    TellWhereFileIs(path);
    return false;
}

void TellWhereFileIs(const std::string& path) {
    const std::string shown = sys::NativePath(path);
    if (sys::FileExists(shown))
        MessageBox("文件已保存在：\n" + shown + "\n\n系统中没有能打开它的程序，请到该位置查看。", AppTitle(),
                   MB_OK | MB_ICONINFORMATION);
    else
        MessageBox("找不到文件：\n" + shown, AppTitle(), MB_OK | MB_ICONEXCLAMATION);
}

std::vector<std::pair<std::string, std::string>> ParseFileFilter(const std::string& filter) {
    std::vector<std::pair<std::string, std::string>> pairs;
    const std::vector<std::string> parts = text::Split(filter, "|");
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty()) break;  // "||" ends the filter
        pairs.emplace_back(parts[i], parts[i + 1]);
    }
    return pairs;
}

std::string WithDefaultExtension(const std::string& path, const std::string& ext) {
    if (ext.empty() || path.empty()) return path;
    const std::string name = sys::FileName(path);
    return name.find('.') == std::string::npos ? path + "." + ext : path;
}

FileDialog::FileDialog(BOOL open, const std::string& defaultExt, const std::string& fileName, DWORD flags,
                       const std::string& filter, Wnd*) {
    request_.open = open != FALSE;
    request_.defaultExt = defaultExt;
    request_.defaultName = fileName;
    request_.flags = flags;
    request_.filter = filter;
}

int FileDialog::DoModal() {
    EnsureApplication();
    paths_.clear();
    std::vector<std::string> chosen;
    if (!CurrentServices().ChooseFile(request_, chosen) || chosen.empty()) return IDCANCEL;
    for (const std::string& path : chosen) paths_.push_back(WithDefaultExtension(sys::NativePath(path), request_.defaultExt));
    return IDOK;
}

std::string FileDialog::GetPathName() const { return paths_.empty() ? std::string() : paths_.front(); }

std::string FileDialog::GetFileName() const { return sys::FileName(GetPathName()); }

std::string FileDialog::GetFileExt() const {
    const std::string name = GetFileName();
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string FileDialog::GetFileTitle() const {
    const std::string name = GetFileName();
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string FileDialog::GetFolderPath() const { return sys::ParentFolder(GetPathName()); }

}  // namespace ui
