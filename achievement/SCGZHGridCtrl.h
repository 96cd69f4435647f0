// The grid of one child table on the achievement-transfer information page.
// Every cell holds a text; nothing reacts to what the user types.
#pragma once

#include "platform/ui/GridCtrl.h"

class CSCGZHGridCtrl : public ui::GridCtrl {
public:
    CSCGZHGridCtrl() = default;
    ~CSCGZHGridCtrl() override;

    // Texts of every row, cell by cell, after taking over an edit in progress.
    std::vector<std::vector<std::string>> RowTexts();

protected:
    void OnItemChanged(ui::GridItem* item, int row, int column) override;
};
