#include "platform/ui/FrameWnd.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QMetaObject>
#include <algorithm>

#include "platform/ui/App.h"

namespace ui {

IMPLEMENT_DYNAMIC(FrameWnd, Wnd)

namespace {
// The top-level window: its close button asks the frame, later from the
// event loop, so that the frame may destroy the window.
class FrameWindow : public detail::Bridged<QMainWindow> {
public:
    using Bridged::Bridged;

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        QPointer<QWidget> self(this);
        QMetaObject::invokeMethod(
            this,
            [self] {
                if (!self) return;
                if (auto* frame = dynamic_cast<FrameWnd*>(Wnd::FromWidget(self))) frame->OnClose();
            },
            Qt::QueuedConnection);
    }
};
}  // namespace

// The central area of the frame; the view in the slot follows its size.
class FrameWnd::ViewArea : public Wnd {
public:
    ViewArea(FrameWnd& frame, QWidget* parent) : frame_(frame) { Attach(new detail::Bridged<QWidget>(parent), true); }

protected:
    void OnSize(int, int) override { frame_.RecalcLayout(); }

private:
    FrameWnd& frame_;
};

FrameWnd::FrameWnd() = default;

FrameWnd::~FrameWnd() {
    views_.clear();
    viewArea_.reset();
}

BOOL FrameWnd::Create(const std::string& title, const Rect& requested) {
    Rect rect = requested;
    PreCreateWindow(rect);
    auto* window = new FrameWindow;
    Attach(window, true);
    window->setWindowTitle(QString::fromStdString(title));
    window->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    viewArea_ = std::make_unique<ViewArea>(*this, window);
    window->setCentralWidget(viewArea_->GetWidget());
    if (OnCreate() == -1) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

QMainWindow* FrameWnd::MainWindow() const { return qobject_cast<QMainWindow*>(GetWidget()); }

Wnd* FrameWnd::GetViewParent() const { return viewArea_.get(); }

Wnd* FrameWnd::GetPaneView() const { return viewArea_ ? viewArea_->GetDlgItem(kPaneFirstId) : nullptr; }

void FrameWnd::AdoptView(std::unique_ptr<Wnd> view) { views_.push_back(std::move(view)); }

void FrameWnd::DestroyView(Wnd* view) {
    if (!view) return;
    if (activeView_ == view) activeView_ = nullptr;
    view->DestroyWindow();
    auto it = std::find_if(views_.begin(), views_.end(), [view](const auto& owned) { return owned.get() == view; });
    if (it != views_.end()) views_.erase(it);
}

void FrameWnd::RecalcLayout() {
    if (Wnd* view = GetPaneView()) view->MoveWindow(viewArea_->GetClientRect());
}

void FrameWnd::SetResizable(bool resizable) {
    QWidget* window = GetWidget();
    if (!window) return;
    if (resizable) {
        window->setMinimumSize(0, 0);
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        window->setFixedSize(window->size());
    }
}

void FrameWnd::OnClose() { DestroyWindow(); }

BOOL FrameWnd::DestroyWindow() {
    if (!IsWindow()) return FALSE;
    activeView_ = nullptr;
    while (!views_.empty()) DestroyView(views_.back().get());
    const bool mainWindow = AfxGetMainWnd() == this;
    viewArea_.reset();
    Wnd::DestroyWindow();
    if (mainWindow) PostQuitMessage(0);
    return TRUE;
}

bool FrameWnd::OnCmdMsg(int id, int code, const NotifyInfo* info) {
    if (activeView_ && activeView_->OnCmdMsg(id, code, info)) return true;
    if (Wnd::OnCmdMsg(id, code, info)) return true;
    App* app = App::Current();
    return app && app->OnCmdMsg(id, code, info);
}

void FrameWnd::UpdateCommand(CmdUI& cmdUI) {
    App* app = App::Current();
    if (activeView_ && activeView_->OnUpdateCmdUI(cmdUI)) return;
    if (Wnd::OnUpdateCmdUI(cmdUI)) return;
    if (app && app->OnUpdateCmdUI(cmdUI)) return;
    const int id = cmdUI.Id();
    cmdUI.Enable((activeView_ && activeView_->HasCommandHandler(id)) || HasCommandHandler(id) ||
                 (app && app->HasCommandHandler(id)));
}

}  // namespace ui
