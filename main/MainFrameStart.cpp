#include "main/MainFrameStart.h"

#include <string>

#include "main/MainFrame.h"
#include "main/ScreenTour.h"
#include "platform/office/Office.h"
#include "platform/ui/Services.h"

std::unique_ptr<CMainFrame> NewMainFrame() {
    // Office documents left open for the user go to the desktop through the
    // one shell service, as every other opened file does.
    office::SetShellOpenHook([](const std::string& path) { ui::ShellOpen(path); });
    return std::make_unique<CMainFrame>();
}

void StartScreenTourIfAsked(CMainFrame& frame) {
    if (const std::string folder = ScreenTourFolder(); !folder.empty()) StartScreenTour(frame, folder);
}
