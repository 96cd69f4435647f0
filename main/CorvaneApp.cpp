#include "main/CorvaneApp.h"

#include <algorithm>

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>

#include "foundation/AdoConnection.h"
#include "foundation/DatabaseIndexes.h"
#include "foundation/ProjectDatabase.h"
#include "main/Artwork.h"
#include "main/AboutDlg.h"
#include "main/Commands.h"
#include "main/CurrentUser.h"
#include "main/DlgLogin.h"
#include "main/FrameLayout.h"
#include "main/Login.h"
#include "main/MainFrameStart.h"
#include "main/Roles.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Services.h"

CCorvaneApp::CCorvaneApp() {
    SetTitle(kProductTitle);
    MapClicked(cmd::kAppAbout, [this] { OnAppAbout(); });
}

CCorvaneApp::~CCorvaneApp() = default;

bool CCorvaneApp::InitInstance() {
    ui::EnsureApplication();
    artwork::RegisterLoginArtwork();
    QApplication::setWindowIcon(QPixmap::fromImage(ui::LoadIcon(artwork::kApplicationIcon).image));

    CDlgLogin login;
    if (login.DoModal() != IDOK) return false;

    // The window is built for the role of the user who has just logged in.
    if (!IsKnownRole(UserRole)) {
        ui::MessageBox(text::Format("用户“%s”的角色 %d 无效，程序无法启动。请联系管理员。", g_strUserName.c_str(), UserRole),
                       kProductTitle, MB_OK | MB_ICONSTOP);
        return false;
    }

    AddMissingIndexes();

    auto frame = NewMainFrame();
    if (!frame || !frame->Create(kProductTitle, {0, 0, kMainWindowWidth, kMainWindowHeight})) return false;
    m_pMainFrame = std::move(frame);
    SetMainWnd(m_pMainFrame.get());
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry() : QRect();
    PlaceMainWindow(*m_pMainFrame, {screen.left(), screen.top(), screen.right() + 1, screen.bottom() + 1});
    StartScreenTourIfAsked(*m_pMainFrame);
    return true;
}

void AddMissingIndexes() {
    CAdoConnection connection;
    if (ConnectProjectDatabase(connection))
        EnsureIndexes(connection);  // without them the program is slower, not wrong
}

int CCorvaneApp::ExitInstance() {
    SetMainWnd(nullptr);
    m_pMainFrame.reset();
    return 0;
}

void CCorvaneApp::OnAppAbout() {
    CAboutDlg about(GetMainWnd());
    about.DoModal();
}

void PlaceMainWindow(ui::Wnd& frame, const ui::Rect& available) {
    const WindowOrigin origin = MainWindowOrigin(available.Width(), available.Height());
    const int x = available.left + origin.x, y = available.top + origin.y;
    // A window larger than the screen would hide its bottom and right: on a
    // small screen it takes the available area, and its views scroll.
    const int width = available.Width() > 0 ? std::min(kMainWindowWidth, available.Width()) : kMainWindowWidth;
    const int height = available.Height() > 0 ? std::min(kMainWindowHeight, available.Height()) : kMainWindowHeight;
    const ui::Rect current = frame.GetWindowRect();
    frame.MoveWindow(x, y, current.Width(), current.Height());
    frame.ShowWindow(SW_SHOW);
    frame.UpdateWindow();
    frame.MoveWindow(x, y, width, height);
    if (auto* mainFrame = dynamic_cast<ui::FrameWnd*>(&frame)) mainFrame->SetResizable(false);
}
