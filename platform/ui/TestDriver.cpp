#include "platform/ui/TestDriver.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/text/Text.h"

namespace ui {

namespace {
TestDriver::FailureHandler& DefaultFailure() {
    static TestDriver::FailureHandler handler = [](const std::string& message) {
        std::fprintf(stderr, "ui::TestDriver: %s\n", message.c_str());
        std::abort();
    };
    return handler;
}

std::string Describe(const Dialog& dialog) {
    return text::Format("dialog %d \"%s\"", dialog.GetTemplate().id, dialog.GetTemplate().caption.c_str());
}
}  // namespace

void TestDriver::SetDefaultFailureHandler(FailureHandler handler) { DefaultFailure() = std::move(handler); }

TestDriver::TestDriver(FailureHandler onFailure)
    : onFailure_(onFailure ? std::move(onFailure) : DefaultFailure()), previous_(InstallServices(this)) {}

TestDriver::~TestDriver() {
    InstallServices(previous_);
    for (const Step& step : script_)
        Fail("unused answer: " + step.kind + (step.text.empty() ? "" : " \"" + step.text + "\""));
}

void TestDriver::Fail(const std::string& message) { onFailure_(message); }

void TestDriver::ExpectMessageBox(const std::string& caption, const std::string& text, int answer) {
    ExpectMessageBox(caption, text, answer, {});
}

void TestDriver::ExpectMessageBox(const std::string& caption, const std::string& text, int answer,
                                  std::function<void()> whileShown) {
    Step step;
    step.kind = "MessageBox";
    step.caption = caption;
    step.text = text;
    step.answer = answer;
    step.whileShown = std::move(whileShown);
    script_.push_back(step);
}

void TestDriver::AnswerMessageBox(int answer) {
    Step step;
    step.kind = "MessageBox";
    step.anyText = true;
    step.answer = answer;
    script_.push_back(step);
}

void TestDriver::AddModal(const std::string& className, std::function<bool(Dialog&)> handler) {
    Step step;
    step.kind = "Modal";
    step.expectedClass = className;
    step.modal = std::move(handler);
    script_.push_back(step);
}

void TestDriver::OnModal(std::function<void(Dialog&)> handler) {
    AddModal("any dialog", [handler](Dialog& dialog) {
        handler(dialog);
        return true;
    });
}

void TestDriver::AnswerFile(const std::string& path) {
    Step step;
    step.kind = "File";
    step.path = path;
    script_.push_back(step);
}

void TestDriver::AnswerFolder(const std::string& folder) {
    Step step;
    step.kind = "Folder";
    step.path = folder;
    script_.push_back(step);
}

void TestDriver::AnswerColor(COLORREF color, bool ok) {
    Step step;
    step.kind = "Color";
    step.color = color;
    step.ok = ok;
    script_.push_back(step);
}

void TestDriver::AnswerFont(const FontSpec& font, bool ok) {
    Step step;
    step.kind = "Font";
    step.font = font;
    step.ok = ok;
    script_.push_back(step);
}

std::vector<TestDriver::Call> TestDriver::MessageBoxes() const {
    std::vector<Call> boxes;
    for (const Call& call : calls_)
        if (call.kind == "MessageBox") boxes.push_back(call);
    return boxes;
}

const TestDriver::Step* TestDriver::Next(const std::string& kind, const std::string& what) {
    if (script_.empty()) {
        if (!rest_) Fail("unexpected " + what + " (the script has no answer left)");
        return nullptr;
    }
    if (script_.front().kind != kind) {
        Fail("unexpected " + what + " (the script expects a " + script_.front().kind + ")");
        return nullptr;
    }
    current_ = script_.front();
    script_.pop_front();
    return &current_;
}

int TestDriver::MessageBox(const MessageBoxRequest& request) {
    Call call{"MessageBox", request.caption, request.text, request.type, 0};
    const Step* step = Next("MessageBox", "message box \"" + request.caption + "\": \"" + request.text + "\"");
    // With no answer, the box goes as closed: Cancel or No where there is one.
    const UINT buttons = request.type & MB_TYPEMASK;
    call.answer = step ? step->answer : (buttons == MB_OK ? IDOK : buttons == MB_YESNO ? IDNO : IDCANCEL);
    if (step && !step->anyText && (step->caption != request.caption || step->text != request.text))
        Fail("message box \"" + request.caption + "\": \"" + request.text + "\" where \"" + step->caption +
             "\": \"" + step->text + "\" was expected");
    calls_.push_back(call);
    if (step && step->whileShown) {
        const std::function<void()> whileShown = step->whileShown;  // the script may change meanwhile
        whileShown();
    }
    return call.answer;
}

int TestDriver::RunModal(Dialog& dialog) {
    calls_.push_back({"Modal", dialog.GetTemplate().caption, {}, 0, 0});
    const size_t record = calls_.size() - 1;
    if (script_.empty() && rest_) {
        if (QWidget* window = dialog.GetWidget()) window->show();
        const std::function<void(Dialog&)> handler = rest_;  // the handler may run nested dialogs
        handler(dialog);
        if (dialog.IsRunningModal()) dialog.EndDialog(IDCANCEL);
        calls_[record].answer = dialog.Result();
        return dialog.Result();
    }
    const Step* step = Next("Modal", "modal " + Describe(dialog));
    if (!step) return IDCANCEL;
    const Step taken = *step;  // the handler may run nested dialogs
    if (QWidget* window = dialog.GetWidget()) {
        window->show();
        QApplication::setActiveWindow(window);
    }
    if (!taken.modal(dialog)) {
        Fail("modal " + Describe(dialog) + " where a " + taken.expectedClass + " was expected");
        return IDCANCEL;
    }
    if (dialog.IsRunningModal()) {
        Fail("modal " + Describe(dialog) + " still open after its handler; closed with IDCANCEL");
        return IDCANCEL;
    }
    calls_[record].answer = dialog.Result();
    return dialog.Result();
}

bool TestDriver::ChooseFile(const FileRequest& request, std::vector<std::string>& paths) {
    fileRequests_.push_back(request);
    const Step* step = Next("File", std::string(request.open ? "file open" : "file save") + " chooser");
    calls_.push_back({"File", request.title, step ? step->path : std::string(), request.flags, 0});
    if (!step || step->path.empty()) return false;
    paths.push_back(step->path);
    calls_.back().answer = IDOK;
    return true;
}

bool TestDriver::ChooseFolder(const FolderRequest& request, std::string& folder) {
    const Step* step = Next("Folder", "folder chooser \"" + request.title + "\"");
    calls_.push_back({"Folder", request.title, step ? step->path : std::string(), 0, 0});
    if (!step || step->path.empty()) return false;
    folder = step->path;
    return true;
}

bool TestDriver::ChooseColor(COLORREF, COLORREF& chosen) {
    const Step* step = Next("Color", "colour chooser");
    calls_.push_back({"Color", {}, {}, 0, 0});
    if (!step || !step->ok) return false;
    chosen = step->color;
    return true;
}

bool TestDriver::ChooseFont(FontSpec& font) {
    const Step* step = Next("Font", "font chooser");
    calls_.push_back({"Font", {}, font.face, 0, 0});
    if (!step || !step->ok) return false;
    font = step->font;
    return true;
}

bool TestDriver::ShellOpen(const std::string& target, const std::string& verb) {
    shellOpens_.push_back(target);
    calls_.push_back({"Shell", verb, target, 0, 0});
    return shellOpensSucceed_;
}

}  // namespace ui
