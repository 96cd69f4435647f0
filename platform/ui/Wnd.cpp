#include "platform/ui/Wnd.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QToolTip>
#include <QEnterEvent>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/DC.h"
#include "platform/ui/Services.h"

namespace ui {

IMPLEMENT_DYNAMIC(Wnd, Object)

namespace {
detail::WidgetLink* LinkOf(QWidget* widget) { return dynamic_cast<detail::WidgetLink*>(widget); }

UINT ToVirtualKey(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Tab: return VK_TAB;
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Down: return VK_DOWN;
    default:
        if ((e.key() >= Qt::Key_0 && e.key() <= Qt::Key_9) || (e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z))
            return UINT(e.key());
        return 0;
    }
}

UINT MouseFlags(const QMouseEvent& e) {
    UINT flags = 0;
    if (e.buttons() & Qt::LeftButton) flags |= MK_LBUTTON;
    if (e.buttons() & Qt::RightButton) flags |= MK_RBUTTON;
    return flags;
}

Point PointOf(const QMouseEvent& e) {
    const QPoint p = e.position().toPoint();
    return {p.x(), p.y()};
}
}  // namespace

bool detail::DispatchBefore(QWidget* widget, QEvent* event) {
    auto* link = LinkOf(widget);
    return link && link->owner && link->owner->BeforeEvent(event);
}

void detail::DispatchAfter(QWidget* widget, QEvent* event) {
    auto* link = LinkOf(widget);
    if (link && link->owner) link->owner->AfterEvent(event);
}

Wnd::Wnd() { EnsureApplication(); }

Wnd::~Wnd() {
    *alive_ = false;
    timers_.clear();
    adopted_.clear();
    ReleaseWidget();
}

void Wnd::ReleaseWidget() {
    if (!widget_) return;
    if (auto* link = LinkOf(widget_); link && link->owner == this) link->owner = previousOwner_;
    if (owned_) delete widget_.data();
    widget_ = nullptr;
    owned_ = false;
    previousOwner_ = nullptr;
}

Wnd* Wnd::FromWidget(QWidget* widget) {
    auto* link = LinkOf(widget);
    return link ? link->owner : nullptr;
}

void Wnd::Attach(QWidget* widget, bool owned) {
    widget_ = widget;
    owned_ = owned;
    if (auto* link = LinkOf(widget)) link->owner = this;
}

Wnd* Wnd::Adopt(std::unique_ptr<Wnd> child) {
    adopted_.push_back(std::move(child));
    return adopted_.back().get();
}

void Wnd::SetOwnerDraw(bool on) {
    ownerDraw_ = on;
    if (widget_) {
        widget_->setMouseTracking(on);
        widget_->update();
    }
}

bool Wnd::BeforeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::Paint:
        if (ownerDraw_) {
            QPainter painter(widget_);
            DC dc(painter);
            OnPaint(dc);
            return true;
        }
        return false;
    case QEvent::KeyPress:
        if (const UINT vk = ToVirtualKey(*static_cast<QKeyEvent*>(event))) return OnKeyDown(vk);
        return false;
    case QEvent::MouseButtonDblClick: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton) OnLButtonDblClk(MouseFlags(*e), PointOf(*e));
        return false;
    }
    case QEvent::Enter: {
        auto* e = static_cast<QEnterEvent*>(event);
        const QPoint p = e->position().toPoint();
        OnMouseMove(QApplication::mouseButtons() & Qt::LeftButton ? MK_LBUTTON : 0, Point{p.x(), p.y()});
        return false;
    }
    default:
        return false;
    }
}

void Wnd::AfterEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        OnMouseMove(MouseFlags(*e), PointOf(*e));
        break;
    }
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton) OnLButtonDown(MouseFlags(*e), PointOf(*e));
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton) OnLButtonUp(MouseFlags(*e), PointOf(*e));
        break;
    }
    case QEvent::Leave: OnMouseLeave(); break;
    case QEvent::FocusIn:
        OnSetFocus();
        if (Wnd* parent = GetParent()) parent->OnChildSetFocus(*this);
        break;
    case QEvent::FocusOut: OnKillFocus(); break;
    case QEvent::EnabledChange:
        if (widget_) OnEnable(widget_->isEnabled());
        break;
    case QEvent::Resize:
        if (widget_) OnSize(widget_->width(), widget_->height());
        break;
    case QEvent::KeyPress: {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        for (QChar ch : typed)
            if (ch.unicode() >= 0x20) OnChar(ch.unicode());
        break;
    }
    default: break;
    }
}

void Wnd::SetWindowText(const std::string& text) {
    if (!widget_) return;
    const QString s = QString::fromStdString(text);
    if (auto* button = qobject_cast<QAbstractButton*>(widget_)) button->setText(s);
    else widget_->setWindowTitle(s);
}

std::string Wnd::GetWindowText() const {
    if (!widget_) return {};
    if (auto* button = qobject_cast<QAbstractButton*>(widget_)) return button->text().toStdString();
    return widget_->windowTitle().toStdString();
}

void Wnd::EnableWindow(BOOL enable) {
    if (widget_) widget_->setEnabled(enable != FALSE);
}

BOOL Wnd::IsWindowEnabled() const { return widget_ && widget_->isEnabled(); }

void Wnd::ShowWindow(int command) {
    if (!widget_) return;
    if (command == SW_HIDE) widget_->hide();
    else if (command == SW_SHOWMAXIMIZED) widget_->showMaximized();
    else widget_->show();
}

BOOL Wnd::IsWindowVisible() const { return widget_ && widget_->isVisible(); }

void Wnd::SetFont(const QFont& font) {
    if (widget_) widget_->setFont(font);
}

QFont Wnd::GetFont() const { return widget_ ? widget_->font() : QFont(); }

namespace {
// Breaks each line of `text` so that no line is wider than `maxWidth`.
QString WrapToWidth(const QString& text, const QFontMetrics& metrics, int maxWidth) {
    QStringList wrapped;
    for (const QString& line : text.split('\n')) {
        QString rest = line;
        while (metrics.horizontalAdvance(rest) > maxWidth) {
            int fit = 1;
            while (fit < rest.size() && metrics.horizontalAdvance(rest.left(fit + 1)) <= maxWidth) ++fit;
            const int space = rest.lastIndexOf(' ', fit);
            const int cut = space > 0 ? space : fit;
            wrapped << rest.left(cut);
            rest = rest.mid(space > 0 ? cut + 1 : cut);
        }
        wrapped << rest;
    }
    return wrapped.join('\n');
}
}  // namespace

void Wnd::SetToolTip(const std::string& text, int maxWidth) {
    if (!widget_) return;
    const QString tip = QString::fromStdString(text);
    widget_->setToolTip(maxWidth > 0 ? WrapToWidth(tip, QFontMetrics(QToolTip::font()), maxWidth) : tip);
}

void Wnd::MoveWindow(const Rect& r, BOOL repaint) {
    if (!widget_) return;
    widget_->setGeometry(r.left, r.top, r.Width(), r.Height());
    if (repaint) widget_->update();
}

Rect Wnd::GetWindowRect() const {
    if (!widget_) return {};
    const QPoint origin = widget_->mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y(), origin.x() + widget_->width(), origin.y() + widget_->height()};
}

Rect Wnd::GetClientRect() const {
    if (!widget_) return {};
    return {0, 0, widget_->width(), widget_->height()};
}

Point Wnd::ClientToScreen(Point p) const {
    if (!widget_) return p;
    const QPoint q = widget_->mapToGlobal(QPoint(p.x, p.y));
    return {q.x(), q.y()};
}

Point Wnd::ScreenToClient(Point p) const {
    if (!widget_) return p;
    const QPoint q = widget_->mapFromGlobal(QPoint(p.x, p.y));
    return {q.x(), q.y()};
}

Rect Wnd::ScreenToClient(const Rect& r) const {
    const Point tl = ScreenToClient(Point{r.left, r.top});
    return {tl.x, tl.y, tl.x + r.Width(), tl.y + r.Height()};
}

Wnd* Wnd::GetParent() const {
    for (QWidget* w = widget_ ? widget_->parentWidget() : nullptr; w; w = w->parentWidget())
        if (Wnd* owner = FromWidget(w)) return owner;
    return nullptr;
}

Wnd* Wnd::GetDlgItem(int id) const {
    if (!widget_) return nullptr;
    for (QWidget* child : widget_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        Wnd* owner = FromWidget(child);
        if (owner && owner->GetDlgCtrlID() == id) return owner;
    }
    return nullptr;
}

std::string Wnd::GetDlgItemText(int id) const {
    Wnd* item = GetDlgItem(id);
    return item ? item->GetWindowText() : std::string();
}

void Wnd::SetDlgItemText(int id, const std::string& text) {
    if (Wnd* item = GetDlgItem(id)) item->SetWindowText(text);
}

UINT Wnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    const std::string s = text::Trim(GetDlgItemText(id));
    bool ok = !s.empty();
    for (size_t i = 0; ok && i < s.size(); ++i)
        ok = std::isdigit(static_cast<unsigned char>(s[i])) || (i == 0 && isSigned && s[i] == '-');
    if (translated) *translated = ok ? TRUE : FALSE;
    return ok ? UINT(text::Atol(s)) : 0;
}

void Wnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) {
    SetDlgItemText(id, isSigned ? std::to_string(int(value)) : std::to_string(value));
}

void Wnd::CheckDlgButton(int id, UINT check) {
    if (Wnd* item = GetDlgItem(id)) item->SendMessage(BM_SETCHECK, check);
}

UINT Wnd::IsDlgButtonChecked(int id) const {
    Wnd* item = GetDlgItem(id);
    return item ? UINT(item->SendMessage(BM_GETCHECK)) : 0;
}

Rect Wnd::GetItemRect(int id) const {
    Wnd* item = GetDlgItem(id);
    return item ? ScreenToClient(item->GetWindowRect()) : Rect{};
}

Wnd* Wnd::SetFocus() {
    Wnd* previous = GetFocus();
    if (widget_) {
        if (QWidget* top = widget_->window(); top->isVisible() && !top->isActiveWindow()) {
            top->activateWindow();
            QApplication::setActiveWindow(top);  // at once, also without a window manager
        }
        widget_->setFocus(Qt::OtherFocusReason);
    }
    return previous;
}

Wnd* Wnd::GetFocus() {
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (Wnd* owner = FromWidget(w)) return owner;
    return nullptr;
}

LRESULT Wnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return WindowProc(message, wParam, lParam);
}

BOOL Wnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    std::weak_ptr<bool> alive = alive_;
    QMetaObject::invokeMethod(
        qApp,
        [this, alive, message, wParam, lParam] {
            if (auto living = alive.lock(); living && *living) SendMessage(message, wParam, lParam);
        },
        Qt::QueuedConnection);
    return TRUE;
}

LRESULT Wnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? 0 : 1;
    if (message == WM_TIMER) {
        OnTimer(UINT_PTR(wParam));
        return 0;
    }
    if (const auto* handler = FindMessageHandler(message)) {
        auto copy = *handler;
        return copy(wParam, lParam);
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT Wnd::DefWindowProc(UINT, WPARAM, LPARAM) { return 0; }

BOOL Wnd::OnCommand(int id, int code, const NotifyInfo* info) { return OnCmdMsg(id, code, info); }

void Wnd::NotifyParent(int code, const NotifyInfo* info) {
    if (Wnd* parent = GetParent()) {
        NotifyInfo details = info ? *info : NotifyInfo{};
        details.id = GetDlgCtrlID();
        details.code = code;
        parent->OnCommand(GetDlgCtrlID(), code, &details);
    }
}

UINT_PTR Wnd::SetTimer(UINT_PTR id, UINT elapseMs) {
    auto& timer = timers_[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, [this, id] { SendMessage(WM_TIMER, id); });
    }
    timer->start(int(elapseMs));
    return id;
}

BOOL Wnd::KillTimer(UINT_PTR id) { return timers_.erase(id) ? TRUE : FALSE; }

void Wnd::Invalidate(BOOL) {
    if (widget_) widget_->update();
}

void Wnd::UpdateWindow() {
    if (widget_) widget_->repaint();
}

int Wnd::MessageBox(const std::string& text, const std::string& caption, UINT type) {
    return ui::MessageBox(text, caption.empty() ? AppTitle() : caption, type);
}

BOOL Wnd::SubclassDlgItem(int id, Wnd* parent) {
    Wnd* item = parent ? parent->GetDlgItem(id) : nullptr;
    if (!item || !item->GetWidget()) return FALSE;
    SetDlgCtrlID(id);
    SetStyle(item->GetStyle());
    previousOwner_ = item;
    widget_ = item->GetWidget();
    owned_ = false;
    PreSubclassWindow();
    LinkOf(widget_)->owner = this;
    if (ownerDraw_) SetOwnerDraw(true);
    widget_->update();
    return TRUE;
}

BOOL Wnd::SubclassWindow(QWidget* widget) {
    if (!widget || !LinkOf(widget)) return FALSE;
    previousOwner_ = FromWidget(widget);
    if (previousOwner_) {
        SetDlgCtrlID(previousOwner_->GetDlgCtrlID());
        SetStyle(previousOwner_->GetStyle());
    }
    widget_ = widget;
    owned_ = false;
    PreSubclassWindow();
    LinkOf(widget)->owner = this;
    return TRUE;
}

void Wnd::UnsubclassWindow() {
    if (!widget_ || owned_) return;
    ReleaseWidget();
}

BOOL Wnd::DestroyWindow() {
    if (!widget_) return FALSE;
    OnDestroy();
    timers_.clear();
    QWidget* widget = widget_;
    const bool owned = owned_;
    ReleaseWidget();
    if (!owned) delete widget;
    adopted_.clear();
    return TRUE;
}

}  // namespace ui
