// The outlook-bar control: a column of folder buttons (those up to the
// selected folder at the top, the others at the bottom) with the selected
// folder's items, icons with labels in a large or a small layout, between
// them, scroll arrows when the items do not fit, hover and press states,
// moving items by dragging, renaming in place, and the folder slide and icon
// animations. A folder may show a child window instead of items.
//
// The control reports to its parent by WM_USER+1 with a code in wParam:
//   1 an item was clicked (lParam: the item),
//   2 an item rename ended, 3 a folder rename ended, 4 an item was dropped
//     (lParam: an OutBarNotifyInfo; a non-zero answer accepts the change),
//   5 a folder was selected (lParam: the folder).
#pragma once

#include <QImage>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Image.h"
#include "platform/ui/Wnd.h"

// Pictures of one size addressed by index.
struct OutBarImageList {
    ui::Size size;
    std::vector<ui::Icon> images;
};

struct OutBarItem {
    int image = -1;  // negative: no icon
    std::string text;
    DWORD data = 0;
};

struct OutBarFolder {
    std::string name;
    DWORD data = 0;
    const OutBarImageList* largeImages = nullptr;  // null: the control's default
    const OutBarImageList* smallImages = nullptr;
    std::vector<OutBarItem> items;  // in display order
    ui::Wnd* child = nullptr;       // shown in place of the items
};

// The record of notifications 2, 3 and 4.
struct OutBarNotifyInfo {
    int index = 0;
    const char* text = nullptr;  // valid during the call
    int folder = 0;
    int item = 0;
};

class CGfxOutBarCtrl : public ui::Wnd {
    DECLARE_DYNCREATE(CGfxOutBarCtrl)
public:
    static constexpr UINT kNotifyMessage = WM_USER + 1;
    enum NotifyCode { kItemClicked = 1, kItemRenamed = 2, kFolderRenamed = 3, kItemDropped = 4, kFolderSelected = 5 };
    enum HitKind { kHitNothing = -1, kHitFolder = 0, kHitItem = 1, kHitUpArrow = 2, kHitDownArrow = 3 };
    // Bits of the control's own style.
    static constexpr DWORD kSmallIconsFlag = 0x1, kDragItemsFlag = 0x80, kAnimateFoldersFlag = 0x100,
                           kFrameSelectedFlag = 0x200;
    // Commands of a context menu, with their update handlers.
    static constexpr int kCmdSmallIcons = 50000, kCmdLargeIcons = 50001, kCmdRemove = 50002, kCmdRename = 50003;
    // Timers: leaving hover, holding a scroll arrow, the icon animation.
    static constexpr UINT_PTR kHoverTimer = 1, kScrollTimer = 2, kIconTimer = 3;

    CGfxOutBarCtrl();
    ~CGfxOutBarCtrl() override;

    // Creates the window as a child of `parent`; false without a parent window.
    BOOL Create(DWORD style, const ui::Rect& rect, ui::Wnd* parent, int id);

    // ---- folders and items ----
    int AddFolder(const char* name, DWORD data);
    // Inserts into `folder`; an index outside 0..count appends. The index
    // used, or -1 when the folder does not exist.
    int InsertItem(int folder, int index, const std::string& text, int image = -1, DWORD data = 0);
    void RemoveFolder(int folder);
    void RemoveItem(int item);  // of the selected folder
    void SelectFolder(int folder);
    int GetFolderCount() const { return int(folders_.size()); }
    int GetSelectedFolder() const { return selectedFolder_; }
    int GetItemCount() const;  // of the selected folder
    const OutBarFolder* GetFolder(int folder) const;
    void SetFolderText(int folder, const std::string& text);
    void SetItemText(int item, const std::string& text);  // of the selected folder
    // The window a folder shows in place of its items (-1: the selected
    // folder); null when there is none.
    ui::Wnd* FolderChild(int folder = -1) const;
    void SetFolderChild(int folder, ui::Wnd* child);

    // ---- pictures and layout ----
    void SetSmallIcons(bool small);
    bool IsSmallIcons() const { return (flags_ & kSmallIconsFlag) != 0; }
    // Lists used by folders that have none of their own (null: none).
    void SetDefaultImageLists(const OutBarImageList* large, const OutBarImageList* small);
    void SetFolderImageLists(int folder, const OutBarImageList* large, const OutBarImageList* small);
    // Interval of the icon animation in milliseconds; 0 stops it.
    void SetIconAnimation(int intervalMs);
    int GetIconAnimation() const { return iconAnimationMs_; }
    // Milliseconds per step of the folder slide; negative turns it off.
    void SetFolderAnimationDelay(int delayMs) { folderAnimationDelay_ = delayMs; }
    int GetFolderAnimationDelay() const { return folderAnimationDelay_; }
    DWORD GetFlags() const { return flags_; }
    void ModifyFlags(DWORD remove, DWORD add) { flags_ = (flags_ & ~remove) | add; }

    // ---- geometry (client coordinates) ----
    struct Hit {
        int kind = kHitNothing;
        int index = -1;
    };
    Hit HitTest(ui::Point point) const;
    // False for a folder outside 0..count-1.
    bool GetFolderRect(int folder, ui::Rect& rect) const;
    // The area between the folder buttons where the items are.
    ui::Rect GetInsideRect() const;
    // Item, icon and label rectangles of an item of the selected folder.
    ui::Rect GetItemRect(int item) const;
    ui::Rect GetIconRect(int item) const;
    ui::Rect GetLabelRect(int item) const;
    // The first and last item shown (last is first - 1 when none fits).
    void GetVisibleRange(int& first, int& last) const;
    ui::Rect GetUpArrowRect() const;
    ui::Rect GetDownArrowRect() const;
    bool IsUpArrowShown() const;
    bool IsDownArrowShown() const;

    // ---- states ----
    int GetSelectedItem() const { return selectedItem_; }
    int GetFirstVisibleItem() const { return firstVisible_; }
    int GetHotFolder() const { return hotFolder_; }
    int GetHotItem() const { return hotItem_; }
    bool IsHotItemPressed() const { return hotItemPressed_; }
    bool IsDragging() const { return press_.kind == Press::Item && press_.dragging; }
    int GetDropMarker() const { return dropMarker_; }
    bool IsScrolling() const { return scrolling_; }
    // The folder (kind 0) or item (kind 1) that the remove and rename
    // commands act on; a host showing a context menu sets it.
    void SetContextTarget(int kind, int index) { contextKind_ = kind, contextIndex_ = index; }

    // ---- renaming in place ----
    void BeginFolderRename(int folder);
    void BeginItemRename(int item);

    // ---- colours ----
    COLORREF GetBackColor() const { return backColor_; }

    // The control's picture as it would be painted now.
    QImage Render() const;

protected:
    void OnPaint(ui::DC& dc) override;
    void OnTimer(UINT_PTR id) override;
    void OnMouseMove(UINT flags, ui::Point point) override;
    void OnMouseLeave() override;
    void OnLButtonDown(UINT flags, ui::Point point) override;
    void OnLButtonUp(UINT flags, ui::Point point) override;
    bool OnKeyDown(UINT vk) override;
    void OnSize(int cx, int cy) override;

private:
    // A press of the left button that is still held.
    struct Press {
        enum Kind { None, Folder, Item, Arrow } kind = None;
        int index = -1;          // folder, item, or arrow hit kind
        bool shownPressed = false;
        bool dragging = false;
    };
    // The picture of a folder change while it slides into place.
    struct Slide {
        QImage under;  // drawn whole
        QImage over;   // its band from `bandTop` down, shifted by `offset`
        int bandTop = 0;
        int offset = 0;
    };
    enum DropMarkerKind { kMarkerFirst = 0, kMarkerBetween = 1, kMarkerAfterLast = 2 };

    OutBarFolder* SelectedFolder();
    const OutBarFolder* SelectedFolder() const;
    const OutBarImageList* ImagesOf(const OutBarFolder& folder) const;
    ui::Size IconSize(const OutBarFolder& folder, const OutBarItem& item) const;
    ui::Size LabelSize(const OutBarItem& item) const;
    ui::Size ItemSize(const OutBarFolder& folder, const OutBarItem& item) const;
    int Spacing() const;
    // The unscrolled top of an item and the scroll offset.
    int ItemY(int item) const;
    int ScrollOffset() const;
    bool ChildHasFocus() const;
    LRESULT Notify(int code, LPARAM lParam);

    // Painting.
    void PaintAll(ui::DC& dc) const;
    void PaintFolderButton(ui::DC& dc, int folder, ui::Rect rect, bool pressed) const;
    void PaintItems(ui::DC& dc, const OutBarFolder& folder, int bottom) const;
    void PaintItem(ui::DC& dc, const OutBarFolder& folder, int item, const ui::Rect& rect) const;
    void PaintScrollArrow(ui::DC& dc, const ui::Rect& rect, bool up, bool pushed) const;
    void PaintHotFolder(ui::DC& dc) const;
    void PaintHotItem(ui::DC& dc) const;
    void PaintIconAnimation(ui::DC& dc) const;
    void PaintDropMarker(ui::DC& dc) const;
    bool DropMarkerRect(int target, ui::Rect& rect, int& kind) const;
    void RunFolderSlide(int from, int to);

    // States.
    void SetHotFolder(int folder);
    void SetHotItem(int item, bool pressed);
    void SetDropMarker(int target);
    void SetDragCursor(bool valid);
    // The drop position under a point while dragging: an item, the item
    // count (below the last item), or -1.
    int DropTargetAt(ui::Point point) const;
    void MoveDraggedItem(int from, int target);
    void EndItemPress(ui::Point point);
    void EndFolderPress(ui::Point point);
    // One step of a held scroll arrow; false when it cannot scroll further.
    bool ScrollStep(int arrow);
    void EndArrowPress();
    void OnLabelEditEnd(WPARAM kind, LPARAM edit);

    // Colours (read once, at construction).
    COLORREF backColor_;
    COLORREF darkEdgeColor_;
    COLORREF itemTextColor_;
    COLORREF faceColor_;
    COLORREF lightColor_;
    COLORREF highlightColor_;
    COLORREF shadowColor_;
    COLORREF darkShadowColor_;

    int folderHeight_ = 22;
    int smallLabelOffset_ = 4;
    int largeLabelOffset_ = 3;
    int smallSpacing_ = 10;
    int largeSpacing_ = 8;
    int leftMargin_ = 5;
    int topMargin_ = 5;
    bool scrolling_ = false;
    int contextKind_ = -1;
    int contextIndex_ = -1;
    int folderAnimationDelay_ = 10;
    int selectedItem_ = -1;
    int iconAnimationMs_ = 0;
    int iconTick_ = 0;
    DWORD flags_ = 0x3FC;
    std::vector<std::unique_ptr<OutBarFolder>> folders_;
    int hotFolder_ = -1;
    int firstVisible_ = 0;
    int hotItem_ = -1;
    bool hotItemPressed_ = false;
    int dropMarker_ = -1;
    int selectedFolder_ = 1;
    const OutBarImageList* defaultLarge_ = nullptr;
    const OutBarImageList* defaultSmall_ = nullptr;

    Press press_;
    ui::Point lastMouse_;
    std::optional<Slide> slide_;
};
