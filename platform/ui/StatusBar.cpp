#include "platform/ui/StatusBar.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "platform/ui/FrameWnd.h"

namespace ui {

IMPLEMENT_DYNAMIC(StatusBar, Wnd)

namespace {
// A pane asks for its width but gives way when the window is narrower, so
// that the panes never widen the window.
class PaneLabel : public QLabel {
public:
    using QLabel::QLabel;
    void SetPaneWidth(int width) {
        width_ = width;
        updateGeometry();
    }
    QSize sizeHint() const override { return {width_, QLabel::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

private:
    int width_ = 0;
};
}  // namespace

BOOL StatusBar::Create(FrameWnd* frame) {
    if (!frame || !frame->MainWindow()) return FALSE;
    auto* bar = new detail::Bridged<QStatusBar>(frame->MainWindow());
    bar->setSizeGripEnabled(false);
    frame->MainWindow()->setStatusBar(bar);
    Attach(bar, false);
    return TRUE;
}

BOOL StatusBar::SetIndicators(const std::vector<int>& ids) {
    auto* bar = qobject_cast<QStatusBar*>(GetWidget());
    if (!bar) return FALSE;
    for (const Pane& pane : panes_) delete pane.label;
    panes_.clear();
    for (int id : ids) {
        auto* label = new PaneLabel(bar);
        bar->addWidget(label);
        panes_.push_back({id, label, 0});
    }
    return TRUE;
}

int StatusBar::CommandToIndex(int id) const {
    for (int i = 0; i < GetCount(); ++i)
        if (panes_[i].id == id) return i;
    return -1;
}

void StatusBar::SetPaneWidth(int index, int width) {
    if (index < 0 || index >= GetCount()) return;
    panes_[index].width = width;
    static_cast<PaneLabel*>(panes_[index].label)->SetPaneWidth(width);
}

int StatusBar::GetPaneWidth(int index) const {
    return index >= 0 && index < GetCount() ? panes_[index].width : 0;
}

void StatusBar::SetPaneText(int index, const std::string& text) {
    if (index >= 0 && index < GetCount()) panes_[index].label->setText(QString::fromStdString(text));
}

std::string StatusBar::GetPaneText(int index) const {
    return index >= 0 && index < GetCount() ? panes_[index].label->text().toStdString() : std::string();
}

}  // namespace ui
