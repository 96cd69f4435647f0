// The grid of the report dialogs that pick rows to output: a check box in
// column 0 (empty header, width 20, created unticked) and read-only text
// columns after it, made over a hidden placeholder of the dialog.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/GridCtrl.h"

class CReportCheckGrid : public ui::GridCtrl {
public:
    struct Column {
        const char* heading;
        int width;
    };

    // A visible bordered child (control id 1) over the placeholder's
    // rectangle, with the check column and then `columns`; header shown.
    BOOL CreateOver(ui::Wnd& parent, int placeholderId, const std::vector<Column>& columns);

    // A row with an unticked check box and the texts of the text columns.
    void AddEntry(const std::vector<std::string>& texts);
    // Ticks every row; reverses every row's tick.
    void CheckAll();
    void InvertChecks();
    void SetCheck(int row, bool checked);
    bool GetCheck(int row) const;
    // The ticked rows in grid order.
    std::vector<int> CheckedRows() const;
    // The text of a text column (counted from 1, after the check column).
    std::string Text(int row, int column) const;
};
