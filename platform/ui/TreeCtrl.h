// The tree control: items with text and item data under a root, inserted at
// the end or after a sibling, deleted one by one or all at once, expanded and
// collapsed, walked by parent, child, sibling and visible order, and selected.
//
// A change of the selection, by the user or by SelectItem, reaches the parent
// as TVN_SELCHANGING (GetSelectedItem still gives the item being left) and
// then TVN_SELCHANGED (it gives the new item). Deleting items moves the
// selection without notifications.
#pragma once

#include <string>

#include "platform/ui/Control.h"

class QTreeWidgetItem;

namespace ui {

// An item of a tree control; null means "no item".
struct TreeItem;
using HTREEITEM = TreeItem*;

// Places of InsertItem: the parent "root", and "first" or "last" among siblings.
inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(-0x10000);
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(-0x0FFFF);
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(-0x0FFFE);

constexpr DWORD TVS_HASBUTTONS = 0x1, TVS_HASLINES = 0x2, TVS_LINESATROOT = 0x4, TVS_SHOWSELALWAYS = 0x20,
                TVS_FULLROWSELECT = 0x1000;
constexpr int TVN_SELCHANGING = -401, TVN_SELCHANGED = -402;
constexpr UINT TVE_COLLAPSE = 0x1, TVE_EXPAND = 0x2, TVE_TOGGLE = 0x3;
constexpr UINT TVIF_TEXT = 0x1, TVIF_PARAM = 0x4;
constexpr UINT TVGN_ROOT = 0x0, TVGN_NEXT = 0x1, TVGN_PREVIOUS = 0x2, TVGN_PARENT = 0x3, TVGN_CHILD = 0x4,
               TVGN_FIRSTVISIBLE = 0x5, TVGN_NEXTVISIBLE = 0x6, TVGN_CARET = 0x9;
constexpr UINT TVHT_NOWHERE = 0x1, TVHT_ONITEMLABEL = 0x4, TVHT_ONITEM = 0x46, TVHT_BELOW = 0x200;

class TreeCtrl : public Control {
    DECLARE_DYNAMIC(TreeCtrl)
public:
    Kind KindForStyle(DWORD style) const override;
    void Build(const ControlTemplate& entry, QWidget* parent) override;

    HTREEITEM InsertItem(const std::string& text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    // The full form; of the mask only TVIF_TEXT and TVIF_PARAM are used
    // (items have no images or states here).
    HTREEITEM InsertItem(UINT mask, const std::string& text, int image, int selectedImage, UINT state,
                         UINT stateMask, LPARAM data, HTREEITEM parent, HTREEITEM after);
    BOOL DeleteItem(HTREEITEM item);
    BOOL DeleteAllItems();
    UINT GetCount() const;

    std::string GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, const std::string& text);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data);

    BOOL Expand(HTREEITEM item, UINT code);
    bool IsExpanded(HTREEITEM item) const;

    HTREEITEM GetRootItem() const;
    HTREEITEM GetParentItem(HTREEITEM item) const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    BOOL ItemHasChildren(HTREEITEM item) const { return GetChildItem(item) != nullptr; }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const;
    // The item at the top of the view, and the item shown below `item`
    // (children of expanded items count, those of collapsed ones do not).
    HTREEITEM GetFirstVisibleItem() const;
    HTREEITEM GetNextVisibleItem(HTREEITEM item) const;
    // GetNextItem with one of the TVGN_* codes.
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;

    HTREEITEM GetSelectedItem() const { return selected_; }
    // Selects the item (null clears the selection); notifies when it changes.
    BOOL SelectItem(HTREEITEM item);
    BOOL Select(HTREEITEM item, UINT code);  // TVGN_CARET only

    // The item at a point of the control's client area; `flags` tells
    // TVHT_ONITEM, TVHT_BELOW (under the last item) or TVHT_NOWHERE.
    HTREEITEM HitTest(Point point, UINT* flags = nullptr) const;
    // An item's rectangle in the control's client coordinates (empty when it
    // is not shown).
    Rect GetItemRect(HTREEITEM item) const;
    BOOL EnsureVisible(HTREEITEM item);

private:
    void OnCurrentChanged(QTreeWidgetItem* current);
    HTREEITEM selected_ = nullptr;
    bool silent_ = false;  // deleting: the selection moves without notifications
};

}  // namespace ui
