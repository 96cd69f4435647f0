// The test driver: while it lives, every message box, chooser and modal
// dialog is answered from its script, in order, and recorded. A modal dialog
// is handed to the test's handler, which fills fields and presses buttons on
// it; a dialog still open afterwards, an unexpected call or an unused answer
// is reported through the failure handler. Nothing ever blocks.
//
// The failure handler is a callback, so the library does not depend on a
// test framework; include "platform/ui/TestDriverGTest.h" in a GoogleTest
// suite to report failures with ADD_FAILURE.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include "platform/ui/Dialog.h"
#include "platform/ui/Services.h"

namespace ui {

class TestDriver : public Services {
public:
    using FailureHandler = std::function<void(const std::string&)>;

    // Without a handler, the default one (set by TestDriverGTest.h; else
    // printing and aborting) is used.
    explicit TestDriver(FailureHandler onFailure = {});
    ~TestDriver() override;
    TestDriver(const TestDriver&) = delete;
    TestDriver& operator=(const TestDriver&) = delete;
    static void SetDefaultFailureHandler(FailureHandler handler);

    // ---- the script ----
    // The next message box must have this caption and text; it gets `answer`.
    void ExpectMessageBox(const std::string& caption, const std::string& text, int answer = IDOK);
    // The same, running `whileShown` while the box waits for its answer (what
    // another program or the user does meanwhile).
    void ExpectMessageBox(const std::string& caption, const std::string& text, int answer,
                          std::function<void()> whileShown);
    // The next message box, whatever it says, gets `answer`.
    void AnswerMessageBox(int answer = IDOK);
    // The next modal dialog must be a T; the handler gets it while it runs.
    template <class T, class Handler>
    void OnModal(Handler handler) {
        AddModal(typeid(T).name(), [handler](Dialog& dialog) {
            T* typed = dynamic_cast<T*>(&dialog);
            if (typed) handler(*typed);
            return typed != nullptr;
        });
    }
    // The next modal dialog, of any class.
    void OnModal(std::function<void(Dialog&)> handler);
    // Once the script has no answer left, whatever else is asked is answered
    // as closed, with no failure: message boxes Cancel or No where there is
    // one, choosers cancelled, and modal dialogs handed to `onModal` (a test
    // that goes through every command of a window).
    void AnswerTheRest(std::function<void(Dialog&)> onModal) { rest_ = std::move(onModal); }
    // The next file chooser answers these paths (none: cancelled).
    void AnswerFile(const std::string& path);
    void CancelFile() { AnswerFile({}); }
    void AnswerFolder(const std::string& folder);  // empty: cancelled
    void AnswerColor(COLORREF color, bool ok = true);
    void AnswerFont(const FontSpec& font, bool ok = true);

    // ---- what happened ----
    struct Call {
        std::string kind;  // "MessageBox", "Modal", "File", "Folder", "Color", "Font", "Shell"
        std::string caption;
        std::string text;
        UINT type = 0;
        int answer = 0;
    };
    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<Call> MessageBoxes() const;
    const std::vector<FileRequest>& FileRequests() const { return fileRequests_; }
    const std::vector<std::string>& ShellOpens() const { return shellOpens_; }
    // Every state a progress dialog was shown in, in order.
    const std::vector<ProgressState>& Progress() const { return progress_; }
    // What shell opens answer from now on: false as on a desktop that has no
    // program for the file.
    void SetShellOpensSucceed(bool succeed) { shellOpensSucceed_ = succeed; }
    // True when every answer of the script has been used.
    bool Finished() const { return script_.empty(); }

    // ---- Services ----
    int MessageBox(const MessageBoxRequest& request) override;
    int RunModal(Dialog& dialog) override;
    bool ChooseFile(const FileRequest& request, std::vector<std::string>& paths) override;
    bool ChooseFolder(const FolderRequest& request, std::string& folder) override;
    bool ChooseColor(COLORREF initial, COLORREF& chosen) override;
    bool ChooseFont(FontSpec& font) override;
    bool ShellOpen(const std::string& target, const std::string& verb) override;
    void ShowProgress(const ProgressState& state) override { progress_.push_back(state); }

private:
    struct Step {
        std::string kind;
        std::string caption, text;  // expected message box; empty kind-only
        bool anyText = false;
        int answer = 0;
        std::function<void()> whileShown;
        std::string expectedClass;
        std::function<bool(Dialog&)> modal;
        std::string path;
        COLORREF color = 0;
        FontSpec font;
        bool ok = true;
    };
    void AddModal(const std::string& className, std::function<bool(Dialog&)> handler);
    // The next step when it is of this kind; otherwise reports and gives null.
    const Step* Next(const std::string& kind, const std::string& what);
    void Fail(const std::string& message);

    FailureHandler onFailure_;
    Services* previous_;
    std::deque<Step> script_;
    Step current_;
    std::vector<Call> calls_;
    std::vector<FileRequest> fileRequests_;
    std::vector<std::string> shellOpens_;
    std::vector<ProgressState> progress_;
    bool shellOpensSucceed_ = true;
    std::function<void(Dialog&)> rest_;
};

}  // namespace ui
