#include "platform/ui/FormScroller.h"

#include <QEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>

namespace ui {

namespace {
constexpr int kLineStep = 20;       // pixels per arrow click
constexpr int kWheelLines = 3;      // lines per notch of the wheel
}  // namespace

FormScroller::FormScroller(QWidget* view, QSize formSize)
    : QObject(view), view_(view), formSize_(formSize),
      horizontal_(new QScrollBar(Qt::Horizontal, view)), vertical_(new QScrollBar(Qt::Vertical, view)) {
    for (QScrollBar* bar : {horizontal_, vertical_}) {
        bar->hide();
        bar->setSingleStep(kLineStep);
        bar->setCursor(Qt::ArrowCursor);
        connect(bar, &QScrollBar::valueChanged, this, [this] { ScrollTo(horizontal_->value(), vertical_->value()); });
    }
    setObjectName(kObjectName);
    view->installEventFilter(this);
}

// The scroller of a form that holds this one, if any.
FormScroller* FormScroller::Outer() const {
    for (QWidget* w = view_->parentWidget(); w && !w->isWindow(); w = w->parentWidget())
        if (auto* outer = static_cast<FormScroller*>(w->findChild<QObject*>(kObjectName, Qt::FindDirectChildrenOnly)))
            return outer;
    return nullptr;
}

QPoint FormScroller::Position() const { return {x_, y_}; }

// The form's size, or further where code placed a visible control.
QSize FormScroller::Extent() const {
    QSize extent = formSize_;
    for (QWidget* child : view_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child == horizontal_ || child == vertical_ || child->isHidden()) continue;
        const QRect place = child->geometry().translated(x_, y_);
        extent = extent.expandedTo({place.right() + 1, place.bottom() + 1});
    }
    return extent;
}

void FormScroller::Update() {
    if (updating_) return;
    updating_ = true;
    const QSize extent = Extent();
    // A form inside another form: one scrolling area per view, so this one
    // grows to hold its controls and the outer form scrolls them, with the
    // wheel wherever the pointer is.
    if (FormScroller* outer = Outer()) {
        horizontal_->hide();
        vertical_->hide();
        const QSize size = view_->size().expandedTo(extent);
        if (size != view_->size()) view_->resize(size);
        updating_ = false;
        ScrollTo(0, 0);
        outer->Update();
        return;
    }
    const int thickness = view_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view_);
    QSize visible = view_->size();
    bool needH = extent.width() > visible.width(), needV = extent.height() > visible.height();
    if (needH) visible.rheight() -= thickness;
    if (!needV && extent.height() > visible.height()) needV = true;
    if (needV) visible.rwidth() -= thickness;
    if (!needH && extent.width() > visible.width()) {
        needH = true;
        visible.rheight() -= thickness;
    }
    horizontal_->setVisible(needH);
    vertical_->setVisible(needV);
    horizontal_->setGeometry(0, visible.height(), visible.width(), thickness);
    vertical_->setGeometry(visible.width(), 0, thickness, visible.height());
    horizontal_->setRange(0, needH ? extent.width() - visible.width() : 0);
    vertical_->setRange(0, needV ? extent.height() - visible.height() : 0);
    horizontal_->setPageStep(std::max(1, visible.width()));
    vertical_->setPageStep(std::max(1, visible.height()));
    horizontal_->raise();
    vertical_->raise();
    updating_ = false;
    ScrollTo(horizontal_->value(), vertical_->value());
}

void FormScroller::ScrollTo(int x, int y) {
    if (x == x_ && y == y_) return;
    const int dx = x_ - x, dy = y_ - y;
    x_ = x;
    y_ = y;
    for (QWidget* child : view_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != horizontal_ && child != vertical_) child->move(child->pos() + QPoint(dx, dy));
    view_->update();
}

bool FormScroller::eventFilter(QObject* watched, QEvent* event) {
    if (watched != view_) return false;
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Show: Update(); break;
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        QScrollBar* bar = vertical_->isVisible() ? vertical_ : horizontal_->isVisible() ? horizontal_ : nullptr;
        if (!bar) return false;
        const QPoint delta = wheel->angleDelta();
        const int notches = (delta.y() != 0 ? delta.y() : delta.x()) / 120;
        bar->setValue(bar->value() - notches * kWheelLines * kLineStep);
        return true;
    }
    default: break;
    }
    return false;
}

}  // namespace ui
