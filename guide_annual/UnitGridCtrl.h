// The unit grid of the research-direction editor: one row per directed unit,
// its code (typed or picked from the unit dictionary's codes) and its name
// (filled from the dictionary, not editable). A code that another row holds
// already is refused with a message.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/GridCtrl.h"

// A cell of the unit grid.
class CUnitGridItem : public ui::GridItem {
public:
    using ui::GridItem::GridItem;
};

class CUnitGridCtrl : public ui::GridCtrl {
public:
    enum { kCodeColumn = 0, kNameColumn = 1 };

    // Appends an empty row whose code cell offers every code of the dictionary.
    void AddUnitRow();
    // Appends a row for the unit; a unit the grid lists already is reported
    // and the row removed again.
    void AddUnit(const std::string& code);

    // The texts of a row's cells.
    std::string GetCode(int row) const;
    std::string GetName(int row) const;
    void SetRowTexts(int row, const std::string& code, const std::string& name);

protected:
    int OnCreate() override;
    std::unique_ptr<ui::GridItem> CreateItem(int row, int column) override;
    // The checks after a code changed: column 0 when typed or picked, -1 when
    // the row was added by AddUnit.
    void OnItemChanged(ui::GridItem* item, int row, int column) override;

private:
    bool IsListedElsewhere(int row, const std::string& code) const;
};
