#include "foundation/BCMenu.h"

#include <QApplication>
#include <QFontMetrics>
#include <algorithm>

#include "foundation/OffscreenDC.h"
#include "platform/ui/Resources.h"
#include "platform/ui/ToolBar.h"

using namespace ui;

namespace {

// The version code of the themed system whose flat menu look this
// platform presents.
constexpr int kModernSystem = 7;
constexpr UINT kTopLevelPopup = MF_BYPOSITION | MF_POPUP;  // 0x410
constexpr UINT kTopLevelItem = MF_BYPOSITION;              // 0x400

QRgb Opaque(COLORREF c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }
QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// An etched line along the top of a rectangle: shadow, then highlight below.
void EtchedTop(DC& dc, const Rect& r) {
    dc.FillSolidRect(Rect{r.left, r.top, r.right, r.top + 1}, GetSysColor(COLOR_BTNSHADOW));
    dc.FillSolidRect(Rect{r.left, r.top + 1, r.right, r.top + 2}, GetSysColor(COLOR_BTNHIGHLIGHT));
}

void DrawMenuString(DC& dc, const QString& text, const Rect& r, bool right, COLORREF color) {
    QPainter& painter = dc.Painter();
    painter.save();
    painter.setPen(ToQColor(color));
    painter.drawText(ToQRect(r), (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextShowMnemonic |
                                     Qt::TextSingleLine, text);
    painter.restore();
}

// An item's text: all of it left-aligned, or with a tab the part before the
// first tab left-aligned and the part after the last tab right-aligned,
// ending `rightGap` pixels before the right edge.
void DrawItemText(DC& dc, const std::string& utf8, const Rect& r, int rightGap, COLORREF color) {
    const QString text = QString::fromStdString(utf8);
    const int first = text.indexOf('\t');
    if (first < 0) {
        DrawMenuString(dc, text, r, false, color);
        return;
    }
    DrawMenuString(dc, text.left(first), r, false, color);
    DrawMenuString(dc, text.mid(text.lastIndexOf('\t') + 1), Rect{r.left, r.top, r.right - rightGap, r.bottom}, true,
                   color);
}

// The source pixels of a bitmap's part, outside counting as the button face.
QRgb SourceAt(const QImage& bitmap, int x, int y) {
    return bitmap.valid(x, y) ? bitmap.pixel(x, y) : Opaque(GetSysColor(COLOR_BTNFACE));
}

// Paints `color` at every point of the shape (true cells) offset by (dx, dy).
void PaintShape(QImage& target, const std::vector<bool>& shape, int cx, int cy, int dx, int dy, COLORREF color) {
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            if (shape[size_t(y * cx + x)] && target.valid(x + dx, y + dy)) target.setPixel(x + dx, y + dy, Opaque(color));
}

// Every pixel of the bitmap that is not the button face becomes `recolor`(pixel).
template <class Recolor>
void RecolorNonFace(QImage& bitmap, Recolor recolor) {
    const QRgb face = Opaque(GetSysColor(COLOR_BTNFACE));
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) {
            const QRgb p = bitmap.pixel(x, y) | 0xFF000000;
            if (p != face) bitmap.setPixel(x, y, Opaque(recolor(ToColorRef(p))));
        }
}

QImage ImageWithMask(const QImage& source, COLORREF mask) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = Opaque(mask) & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key) line[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}

// 16-colour bitmaps have their standard greys shown in the current face colours.
QImage WithSystemGreys(const QImage& bitmap) {
    if (bitmap.format() != QImage::Format_Indexed8 || bitmap.colorCount() != 16) return bitmap;
    QImage mapped = bitmap;
    for (int i = 0; i < mapped.colorCount(); ++i) {
        const QRgb c = mapped.color(i) & 0xFFFFFF;
        if (c == 0x808080) mapped.setColor(i, Opaque(GetSysColor(COLOR_BTNSHADOW)));
        else if (c == 0xC0C0C0) mapped.setColor(i, Opaque(GetSysColor(COLOR_BTNFACE)));
        else if (c == 0xDFDFDF) mapped.setColor(i, Opaque(GetSysColor(COLOR_3DLIGHT)));
    }
    return mapped;
}

}  // namespace

// ---- MenuImageList ----

int MenuImageList::Add(const QImage& bitmap, COLORREF mask) {
    if (bitmap.isNull()) return -1;
    const QImage masked = ImageWithMask(bitmap, mask);
    const int first = GetImageCount();
    const int count = std::max(1, masked.width() / cx_);
    for (int i = 0; i < count; ++i) {
        QImage piece(cx_, cy_, QImage::Format_ARGB32);
        piece.fill(Qt::transparent);
        QPainter(&piece).drawImage(0, 0, masked, i * cx_, 0, cx_, cy_);
        images_.push_back(piece);
    }
    return first;
}

int MenuImageList::Add(const Icon& icon) {
    if (icon.IsNull()) return -1;
    images_.push_back(icon.image.convertToFormat(QImage::Format_ARGB32).scaled(cx_, cy_));
    return GetImageCount() - 1;
}

bool MenuImageList::Replace(int index, const Icon& icon) {
    if (index < 0 || index >= GetImageCount() || icon.IsNull()) return false;
    images_[size_t(index)] = icon.image.convertToFormat(QImage::Format_ARGB32).scaled(cx_, cy_);
    return true;
}

Icon MenuImageList::ExtractIcon(int index) const {
    if (index < 0 || index >= GetImageCount()) return {};
    return Icon{images_[size_t(index)]};
}

void MenuImageList::Draw(DC& dc, int index, int x, int y) const {
    if (index >= 0 && index < GetImageCount()) dc.Painter().drawImage(x, y, images_[size_t(index)]);
}

// ---- process-wide state ----

std::unique_ptr<MenuImageList> BCMenu::s_images;
std::vector<UINT_PTR> BCMenu::s_imageIds;
std::vector<HMENU> BCMenu::s_subMenus;
int BCMenu::s_windowsVersion = BCMenu::GetWindowsVersion();

// ---- construction and records ----

BCMenu::BCMenu() = default;

BCMenu::~BCMenu() { DestroyMenu(); }

BOOL BCMenu::DestroyMenu() {
    auto forget = [](HMENU menu) { s_subMenus.erase(std::remove(s_subMenus.begin(), s_subMenus.end(), menu), s_subMenus.end()); };
    forget(m_hMenu);
    for (HMENU sub : m_subMenus) forget(sub);
    m_ownedSubMenus.clear();
    m_subMenus.clear();
    m_items.clear();
    m_checkImages.reset();
    return Menu::DestroyMenu();
}

MenuItemRecord* BCMenu::Adopt(std::unique_ptr<MenuItemRecord> record) {
    m_items.push_back(std::move(record));
    return m_items.back().get();
}

BOOL BCMenu::AppendMenu(const std::string& text, UINT flags, UINT_PTR id, int image) {
    if (id == 0) flags = MF_SEPARATOR | MF_OWNERDRAW | (flags & MF_BYPOSITION);
    else flags |= MF_OWNERDRAW;
    if (flags & MF_POPUP) {
        s_subMenus.push_back(reinterpret_cast<HMENU>(id));
        m_subMenus.push_back(reinterpret_cast<HMENU>(id));
    }
    auto record = std::make_unique<MenuItemRecord>();
    record->SetText(text);
    if (image <= -1) {
        record->sharedImageIndex = SharedImageIndex(id);
    } else {
        int index = 0;
        LoadToolbarImages(id, image, index);
        MenuImageList pictures(m_iconWidth, m_iconHeight);
        if (AddResourceImage(pictures, image)) record->sharedImageIndex = AddToSharedImages(pictures, index, id);
    }
    record->flags = flags;
    record->id = id;
    MenuItemRecord* added = Adopt(std::move(record));
    const BOOL result = Menu::AppendMenu(flags, id, DWORD_PTR(added));
    if (m_loaded) RestoreTopLevelPopups();
    return result;
}

std::unique_ptr<MenuItemRecord> BCMenu::ModifyItemAt(int position, UINT flags, UINT_PTR id, const std::string& text) {
    auto record = std::make_unique<MenuItemRecord>();
    record->SetText(text);
    record->flags = flags;
    record->id = id;
    if (flags & MF_OWNERDRAW) ModifyMenu(UINT(position), flags | MF_BYPOSITION, id, DWORD_PTR(record.get()));
    else ModifyMenu(UINT(position), flags | MF_BYPOSITION, id, text);
    return record;
}

BOOL BCMenu::LoadMenu(int resourceId) {
    const std::vector<MenuTemplateItem>* resource = FindMenuResource(resourceId);
    if (!resource) return FALSE;
    DestroyMenu();
    if (!CreateMenu()) return FALSE;

    // Each pop-up opens a level; MF_END closes one. A template that ends
    // before its levels do leaves them as they are.
    struct Level {
        BCMenu* menu;
        bool ended;
    };
    std::vector<Level> levels{{this, false}};
    for (const MenuTemplateItem& entry : *resource) {
        if (levels.empty()) break;
        const UINT flags = entry.flags & ~MF_END;
        if (entry.flags & MF_POPUP) {
            if (entry.flags & MF_END) levels.back().ended = true;
            auto popup = std::make_unique<BCMenu>();
            popup->m_checkImageNormal = m_checkImageNormal;
            popup->m_checkImageSelected = m_checkImageSelected;
            popup->m_checkImages = m_checkImages;
            if (!popup->CreatePopupMenu()) return FALSE;
            BCMenu* sub = popup.get();
            m_ownedSubMenus.push_back(std::move(popup));
            levels.back().menu->AppendMenu(entry.text, flags, UINT_PTR(sub->m_hMenu), -1);
            levels.push_back({sub, false});
            continue;
        }
        levels.back().menu->AppendMenu(entry.text, flags, entry.id, -1);
        if (entry.flags & MF_END) levels.back().ended = true;
        while (!levels.empty() && levels.back().ended) {
            levels.back().menu->PadAcceleratorColumn();
            levels.pop_back();
        }
    }

    // The top level is a menu bar of plain text items.
    for (size_t i = 0; i < m_items.size(); ++i) {
        MenuItemRecord& record = *m_items[i];
        if (record.flags & MF_POPUP) {
            ModifyMenu(UINT(i), kTopLevelPopup, record.id, record.text);
            record.flags = kTopLevelPopup;
        } else {
            ModifyMenu(UINT(i), kTopLevelItem, record.id, record.text);
            record.flags = kTopLevelItem;
        }
    }
    m_loaded = 1;
    return TRUE;
}

BCMenu* BCMenu::FindMenuItemById(UINT id, int& position) {
    const int count = GetMenuItemCount();
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = GetSubMenu(i)) {
            if (auto* popup = dynamic_cast<BCMenu*>(FromHandlePermanent(sub)))
                if (BCMenu* found = popup->FindMenuItemById(id, position)) return found;
        } else if (GetMenuItemID(i) == id) {
            position = i;
            return this;
        }
    }
    position = -1;
    return nullptr;
}

BOOL BCMenu::GetItemText(UINT item, std::string& text, UINT flags) {
    if (flags & MF_BYPOSITION) {
        if (item >= m_items.size()) return FALSE;
        text = m_items[item]->GetText();
        return TRUE;
    }
    int position = -1;
    BCMenu* holder = FindMenuItemById(item, position);
    return holder ? holder->GetItemText(UINT(position), text, MF_BYPOSITION) : FALSE;
}

MenuItemRecord* BCMenu::TakeDataForId(UINT_PTR id) {
    for (auto& record : m_items)
        if (record->id == id && record->inUse == 0) {
            record->inUse = 1;
            return record.get();
        }
    return nullptr;
}

void BCMenu::SetDataInUse(int value) {
    for (auto& record : m_items) record->inUse = value;
}

void BCMenu::RebuildItemData() {
    SetDataInUse(0);
    std::vector<std::unique_ptr<MenuItemRecord>> made;
    std::vector<MenuItemRecord*> order;
    auto renew = [this, &made, &order](int position, UINT flags, UINT_PTR id, const std::string& text) {
        made.push_back(ModifyItemAt(position, flags, id, text));
        order.push_back(made.back().get());
    };
    const int count = GetMenuItemCount();
    for (int i = 0; i < count; ++i) {
        const UINT state = GetMenuState(UINT(i), MF_BYPOSITION);
        const std::string shown = GetMenuString(UINT(i), MF_BYPOSITION);
        if (state & MF_POPUP) {
            const auto handle = UINT_PTR(GetSubMenu(i));
            if (MenuItemRecord* record = TakeDataForId(handle)) {
                if (!shown.empty()) record->SetText(shown);
                order.push_back(record);
            } else {
                renew(i, (state & 0xFF & ~MF_POPUP) | MF_POPUP | MF_BYPOSITION | MF_OWNERDRAW, handle, shown);
            }
        } else if (state & MF_SEPARATOR) {
            if (MenuItemRecord* record = TakeDataForId(0)) {
                ModifyMenu(UINT(i), record->flags | MF_BYPOSITION, 0, DWORD_PTR(record));
                order.push_back(record);
            } else {
                renew(i, state | MF_SEPARATOR | MF_BYPOSITION | MF_OWNERDRAW, 0, {});
            }
        } else {
            const UINT flags = state | MF_OWNERDRAW | MF_BYPOSITION;
            const UINT id = GetMenuItemID(i);
            if (MenuItemRecord* record = TakeDataForId(id)) {
                record->flags = flags;
                if (!shown.empty()) record->SetText(shown);
                ModifyMenu(UINT(i), flags, id, DWORD_PTR(record));
                order.push_back(record);
            } else {
                renew(i, flags, id, shown);
            }
        }
    }
    // The matched records in position order; the others are dropped.
    std::vector<std::unique_ptr<MenuItemRecord>> rebuilt;
    for (MenuItemRecord* record : order) {
        auto owner = [record](const std::unique_ptr<MenuItemRecord>& r) { return r.get() == record; };
        auto& pool = std::find_if(m_items.begin(), m_items.end(), owner) != m_items.end() ? m_items : made;
        auto found = std::find_if(pool.begin(), pool.end(), owner);
        rebuilt.push_back(std::move(*found));
    }
    m_items = std::move(rebuilt);
}

int BCMenu::FindItemByText() {
    if (!m_loaded) return 0;
    const int count = GetMenuItemCount();
    for (int p = 0; p < count; ++p) {
        const std::string shown = GetMenuString(UINT(p), MF_BYPOSITION);
        for (size_t r = 0; r < m_items.size(); ++r)
            if (m_items[r]->GetText() == shown) return p >= int(r) ? p - int(r) : 0;
    }
    return 0;
}

void BCMenu::RestoreTopLevelPopups() {
    const int offset = FindItemByText();
    const int count = GetMenuItemCount();
    for (size_t i = 0; i < m_items.size() && offset + int(i) < count; ++i) {
        const UINT position = UINT(offset + int(i));
        if (!(GetMenuState(position, MF_BYPOSITION) & MF_POPUP)) continue;
        MenuItemRecord& record = *m_items[i];
        record.flags = kTopLevelPopup;
        ModifyMenu(position, kTopLevelPopup, UINT_PTR(GetSubMenu(int(position))), record.GetText());
    }
}

void BCMenu::PadAcceleratorColumn() {
    const QFontMetrics metrics(MenuFont());
    int widest = 0;
    for (const auto& record : m_items) {
        const QString text = QString::fromStdString(record->GetText());
        widest = std::max(widest, metrics.horizontalAdvance(text.left(text.indexOf('\t')) + ' '));
    }
    for (auto& record : m_items) {
        const QString text = QString::fromStdString(record->GetText());
        const int tab = text.indexOf('\t');
        if (tab < 0) continue;
        QString before = text.left(tab);
        while (metrics.horizontalAdvance(before) < widest) before += ' ';
        record->SetText((before + text.mid(tab)).toStdString());
    }
}

LRESULT BCMenu::HandleMenuChar(UINT character, UINT flags, Menu* menu) {
    auto* own = dynamic_cast<BCMenu*>(menu);
    if (!own || !(flags & MF_POPUP)) return 0;
    const QString key = QString("&") + QChar(char16_t(character)).toLower();
    if (own->GetMenuItemCount() != own->GetRecordCount()) own->RebuildItemData();
    for (int i = 0; i < own->GetRecordCount(); ++i)
        if (QString::fromStdString(own->m_items[size_t(i)]->GetText()).toLower().contains(key))
            return LRESULT(MAKEWPARAM(i, MNC_EXECUTE));
    return 0;
}

BOOL BCMenu::IsOwnSubMenu(const Menu* menu) { return menu ? IsOwnSubMenu(menu->GetSafeHmenu()) : FALSE; }

BOOL BCMenu::IsOwnSubMenu(HMENU menu) {
    return menu && std::find(s_subMenus.begin(), s_subMenus.end(), menu) != s_subMenus.end();
}

// ---- shared images ----

int BCMenu::SharedImageIndex(UINT_PTR id) {
    const auto found = std::find(s_imageIds.begin(), s_imageIds.end(), id);
    return found == s_imageIds.end() ? -1 : int(found - s_imageIds.begin());
}

BOOL BCMenu::HasImageTriple(int index) {
    if (index < 0 || size_t(index) + 2 >= s_imageIds.size()) return FALSE;
    return s_imageIds[size_t(index) + 1] == s_imageIds[size_t(index)] &&
           s_imageIds[size_t(index) + 2] == s_imageIds[size_t(index)];
}

int BCMenu::AddToSharedImages(const MenuImageList& list, int index, UINT_PTR id) {
    if (!s_images) s_images = std::make_unique<MenuImageList>(m_iconWidth, m_iconHeight);
    const Icon icon = list.ExtractIcon(index);
    if (icon.IsNull()) return -1;
    const bool variants = UsesXPLook() && s_xp3DImages;
    Icon faded, shadow;
    if (variants) {
        QImage f = ImageToBitmap(list, index), s = ImageToBitmap(list, index);
        MakeFaded(f);
        MakeShadow(s);
        faded.image = ImageWithMask(f, GetSysColor(COLOR_BTNFACE));
        shadow.image = ImageWithMask(s, GetSysColor(COLOR_BTNFACE));
    }
    if (const int j = SharedImageIndex(id); j >= 0) {
        s_images->Replace(j, icon);
        if (variants && HasImageTriple(j)) {
            s_images->Replace(j + 1, faded);
            s_images->Replace(j + 2, shadow);
        }
        return j;
    }
    const int plain = s_images->Add(icon);
    if (plain < 0) return -1;
    s_imageIds.push_back(id);
    if (variants) {
        s_images->Add(faded);
        s_images->Add(shadow);
        s_imageIds.insert(s_imageIds.end(), 2, id);
    }
    return plain;
}

BOOL BCMenu::AddResourceImage(MenuImageList& list, int resource) {
    if (m_iconHandles) return list.Add(LoadIcon(resource)) >= 0;
    QImage bitmap = LoadBitmap(resource).image;
    if (bitmap.isNull())
        if (const ToolBarResource* toolbar = FindToolBar(resource)) bitmap = toolbar->strip;
    if (bitmap.isNull()) return FALSE;
    const COLORREF mask = m_useTransparentColour ? m_transparentColour : GetSysColor(COLOR_BTNFACE);
    if (list.Add(WithSystemGreys(bitmap), mask) < 0) return FALSE;
    if (UsesXPLook() && s_xp3DImages) {
        QImage faded = ImageToBitmap(list, 0), shadow = ImageToBitmap(list, 0);
        MakeFaded(faded);
        MakeShadow(shadow);
        list.Add(faded, GetSysColor(COLOR_BTNFACE));
        list.Add(shadow, GetSysColor(COLOR_BTNFACE));
    }
    return TRUE;
}

bool BCMenu::LoadToolbarImages(UINT_PTR id, int toolbar, int& index) const {
    const ToolBarResource* resource = FindToolBar(toolbar);
    if (!resource) return false;
    int image = 0;  // pictures are counted without the separators
    for (int button : resource->buttons) {
        if (button == ID_SEPARATOR) continue;
        if (UINT_PTR(button) == id) {
            if (image > 0) index = image;
            return true;
        }
        ++image;
    }
    return false;
}

QImage BCMenu::ImageToBitmap(const MenuImageList& list, int index) const {
    QImage bitmap(m_iconWidth, m_iconHeight, QImage::Format_RGB32);
    bitmap.fill(Opaque(GetSysColor(COLOR_BTNFACE)));
    QPainter painter(&bitmap);
    DC dc(painter);
    list.Draw(dc, index, 0, 0);
    return bitmap;
}

void BCMenu::MakeFaded(QImage& bitmap) {
    RecolorNonFace(bitmap, [](COLORREF c) { return BlendTowardWhite(c, 0.3); });
}

void BCMenu::MakeShadow(QImage& bitmap) {
    const COLORREF shadow =
        IsXPThemed() ? GetSysColor(COLOR_BTNSHADOW) : BlendTowardWhite(GetSysColor(COLOR_BTNSHADOW), 0.49);
    RecolorNonFace(bitmap, [shadow](COLORREF) { return shadow; });
}

// ---- probes ----

int BCMenu::GetWindowsVersion() { return kModernSystem; }

bool BCMenu::IsClassicThemeFile(const std::string& theme) {
    static const std::string classic = "windows classic.theme";
    if (theme.size() < classic.size()) return false;
    std::string tail = theme.substr(theme.size() - classic.size());
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return tail == classic;
}

BOOL BCMenu::IsWindowsClassicTheme() {
    // There is no desktop theme setting here; a missing one is not classic.
    static const bool classic = IsClassicThemeFile(std::string());
    return classic;
}

BOOL BCMenu::IsXPThemed() { return s_windowsVersion == kModernSystem && !IsWindowsClassicTheme(); }
BOOL BCMenu::UsesXPLook() { return (IsXPThemed() ? s_xpLookThemed : s_xpLookOther) == 1; }
BOOL BCMenu::IsKnownShell() { return s_windowsVersion > 1; }

COLORREF BCMenu::BlendTowardWhite(COLORREF color, double factor) {
    if (!(factor > 0 && factor <= 1)) return color;
    auto blend = [factor](int c) { return int(c + factor * (255 - c)); };
    return RGB(blend(GetRValue(color)), blend(GetGValue(color)), blend(GetBValue(color)));
}

// ---- measuring and drawing ----

struct BCMenu::ItemImage {
    const MenuImageList* list = nullptr;
    int index = -1;
    int faded = -1, shadow = -1;  // the variants, when the image has them
    explicit operator bool() const { return list != nullptr; }
};

BCMenu::ItemImage BCMenu::ImageOf(const MenuItemRecord& record) const {
    ItemImage image;
    if (record.ownImageState == -1 && record.sharedImageIndex >= 0 && s_images) {
        image.list = s_images.get();
        image.index = record.sharedImageIndex;
        if (s_xp3DImages && HasImageTriple(image.index)) {
            image.faded = image.index + 1;
            image.shadow = image.index + 2;
        }
    } else if (record.ownImageState >= 0 && record.ownImages) {
        image.list = record.ownImages.get();
        image.index = record.ownImageIndex;
        if (image.list->GetImageCount() > 2 && image.index == 0) {
            image.faded = 1;
            image.shadow = 2;
        }
    }
    return image;
}

bool BCMenu::IsCheckImageItem(UINT state, bool hasImage) const {
    if (!(state & ODS_CHECKED) || hasImage || !m_checkImages) return false;
    return (state & ODS_SELECTED) ? m_checkImageSelected > 0 : m_checkImageNormal > 0;
}

bool BCMenu::IsRadioItem(const DRAWITEMSTRUCT& draw) const {
    const Menu* holder = FromHandlePermanent(draw.hMenu);
    return holder && holder->GetMenuItemCheckedBitmap(draw.itemID, MF_BYCOMMAND) != nullptr;
}

int BCMenu::ItemMargin() const { return UsesXPLook() && s_xp3DImages ? 7 : 4; }

void BCMenu::MeasureItem(MEASUREITEMSTRUCT& measure) {
    const auto* record = reinterpret_cast<const MenuItemRecord*>(measure.itemData);
    if (!record) return;
    const int margin = ItemMargin();
    if (record->flags & MF_SEPARATOR) {
        measure.itemWidth = 0;
        measure.itemHeight = UINT(std::max(kSystemMenuHeight / 2, (m_iconHeight + margin) / 2));
        return;
    }
    const QFont font = IsKnownShell() ? MenuFont() : QApplication::font();
    const int cx = QFontMetrics(font).horizontalAdvance(QString::fromStdString(record->GetText()));
    measure.itemWidth = UINT(cx + (UsesXPLook() ? m_iconWidth + margin + 8 : 2 * m_iconWidth + 1));
    measure.itemHeight = UINT(std::max(kSystemMenuHeight, m_iconHeight + margin));
}

void BCMenu::DrawItem(DRAWITEMSTRUCT& draw) {
    // No device of this platform works through a palette, so the look alone decides.
    if (UsesXPLook()) DrawItemXP(draw);
    else DrawItemClassic(draw);
}

void BCMenu::DrawItemClassic(DRAWITEMSTRUCT& draw) {
    const auto* record = reinterpret_cast<const MenuItemRecord*>(draw.itemData);
    if (!record || !draw.dc) return;
    DC& dc = *draw.dc;
    const Rect r = draw.rcItem;
    const COLORREF menu = GetSysColor(IsXPThemed() ? COLOR_BTNFACE : COLOR_MENU);
    if (record->flags & MF_SEPARATOR) {
        dc.FillSolidRect(r, menu);
        EtchedTop(dc, Rect{r.left, r.top + r.Height() / 2, r.right, r.bottom});
        return;
    }
    const bool selected = draw.itemState & ODS_SELECTED;  // grayed items too
    const bool grayed = draw.itemState & ODS_GRAYED;
    const bool checked = draw.itemState & ODS_CHECKED;
    const ItemImage image = ImageOf(*record);
    const bool checkImage = IsCheckImageItem(draw.itemState, bool(image));

    COLORREF text = GetSysColor(COLOR_MENUTEXT);
    if (!selected) {
        dc.FillSolidRect(r, menu);
        dc.FrameRect(r, menu);
    } else {
        Rect highlight = r;
        if (image || checkImage || checked) highlight.left = r.left + m_iconWidth + 5;
        dc.FillSolidRect(highlight, GetSysColor(COLOR_HIGHLIGHT));
        text = GetSysColor(COLOR_HIGHLIGHTTEXT);
    }

    const int e = std::max(0, (r.Height() - m_iconHeight - 4) / 2), f = e + 2;
    const Rect inner{r.left + 1, r.top + e + 1, r.left + m_iconWidth + 3, r.top + e + m_iconHeight + 3};
    const Rect box{r.left, r.top + e, r.left + m_iconWidth + 4, r.top + e + m_iconHeight + 4};
    const int x = r.left + 2, y = r.top + f;
    const COLORREF raisedTop = GetSysColor(COLOR_BTNHIGHLIGHT), raisedBottom = GetSysColor(COLOR_BTNSHADOW);
    if (image || checkImage) {
        dc.FrameRect(inner, menu);
        if (checkImage) {
            dc.FillSolidRect(inner, menu);
            dc.FrameRect(box, menu);
            m_checkImages->Draw(dc, selected ? 1 : 0, x, y);
        } else if (grayed) {
            const QImage bitmap = ImageToBitmap(*image.list, image.index);
            dc.FrameRect(box, menu);
            if (m_monoDisabled) DrawMonoDisabled(dc, x, y, m_iconWidth, m_iconHeight, bitmap, 0, 0, menu);
            else DrawEmbossed(dc, x, y, m_iconWidth, m_iconHeight, bitmap, 0, 0, menu);
        } else if (selected) {
            dc.FillSolidRect(inner, menu);
            if (IsKnownShell()) {
                if (checked) dc.Draw3dRect(box, raisedBottom, raisedTop);
                else dc.Draw3dRect(box, raisedTop, raisedBottom);
            }
            image.list->Draw(dc, image.index, x, y);
        } else {
            if (checked) {
                dc.FillSolidRect(inner, BlendTowardWhite(menu, 0.6));
                if (IsKnownShell()) dc.Draw3dRect(box, raisedBottom, raisedTop);
            } else {
                dc.FillSolidRect(inner, menu);
                dc.FrameRect(box, menu);
            }
            image.list->Draw(dc, image.index, x, y);
        }
    } else if (checked) {
        DrawClassicCheckBox(dc, Rect{r.left + 1, r.top + f, r.left + m_iconWidth + 1, r.top + e + m_iconHeight + 2},
                            selected, IsRadioItem(draw));
    }

    if (record->GetText().empty()) return;
    const Rect textRect{r.left + m_iconWidth + 9, r.top - 1, r.right, r.bottom - 1};
    if (!grayed) {
        DrawItemText(dc, record->GetText(), textRect, m_iconWidth, text);
    } else if (selected) {
        DrawItemText(dc, record->GetText(), textRect, m_iconWidth, menu);
    } else {
        Rect shifted = textRect;
        shifted.OffsetRect(1, 1);
        DrawItemText(dc, record->GetText(), shifted, m_iconWidth, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawItemText(dc, record->GetText(), textRect, m_iconWidth, GetSysColor(COLOR_GRAYTEXT));
    }
}

void BCMenu::DrawItemXP(DRAWITEMSTRUCT& draw) {
    const auto* record = reinterpret_cast<const MenuItemRecord*>(draw.itemData);
    if (!record || !draw.dc) return;
    const bool themed = IsXPThemed();
    const COLORREF column = themed ? GetSysColor(COLOR_BTNFACE) : BlendTowardWhite(GetSysColor(COLOR_BTNFACE), 0.25);
    const COLORREF background = GetSysColor(COLOR_WINDOW);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF selection = BlendTowardWhite(highlight, themed ? 0.7 : 0.85);
    const int margin = s_xp3DImages ? 7 : 4;
    const int columnWidth = margin + m_iconWidth;
    const bool grayed = draw.itemState & ODS_GRAYED;
    const bool selected = (draw.itemState & ODS_SELECTED) && !grayed;
    const bool checked = draw.itemState & ODS_CHECKED;
    const Rect r = draw.rcItem;

    // Grayed items are drawn off-screen in the menu font.
    std::unique_ptr<COffscreenDC> offscreen;
    if (grayed) {
        offscreen = std::make_unique<COffscreenDC>(*draw.dc, r);
        offscreen->SelectFont(MenuFont());
    }
    DC& dc = offscreen ? *offscreen : *draw.dc;
    const Rect columnRect{r.left, r.top, r.left + columnWidth, r.bottom};

    if (record->flags & MF_SEPARATOR) {
        dc.FillSolidRect(r, background);
        dc.FillSolidRect(columnRect, column);
        dc.FrameRect(columnRect, column);
        EtchedTop(dc, Rect{r.left + columnWidth + margin, r.top + r.Height() / 2, r.right, r.bottom});
        return;
    }
    if (!selected) {
        dc.FillSolidRect(r, background);
        dc.FrameRect(r, background);
        dc.FillSolidRect(columnRect, column);
        dc.FrameRect(columnRect, column);
    } else {
        dc.FillSolidRect(r, selection);
        dc.FrameRect(r, highlight);
    }

    const ItemImage image = ImageOf(*record);
    const bool checkImage = IsCheckImageItem(draw.itemState, bool(image));
    const int x = r.left + std::max(0, (margin + 1) / 2);
    const int y = r.top + std::max(0, (r.Height() - m_iconHeight + 1) / 2);
    const Rect box{r.left + 1, r.top + 1, r.left + columnWidth - 1, r.bottom - 1};
    const bool threeVariants = image && image.faded >= 0;
    if (checkImage) {
        dc.FillSolidRect(box, column);
        m_checkImages->Draw(dc, selected ? 1 : 0, x, y);
    } else if (image && grayed) {
        const QImage bitmap = ImageToBitmap(*image.list, image.index);
        const COLORREF behind = selected ? selection : column;
        if (m_monoDisabled) DrawMonoDisabled(dc, x, y, m_iconWidth, m_iconHeight, bitmap, 0, 0, behind);
        else DrawEmbossed(dc, x, y, m_iconWidth, m_iconHeight, bitmap, 0, 0, behind);
    } else if (image && selected) {
        dc.FillSolidRect(box, selection);
        if (checked) {
            dc.FrameRect(box, highlight);
            image.list->Draw(dc, image.index, x - 1, y - 1);
        } else if (threeVariants) {
            image.list->Draw(dc, image.shadow, x + 1, y + 1);  // lifted above its shadow
            image.list->Draw(dc, image.index, x - 1, y - 1);
        } else {
            image.list->Draw(dc, image.index, x, y);
        }
    } else if (image) {
        if (checked) {
            dc.FillSolidRect(box, BlendTowardWhite(highlight, 0.85));
            dc.FrameRect(box, highlight);
            image.list->Draw(dc, image.index, x - 1, y - 1);
        } else {
            dc.FillSolidRect(box, column);
            dc.FrameRect(box, column);
            image.list->Draw(dc, threeVariants ? image.faded : image.index, x, y);
        }
    } else if (checked) {
        const int left = r.left + std::max(0, (columnWidth - 16 + 1) / 2);
        const int top = r.top + std::max(0, (r.Height() - 16 + 1) / 2);
        DrawXPCheckBox(dc, Rect{left, top, left + 16, top + 16}, IsRadioItem(draw), highlight);
    }

    if (record->GetText().empty()) return;
    const Rect textRect{r.left + columnWidth + 8, r.top - 1, r.right, r.bottom - 1};
    COLORREF text = GetSysColor(COLOR_MENUTEXT);
    if (grayed) text = themed ? GetSysColor(COLOR_GRAYTEXT) : BlendTowardWhite(GetSysColor(COLOR_GRAYTEXT), 0.4);
    DrawItemText(dc, record->GetText(), textRect, m_iconWidth, text);
}

void BCMenu::DrawRadioDot(DC& dc, int left, int top, COLORREF color) {
    QPainter& painter = dc.Painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(ToQColor(color));
    painter.setBrush(ToQColor(color));
    painter.drawEllipse(QRect(left, top, 5, 5));
    painter.restore();
}

void BCMenu::DrawCheckMark(DC& dc, int x, int y, COLORREF color) {
    static constexpr int kRise[7] = {2, 3, 4, 3, 2, 1, 0};
    dc.SetPenColor(color);
    for (int i = 0; i < 7; ++i) {
        dc.MoveTo(x + i, y + kRise[i]);
        dc.LineTo(x + i, y + kRise[i] + 3);
    }
}

void BCMenu::DrawClassicCheckBox(DC& dc, const Rect& rect, bool selected, bool radio) {
    COLORREF face = GetSysColor(IsXPThemed() ? COLOR_BTNFACE : COLOR_MENU);
    if (!selected) face = BlendTowardWhite(face, 0.6);
    dc.FillSolidRect(rect, face);
    if (IsKnownShell()) dc.Draw3dRect(rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    if (radio) DrawRadioDot(dc, rect.left + 5, rect.top + 4, GetSysColor(COLOR_MENUTEXT));
    else DrawCheckMark(dc, rect.left + 4, rect.top + 4, GetSysColor(COLOR_MENUTEXT));
}

void BCMenu::DrawXPCheckBox(DC& dc, const Rect& rect, bool radio, COLORREF highlight) {
    dc.FillSolidRect(rect, BlendTowardWhite(highlight, 0.85));
    dc.FrameRect(rect, highlight);
    if (radio) DrawRadioDot(dc, rect.left + 5, rect.top + 4, GetSysColor(COLOR_MENUTEXT));
    else DrawCheckMark(dc, rect.left + 5, rect.top + 4, GetSysColor(COLOR_MENUTEXT));
}

void BCMenu::DrawEmbossed(DC& dc, int x, int y, int cx, int cy, const QImage& bitmap, int sx, int sy,
                          COLORREF background) {
    if (cx <= 0 || cy <= 0) return;
    // The shape: every pixel that is neither the button face nor its highlight.
    const QRgb face = Opaque(GetSysColor(COLOR_BTNFACE)), light = Opaque(GetSysColor(COLOR_BTNHIGHLIGHT));
    std::vector<bool> shape(size_t(cx * cy));
    for (int j = 0; j < cy; ++j)
        for (int i = 0; i < cx; ++i) {
            const QRgb p = SourceAt(bitmap, sx + i, sy + j) | 0xFF000000;
            shape[size_t(j * cx + i)] = p != face && p != light;
        }
    QImage work(cx, cy, QImage::Format_RGB32);
    work.fill(Opaque(background));
    PaintShape(work, shape, cx, cy, 0, 0, GetSysColor(COLOR_BTNHIGHLIGHT));
    dc.Painter().drawImage(x + 1, y + 1, work);
    PaintShape(work, shape, cx, cy, 1, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    PaintShape(work, shape, cx, cy, 0, 0, GetSysColor(COLOR_BTNSHADOW));
    dc.Painter().drawImage(x, y, work);
}

void BCMenu::DrawMonoDisabled(DC& dc, int x, int y, int cx, int cy, const QImage& bitmap, int sx, int sy,
                              COLORREF background) {
    if (cx <= 0 || cy <= 0) return;
    // A black-and-white copy: dark pixels are the shape.
    std::vector<bool> shape(size_t(cx * cy));
    for (int j = 0; j < cy; ++j)
        for (int i = 0; i < cx; ++i) shape[size_t(j * cx + i)] = qGray(SourceAt(bitmap, sx + i, sy + j)) < 128;
    QImage highlight(cx, cy, QImage::Format_ARGB32), shadow(cx, cy, QImage::Format_ARGB32);
    highlight.fill(Qt::transparent);
    shadow.fill(Qt::transparent);
    PaintShape(highlight, shape, cx, cy, 0, 0, GetSysColor(COLOR_BTNHIGHLIGHT));
    PaintShape(shadow, shape, cx, cy, 0, 0, GetSysColor(COLOR_BTNSHADOW));
    dc.FillSolidRect(Rect{x, y, x + cx, y + cy}, background);
    dc.Painter().drawImage(x + 1, y + 1, highlight);
    dc.Painter().drawImage(x, y, shadow);
}
