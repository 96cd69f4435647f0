// What the plan outputs of the approval and plan output dialogs share: the
// outcome of a run, the output folder of the per-unit mode, the set of unit
// codes, the message for an empty selection, the please-wait window and the
// plain text of a stored rich-text column.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

class CAdoConnection;
class CAdoRecordSet;
class COleRichEdit;

namespace ui {
class Dialog;
class Wnd;
}  // namespace ui

namespace reports {

// How a run ended. Finished: the documents were written (or handed to the
// user). The others wrote nothing the user keeps.
enum class RunResult { Finished, Cancelled, NothingSelected, Failed };

// Asks for the folder of the per-unit files ("请选择项目计划输出路径") and
// makes its subfolder "项目计划" (a chosen path ending in a separator gets
// none doubled); the subfolder's native path, or "" when the user cancelled.
std::string ChoosePlanFolder();

// Unit codes ordered without regard to ASCII letter case, each once.
struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
};
using UnitSet = std::set<std::string, NoCaseLess>;
// Every DWDM that one of the statements returns.
UnitSet CollectUnits(CAdoConnection* connection, const std::vector<std::string>& statements);

// "请选择输出项！"
void ShowNothingSelected();

// The file of one unit: "<folder><unit><extension>", the unit code made safe
// as a file name.
std::string UnitFilePath(const std::string& folder, const std::string& unit, const std::string& extension);
// True when the file may be written: it does not exist, or the user agreed
// to replace it.
bool MayWrite(const std::string& path);
// Tells the user that a document could not be written or read; always false.
bool ReportFileFailure(const std::string& what, const std::string& path);

// The please-wait window of a run, shown while it lives.
class WaitWindow {
public:
    explicit WaitWindow(ui::Wnd& parent);
    ~WaitWindow();
    WaitWindow(const WaitWindow&) = delete;
    WaitWindow& operator=(const WaitWindow&) = delete;
    // After `done` of `total`: the bar and "已输出：done/total".
    void Progress(int done, int total);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// `name` in this program's scratch folder (sys::ScratchPath).
std::string TempPath(const std::string& name);

// Writes the rich text of `column` of the current row into the scratch file.
// False, for an empty value, one that cannot be read or a file that cannot be
// written: the column then has no text to show.
bool WriteRichScratch(CAdoRecordSet& recordset, const std::string& column, const std::string& scratchPath);
// WriteRichScratch, then the scratch file is loaded into the hidden control; then the dialog's controls are pulled
// into its members. A value that is empty or cannot be read empties the
// control, so no earlier project's text is ever taken over. True when a text
// was loaded.
bool LoadRichColumn(CAdoRecordSet& recordset, const std::string& column, const std::string& scratchPath,
                    COleRichEdit& hidden, ui::Dialog& dialog);

}  // namespace reports
