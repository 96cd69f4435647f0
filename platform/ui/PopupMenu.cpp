#include "platform/ui/PopupMenu.h"

#include <QApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

#include "platform/ui/App.h"
#include "platform/ui/Wnd.h"

namespace ui {

// ---- menu handles ----

namespace {
constexpr UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED;
constexpr UINT kKindBits = MF_POPUP | MF_OWNERDRAW | MF_SEPARATOR;

struct Item {
    UINT flags = 0;  // state and kind bits
    UINT_PTR id = 0;
    HMENU sub = nullptr;
    std::string text;
    DWORD_PTR data = 0;
    Bitmap unchecked, checked;
};
}  // namespace

}  // namespace ui

struct ui::MenuData {
    std::vector<Item> items;
};

namespace ui {
namespace {

// Handles are numbers that are never used twice, so a destroyed menu's
// handle can never name a later menu.
struct Registry {
    std::map<HMENU, std::unique_ptr<MenuData>> menus;
    std::map<HMENU, Menu*> objects;
    std::uintptr_t next = 0x1000;
};
Registry& Menus() {
    static Registry registry;
    return registry;
}

MenuData* DataOf(HMENU menu) {
    auto& menus = Menus().menus;
    const auto found = menus.find(menu);
    return found == menus.end() ? nullptr : found->second.get();
}

HMENU NewMenu() {
    Registry& r = Menus();
    r.next += 0x10;
    auto handle = reinterpret_cast<HMENU>(r.next);
    r.menus[handle] = std::make_unique<MenuData>();
    return handle;
}

// The item addressed by position or by command (searched through the
// sub-menus, as the system does).
Item* Find(HMENU menu, UINT item, UINT flags) {
    MenuData* data = DataOf(menu);
    if (!data) return nullptr;
    if (flags & MF_BYPOSITION) return item < data->items.size() ? &data->items[item] : nullptr;
    for (Item& entry : data->items) {
        if (entry.sub) {
            if (Item* inner = Find(entry.sub, item, flags)) return inner;
        } else if (!(entry.flags & MF_SEPARATOR) && entry.id == item) {
            return &entry;
        }
    }
    return nullptr;
}

Item MakeItem(UINT flags, UINT_PTR id, const std::string& text, DWORD_PTR data) {
    Item item;
    item.flags = flags & (kStateBits | kKindBits);
    if (flags & MF_POPUP) item.sub = reinterpret_cast<HMENU>(id);
    else if (!(flags & MF_SEPARATOR)) item.id = id;
    if (flags & MF_OWNERDRAW) item.data = data;
    else if (!(flags & MF_SEPARATOR)) item.text = text;
    return item;
}
}  // namespace

HMENU CreateMenu() { return NewMenu(); }
HMENU CreatePopupMenu() { return NewMenu(); }
BOOL IsMenu(HMENU menu) { return DataOf(menu) != nullptr; }

BOOL DestroyMenu(HMENU menu) {
    Registry& r = Menus();
    const auto found = r.menus.find(menu);
    if (found == r.menus.end()) return FALSE;
    std::unique_ptr<MenuData> data = std::move(found->second);
    r.menus.erase(found);
    if (const auto object = r.objects.find(menu); object != r.objects.end()) {
        object->second->m_hMenu = nullptr;
        r.objects.erase(object);
    }
    for (const Item& item : data->items)
        if (item.sub) DestroyMenu(item.sub);
    return TRUE;
}

QFont MenuFont() {
    EnsureApplication();
    return QApplication::font("QMenu");
}

// ---- Menu ----

Menu::~Menu() { Menu::DestroyMenu(); }

Menu* Menu::FromHandlePermanent(HMENU menu) {
    const auto& objects = Menus().objects;
    const auto found = objects.find(menu);
    return found == objects.end() ? nullptr : found->second;
}

BOOL Menu::CreateMenu() { return Attach(ui::CreateMenu()); }
BOOL Menu::CreatePopupMenu() { return Attach(ui::CreatePopupMenu()); }

BOOL Menu::Attach(HMENU menu) {
    if (m_hMenu || !IsMenu(menu)) return FALSE;
    m_hMenu = menu;
    Menus().objects[menu] = this;
    return TRUE;
}

HMENU Menu::Detach() {
    HMENU menu = m_hMenu;
    if (menu) Menus().objects.erase(menu);
    m_hMenu = nullptr;
    return menu;
}

BOOL Menu::DestroyMenu() {
    if (!m_hMenu) return FALSE;
    return ui::DestroyMenu(Detach());
}

BOOL Menu::AppendMenu(UINT flags, UINT_PTR id, const std::string& text) {
    MenuData* data = DataOf(m_hMenu);
    if (!data) return FALSE;
    data->items.push_back(MakeItem(flags, id, text, 0));
    return TRUE;
}

BOOL Menu::AppendMenu(UINT flags, UINT_PTR id, DWORD_PTR itemData) {
    MenuData* data = DataOf(m_hMenu);
    if (!data) return FALSE;
    data->items.push_back(MakeItem(flags, id, {}, itemData));
    return TRUE;
}

BOOL Menu::ModifyMenu(UINT item, UINT flags, UINT_PTR id, const std::string& text) {
    Item* entry = Find(m_hMenu, item, flags);
    if (!entry) return FALSE;
    Item changed = MakeItem(flags, id, text, 0);
    changed.unchecked = entry->unchecked;
    changed.checked = entry->checked;
    *entry = changed;
    return TRUE;
}

BOOL Menu::ModifyMenu(UINT item, UINT flags, UINT_PTR id, DWORD_PTR itemData) {
    Item* entry = Find(m_hMenu, item, flags);
    if (!entry) return FALSE;
    Item changed = MakeItem(flags, id, {}, itemData);
    changed.unchecked = entry->unchecked;
    changed.checked = entry->checked;
    *entry = changed;
    return TRUE;
}

int Menu::GetMenuItemCount() const {
    const MenuData* data = DataOf(m_hMenu);
    return data ? int(data->items.size()) : -1;
}

UINT Menu::GetMenuItemID(int position) const {
    const MenuData* data = DataOf(m_hMenu);
    if (!data || position < 0 || position >= int(data->items.size())) return UINT(-1);
    const Item& item = data->items[position];
    return item.sub ? UINT(-1) : UINT(item.id);
}

UINT Menu::GetMenuState(UINT item, UINT flags) const {
    const Item* entry = Find(m_hMenu, item, flags);
    if (!entry) return UINT(-1);
    if (entry->sub) {
        const MenuData* sub = DataOf(entry->sub);
        return (UINT(sub ? sub->items.size() : 0) << 8) | (entry->flags & 0xFF);
    }
    return entry->flags;
}

std::string Menu::GetMenuString(UINT item, UINT flags) const {
    const Item* entry = Find(m_hMenu, item, flags);
    return entry ? entry->text : std::string();
}

HMENU Menu::GetSubMenu(int position) const {
    const MenuData* data = DataOf(m_hMenu);
    if (!data || position < 0 || position >= int(data->items.size())) return nullptr;
    return data->items[position].sub;
}

DWORD_PTR Menu::GetMenuItemData(UINT item, UINT flags) const {
    const Item* entry = Find(m_hMenu, item, flags);
    return entry ? entry->data : 0;
}

UINT Menu::CheckMenuItem(UINT item, UINT check) {
    Item* entry = Find(m_hMenu, item, check);
    if (!entry) return UINT(-1);
    const UINT previous = entry->flags & MF_CHECKED;
    entry->flags = (entry->flags & ~MF_CHECKED) | (check & MF_CHECKED);
    return previous;
}

UINT Menu::EnableMenuItem(UINT item, UINT enable) {
    Item* entry = Find(m_hMenu, item, enable);
    if (!entry) return UINT(-1);
    const UINT previous = entry->flags & (MF_GRAYED | MF_DISABLED);
    entry->flags = (entry->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    return previous;
}

BOOL Menu::SetMenuItemBitmaps(UINT item, UINT flags, const Bitmap& unchecked, const Bitmap& checked) {
    Item* entry = Find(m_hMenu, item, flags);
    if (!entry) return FALSE;
    entry->unchecked = unchecked;
    entry->checked = checked;
    return TRUE;
}

const Bitmap* Menu::GetMenuItemCheckedBitmap(UINT item, UINT flags) const {
    const Item* entry = Find(m_hMenu, item, flags);
    return entry && !entry->checked.IsNull() ? &entry->checked : nullptr;
}

UINT Menu::TrackPopupMenu(UINT flags, int x, int y, Wnd* owner) const {
    return ui::TrackPopupMenu(m_hMenu, flags, x, y, owner);
}

void Menu::MeasureItem(MEASUREITEMSTRUCT&) {}
void Menu::DrawItem(DRAWITEMSTRUCT&) {}

namespace {
std::map<int, std::vector<MenuTemplateItem>>& MenuResources() {
    static std::map<int, std::vector<MenuTemplateItem>> resources;
    return resources;
}
}  // namespace

void RegisterMenu(int id, std::vector<MenuTemplateItem> items) { MenuResources().emplace(id, std::move(items)); }

const std::vector<MenuTemplateItem>* FindMenuResource(int id) {
    const auto& resources = MenuResources();
    const auto found = resources.find(id);
    return found == resources.end() ? nullptr : &found->second;
}

bool IsChoosable(HMENU menu, UINT id) {
    const MenuData* data = DataOf(menu);
    if (!data || id == 0) return false;
    for (const Item& item : data->items) {
        if (item.flags & (MF_GRAYED | MF_DISABLED)) continue;
        if (item.sub ? IsChoosable(item.sub, id) : (!(item.flags & MF_SEPARATOR) && item.id == id)) return true;
    }
    return false;
}

// ---- the Qt pop-up ----

namespace {

constexpr int kFrame = 2;            // the pop-up's border
constexpr int kTextIndent = 24;      // plain items: room for the check mark
constexpr int kArrowRoom = 16;       // room for a sub-menu's arrow
constexpr int kSeparatorHeight = 8;  // plain separators
constexpr COLORREF kMenuBack = RGB(255, 255, 255);

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The text before the first tab and after the last.
std::pair<QString, QString> SplitAtTabs(const std::string& text) {
    const QString s = Q(text);
    const int first = s.indexOf('\t');
    if (first < 0) return {s, {}};
    return {s.left(first), s.mid(s.lastIndexOf('\t') + 1)};
}

struct Shared {
    UINT result = 0;
    Wnd* owner = nullptr;
    QEventLoop loop;
};

// One level of a tracked menu: lays out, paints and chooses its items.
class PopupWindow : public QWidget {
public:
    PopupWindow(HMENU menu, Shared* shared, PopupWindow* parent)
        : QWidget(parent, Qt::Popup), menu_(menu), shared_(shared), parent_(parent) {
        setMouseTracking(true);
        setFont(MenuFont());
        Layout();
    }

    void Paint(QPainter& painter, int selected) {
        painter.fillRect(rect(), ToQColor(GetSysColor(COLOR_BTNSHADOW)));
        painter.fillRect(rect().adjusted(1, 1, -1, -1), ToQColor(kMenuBack));
        painter.setFont(font());
        const MenuData* data = DataOf(menu_);
        if (!data) return;
        for (size_t i = 0; i < data->items.size() && i < rects_.size(); ++i)
            PaintItem(painter, data->items[i], rects_[i], int(i) == selected);
    }

    // Opens below-right of a screen point, kept on the screen.
    void ShowAt(QPoint at) {
        if (const QScreen* screen = QGuiApplication::screenAt(at)) {
            const QRect area = screen->availableGeometry();
            if (at.x() + width() > area.right()) at.setX(std::max(area.left(), area.right() - width()));
            if (at.y() + height() > area.bottom()) at.setY(std::max(area.top(), at.y() - height()));
        }
        move(at);
        show();
        setFocus();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        Paint(painter, selected_);
    }

    void mouseMoveEvent(QMouseEvent* e) override {
        const int at = ItemAt(e->position().toPoint());
        if (at < 0 || at == selected_) return;
        Select(at);
        if (IsPopup(at)) OpenSub(at);
        else CloseSub();
    }

    void mouseReleaseEvent(QMouseEvent* e) override {
        if (!rect().contains(e->position().toPoint())) {
            QWidget::mouseReleaseEvent(e);
            return;
        }
        const int at = ItemAt(e->position().toPoint());
        if (at >= 0) Activate(at);
    }

    void keyPressEvent(QKeyEvent* e) override {
        switch (e->key()) {
        case Qt::Key_Down: Step(1); return;
        case Qt::Key_Up: Step(-1); return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (selected_ >= 0) Activate(selected_);
            return;
        case Qt::Key_Right:
            if (IsPopup(selected_)) OpenSub(selected_, true);
            return;
        case Qt::Key_Left:
        case Qt::Key_Escape:
            if (parent_ || e->key() == Qt::Key_Escape) close();
            return;
        default: break;
        }
        if (!e->text().isEmpty()) MenuChar(e->text().at(0));
    }

    void hideEvent(QHideEvent*) override {
        if (!parent_) shared_->loop.quit();
        else parent_->setFocus();
    }

private:
    const Item* ItemOf(int position) const {
        const MenuData* data = DataOf(menu_);
        return data && position >= 0 && position < int(data->items.size()) ? &data->items[position] : nullptr;
    }
    bool IsPopup(int position) const {
        const Item* item = ItemOf(position);
        return item && item->sub && !(item->flags & (MF_GRAYED | MF_DISABLED));
    }

    void Layout() {
        const MenuData* data = DataOf(menu_);
        Menu* object = Menu::FromHandlePermanent(menu_);
        const QFontMetrics metrics(font());
        int width = 0, y = kFrame;
        bool anyPopup = false;
        rects_.clear();
        if (!data) return;
        for (const Item& entry : data->items) {
            const Item* item = &entry;
            int w = 0, h = 0;
            if (item->flags & MF_OWNERDRAW) {
                MEASUREITEMSTRUCT measure{item->sub ? UINT(-1) : UINT(item->id), 0, 0, item->data};
                if (object) object->MeasureItem(measure);
                w = int(measure.itemWidth);
                h = int(measure.itemHeight);
            } else if (item->flags & MF_SEPARATOR) {
                h = kSeparatorHeight;
            } else {
                const auto [left, right] = SplitAtTabs(item->text);
                w = kTextIndent + metrics.horizontalAdvance(left) + (right.isEmpty() ? 0 : 24 + metrics.horizontalAdvance(right)) + 12;
                h = std::max(kSystemMenuHeight, metrics.height() + 4);
            }
            anyPopup = anyPopup || item->sub;
            width = std::max(width, w);
            rects_.push_back(QRect(kFrame, y, 0, h));
            y += h;
        }
        width += anyPopup ? kArrowRoom : 0;
        for (QRect& r : rects_) r.setWidth(width);
        resize(width + 2 * kFrame, y + kFrame);
    }

    void PaintItem(QPainter& painter, const Item& item, const QRect& r, bool selected) {
        const bool grayed = item.flags & (MF_GRAYED | MF_DISABLED);
        if (item.flags & MF_OWNERDRAW) {
            if (Menu* object = Menu::FromHandlePermanent(menu_)) {
                DC dc(painter);
                dc.SelectFont(font());
                DRAWITEMSTRUCT draw;
                draw.itemID = item.sub ? UINT(-1) : UINT(item.id);
                draw.itemState = (selected ? ODS_SELECTED : 0) | (grayed ? ODS_GRAYED : 0) |
                                 ((item.flags & MF_CHECKED) ? ODS_CHECKED : 0);
                draw.hMenu = menu_;
                draw.dc = &dc;
                draw.rcItem = Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
                draw.itemData = item.data;
                painter.save();
                object->DrawItem(draw);
                painter.restore();
            }
        } else if (item.flags & MF_SEPARATOR) {
            painter.fillRect(QRect(r.left() + 4, r.center().y(), r.width() - 8, 1), ToQColor(GetSysColor(COLOR_BTNSHADOW)));
        } else {
            const COLORREF text = grayed ? GetSysColor(COLOR_GRAYTEXT) : selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : GetSysColor(COLOR_WINDOWTEXT);
            if (selected) painter.fillRect(r, ToQColor(GetSysColor(COLOR_HIGHLIGHT)));
            painter.setPen(ToQColor(text));
            const auto [left, right] = SplitAtTabs(item.text);
            const QRect textRect = r.adjusted(kTextIndent, 0, -kArrowRoom, 0);
            painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, left);
            if (!right.isEmpty()) painter.drawText(textRect, Qt::AlignRight | Qt::AlignVCenter, right);
            if (item.flags & MF_CHECKED) {
                const int x = r.left() + 8, y = r.center().y() - 3;
                for (int i = 0; i < 7; ++i) {
                    const int s = i <= 2 ? 2 + i : 6 - i;  // a tick: down, then up
                    painter.drawLine(x + i, y + s, x + i, y + s + 2);
                }
            }
        }
        if (item.sub) {
            const int x = r.right() - 8, y = r.center().y();
            const QPoint arrow[3] = {{x, y - 4}, {x + 4, y}, {x, y + 4}};
            painter.setPen(Qt::NoPen);
            painter.setBrush(ToQColor(grayed ? GetSysColor(COLOR_GRAYTEXT) : GetSysColor(COLOR_WINDOWTEXT)));
            painter.drawPolygon(arrow, 3);
        }
    }

    int ItemAt(QPoint p) const {
        for (size_t i = 0; i < rects_.size(); ++i)
            if (rects_[i].contains(p)) return ItemOf(int(i))->flags & MF_SEPARATOR ? -1 : int(i);
        return -1;
    }

    void Select(int position) {
        selected_ = position;
        update();
    }

    void Step(int direction) {
        const int count = int(rects_.size());
        const int start = selected_ >= 0 ? selected_ : (direction > 0 ? -1 : count);
        for (int n = 1; n <= count; ++n) {
            const int at = ((start + direction * n) % count + count) % count;
            if (!(ItemOf(at)->flags & MF_SEPARATOR)) {
                Select(at);
                return;
            }
        }
    }

    void Activate(int position) {
        const Item* item = ItemOf(position);
        if (!item || (item->flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED))) return;
        if (item->sub) {
            OpenSub(position, true);
            return;
        }
        shared_->result = UINT(item->id);
        PopupWindow* root = this;
        while (root->parent_) root = root->parent_;
        root->CloseChain();
    }

    void CloseChain() {
        if (sub_) sub_->CloseChain();
        close();
    }

    void OpenSub(int position, bool focus = false) {
        CloseSub();
        sub_ = new PopupWindow(ItemOf(position)->sub, shared_, this);
        sub_->setAttribute(Qt::WA_DeleteOnClose);
        sub_->ShowAt(mapToGlobal(rects_[position].topRight()));
        if (focus) sub_->Step(1);
    }

    void CloseSub() {
        if (sub_) sub_->CloseChain();
        sub_ = nullptr;
    }

    // A typed character: the owner answers for owner-drawn menus; plain
    // items match their "&" mnemonic.
    void MenuChar(QChar ch) {
        const MenuData* data = DataOf(menu_);
        if (!data) return;
        bool ownerDrawn = false;
        for (const Item& item : data->items) ownerDrawn = ownerDrawn || (item.flags & MF_OWNERDRAW);
        if (ownerDrawn && shared_->owner) {
            const LRESULT answer = shared_->owner->SendMessage(WM_MENUCHAR, MAKEWPARAM(ch.unicode(), MF_POPUP),
                                                               reinterpret_cast<LPARAM>(menu_));
            if (HIWORD(WPARAM(answer)) == MNC_EXECUTE) Activate(LOWORD(WPARAM(answer)));
            else if (HIWORD(WPARAM(answer)) == MNC_SELECT) Select(LOWORD(WPARAM(answer)));
            return;
        }
        const QString key = QString("&") + ch.toLower();
        for (size_t i = 0; i < data->items.size(); ++i)
            if (Q(data->items[i].text).toLower().contains(key)) {
                Activate(int(i));
                return;
            }
    }

    HMENU menu_;
    Shared* shared_;
    PopupWindow* parent_;
    QPointer<PopupWindow> sub_;
    std::vector<QRect> rects_;
    int selected_ = -1;
};

class QtPopupMenuTracker : public PopupMenuTracker {
public:
    UINT Track(const PopupRequest& request) override {
        Shared shared;
        shared.owner = request.owner;
        PopupWindow window(request.menu, &shared, nullptr);
        window.ShowAt(QPoint(request.at.x, request.at.y));
        if (window.isVisible()) shared.loop.exec();
        return shared.result;
    }
};

PopupMenuTracker*& CurrentTracker() {
    static PopupMenuTracker* tracker = nullptr;
    return tracker;
}

}  // namespace

PopupMenuTracker* InstallPopupMenuTracker(PopupMenuTracker* tracker) {
    PopupMenuTracker* previous = CurrentTracker();
    CurrentTracker() = tracker;
    return previous;
}

UINT TrackPopupMenu(HMENU menu, UINT flags, int x, int y, Wnd* owner) {
    if (!IsMenu(menu)) return 0;
    EnsureApplication();
    static QtPopupMenuTracker qtTracker;
    PopupMenuTracker* tracker = CurrentTracker() ? CurrentTracker() : &qtTracker;
    const UINT chosen = tracker->Track(PopupRequest{menu, flags, Point{x, y}, owner});
    if (flags & TPM_RETURNCMD) return chosen;
    if (chosen && owner) owner->PostMessage(WM_COMMAND, MAKEWPARAM(int(chosen), 0));
    return chosen ? TRUE : FALSE;
}

QImage RenderPopupMenu(HMENU menu, int selected) {
    EnsureApplication();
    Shared shared;
    PopupWindow window(menu, &shared, nullptr);
    QImage image(window.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    window.Paint(painter, selected);
    return image;
}

// ---- test driver ----

PopupMenuDriver::PopupMenuDriver(FailureHandler onFailure)
    : onFailure_(std::move(onFailure)), previous_(InstallPopupMenuTracker(this)) {
    if (!onFailure_)
        onFailure_ = [](const std::string& message) {
            std::fprintf(stderr, "PopupMenuDriver: %s\n", message.c_str());
            std::abort();
        };
}

PopupMenuDriver::~PopupMenuDriver() {
    InstallPopupMenuTracker(previous_);
    if (!script_.empty()) onFailure_(std::to_string(script_.size()) + " pop-up menu answer(s) not used");
}

void PopupMenuDriver::Choose(UINT id) {
    script_.push_back([this, id](const PopupRequest& request) -> UINT {
        if (IsChoosable(request.menu, id)) return id;
        onFailure_("command " + std::to_string(id) + " cannot be chosen from the menu");
        return 0;
    });
}

void PopupMenuDriver::Dismiss() {
    script_.push_back([](const PopupRequest&) -> UINT { return 0; });
}

void PopupMenuDriver::OnPopup(std::function<UINT(const PopupRequest&)> handler) {
    script_.push_back(std::move(handler));
}

UINT PopupMenuDriver::Track(const PopupRequest& request) {
    requests_.push_back(request);
    if (script_.empty()) {
        onFailure_("a pop-up menu was tracked with no answer left");
        return 0;
    }
    auto answer = std::move(script_.front());
    script_.pop_front();
    return answer(request);
}

}  // namespace ui
