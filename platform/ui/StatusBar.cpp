#include "platform/ui/StatusBar.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "platform/ui/FrameWnd.h"

namespace ui {

IMPLEMENT_DYNAMIC(StatusBar, Wnd)

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
        auto* label = new QLabel(bar);
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
    panes_[index].label->setFixedWidth(width);
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
