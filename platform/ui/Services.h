// The services behind every message box, chooser, modal dialog and shell
// open. The program uses the Qt implementation; a test installs its driver
// (TestDriver), which answers them in order and records what was asked.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/ui/WinDefs.h"

namespace ui {

class Dialog;
class Wnd;

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    UINT type = MB_OK;  // MB_* buttons and icon
};

struct FileRequest {
    bool open = true;
    std::string title;
    std::string filter;       // "单位信息文件(*.uif)|*.uif||"
    std::string defaultName;  // the name offered
    std::string defaultExt;   // "uif", appended to a chosen name without extension
    std::string initialFolder;
    DWORD flags = 0;          // OFN_*
};

struct FolderRequest {
    std::string title;
    std::string root;  // empty: the whole file system
};

// A progress dialog as long work on the user-interface thread shows it.
struct ProgressState {
    std::string caption;  // the work ("导入项目申请书")
    std::string item;     // the item at hand (a file name); empty before the first
    int done = 0;         // items finished
    int total = 0;
    bool open = true;     // false once the work has ended: the dialog goes
};

struct FontSpec {
    std::string face;
    int pointSize = 9;
    bool bold = false, italic = false, underline = false;
    COLORREF color = RGB(0, 0, 0);
};

class Services {
public:
    virtual ~Services() = default;
    virtual int MessageBox(const MessageBoxRequest& request) = 0;
    // Runs a dialog whose window exists and has been initialised, until it
    // ends; returns its result.
    virtual int RunModal(Dialog& dialog) = 0;
    virtual bool ChooseFile(const FileRequest& request, std::vector<std::string>& paths) = 0;
    virtual bool ChooseFolder(const FolderRequest& request, std::string& folder) = 0;
    virtual bool ChooseColor(COLORREF initial, COLORREF& chosen) = 0;
    virtual bool ChooseFont(FontSpec& font) = 0;
    virtual bool ShellOpen(const std::string& target, const std::string& verb) = 0;
    // Shows, advances or (state.open false) closes the progress dialog.
    virtual void ShowProgress(const ProgressState& state) { (void)state; }
};

Services& CurrentServices();
// Makes `services` answer from now on and returns the one it replaces; null
// puts back the Qt services.
Services* InstallServices(Services* services);

// Message box with buttons and icon from `type`; IDOK, IDCANCEL, IDYES or IDNO.
int MessageBox(const std::string& text, const std::string& caption, UINT type = MB_OK);
// Message box with the application's title as caption.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);
// The chosen folder, or an empty text when the user cancelled.
std::string BrowseForFolder(const std::string& title, const std::string& root = {});
bool ChooseColor(COLORREF initial, COLORREF& chosen);
bool ChooseFont(FontSpec& font);
// Opens a file, folder or URL with the desktop's default program. On the
// desktop a file or folder goes to the desktop's opener; when the opener
// is missing this is false, and when it ends in failure later (no program
// for that kind of file) the user is told where the file is.
bool ShellOpen(const std::string& target, const std::string& verb = "open");
// Opens a file the program wrote or ships; when nothing can open it, tells
// the user where it is (or that it is missing). True when it was opened.
bool OpenFileOrTellWhere(const std::string& path);
// The message of a file that nothing opened: the path it is saved under, or
// that it is not there.
void TellWhereFileIs(const std::string& path);

// Long work (a folder of files imported or written, the guides issued to many
// units) shows its progress while this lives: each Next names the item about
// to be worked on, advances the dialog and handles the events waiting, so the
// window repaints, its timers run and the dialog stays current. The work stays
// on the one user-interface thread; the dialog holds the rest of the window
// while it is shown, so no command starts in between. Closed when it goes.
class ProgressDialog {
public:
    ProgressDialog(const std::string& caption, int total);
    ~ProgressDialog();
    ProgressDialog(const ProgressDialog&) = delete;
    ProgressDialog& operator=(const ProgressDialog&) = delete;
    // `item` is next; those before it are done.
    void Next(const std::string& item);

private:
    ProgressState state_;
    bool started_ = false;
};

// The file open and save chooser in the manner of the system's file dialog.
class FileDialog {
public:
    FileDialog(BOOL open, const std::string& defaultExt = {}, const std::string& fileName = {},
               DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const std::string& filter = {},
               Wnd* parent = nullptr);
    int DoModal();  // IDOK or IDCANCEL

    FileRequest& Request() { return request_; }
    std::string GetPathName() const;
    std::vector<std::string> GetPathNames() const { return paths_; }
    std::string GetFileName() const;   // with extension
    std::string GetFileTitle() const;  // without extension
    std::string GetFileExt() const;    // without the dot
    std::string GetFolderPath() const;

private:
    FileRequest request_;
    std::vector<std::string> paths_;
};

// The pairs (description, patterns) of a filter "text|*.a;*.b|text|*.c||".
std::vector<std::pair<std::string, std::string>> ParseFileFilter(const std::string& filter);
// `path` with ".ext" appended when its file name has no extension.
std::string WithDefaultExtension(const std::string& path, const std::string& ext);

}  // namespace ui
