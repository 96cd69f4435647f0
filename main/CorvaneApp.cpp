#include "main/CorvaneApp.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QStyle>

#include "foundation/AdoConnection.h"
#include "foundation/DatabaseIndexes.h"
#include "foundation/ProjectDatabase.h"
#include "foundation/StagedFile.h"
#include "main/Artwork.h"
#include "main/AboutDlg.h"
#include "main/Commands.h"
#include "main/CurrentUser.h"
#include "main/DlgLogin.h"
#include "main/FrameLayout.h"
#include "main/Login.h"
#include "main/MainFrameStart.h"
#include "main/Roles.h"
#include "platform/sys/Process.h"
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

    // Nothing is written before this program holds the database.
    if (!m_databaseLock.Take(ProgramDatabasePath())) return false;
    RecoverLeftovers();
    sys::ScratchFolder();  // this program's own, removed when it ends

    CDlgLogin login;
    if (login.DoModal() != IDOK) return false;

    // The window is built for the role of the user who has just logged in.
    if (!IsKnownRole(UserRole)) {
        ui::MessageBox(text::Format("用户“%s”的角色 %d 无效，程序无法启动。请联系管理员。", g_strUserName.c_str(), UserRole),
                       kProductTitle, MB_OK | MB_ICONSTOP);
        return false;
    }

    AddMissingIndexes();

    std::string problem;
    auto frame = NewMainFrame(&problem);
    if (!frame) {
        ui::MessageBox("主窗口程序库无法加载，程序无法启动：\n" + problem, kProductTitle, MB_OK | MB_ICONSTOP);
        return false;
    }
    // The user and role are kept for the next start only once this one has
    // its main window.
    RememberLogin(g_strUserName, UserRole);
    if (!frame->Create(kProductTitle, {0, 0, kMainWindowWidth, kMainWindowHeight})) return false;
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

void RecoverLeftovers() {
    CAdoConnection connection;
    if (ConnectProjectDatabase(connection)) RecoverStagedFiles(connection);
    sys::RemoveLeftoverScratch();
}

int CCorvaneApp::ExitInstance() {
    SetMainWnd(nullptr);
    m_pMainFrame.reset();
    m_databaseLock.Release();
    return 0;
}

void CCorvaneApp::OnAppAbout() {
    CAboutDlg about(GetMainWnd());
    about.DoModal();
}

namespace {

FrameMargins MarginsOf(const QWidget& window) {
    const QRect outer = window.frameGeometry(), client = window.geometry();
    return {client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
            outer.bottom() - client.bottom()};
}

void FitFrame(ui::Wnd& frame, const ScreenRect& workArea, const FrameMargins& margins) {
    const ScreenRect client = MainWindowClientRect(workArea, margins);
    auto* mainFrame = dynamic_cast<ui::FrameWnd*>(&frame);
    if (mainFrame) mainFrame->SetResizable(true);
    frame.MoveWindow(client.x, client.y, client.width, client.height);
    if (mainFrame) mainFrame->SetResizable(false);
}

// A window manager frames the window after it is shown: when it reports the
// title bar and borders, the window is fitted again, so that they too lie in
// the work area.
class FrameFitter : public QObject {
public:
    FrameFitter(ui::Wnd& frame, const ScreenRect& workArea, const FrameMargins& fitted)
        : QObject(frame.GetWidget()), frame_(frame), workArea_(workArea), fitted_(fitted) {
        setObjectName(kName);
        frame.GetWidget()->installEventFilter(this);
    }
    static constexpr const char* kName = "mainWindowFitter";

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show) return false;
        const FrameMargins margins = MarginsOf(*frame_.GetWidget());
        if (margins != fitted_) {
            fitted_ = margins;
            FitFrame(frame_, workArea_, margins);
        }
        return false;
    }

private:
    ui::Wnd& frame_;
    ScreenRect workArea_;
    FrameMargins fitted_;
};

}  // namespace

void PlaceMainWindow(ui::Wnd& frame, const ui::Rect& available) {
    const ScreenRect workArea{available.left, available.top, available.Width(), available.Height()};
    QWidget* window = frame.GetWidget();
    FrameMargins margins = window ? MarginsOf(*window) : FrameMargins{};
    const ScreenRect first = MainWindowClientRect(workArea, margins);
    const ui::Rect current = frame.GetWindowRect();
    frame.MoveWindow(first.x, first.y, current.Width(), current.Height());
    frame.ShowWindow(SW_SHOW);
    frame.UpdateWindow();
    if (!window) return;
    margins = MarginsOf(*window);
    // Until the window manager has framed the window, room for a title bar is
    // kept: a fixed window exactly as large as the screen would be taken by
    // some window managers for a full-screen one and left without a frame.
    if (margins == FrameMargins{})
        margins.top = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    FitFrame(frame, workArea, margins);
    margins = MarginsOf(*window);
    delete window->findChild<QObject*>(FrameFitter::kName, Qt::FindDirectChildrenOnly);
    new FrameFitter(frame, workArea, margins);
}
