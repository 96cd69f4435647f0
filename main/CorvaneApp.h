// The application object: start-up (login, role check, main window placed
// and sized), the About command and the end of the program.
#pragma once

#include <memory>

#include "main/DatabaseLock.h"
#include "platform/ui/App.h"
#include "platform/ui/FrameWnd.h"

class CMainFrame;

class CCorvaneApp : public ui::App {
public:
    CCorvaneApp();
    ~CCorvaneApp() override;

    bool InitInstance() override;
    int ExitInstance() override;
    void OnAppAbout();

    // The main frame once built, else null. Defined beside the frame
    // (MainFrameStart.cpp): the program itself holds the frame only as a
    // frame window, since the frame's class lives in the frame library.
    CMainFrame* GetMainFrame() const;

private:
    // Held from the start to the end: one program per database.
    CDatabaseLock m_databaseLock;
    std::unique_ptr<ui::FrameWnd> m_pMainFrame;
};

// Places the main window in the work area (the screen less the panels): its
// frame, title bar and borders included, 1270 x 850 and centred where the area
// is larger, else as large as the area and at its corner; shows it, fixes its
// size, and fits it again when the window manager reports its frame.
void PlaceMainWindow(ui::Wnd& frame, const ui::Rect& available);

// Gives an installed project.mdb from before the indexes its lookups use.
void AddMissingIndexes();

// What an ended program left behind, once this one holds the database: the
// files of committed imports put in place, the rest of its staged files and
// its scratch files removed.
void RecoverLeftovers();
