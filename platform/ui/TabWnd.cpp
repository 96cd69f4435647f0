#include "platform/ui/TabWnd.h"

#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "platform/ui/Image.h"

namespace ui {

IMPLEMENT_DYNAMIC(TabWnd, Wnd)

namespace {
// A tab bar that paints every tab in its own background colour (tab data).
class ColourTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

    COLORREF Colour(int tab) const {
        const QVariant v = tabData(tab);
        return v.isValid() ? COLORREF(v.toUInt()) : TabWnd::DefaultTabColor();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (int i = 0; i < count(); ++i) {
            const QRect r = tabRect(i).adjusted(0, 0, -1, -1);
            painter.fillRect(r, ToQColor(Colour(i)));
            painter.setPen(QColor(128, 128, 128));
            painter.drawRect(r);
            QFont font = this->font();
            font.setBold(i == currentIndex());
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(r, Qt::AlignCenter, tabText(i));
        }
    }
};

QStackedWidget* StackOf(QWidget* w) { return w ? w->findChild<QStackedWidget*>() : nullptr; }
ColourTabBar* BarOf(QWidget* w) { return w ? static_cast<ColourTabBar*>(w->findChild<QTabBar*>()) : nullptr; }

// A tab bar changed while its window is still hidden does not tell the
// layout that its size changed, and the layout then keeps the height it had
// without tabs (none): the tabs would never show. Every change of the tabs
// asks the layout again.
void Relayout(QTabBar* bar) { bar->updateGeometry(); }
}  // namespace

BOOL TabWnd::Create(int style, const Rect& rect, Wnd* parent, int id, Location location, BOOL) {
    if (!parent || !parent->GetWidget()) return FALSE;
    auto* box = new detail::Bridged<QWidget>(parent->GetWidget());
    Attach(box, false);
    SetDlgCtrlID(id);
    tabStyle_ = style;
    location_ = location;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* stack = new QStackedWidget(box);
    auto* bar = new ColourTabBar(box);
    bar->setDrawBase(false);
    bar->setExpanding(false);
    layout->addWidget(stack, 1);
    layout->addWidget(bar);
    QObject::connect(bar, &QTabBar::currentChanged, [box](int tab) {
        if (auto* self = dynamic_cast<TabWnd*>(Wnd::FromWidget(box))) self->OnCurrentChanged(tab);
    });
    Arrange();
    MoveWindow(rect);
    box->show();
    return TRUE;
}

void TabWnd::Arrange() {
    auto* layout = GetWidget() ? static_cast<QVBoxLayout*>(GetWidget()->layout()) : nullptr;
    ColourTabBar* bar = BarOf(GetWidget());
    if (!layout || !bar) return;
    layout->removeWidget(bar);
    bar->setShape(location_ == LOCATION_TOP ? QTabBar::RoundedNorth : QTabBar::RoundedSouth);
    layout->insertWidget(location_ == LOCATION_TOP ? 0 : 1, bar);
}

void TabWnd::SetLocation(Location location) {
    location_ = location;
    Arrange();
}

void TabWnd::OnCurrentChanged(int tab) {
    QStackedWidget* stack = StackOf(GetWidget());
    if (stack && tab >= 0 && tab < int(pages_.size()) && pages_[tab]->GetWidget()) {
        stack->setCurrentWidget(pages_[tab]->GetWidget());
        pages_[tab]->GetWidget()->show();
    }
    const bool changed = tab != shown_;
    shown_ = tab;
    if (changed && !silent_ && tab >= 0)
        if (Wnd* parent = GetParent()) parent->SendMessage(BCGM_CHANGE_ACTIVE_TAB, WPARAM(tab), 0);
}

void TabWnd::AddTab(Wnd* page, const std::string& label, UINT, BOOL) {
    QStackedWidget* stack = StackOf(GetWidget());
    ColourTabBar* bar = BarOf(GetWidget());
    if (!stack || !bar || !page || !page->GetWidget()) return;
    pages_.push_back(page);
    stack->addWidget(page->GetWidget());
    silent_ = true;  // the first tab becomes active without a message
    bar->addTab(QString::fromStdString(label));
    silent_ = false;
    Relayout(bar);
    // The page takes its place under the tabs now, not when first shown, so
    // that what its owner places by the page's position lines up with it.
    GetWidget()->layout()->activate();
}

BOOL TabWnd::RemoveTab(int tab) {
    QStackedWidget* stack = StackOf(GetWidget());
    ColourTabBar* bar = BarOf(GetWidget());
    if (!stack || !bar || tab < 0 || tab >= int(pages_.size())) return FALSE;
    QWidget* page = pages_[tab]->GetWidget();
    pages_.erase(pages_.begin() + tab);
    silent_ = true;
    bar->removeTab(tab);
    if (page) {
        stack->removeWidget(page);
        page->setParent(GetWidget());
        page->hide();
    }
    shown_ = bar->currentIndex();
    silent_ = false;
    Relayout(bar);
    return TRUE;
}

void TabWnd::RemoveAllTabs() {
    while (!pages_.empty()) RemoveTab(int(pages_.size()) - 1);
}

Wnd* TabWnd::GetTabWnd(int tab) const {
    return tab >= 0 && tab < int(pages_.size()) ? pages_[tab] : nullptr;
}

BOOL TabWnd::GetTabLabel(int tab, std::string& label) const {
    ColourTabBar* bar = BarOf(GetWidget());
    if (!bar || tab < 0 || tab >= bar->count()) return FALSE;
    label = bar->tabText(tab).toStdString();
    return TRUE;
}

BOOL TabWnd::SetTabLabel(int tab, const std::string& label) {
    ColourTabBar* bar = BarOf(GetWidget());
    if (!bar || tab < 0 || tab >= bar->count()) return FALSE;
    bar->setTabText(tab, QString::fromStdString(label));
    Relayout(bar);
    return TRUE;
}

int TabWnd::GetActiveTab() const {
    ColourTabBar* bar = BarOf(GetWidget());
    return bar ? bar->currentIndex() : -1;
}

BOOL TabWnd::SetActiveTab(int tab) {
    ColourTabBar* bar = BarOf(GetWidget());
    if (!bar || tab < 0 || tab >= bar->count()) return FALSE;
    bar->setCurrentIndex(tab);
    return TRUE;
}

BOOL TabWnd::SetTabBkColor(int tab, COLORREF color) {
    ColourTabBar* bar = BarOf(GetWidget());
    if (!bar || tab < 0 || tab >= bar->count()) return FALSE;
    bar->setTabData(tab, color == COLORREF(-1) ? QVariant() : QVariant(uint(color)));
    bar->update();
    return TRUE;
}

COLORREF TabWnd::GetTabBkColor(int tab) const {
    ColourTabBar* bar = BarOf(GetWidget());
    if (!bar || tab < 0 || tab >= bar->count()) return COLORREF(-1);
    return bar->Colour(tab);
}

Rect TabWnd::GetTabRect(int tab) const {
    ColourTabBar* bar = BarOf(GetWidget());
    if (!bar || tab < 0 || tab >= bar->count()) return {};
    const QRect r = bar->tabRect(tab);
    const QPoint tl = bar->mapTo(GetWidget(), r.topLeft());
    return {tl.x(), tl.y(), tl.x() + r.width(), tl.y() + r.height()};
}

}  // namespace ui
