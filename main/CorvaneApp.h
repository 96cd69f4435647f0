// The application object: start-up (login, role check, main window placed
// and sized), the About command and the end of the program.
#pragma once

#include <memory>

#include "platform/ui/App.h"

class CMainFrame;

class CCorvaneApp : public ui::App {
public:
    CCorvaneApp();
    ~CCorvaneApp() override;

    bool InitInstance() override;
    int ExitInstance() override;
    void OnAppAbout();

    CMainFrame* GetMainFrame() const { return m_pMainFrame.get(); }

private:
    std::unique_ptr<CMainFrame> m_pMainFrame;
};

// Places the main window in the screen's available area: 1270 x 850, centred
// where the area is larger, else as large as the area and at its corner; shows
// it and fixes its size.
void PlaceMainWindow(ui::Wnd& frame, const ui::Rect& available);

// Gives an installed project.mdb from before the indexes its lookups use.
void AddMissingIndexes();
