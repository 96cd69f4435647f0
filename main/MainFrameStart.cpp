#include "main/MainFrameStart.h"

#include <string>

#include "main/CorvaneApp.h"
#include "main/MainFrame.h"
#include "main/ScreenTour.h"
#include "platform/office/Office.h"
#include "platform/ui/Services.h"

std::unique_ptr<ui::FrameWnd> NewMainFrame(std::string*) {
    // Office documents left open for the user go to the desktop through the
    // one shell service, as every other opened file does; where nothing opens
    // them, the user is told where they are.
    office::SetShellOpenHook([](const std::string& path) { ui::OpenFileOrTellWhere(path); });
    office::SetHandOverFailureHook([](const std::string& path, const std::string& reason) {
        ui::AfxMessageBox("无法保存文件“" + path + "”：" + reason, MB_OK | MB_ICONERROR);
    });
    return std::make_unique<CMainFrame>();
}

void StartScreenTourIfAsked(ui::FrameWnd& frame) {
    auto* main = dynamic_cast<CMainFrame*>(&frame);
    if (const std::string folder = ScreenTourFolder(); main && !folder.empty()) StartScreenTour(*main, folder);
}

CMainFrame* CCorvaneApp::GetMainFrame() const { return dynamic_cast<CMainFrame*>(m_pMainFrame.get()); }
