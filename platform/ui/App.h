// The application object and event loop. Every window needs the Qt
// application; EnsureApplication creates it on first use, so tests and
// libraries need no set-up of their own.
#pragma once

#include <string>

#include "platform/ui/CmdTarget.h"
#include "platform/ui/Geometry.h"

namespace ui {

class Wnd;

class App : public CmdTarget {
public:
    App();
    ~App() override;
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The process's application object (the last one constructed), or null.
    static App* Current();

    // Start-up of the program; false ends it without a main window.
    virtual bool InitInstance() { return true; }
    virtual int ExitInstance() { return 0; }
    // InitInstance, the event loop while the main window lives, ExitInstance.
    int Run();

    void SetMainWnd(Wnd* wnd) { mainWnd_ = wnd; }
    Wnd* GetMainWnd() const { return mainWnd_; }
    // The title message boxes carry when they are given no caption.
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& Title() const { return title_; }

private:
    Wnd* mainWnd_ = nullptr;
    std::string title_;
};

// Creates the Qt application (with the program's arguments when known) if
// there is none yet.
void EnsureApplication(int argc = 0, char** argv = nullptr);
// Handles every event and posted message that is waiting, then returns.
void PumpMessages();
// Ends the event loop of App::Run with the exit code.
void PostQuitMessage(int exitCode);
// Screen position of the last mouse button event of the process.
Point GetMessagePos();
// The main window of the application object, or null.
Wnd* AfxGetMainWnd();
// The title message boxes use by default: the application object's, else "Corvane".
std::string AppTitle();

// Shows the wait cursor for its lifetime.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace ui
