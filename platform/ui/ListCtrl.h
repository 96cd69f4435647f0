// The list control in report view: columns with widths and alignment, rows of
// texts, grid lines, full-row selection, check boxes, single or multiple
// selection, a selection mark, item data, hit testing and double clicks.
// Notifications: NM_CLICK, NM_DBLCLK (item and point in NotifyInfo) and
// LVN_ITEMCHANGED when a row's selection or check changes. A column is
// widened (never narrowed) to show a code put in it whole (8 or more ASCII
// letters and digits: project numbers, guide and unit codes), measured in
// the list's font, so that two numbers never look alike through a cut.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Control.h"

namespace ui {

class ListCtrl : public Control {
    DECLARE_DYNAMIC(ListCtrl)
public:
    Kind KindForStyle(DWORD) const override { return Kind::ListCtrl; }
    void Build(const ControlTemplate& entry, QWidget* parent) override;

    DWORD SetExtendedStyle(DWORD exStyle);  // the previous extended style
    DWORD GetExtendedStyle() const { return exStyle_; }

    int InsertColumn(int column, const std::string& heading, int format = LVCFMT_LEFT, int width = -1);
    BOOL DeleteColumn(int column);
    int GetColumnCount() const;
    BOOL SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;

    int InsertItem(int item, const std::string& text);  // index of the new row, or -1
    // Appends rows in one go, each a text per column from the first (missing
    // texts are empty, extra ones dropped), as InsertItem and SetItemText
    // would, without a repaint or notification per cell. The first new index.
    int AppendRows(const std::vector<std::vector<std::string>>& rows);
    BOOL SetItemText(int item, int subItem, const std::string& text);
    std::string GetItemText(int item, int subItem) const;
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL SetItemData(int item, DWORD_PTR data);
    DWORD_PTR GetItemData(int item) const;

    BOOL SetCheck(int item, BOOL checked = TRUE);
    BOOL GetCheck(int item) const;

    // LVIS_SELECTED / LVIS_FOCUSED.
    BOOL SetItemState(int item, UINT state, UINT mask);
    UINT GetItemState(int item, UINT mask) const;
    UINT GetSelectedCount() const;
    // The next row after `start` (-1: from the top) with the flags (LVNI_SELECTED), or -1.
    int GetNextItem(int start, UINT flags) const;
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    int GetSelectionMark() const { return mark_; }
    int SetSelectionMark(int item);

    // The row at a point of the control's client area, or -1.
    int HitTest(Point point) const;
    // A row's rectangle in the control's client coordinates.
    Rect GetItemRect(int item) const;
    BOOL EnsureVisible(int item, BOOL partialOK = FALSE);

private:
    void ApplyAlignment(int item, int column);
    std::vector<int> formats_;
    DWORD exStyle_ = 0;
    int mark_ = -1;
};

}  // namespace ui
