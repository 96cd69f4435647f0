#include "platform/ui/App.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>

#include "platform/ui/Wnd.h"

namespace ui {

namespace {
App* current = nullptr;
Point lastMousePos;

// Keeps the screen position of every mouse button event.
class MouseRecorder : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            const QPoint p = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            lastMousePos = {p.x(), p.y()};
            break;
        }
        default: break;
        }
        return false;
    }
};
}  // namespace

App::App() { current = this; }

App::~App() {
    if (current == this) current = nullptr;
}

App* App::Current() { return current; }

int App::Run() {
    EnsureApplication();
    if (!InitInstance()) {
        ExitInstance();
        return 1;
    }
    int code = 0;
    if (mainWnd_ && mainWnd_->IsWindow()) code = QApplication::exec();
    const int exitCode = ExitInstance();
    return code ? code : exitCode;
}

void EnsureApplication(int argc, char** argv) {
    if (QApplication::instance()) return;
    static int storedArgc = 1;
    static char name[] = "corvane";
    static char* fallback[] = {name, nullptr};
    static char** storedArgv = fallback;
    if (argc > 0 && argv) {
        storedArgc = argc;
        storedArgv = argv;
    }
    auto* app = new QApplication(storedArgc, storedArgv);  // lives until the process ends
    QApplication::setQuitOnLastWindowClosed(false);
    app->installEventFilter(new MouseRecorder);
    // Qt's own Chinese texts, for the standard dialogs' buttons and labels.
    auto* translator = new QTranslator(app);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), "qt", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

void PumpMessages() {
    if (!QApplication::instance()) return;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void PostQuitMessage(int exitCode) { QCoreApplication::exit(exitCode); }

Point GetMessagePos() { return lastMousePos; }

Wnd* AfxGetMainWnd() { return current ? current->GetMainWnd() : nullptr; }

std::string AppTitle() {
    return current && !current->Title().empty() ? current->Title() : std::string("Corvane");
}

WaitCursor::WaitCursor() {
    EnsureApplication();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }

}  // namespace ui
