// The grid control: columns with a header text, a width and an alignment;
// rows of cells that are edited in place. A cell is one of three kinds:
//   text    an editable or read-only text (GridItem);
//   check   a check box (GridCheckItem);
//   choice  a text picked from a drop-down list of options (a GridItem with
//           options).
// Rows are made by CreateRow (cells from the virtual CreateItem), then added
// at the end, inserted after a row, or removed. Several rows can be
// selected; the current row is the one with the focus.
//
// When the user changes a cell, OnItemChanged runs with the cell, its row and
// its column. Values set by the program do not call it. An edit still in
// progress is taken over by EndEditItem (call it before reading the cells).
#pragma once

#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Wnd.h"

namespace ui {

class GridCtrl;
class GridRow;

// Column and header alignments (the bits of a list column format).
constexpr int HDF_LEFT = 0, HDF_RIGHT = 1, HDF_CENTER = 2;

class GridItem {
public:
    enum class Type { Text, Check, Choice };

    explicit GridItem(const std::string& value = {});
    virtual ~GridItem();
    GridItem(const GridItem&) = delete;
    GridItem& operator=(const GridItem&) = delete;

    Type GetType() const;
    // Text of a text or choice cell; "1" or "0" for a check box.
    virtual std::string GetValue() const { return value_; }
    void SetValue(const std::string& value);

    void AllowEdit(BOOL allow = TRUE);
    BOOL IsAllowEdit() const { return allowEdit_; }

    // Options make the cell a choice cell (a drop-down list).
    void AddOption(const std::string& option);
    void RemoveAllOptions();
    const std::vector<std::string>& GetOptions() const { return options_; }

    GridRow* GetParentRow() const { return row_; }
    int GetColumnId() const { return column_; }

protected:
    friend class GridRow;
    friend class GridCtrl;
    // Stores a value and repaints the cell; no notification.
    void StoreValue(const std::string& value);
    std::string value_;
    bool allowEdit_ = true;
    std::vector<std::string> options_;
    GridRow* row_ = nullptr;
    int column_ = -1;
};

// A check-box cell.
class GridCheckItem : public GridItem {
public:
    explicit GridCheckItem(bool checked = false);
    bool GetCheck() const { return value_ == "1"; }
    void SetCheck(bool checked) { SetValue(checked ? "1" : "0"); }
};

class GridRow {
public:
    GridRow() = default;
    GridRow(const GridRow&) = delete;
    GridRow& operator=(const GridRow&) = delete;

    int GetItemCount() const { return int(items_.size()); }
    GridItem* GetItem(int column) const;
    // Puts `item` in place of the cell of `column` (which is deleted).
    BOOL ReplaceItem(int column, std::unique_ptr<GridItem> item);
    void AddItem(std::unique_ptr<GridItem> item);
    // The row's index in its grid, or -1 before it is added.
    int GetRowId() const;
    GridCtrl* GetOwnerList() const { return grid_; }

private:
    friend class GridCtrl;
    friend class GridItem;
    std::vector<std::unique_ptr<GridItem>> items_;
    GridCtrl* grid_ = nullptr;
};

class GridCtrl : public Wnd {
    DECLARE_DYNAMIC(GridCtrl)
public:
    GridCtrl();
    ~GridCtrl() override;

    // Creates the grid window inside `parent` (rectangle in pixels), then
    // runs OnCreate; FALSE when either fails.
    BOOL Create(DWORD style, const Rect& rect, Wnd* parent, int id);

    // Columns.
    int InsertColumn(int column, const std::string& name, int width);
    int GetColumnCount() const { return int(columns_.size()); }
    std::string GetColumnName(int column) const;
    int GetColumnWidth(int column) const;
    BOOL SetColumnWidth(int column, int width);
    void SetColumnAlign(int column, int align);
    void SetHeaderAlign(int column, int align);
    int GetColumnAlign(int column) const;
    int GetHeaderAlign(int column) const;
    // Shows or hides the header; the flags (moving, sorting, ...) are not offered.
    void EnableHeader(BOOL enable = TRUE, DWORD flags = 0);
    BOOL IsHeaderEnabled() const { return header_; }

    // Rows.
    std::unique_ptr<GridRow> CreateRow(int columns);
    int AddRow(std::unique_ptr<GridRow> row, BOOL recalcLayout = TRUE);  // index of the row
    // Inserts after row `after` (-1: at the top); the new row's index.
    int InsertRowAfter(int after, std::unique_ptr<GridRow> row, BOOL recalcLayout = TRUE);
    // Inserts the rows in their order after row `after` (-1: at the top) in one
    // step, so that many rows cost no more than their number; the first's index.
    int InsertRowsAfter(int after, std::vector<std::unique_ptr<GridRow>> rows);
    BOOL RemoveRow(int row, BOOL recalcLayout = TRUE);
    void RemoveAll();
    int GetRowCount() const { return int(rows_.size()); }
    GridRow* GetRow(int row) const;
    void AdjustLayout();

    // Selection: the current row (null when none) and the selected rows.
    GridRow* GetCurSel() const;
    // Makes the row current and the only selected one; -1 clears both.
    void SetCurSel(int row);
    // Adds the row to the selection (or takes it out) without touching the others.
    void SelectRow(int row, BOOL select = TRUE);
    BOOL IsRowSelected(int row) const;
    std::vector<int> GetSelectedRows() const;

    // In-place editing: starts editing a cell as a click would, gives the
    // editor widget while it is open, and ends it, taking the edited value
    // over (or dropping it).
    BOOL EditItem(int row, int column);
    QWidget* GetInPlaceEditor() const { return editor_; }
    BOOL EndEditItem(BOOL updateData = TRUE);

    // The cell of a row and column, or null.
    GridItem* GetItem(int row, int column) const;
    // A cell's rectangle in the grid's client coordinates.
    Rect GetItemRect(int row, int column) const;

protected:
    // After the window is made: columns and header. -1 fails the creation.
    virtual int OnCreate() { return 0; }
    // The cell that CreateRow puts in each column.
    virtual std::unique_ptr<GridItem> CreateItem(int row, int column);
    // A cell's value was changed by the user.
    virtual void OnItemChanged(GridItem* item, int row, int column) {}

private:
    friend class GridItem;
    friend class GridRow;
    friend class GridModel;
    friend class GridDelegate;
    struct Column {
        std::string name;
        int width = 100;
        int align = HDF_LEFT;
        int headerAlign = HDF_LEFT;
    };
    void ItemValueChanged(GridItem& item, bool byUser);
    // The user's new value of a cell: stored, then OnItemChanged when it differs.
    void UserEdit(GridItem& item, const std::string& value);
    void ApplyColumns();
    int IndexOf(const GridRow* row) const;
    class GridModel* model_ = nullptr;
    class GridDelegate* delegate_ = nullptr;
    QPointer<QWidget> editor_;
    std::vector<Column> columns_;
    std::vector<std::unique_ptr<GridRow>> rows_;
    bool header_ = true;
};

}  // namespace ui
