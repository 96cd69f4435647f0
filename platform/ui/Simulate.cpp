#include "platform/ui/Simulate.h"

#include <algorithm>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/ui/ListCtrl.h"
#include "platform/ui/Wnd.h"

namespace ui::sim {

namespace {
int QtKey(UINT vk) {
    switch (vk) {
    case VK_RETURN: return Qt::Key_Return;
    case VK_ESCAPE: return Qt::Key_Escape;
    case VK_TAB: return Qt::Key_Tab;
    case VK_BACK: return Qt::Key_Backspace;
    case VK_DELETE: return Qt::Key_Delete;
    case VK_SPACE: return Qt::Key_Space;
    case VK_LEFT: return Qt::Key_Left;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_UP: return Qt::Key_Up;
    case VK_DOWN: return Qt::Key_Down;
    default: return int(vk);
    }
}

void SendKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// Mouse input of a scroll area goes to its viewport.
QWidget* MouseTarget(QWidget* widget, QPoint& point) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
        point = area->viewport()->mapFrom(widget, point);
        return area->viewport();
    }
    return widget;
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint point, Qt::MouseButtons held) {
    QWidget* target = MouseTarget(widget, point);
    QMouseEvent event(type, QPointF(point), QPointF(target->mapToGlobal(point)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}
}  // namespace

void Type(Wnd& control, const std::string& text) {
    QWidget* widget = control.GetWidget();
    if (!widget) return;
    control.SetFocus();
    for (QChar ch : QString::fromStdString(text)) {
        const int key = ch.isLetterOrNumber() && ch.unicode() < 128 ? ch.toUpper().unicode() : 0;
        SendKey(widget, key, QString(ch));
    }
}

void PressKey(Wnd& control, UINT vk) {
    if (QWidget* widget = control.GetWidget()) SendKey(widget, QtKey(vk), vk == VK_RETURN ? "\r" : QString());
}

void Click(Wnd& control, Point p) {
    QWidget* widget = control.GetWidget();
    if (!widget) return;
    SendMouse(widget, QEvent::MouseButtonPress, QPoint(p.x, p.y), Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, QPoint(p.x, p.y), Qt::NoButton);
}

void DoubleClick(Wnd& control, Point p) {
    QWidget* widget = control.GetWidget();
    if (!widget) return;
    Click(control, p);
    SendMouse(widget, QEvent::MouseButtonDblClick, QPoint(p.x, p.y), Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, QPoint(p.x, p.y), Qt::NoButton);
}

void ClickItem(ListCtrl& list, int item) { Click(list, list.GetItemRect(item).CenterPoint()); }

void DoubleClickItem(ListCtrl& list, int item) {
    // The middle of the row's visible part: a row wider than the control
    // has its centre outside the view, where a click reaches nothing.
    const Rect row = list.GetItemRect(item);
    const Rect client = list.GetClientRect();
    const int left = std::max(row.left, client.left), right = std::min(row.right, client.right);
    DoubleClick(list, {(left + right) / 2, (row.top + row.bottom) / 2});
}

void MoveMouse(Wnd& control, Point p) {
    QWidget* widget = control.GetWidget();
    if (!widget) return;
    const QPoint local(p.x, p.y);
    const QPointF global = QPointF(widget->mapToGlobal(local));
    QEnterEvent enter{QPointF(local), QPointF(local), global};
    QApplication::sendEvent(widget, &enter);
    SendMouse(widget, QEvent::MouseMove, local, Qt::NoButton);
}

void LeaveMouse(Wnd& control) {
    if (QWidget* widget = control.GetWidget()) {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(widget, &leave);
    }
}

}  // namespace ui::sim
