// The base window: one object per window or control, driving one Qt widget.
// It carries the control id, text, state and geometry, the message map of
// its handlers, synchronous SendMessage and queued PostMessage, timers, and
// virtual handlers for painting, mouse, focus and keys. A control object can
// take over (subclass) the widget of a template control, as a CButtonST
// member of a dialog does.
#pragma once

#include <QFont>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/CmdTarget.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/WinDefs.h"

class QEvent;
class QTimer;

namespace ui {

class DC;
class Wnd;

namespace detail {
bool DispatchBefore(QWidget* widget, QEvent* event);
void DispatchAfter(QWidget* widget, QEvent* event);

// The link from a Qt widget to the window object that drives it.
class WidgetLink {
public:
    virtual ~WidgetLink() = default;
    Wnd* owner = nullptr;
};

// A Qt widget class whose events go to its window object before and after
// Qt's own handling.
template <class Base>
class Bridged : public Base, public WidgetLink {
public:
    using Base::Base;

protected:
    bool event(QEvent* e) override {
        QPointer<QWidget> alive(this);
        if (DispatchBefore(this, e)) return true;
        const bool result = Base::event(e);
        if (alive) DispatchAfter(this, e);
        return result;
    }
};
}  // namespace detail

class Wnd : public CmdTarget {
    DECLARE_DYNAMIC(Wnd)
public:
    Wnd();
    ~Wnd() override;
    Wnd(const Wnd&) = delete;
    Wnd& operator=(const Wnd&) = delete;

    // The window object that drives a widget, or null.
    static Wnd* FromWidget(QWidget* widget);

    QWidget* GetWidget() const { return widget_; }
    bool IsWindow() const { return widget_ != nullptr; }
    int GetDlgCtrlID() const { return id_; }
    void SetDlgCtrlID(int id) { id_ = id; }
    DWORD GetStyle() const { return style_; }
    void ModifyStyle(DWORD remove, DWORD add) { style_ = (style_ & ~remove) | add; }

    virtual void SetWindowText(const std::string& text);
    virtual std::string GetWindowText() const;
    void EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    void ShowWindow(int command);
    BOOL IsWindowVisible() const;
    void SetFont(const QFont& font);
    QFont GetFont() const;
    // With a maximum width in pixels, longer lines wrap (at spaces where they
    // can, else between characters) to fit it in the tool tip's font.
    void SetToolTip(const std::string& text, int maxWidth = 0);

    // Geometry: positions in the parent's client coordinates, window
    // rectangles in screen coordinates.
    void MoveWindow(const Rect& r, BOOL repaint = TRUE);
    void MoveWindow(int x, int y, int cx, int cy, BOOL repaint = TRUE) { MoveWindow(Rect{x, y, x + cx, y + cy}, repaint); }
    Rect GetWindowRect() const;
    Rect GetClientRect() const;
    Point ClientToScreen(Point p) const;
    Point ScreenToClient(Point p) const;
    Rect ScreenToClient(const Rect& r) const;

    // Parent and child controls.
    Wnd* GetParent() const;
    Wnd* GetDlgItem(int id) const;
    template <class T>
    T* Item(int id) const { return dynamic_cast<T*>(GetDlgItem(id)); }
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::string& text);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    // The rectangle of a child control in this window's client coordinates
    // (the place of a child dialog put over a placeholder).
    Rect GetItemRect(int id) const;

    Wnd* SetFocus();
    static Wnd* GetFocus();

    // Sends a message and waits for its handler (WM_COMMAND, WM_TIMER or one
    // mapped with MapMessage); PostMessage delivers it later from the event
    // loop, and not at all when the window is gone by then.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // A notification from a child control (or a command); false when unhandled.
    virtual BOOL OnCommand(int id, int code, const NotifyInfo* info = nullptr);
    // Reports a notification of this control to its parent window.
    void NotifyParent(int code, const NotifyInfo* info = nullptr);

    // Timers delivered to OnTimer; setting an existing id restarts it.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs);
    BOOL KillTimer(UINT_PTR id);

    void Invalidate(BOOL erase = TRUE);
    void UpdateWindow();

    int MessageBox(const std::string& text, const std::string& caption = {}, UINT type = MB_OK);

    // Takes over the widget of control `id` of `parent`: its events and
    // notifications come to this object until it is destroyed or unsubclassed.
    BOOL SubclassDlgItem(int id, Wnd* parent);
    BOOL SubclassWindow(QWidget* widget);
    void UnsubclassWindow();

    // Destroys the window (and its child widgets); the object stays.
    virtual BOOL DestroyWindow();

protected:
    // Becomes the driver of a widget; `owned` widgets are deleted with the object.
    void Attach(QWidget* widget, bool owned);
    // Keeps a control object created for this window (from a template).
    Wnd* Adopt(std::unique_ptr<Wnd> child);
    void SetOwnerDraw(bool on);
    bool IsOwnerDraw() const { return ownerDraw_; }

    virtual void PreSubclassWindow() {}
    virtual void OnPaint(DC& dc) {}  // owner-drawn windows only
    virtual void OnTimer(UINT_PTR id) {}
    virtual void OnMouseMove(UINT flags, Point point) {}
    virtual void OnMouseLeave() {}
    virtual void OnLButtonDown(UINT flags, Point point) {}
    virtual void OnLButtonUp(UINT flags, Point point) {}
    virtual void OnLButtonDblClk(UINT flags, Point point) {}
    virtual void OnSetFocus() {}
    virtual void OnKillFocus() {}
    virtual void OnEnable(BOOL enabled) {}
    virtual void OnSize(int cx, int cy) {}
    // A key pressed while this window has the focus; true consumes it.
    virtual bool OnKeyDown(UINT vk) { return false; }
    // Called after the control has handled a typed character.
    virtual void OnChar(UINT ch) {}
    // True when the window set its own cursor.
    virtual bool OnSetCursor() { return false; }
    virtual void OnDestroy() {}
    // A child window of this one received the keyboard focus.
    virtual void OnChildSetFocus(Wnd& child) {}

private:
    friend bool detail::DispatchBefore(QWidget*, QEvent*);
    friend void detail::DispatchAfter(QWidget*, QEvent*);
    bool BeforeEvent(QEvent* event);
    void AfterEvent(QEvent* event);
    void ReleaseWidget();

    QPointer<QWidget> widget_;
    bool owned_ = false;
    bool ownerDraw_ = false;
    int id_ = 0;
    DWORD style_ = 0;
    Wnd* previousOwner_ = nullptr;  // the object whose widget this one took over
    std::vector<std::unique_ptr<Wnd>> adopted_;
    std::map<UINT_PTR, std::unique_ptr<QTimer>> timers_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

protected:
    void SetStyle(DWORD style) { style_ = style; }
};

}  // namespace ui
