// A shown dialog that holds the controls of a test and records the
// notifications and messages they send it.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/App.h"
#include "platform/ui/Dialog.h"

namespace ui::testing {

class ControlHost : public Dialog {
public:
    struct Heard {
        int id = 0, code = 0;
        bool operator==(const Heard&) const = default;
    };

    ControlHost() : Dialog(Template()) {
        Create();
        ShowWindow(SW_SHOW);
    }

    // Records notification `code` of control `id`; `also` runs with it.
    void Listen(int id, int code, std::function<void()> also = {}) {
        MapNotify(id, code, [this, id, code, also](const NotifyInfo&) {
            heard.push_back({id, code});
            if (also) also();
        });
    }
    void ListenMessage(UINT message, std::function<void(WPARAM)> handler) {
        MapMessage(message, [handler](WPARAM w, LPARAM) {
            handler(w);
            return LRESULT(0);
        });
    }
    using CmdTarget::MapCommand;
    using CmdTarget::MapUpdateUI;

    std::vector<Heard> heard;

private:
    static const DialogTemplate& Template() {
        static const DialogTemplate t{900, "host", {0, 0, 400, 300}, {}};
        return t;
    }
};

// A left click as the window system delivers it: to the child widget under
// the point (a tab of a tab bar, a button of a tool bar).
inline void ClickChild(Wnd& wnd, Point p) {
    QWidget* target = wnd.GetWidget()->childAt(p.x, p.y);
    if (!target) target = wnd.GetWidget();
    const QPointF local = target->mapFrom(wnd.GetWidget(), QPoint(p.x, p.y));
    const QPointF global = target->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

}  // namespace ui::testing
