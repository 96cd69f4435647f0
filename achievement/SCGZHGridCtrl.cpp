#include "achievement/SCGZHGridCtrl.h"

CSCGZHGridCtrl::~CSCGZHGridCtrl() = default;

void CSCGZHGridCtrl::OnItemChanged(ui::GridItem*, int, int) {}

std::vector<std::vector<std::string>> CSCGZHGridCtrl::RowTexts() {
    EndEditItem(TRUE);
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < GetRowCount(); ++r) {
        std::vector<std::string> cells;
        const ui::GridRow* row = GetRow(r);
        for (int c = 0; row && c < row->GetItemCount(); ++c) cells.push_back(row->GetItem(c)->GetValue());
        rows.push_back(cells);
    }
    return rows;
}
