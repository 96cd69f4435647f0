#include "main/GfxOutBarCtrl.h"

#include <QApplication>
#include <QPainter>
#include <QRegion>
#include <QThread>
#include <QWidget>
#include <algorithm>

#include "main/GfxLabelEdit.h"
#include "platform/ui/DC.h"
#include "platform/ui/Resources.h"

IMPLEMENT_DYNCREATE(CGfxOutBarCtrl, ui::Wnd)

namespace {
constexpr int kColorBackground = 1;  // the desktop colour: folder-button edges
constexpr int kScrollArrowSize = 17;  // the width of a vertical scroll bar
constexpr int kRenameEditId = 1;
constexpr DWORD kFolderEditStyle = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_CENTER;
constexpr DWORD kSmallItemEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kLargeItemEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_CENTER;
constexpr int kHoverIntervalMs = 100;
constexpr int kScrollIntervalMs = 300;
constexpr int kIconTicksPerCycle = 10;  // ticks -1..10

// Cursors over folder buttons and while dragging an item.
constexpr int kHandCursor = 160, kNoDropCursor = 161, kDragCursor = 162;
const ui::ResourceRegistration cursors([] {
    ui::RegisterCursor(kHandCursor, Qt::PointingHandCursor);
    ui::RegisterCursor(kNoDropCursor, Qt::ForbiddenCursor);
    ui::RegisterCursor(kDragCursor, Qt::DragMoveCursor);
});

ui::Rect Inflated(ui::Rect r, int by) {
    r.DeflateRect(-by, -by);
    return r;
}

QRect ToQRect(const ui::Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// Horizontal strokes of the drop marker, each two pixels shorter than the
// one before, from `x` rightwards (dir 1) or leftwards (dir -1).
void MarkerStrokes(ui::DC& dc, int x, int dir, int firstRow, int rowStep, int rows) {
    int length = 7;
    for (int k = 0; k < rows; ++k, length -= 2) {
        const int y = firstRow + k * rowStep;
        dc.MoveTo(x, y);
        dc.LineTo(x + dir * length, y);
    }
}
}  // namespace

CGfxOutBarCtrl::CGfxOutBarCtrl()
    : backColor_(RGB(241, 243, 239)),
      darkEdgeColor_(GetSysColor(kColorBackground)),
      itemTextColor_(RGB(0, 0, 0)),
      faceColor_(GetSysColor(COLOR_BTNFACE)),
      lightColor_(GetSysColor(COLOR_3DLIGHT)),
      highlightColor_(GetSysColor(COLOR_BTNHIGHLIGHT)),
      shadowColor_(GetSysColor(COLOR_BTNSHADOW)),
      darkShadowColor_(GetSysColor(COLOR_3DDKSHADOW)) {
    MapMessage(CGfxLabelEdit::kEndMessage, [this](WPARAM kind, LPARAM edit) {
        OnLabelEditEnd(kind, edit);
        return LRESULT(0);
    });
    MapCommand(kCmdSmallIcons, 0, [this] {
        SetSmallIcons(true);
        Invalidate();
    });
    MapUpdateUI(kCmdSmallIcons, [this](ui::CmdUI& cmd) { cmd.Enable(!IsSmallIcons()); });
    MapCommand(kCmdLargeIcons, 0, [this] {
        SetSmallIcons(false);
        Invalidate();
    });
    MapUpdateUI(kCmdLargeIcons, [this](ui::CmdUI& cmd) { cmd.Enable(IsSmallIcons()); });
    MapCommand(kCmdRemove, 0, [this] {
        if (contextKind_ == kHitFolder) RemoveFolder(contextIndex_);
        else if (contextKind_ == kHitItem) RemoveItem(contextIndex_);
    });
    MapCommand(kCmdRename, 0, [this] {
        if (contextKind_ == kHitFolder) BeginFolderRename(contextIndex_);
        else if (contextKind_ == kHitItem) BeginItemRename(contextIndex_);
    });
}

CGfxOutBarCtrl::~CGfxOutBarCtrl() {
    // A rename edit still open would outlive its window.
    if (QWidget* widget = GetWidget())
        for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            delete dynamic_cast<CGfxLabelEdit*>(Wnd::FromWidget(child));
}

BOOL CGfxOutBarCtrl::Create(DWORD style, const ui::Rect& rect, ui::Wnd* parent, int id) {
    if (!parent || !parent->GetWidget() || IsWindow()) return FALSE;
    auto* widget = new ui::detail::Bridged<QWidget>(parent->GetWidget());
    Attach(widget, true);
    SetDlgCtrlID(id);
    SetStyle(style);
    widget->setAttribute(Qt::WA_OpaquePaintEvent);  // the control paints every pixel itself
    widget->setFocusPolicy(Qt::ClickFocus);
    SetOwnerDraw(true);
    MoveWindow(rect);
    if (style & WS_VISIBLE) widget->show();
    return TRUE;
}

// ---- folders and items ----

int CGfxOutBarCtrl::AddFolder(const char* name, DWORD data) {
    auto folder = std::make_unique<OutBarFolder>();
    folder->name = name ? name : "";
    folder->data = data;
    folders_.push_back(std::move(folder));
    Invalidate();
    return GetFolderCount() - 1;
}

int CGfxOutBarCtrl::InsertItem(int folder, int index, const std::string& text, int image, DWORD data) {
    if (folder < 0 || folder >= GetFolderCount()) return -1;
    auto& items = folders_[folder]->items;
    if (index < 0 || index > int(items.size())) index = int(items.size());
    items.insert(items.begin() + index, OutBarItem{image, text, data});
    if (folder == selectedFolder_) Invalidate();
    return index;
}

void CGfxOutBarCtrl::RemoveFolder(int folder) {
    if (folder < 0 || folder >= GetFolderCount()) return;
    if (ui::Wnd* child = folders_[folder]->child) child->DestroyWindow();
    folders_.erase(folders_.begin() + folder);
    int selected = selectedFolder_;
    if (selected >= folder) selected = selected - 1;
    if (selected < 0 && !folders_.empty()) selected = 0;
    selectedFolder_ = selected;  // the same folder stays selected: no slide
    SelectFolder(selected);
}

void CGfxOutBarCtrl::RemoveItem(int item) {
    OutBarFolder* folder = SelectedFolder();
    if (!folder || item < 0 || item >= int(folder->items.size())) return;
    folder->items.erase(folder->items.begin() + item);
    // Indexes of states follow the items that moved up.
    for (int* state : {&selectedItem_, &hotItem_}) {
        if (*state == item) *state = -1;
        else if (*state > item) --*state;
    }
    firstVisible_ = std::min(firstVisible_, std::max(0, int(folder->items.size()) - 1));
    Invalidate();
}

void CGfxOutBarCtrl::SelectFolder(int folder) {
    const bool valid = (folder >= 0 && folder < GetFolderCount()) || (folder == -1 && folders_.empty());
    if (!valid) return;
    if (ui::Wnd* child = FolderChild(-1)) child->ShowWindow(SW_HIDE);
    if (folder != selectedFolder_ && (flags_ & kAnimateFoldersFlag) && folderAnimationDelay_ >= 0)
        RunFolderSlide(selectedFolder_, folder);
    selectedFolder_ = folder;
    firstVisible_ = 0;
    selectedItem_ = -1;
    hotItem_ = -1;
    hotItemPressed_ = false;
    hotFolder_ = -1;
    if (ui::Wnd* child = FolderChild(-1)) {
        child->MoveWindow(GetInsideRect(), FALSE);
        child->ShowWindow(SW_SHOW);
    }
    Notify(kFolderSelected, folder);
    Invalidate();
}

OutBarFolder* CGfxOutBarCtrl::SelectedFolder() {
    return selectedFolder_ >= 0 && selectedFolder_ < GetFolderCount() ? folders_[selectedFolder_].get() : nullptr;
}

const OutBarFolder* CGfxOutBarCtrl::SelectedFolder() const {
    return const_cast<CGfxOutBarCtrl*>(this)->SelectedFolder();
}

const OutBarFolder* CGfxOutBarCtrl::GetFolder(int folder) const {
    return folder >= 0 && folder < GetFolderCount() ? folders_[folder].get() : nullptr;
}

int CGfxOutBarCtrl::GetItemCount() const {
    const OutBarFolder* folder = SelectedFolder();
    return folder ? int(folder->items.size()) : 0;
}

void CGfxOutBarCtrl::SetFolderText(int folder, const std::string& text) {
    if (folder < 0 || folder >= GetFolderCount()) return;
    folders_[folder]->name = text;
    Invalidate();
}

void CGfxOutBarCtrl::SetItemText(int item, const std::string& text) {
    OutBarFolder* folder = SelectedFolder();
    if (!folder || item < 0 || item >= int(folder->items.size())) return;
    folder->items[item].text = text;
    Invalidate();
}

ui::Wnd* CGfxOutBarCtrl::FolderChild(int folder) const {
    if (folders_.empty()) return nullptr;
    const OutBarFolder* f = folder == -1 ? SelectedFolder() : GetFolder(folder);
    return f ? f->child : nullptr;
}

void CGfxOutBarCtrl::SetFolderChild(int folder, ui::Wnd* child) {
    if (folder < 0 || folder >= GetFolderCount()) return;
    folders_[folder]->child = child;
    if (!child) return;
    if (folder == selectedFolder_) {
        child->MoveWindow(GetInsideRect(), FALSE);
        child->ShowWindow(SW_SHOW);
    } else {
        child->ShowWindow(SW_HIDE);
    }
    Invalidate();
}

// ---- pictures and layout ----

void CGfxOutBarCtrl::SetSmallIcons(bool small) {
    firstVisible_ = 0;
    const DWORD before = flags_;
    ModifyFlags(kSmallIconsFlag, small ? kSmallIconsFlag : 0);
    if (flags_ != before) Invalidate();
}

void CGfxOutBarCtrl::SetDefaultImageLists(const OutBarImageList* large, const OutBarImageList* small) {
    defaultLarge_ = large;
    defaultSmall_ = small;
    Invalidate();
}

void CGfxOutBarCtrl::SetFolderImageLists(int folder, const OutBarImageList* large, const OutBarImageList* small) {
    if (folder < 0 || folder >= GetFolderCount()) return;
    folders_[folder]->largeImages = large;
    folders_[folder]->smallImages = small;
    Invalidate();
}

void CGfxOutBarCtrl::SetIconAnimation(int intervalMs) {
    if (intervalMs > 0) SetTimer(kIconTimer, UINT(intervalMs));
    else KillTimer(kIconTimer);
    iconAnimationMs_ = intervalMs;
}

const OutBarImageList* CGfxOutBarCtrl::ImagesOf(const OutBarFolder& folder) const {
    if (IsSmallIcons()) return folder.smallImages ? folder.smallImages : defaultSmall_;
    return folder.largeImages ? folder.largeImages : defaultLarge_;
}

ui::Size CGfxOutBarCtrl::IconSize(const OutBarFolder& folder, const OutBarItem& item) const {
    const OutBarImageList* images = ImagesOf(folder);
    return images && item.image >= 0 ? images->size : ui::Size{};
}

ui::Size CGfxOutBarCtrl::LabelSize(const OutBarItem& item) const {
    const ui::Rect r = IsSmallIcons()
                           ? MeasureText(DefaultGuiFont(), item.text, {}, DT_SINGLELINE)
                           : MeasureText(DefaultGuiFont(), item.text, {0, 0, GetInsideRect().Width(), 0},
                                         DT_WORDBREAK | DT_CENTER);
    return {r.Width(), r.Height()};
}

ui::Size CGfxOutBarCtrl::ItemSize(const OutBarFolder& folder, const OutBarItem& item) const {
    const ui::Size icon = IconSize(folder, item), label = LabelSize(item);
    if (IsSmallIcons()) return {label.cx + smallLabelOffset_ + icon.cx, std::max(label.cy, icon.cy)};
    return {std::max(label.cx, icon.cx), icon.cy + largeLabelOffset_ + label.cy + largeSpacing_};
}

int CGfxOutBarCtrl::Spacing() const { return IsSmallIcons() ? smallSpacing_ : largeSpacing_; }

// ---- geometry ----

bool CGfxOutBarCtrl::GetFolderRect(int folder, ui::Rect& rect) const {
    const int n = GetFolderCount();
    if (folder < 0 || folder >= n) return false;
    const ui::Rect client = GetClientRect();
    const int h = folderHeight_;
    if (folder <= selectedFolder_)
        rect = {client.left, client.top + folder * h - 1, client.right, client.top + (folder + 1) * h - 1};
    else
        rect = {client.left, client.bottom - (n - folder) * h, client.right, client.bottom - (n - folder - 1) * h};
    return true;
}

ui::Rect CGfxOutBarCtrl::GetInsideRect() const {
    ui::Rect r = GetClientRect();
    const int n = GetFolderCount();
    if (n > 0) {
        r.top += (selectedFolder_ + 1) * folderHeight_ - 1;
        r.bottom -= (n - selectedFolder_ - 1) * folderHeight_;
    }
    return r;
}

int CGfxOutBarCtrl::ItemY(int item) const {
    const OutBarFolder* folder = SelectedFolder();
    int y = GetInsideRect().top;
    if (!folder) return y;
    for (int k = 0; k < item && k < int(folder->items.size()); ++k) y += ItemSize(*folder, folder->items[k]).cy + Spacing();
    return y;
}

int CGfxOutBarCtrl::ScrollOffset() const { return ItemY(firstVisible_) - GetInsideRect().top; }

ui::Rect CGfxOutBarCtrl::GetItemRect(int item) const {
    const OutBarFolder* folder = SelectedFolder();
    if (!folder || item < 0 || item >= int(folder->items.size())) return {};
    const ui::Rect area = GetInsideRect();
    const ui::Size whole = ItemSize(*folder, folder->items[item]);
    const int y = ItemY(item) - ScrollOffset();
    if (IsSmallIcons())
        return {area.left + leftMargin_, y + topMargin_, area.left + whole.cx, y + whole.cy + topMargin_};
    return {area.left, y + topMargin_, area.right, y + whole.cy + topMargin_};
}

ui::Rect CGfxOutBarCtrl::GetIconRect(int item) const {
    const OutBarFolder* folder = SelectedFolder();
    if (!folder || item < 0 || item >= int(folder->items.size())) return {};
    const ui::Rect area = GetInsideRect();
    const ui::Size icon = IconSize(*folder, folder->items[item]);
    const int y = ItemY(item) - ScrollOffset() + Spacing();
    if (IsSmallIcons()) return {area.left + 7, y - 5, area.left + 7 + icon.cx, y + icon.cy - 5};
    const int x = area.left + (area.Width() - icon.cx) / 2;
    return {x, y - 3, x + icon.cx, y + icon.cy - 2};
}

ui::Rect CGfxOutBarCtrl::GetLabelRect(int item) const {
    const OutBarFolder* folder = SelectedFolder();
    if (!folder || item < 0 || item >= int(folder->items.size())) return {};
    const ui::Rect area = GetInsideRect();
    const ui::Size whole = ItemSize(*folder, folder->items[item]);
    const int y = ItemY(item) - ScrollOffset() + Spacing();
    if (IsSmallIcons()) return {area.left + 7, y, area.left + 7 + whole.cx, y + whole.cy};
    const int x = area.left + (area.Width() - whole.cx) / 2;
    const int bottom = y + whole.cy - 10;
    return {x, bottom - LabelSize(folder->items[item]).cy, x + whole.cx, bottom};
}

void CGfxOutBarCtrl::GetVisibleRange(int& first, int& last) const {
    first = firstVisible_;
    last = first - 1;
    const int bottom = GetInsideRect().bottom;
    for (int i = first; i < GetItemCount() && GetItemRect(i).bottom <= bottom; ++i) last = i;
}

ui::Rect CGfxOutBarCtrl::GetUpArrowRect() const {
    const ui::Rect area = GetInsideRect();
    return {area.right - 5 - kScrollArrowSize, area.top + 5, area.right - 5, area.top + 5 + kScrollArrowSize};
}

ui::Rect CGfxOutBarCtrl::GetDownArrowRect() const {
    const ui::Rect area = GetInsideRect();
    return {area.right - 5 - kScrollArrowSize, area.bottom - 5 - kScrollArrowSize, area.right - 5, area.bottom - 5};
}

bool CGfxOutBarCtrl::IsUpArrowShown() const {
    const OutBarFolder* folder = SelectedFolder();
    return folder && !folder->child && firstVisible_ >= 1;
}

bool CGfxOutBarCtrl::IsDownArrowShown() const {
    const OutBarFolder* folder = SelectedFolder();
    if (!folder || folder->child) return false;
    int first = 0, last = 0;
    GetVisibleRange(first, last);
    return last < GetItemCount() - 1;
}

CGfxOutBarCtrl::Hit CGfxOutBarCtrl::HitTest(ui::Point point) const {
    if (IsUpArrowShown() && GetUpArrowRect().PtInRect(point)) return {kHitUpArrow, -1};
    if (IsDownArrowShown() && GetDownArrowRect().PtInRect(point)) return {kHitDownArrow, -1};
    for (int i = 0; i < GetFolderCount(); ++i) {
        ui::Rect r;
        if (GetFolderRect(i, r) && r.PtInRect(point)) return {kHitFolder, i};
    }
    const OutBarFolder* folder = SelectedFolder();
    if (!folder || folder->child) return {};
    const int bottom = GetInsideRect().bottom;
    for (int i = firstVisible_; i < GetItemCount(); ++i) {
        const ui::Rect r = GetItemRect(i);
        if (r.top > bottom) break;
        if (IsSmallIcons()) {
            if (r.PtInRect(point)) return {kHitItem, i};
            continue;
        }
        ui::Rect label = GetLabelRect(i);
        label.top -= 3;
        if (GetIconRect(i).PtInRect(point) || label.PtInRect(point)) return {kHitItem, i};
    }
    return {};
}

// ---- painting ----

void CGfxOutBarCtrl::OnPaint(ui::DC& dc) {
    if (!slide_) {
        PaintAll(dc);
        return;
    }
    QPainter& painter = dc.Painter();
    painter.drawImage(0, 0, slide_->under);
    const QRect band(0, slide_->bandTop, slide_->over.width(), slide_->over.height() - slide_->bandTop);
    painter.drawImage(QPoint(0, slide_->bandTop + slide_->offset), slide_->over, band);
}

QImage CGfxOutBarCtrl::Render() const {
    const ui::Rect client = GetClientRect();
    if (client.IsRectEmpty()) return {};
    ui::MemoryDC dc(client.Width(), client.Height());
    PaintAll(dc);
    if (ui::Wnd* child = FolderChild(-1); child && child->GetWidget()) {
        const ui::Rect area = GetInsideRect();
        child->GetWidget()->render(&dc.Painter(), QPoint(area.left, area.top));
    }
    return dc.Image();
}

void CGfxOutBarCtrl::PaintAll(ui::DC& dc) const {
    const ui::Rect area = GetInsideRect();
    const OutBarFolder* folder = SelectedFolder();
    const bool showsItems = !folder || !folder->child;
    if (showsItems) dc.FillSolidRect(area, backColor_);
    for (int i = 0; i < GetFolderCount(); ++i) {
        ui::Rect r;
        GetFolderRect(i, r);
        const bool pressed = press_.kind == Press::Folder && press_.index == i && press_.shownPressed;
        PaintFolderButton(dc, i, r, pressed);
    }
    PaintHotFolder(dc);
    if (!showsItems) return;

    QPainter& painter = dc.Painter();
    painter.save();
    QRegion clip(ToQRect(area));
    const bool arrowHeld = press_.kind == Press::Arrow && press_.shownPressed;
    if (IsUpArrowShown()) {
        PaintScrollArrow(dc, GetUpArrowRect(), true, arrowHeld && press_.index == kHitUpArrow);
        clip -= QRegion(ToQRect(GetUpArrowRect()));
    }
    if (IsDownArrowShown()) {
        PaintScrollArrow(dc, GetDownArrowRect(), false, arrowHeld && press_.index == kHitDownArrow);
        clip -= QRegion(ToQRect(GetDownArrowRect()));
    }
    painter.setClipRegion(clip);
    if (folder) {
        PaintItems(dc, *folder, area.bottom);
        PaintIconAnimation(dc);
        PaintHotItem(dc);
    }
    PaintDropMarker(dc);
    painter.restore();
}

void CGfxOutBarCtrl::PaintFolderButton(ui::DC& dc, int folder, ui::Rect r, bool pressed) const {
    dc.SetPenColor(darkEdgeColor_);
    dc.MoveTo(pressed ? r.left + 1 : r.left, r.top);
    dc.LineTo(r.right, r.top);
    r.top += 1;
    if (pressed) {
        dc.Draw3dRect(r, darkShadowColor_, highlightColor_);
        r.DeflateRect(1, 1);
        dc.Draw3dRect(r, darkEdgeColor_, faceColor_);
    } else {
        dc.Draw3dRect(r, highlightColor_, darkEdgeColor_);
    }
    r.DeflateRect(1, 1);
    dc.FillSolidRect(r, faceColor_);
    dc.SelectFont(DefaultGuiFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    dc.DrawText(folders_[folder]->name, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CGfxOutBarCtrl::PaintItems(ui::DC& dc, const OutBarFolder& folder, int bottom) const {
    for (int i = firstVisible_; i < int(folder.items.size()); ++i) {
        const ui::Rect r = GetItemRect(i);
        if (r.top > bottom) break;
        PaintItem(dc, folder, i, r);
    }
}

void CGfxOutBarCtrl::PaintItem(ui::DC& dc, const OutBarFolder& folder, int index, const ui::Rect& r) const {
    dc.SelectFont(DefaultGuiFont());
    dc.SetTextColor(itemTextColor_);
    dc.SetBkMode(TRANSPARENT);
    const OutBarImageList* images = ImagesOf(folder);
    if (!images) return;
    const OutBarItem& item = folder.items[index];
    const ui::Size icon = IconSize(folder, item);
    const bool hasImage = item.image >= 0 && item.image < int(images->images.size());
    if (IsSmallIcons()) {
        if (hasImage) dc.DrawIcon(images->images[item.image], r.left + 2, r.top + (r.Height() - icon.cy) / 2);
        dc.TextOut(r.left + icon.cx + smallLabelOffset_, r.top, item.text);
    } else {
        if (hasImage) dc.DrawIcon(images->images[item.image], r.left + (r.Width() - icon.cx) / 2, r.top);
        ui::Rect label{r.left, r.top + icon.cy + largeLabelOffset_, r.right, r.bottom};
        dc.DrawText(item.text, label, DT_CENTER | DT_WORDBREAK);
    }
    if ((flags_ & kFrameSelectedFlag) && index == selectedItem_)
        dc.Draw3dRect(Inflated(GetIconRect(index), 1), darkShadowColor_, faceColor_);
}

void CGfxOutBarCtrl::PaintScrollArrow(ui::DC& dc, const ui::Rect& rect, bool up, bool pushed) const {
    dc.FillSolidRect(rect, faceColor_);
    if (pushed) {
        dc.FrameRect(rect, shadowColor_);
    } else {
        dc.Draw3dRect(rect, lightColor_, darkShadowColor_);
        dc.Draw3dRect(Inflated(rect, -1), highlightColor_, shadowColor_);
    }
    // A small black triangle in the middle, moved by a pixel while pushed.
    const ui::Point c = rect.CenterPoint();
    const int shift = pushed ? 1 : 0;
    for (int row = 0; row < 4; ++row) {
        const int y = up ? c.y - 2 + row : c.y + 1 - row;
        dc.FillSolidRect({c.x - row + shift, y + shift, c.x + row + 1 + shift, y + 1 + shift}, RGB(0, 0, 0));
    }
}

void CGfxOutBarCtrl::PaintHotFolder(ui::DC& dc) const {
    ui::Rect r;
    if (!GetFolderRect(hotFolder_, r)) return;
    dc.SetPenColor(darkShadowColor_);
    dc.MoveTo(r.left, r.bottom - 1);
    dc.LineTo(r.right - 1, r.bottom - 1);
    dc.LineTo(r.right - 1, r.top);
    dc.SetPenColor(darkEdgeColor_);
    dc.MoveTo(r.left + 1, r.bottom - 2);
    dc.LineTo(r.right - 2, r.bottom - 2);
    dc.LineTo(r.right - 2, r.top + 1);
}

void CGfxOutBarCtrl::PaintHotItem(ui::DC& dc) const {
    if (hotItem_ < 0 || hotItem_ >= GetItemCount()) return;
    const ui::Rect r = Inflated(GetIconRect(hotItem_), 1);
    if (hotItemPressed_) dc.Draw3dRect(r, darkShadowColor_, faceColor_);
    else dc.Draw3dRect(r, faceColor_, darkShadowColor_);
}

void CGfxOutBarCtrl::PaintIconAnimation(ui::DC& dc) const {
    // The selected icon hops: left and down, back, right and down, back.
    if (iconAnimationMs_ <= 0 || (iconTick_ != 0 && iconTick_ != 2)) return;
    const OutBarFolder* folder = SelectedFolder();
    const OutBarImageList* images = folder ? ImagesOf(*folder) : nullptr;
    if (!images || selectedItem_ < firstVisible_ || selectedItem_ >= GetItemCount()) return;
    const ui::Rect area = GetInsideRect();
    const ui::Rect r = GetItemRect(selectedItem_);
    if (r.bottom >= area.bottom || r.top <= area.top) return;
    const OutBarItem& item = folder->items[selectedItem_];
    if (item.image < 0 || item.image >= int(images->images.size())) return;
    const ui::Size icon = IconSize(*folder, item);
    const int dx = iconTick_ == 0 ? -1 : 1, dy = 1;
    ui::Point at;
    ui::Rect box;
    if (IsSmallIcons()) {
        at = {r.left + 2, r.top + (r.Height() - icon.cy) / 2};
        box = {r.left + 1, at.y - 1, r.left + icon.cx + 4, at.y + icon.cy + 2};
    } else {
        at = {r.left + (r.Width() - icon.cx) / 2, r.top};
        box = {at.x - 1, at.y - 1, at.x + icon.cx + 2, at.y + icon.cy + 2};
    }
    dc.FillSolidRect(box, backColor_);
    dc.DrawIcon(images->images[item.image], at.x + dx, at.y + dy);
}

bool CGfxOutBarCtrl::DropMarkerRect(int target, ui::Rect& rect, int& kind) const {
    const int count = GetItemCount();
    if (target < 0 || target > count || count == 0) return false;
    ui::Rect area = GetInsideRect();
    area.DeflateRect(2, 0);
    const ui::Rect item = GetItemRect(target < count ? target : count - 1);
    const int y = target < count ? item.top - 4 : item.bottom + 6;
    if (target == 0) {
        kind = kMarkerFirst;
        rect = {area.left, y + 2, area.right, y + 7};
    } else if (target < count) {
        kind = kMarkerBetween;
        rect = {area.left, y - 9, area.right, y};
        if (IsSmallIcons()) rect.OffsetRect(0, 8);
    } else {
        kind = kMarkerAfterLast;
        rect = {area.left, y, area.right, y + 5};
    }
    return true;
}

void CGfxOutBarCtrl::PaintDropMarker(ui::DC& dc) const {
    ui::Rect r;
    int kind = 0;
    if (!DropMarkerRect(dropMarker_, r, kind)) return;
    dc.SetPenColor(RGB(0, 0, 0));
    dc.MoveTo(r.left, r.top);
    dc.LineTo(r.right, r.top);
    if (kind != kMarkerAfterLast) {  // arrow heads below the line
        MarkerStrokes(dc, r.left, 1, r.top + 1, 1, 4);
        MarkerStrokes(dc, r.right - 1, -1, r.top + 1, 1, 3);
    }
    if (kind != kMarkerFirst) {  // and above it
        MarkerStrokes(dc, r.left, 1, r.top - 1, -1, 4);
        MarkerStrokes(dc, r.right - 1, -1, r.top - 1, -1, 4);
    }
}

void CGfxOutBarCtrl::RunFolderSlide(int from, int to) {
    QWidget* widget = GetWidget();
    if (!widget || !widget->isVisible() || !GetFolder(from) || !GetFolder(to)) return;
    const QImage oldPicture = Render();
    const int savedFirst = firstVisible_, savedItem = selectedItem_;
    selectedFolder_ = to;
    firstVisible_ = 0;
    selectedItem_ = -1;
    if (ui::Wnd* child = FolderChild(-1)) child->MoveWindow(GetInsideRect(), FALSE);
    const QImage newPicture = Render();
    selectedFolder_ = from;
    firstVisible_ = savedFirst;
    selectedItem_ = savedItem;

    const int h = folderHeight_, n = GetFolderCount(), bottom = GetClientRect().bottom;
    // The buttons between the two folders move with the item area below them:
    // up over the old folder's items, or down uncovering the new folder's.
    Slide slide;
    int start = 0, end = 0;
    if (to > from) {
        slide = {oldPicture, newPicture, (from + 1) * h - 1, 0};
        start = (bottom - (n - from - 1) * h) - slide.bandTop;
    } else {
        slide = {newPicture, oldPicture, (to + 1) * h - 1, 0};
        end = (bottom - (n - to - 1) * h) - slide.bandTop;
    }
    const int step = start > end ? -h : h;
    slide_ = slide;
    for (int offset = start; step < 0 ? offset > end : offset < end; offset += step) {
        slide_->offset = offset;
        widget->repaint();
        QThread::msleep(unsigned(folderAnimationDelay_));
    }
    slide_.reset();
}

// ---- hover, press, drag ----

bool CGfxOutBarCtrl::ChildHasFocus() const {
    QWidget* focus = QApplication::focusWidget();
    QWidget* widget = GetWidget();
    return focus && widget && focus != widget && widget->isAncestorOf(focus);
}

void CGfxOutBarCtrl::SetHotFolder(int folder) {
    if (ChildHasFocus() || folder == hotFolder_) return;
    hotFolder_ = folder;
    Invalidate();
}

void CGfxOutBarCtrl::SetHotItem(int item, bool pressed) {
    if (ChildHasFocus() || (item == hotItem_ && pressed == hotItemPressed_)) return;
    const bool selectedStaysCalm = iconAnimationMs_ > 0 || (flags_ & kFrameSelectedFlag);
    if (selectedStaysCalm && item >= 0 && item == selectedItem_) item = -1;
    hotItem_ = item;
    hotItemPressed_ = pressed;
    Invalidate();
}

void CGfxOutBarCtrl::SetDropMarker(int target) {
    if (target == dropMarker_) return;
    dropMarker_ = target;
    Invalidate();
}

void CGfxOutBarCtrl::SetDragCursor(bool valid) {
    const ui::Cursor cursor = ui::LoadCursor(valid ? kDragCursor : kNoDropCursor);
    if (GetWidget() && cursor.valid) GetWidget()->setCursor(cursor.cursor);
}

void CGfxOutBarCtrl::OnMouseMove(UINT, ui::Point point) {
    lastMouse_ = point;
    const Hit hit = HitTest(point);
    switch (press_.kind) {
    case Press::None: {
        if (hit.kind != kHitFolder) SetHotFolder(-1);
        if (hit.kind != kHitItem) SetHotItem(-1, false);
        if (hit.kind == kHitFolder) SetHotFolder(hit.index);
        if (hit.kind == kHitItem) SetHotItem(hit.index, false);
        if (QWidget* widget = GetWidget()) {
            const ui::Cursor hand = ui::LoadCursor(kHandCursor);
            if (hit.kind == kHitFolder && hand.valid) widget->setCursor(hand.cursor);
            else widget->unsetCursor();
        }
        return;
    }
    case Press::Folder: {
        const bool over = hit.kind == kHitFolder && hit.index == press_.index;
        if (over != press_.shownPressed) {
            press_.shownPressed = over;
            Invalidate();
        }
        return;
    }
    case Press::Item: {
        if (!press_.dragging) {
            if (hit.kind == kHitItem) {
                const bool over = hit.index == press_.index;
                if (over != press_.shownPressed) {
                    press_.shownPressed = over;
                    SetHotItem(press_.index, over);
                }
            } else if (flags_ & kDragItemsFlag) {
                press_.dragging = true;
                press_.shownPressed = true;
                SetHotItem(press_.index, true);
                SetDragCursor(true);
            }
            return;
        }
        const int target = DropTargetAt(point);
        SetDropMarker(target);
        SetDragCursor(target >= 0);
        return;
    }
    case Press::Arrow: {
        const ui::Rect arrow = press_.index == kHitUpArrow ? GetUpArrowRect() : GetDownArrowRect();
        const bool over = arrow.PtInRect(point);
        if (over != press_.shownPressed) {
            press_.shownPressed = over;
            Invalidate();
        }
        return;
    }
    }
}

void CGfxOutBarCtrl::OnMouseLeave() {
    if (press_.kind != Press::None) return;
    SetHotFolder(-1);
    SetHotItem(-1, false);
    KillTimer(kHoverTimer);
}

void CGfxOutBarCtrl::OnLButtonDown(UINT, ui::Point point) {
    if (GetFocus() != this) SetFocus();  // ends a rename in progress
    lastMouse_ = point;
    const Hit hit = HitTest(point);
    if (press_.kind != Press::None) {
        Invalidate();
        return;
    }
    switch (hit.kind) {
    case kHitFolder:
        press_ = {Press::Folder, hit.index, true, false};
        Invalidate();
        break;
    case kHitItem:
        press_ = {Press::Item, hit.index, true, false};
        SetHotItem(hit.index, true);
        break;
    case kHitUpArrow:
    case kHitDownArrow:
        scrolling_ = true;
        press_ = {Press::Arrow, hit.kind, true, false};
        SetTimer(kScrollTimer, kScrollIntervalMs);
        Invalidate();
        break;
    default: break;
    }
}

void CGfxOutBarCtrl::OnLButtonUp(UINT, ui::Point point) {
    lastMouse_ = point;
    switch (press_.kind) {
    case Press::Folder: EndFolderPress(point); break;
    case Press::Item: EndItemPress(point); break;
    case Press::Arrow: {
        const ui::Rect arrow = press_.index == kHitUpArrow ? GetUpArrowRect() : GetDownArrowRect();
        if (arrow.PtInRect(point)) ScrollStep(press_.index);
        EndArrowPress();
        break;
    }
    case Press::None: break;
    }
}

bool CGfxOutBarCtrl::OnKeyDown(UINT vk) {
    // While a button is held only Escape goes on; other keys are swallowed.
    return press_.kind != Press::None && vk != VK_ESCAPE;
}

void CGfxOutBarCtrl::EndFolderPress(ui::Point point) {
    press_ = {};
    Invalidate();
    const Hit hit = HitTest(point);
    if (hit.kind == kHitFolder && hit.index != selectedFolder_) SelectFolder(hit.index);
}

int CGfxOutBarCtrl::DropTargetAt(ui::Point point) const {
    const Hit hit = HitTest(point);
    if (hit.kind == kHitItem) return hit.index;
    const int count = GetItemCount();
    if (count > 0 && point.y > GetItemRect(count - 1).bottom && point.y < GetInsideRect().bottom) return count;
    return -1;
}

void CGfxOutBarCtrl::EndItemPress(ui::Point point) {
    const Press press = press_;
    press_ = {};
    SetHotItem(-1, false);
    if (press.dragging) {
        SetDropMarker(-1);
        if (QWidget* widget = GetWidget()) widget->unsetCursor();
        const int target = DropTargetAt(point);
        if (target >= 0 && target != press.index) {
            OutBarNotifyInfo info;
            info.folder = selectedFolder_;
            info.item = press.index;
            if (Notify(kItemDropped, reinterpret_cast<LPARAM>(&info))) MoveDraggedItem(press.index, target);
        }
        Invalidate();
        return;
    }
    const Hit hit = HitTest(point);
    if (hit.kind == kHitItem && hit.index == press.index) {
        selectedItem_ = press.index;
        Invalidate();
        Notify(kItemClicked, press.index);
    }
}

void CGfxOutBarCtrl::MoveDraggedItem(int from, int target) {
    OutBarFolder* folder = SelectedFolder();
    if (!folder) return;
    auto& items = folder->items;
    const int to = target > from ? target - 1 : target;
    OutBarItem moved = std::move(items[from]);
    items.erase(items.begin() + from);
    items.insert(items.begin() + to, std::move(moved));
    // The selected item stays the same item.
    if (selectedItem_ == from) selectedItem_ = to;
    else if (selectedItem_ >= 0) {
        if (selectedItem_ > from) --selectedItem_;
        if (selectedItem_ >= to) ++selectedItem_;
    }
}

bool CGfxOutBarCtrl::ScrollStep(int arrow) {
    if (arrow == kHitUpArrow) {
        if (firstVisible_ <= 0) return false;
        --firstVisible_;
    } else {
        const int count = GetItemCount();
        if (count == 0 || GetItemRect(count - 1).bottom <= GetInsideRect().bottom) return false;
        ++firstVisible_;
    }
    Invalidate();
    return true;
}

void CGfxOutBarCtrl::EndArrowPress() {
    KillTimer(kScrollTimer);
    press_ = {};
    scrolling_ = false;
    Invalidate();
}

void CGfxOutBarCtrl::OnTimer(UINT_PTR id) {
    if (id == kScrollTimer && press_.kind == Press::Arrow) {
        const ui::Rect arrow = press_.index == kHitUpArrow ? GetUpArrowRect() : GetDownArrowRect();
        press_.shownPressed = arrow.PtInRect(lastMouse_);
        if (press_.shownPressed && !ScrollStep(press_.index)) EndArrowPress();
        else Invalidate();
    } else if (id == kIconTimer && selectedItem_ >= 0) {
        if (++iconTick_ > kIconTicksPerCycle) iconTick_ = -1;
        if (iconTick_ >= 0 && iconTick_ <= 3) Invalidate();
    }
}

void CGfxOutBarCtrl::OnSize(int, int) {
    for (const auto& folder : folders_)
        if (folder->child) folder->child->MoveWindow(GetInsideRect(), FALSE);
}

// ---- renaming ----

void CGfxOutBarCtrl::BeginFolderRename(int folder) {
    ui::Rect r;
    if (!IsWindow() || !GetFolderRect(folder, r)) return;
    r.DeflateRect(2, 2);
    auto* edit = new CGfxLabelEdit;
    edit->SetIndex(folder);
    edit->SetLabelKind(CGfxLabelEdit::kFolderName);
    if (!edit->Create(kFolderEditStyle, r, this, kRenameEditId, folders_[folder]->name)) {
        delete edit;
        return;
    }
    edit->SetFocus();
}

void CGfxOutBarCtrl::BeginItemRename(int item) {
    const OutBarFolder* folder = SelectedFolder();
    if (!IsWindow() || !folder || item < 0 || item >= int(folder->items.size())) return;
    ui::Rect r = GetLabelRect(item);
    auto* edit = new CGfxLabelEdit;
    edit->SetIndex(item);
    edit->SetLabelKind(CGfxLabelEdit::kItemLabel);
    DWORD style = kLargeItemEditStyle;
    if (IsSmallIcons()) {
        r.OffsetRect(IconSize(*folder, folder->items[item]).cx + 1, -6);
        edit->SetGrowSideways(true);
        style = kSmallItemEditStyle;
    } else {
        const ui::Rect area = GetInsideRect();
        r.left = area.left + 5;
        r.right = area.right - 5;
        r.bottom += 5;
    }
    if (!edit->Create(style, r, this, kRenameEditId, folder->items[item].text)) {
        delete edit;
        return;
    }
    edit->SetFocus();
}

void CGfxOutBarCtrl::OnLabelEditEnd(WPARAM kind, LPARAM lParam) {
    const auto* edit = reinterpret_cast<const CGfxLabelEdit*>(lParam);
    if (!edit) return;
    OutBarNotifyInfo info;
    info.index = edit->GetIndex();
    info.text = edit->GetText().c_str();
    info.folder = selectedFolder_;
    info.item = edit->GetIndex();
    const std::string text = edit->GetText();
    if (kind == WPARAM(CGfxLabelEdit::kItemLabel)) {
        if (Notify(kItemRenamed, reinterpret_cast<LPARAM>(&info))) SetItemText(info.index, text);
    } else if (kind == WPARAM(CGfxLabelEdit::kFolderName)) {
        if (Notify(kFolderRenamed, reinterpret_cast<LPARAM>(&info))) SetFolderText(info.index, text);
    }
}

LRESULT CGfxOutBarCtrl::Notify(int code, LPARAM lParam) {
    ui::Wnd* parent = GetParent();
    return parent ? parent->SendMessage(kNotifyMessage, WPARAM(code), lParam) : 0;
}
