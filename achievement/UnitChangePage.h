// What the two data pages of the unit achievement-transfer view share: a
// child dialog over one page's columns of the unit record, its edits bound
// by data exchange to texts, its combos (sorted, free text) and check boxes.
#pragma once

#include <string>
#include <vector>

#include "achievement/UnitChangeRecord.h"
#include "foundation/AdoConnection.h"
#include "platform/ui/Dialog.h"

class UnitChangePage : public ui::Dialog {
public:
    // Set by the view before the page's window is created; not owned.
    CAdoConnection* m_pConnection = nullptr;

    // Empties the page: its texts, its combos' texts and its check boxes.
    void ClearAll();

    // The page's columns (indexes into the unit record), in stored order.
    const std::vector<int>& Columns() const { return m_columns; }
    // The text of one column as the page shows it; "是" or "否" for a check box.
    std::string ShownValue(int index) const;
    // Shows one column's value; a check box is ticked exactly for "是".
    void ShowValue(int index, const std::string& value);

protected:
    UnitChangePage(const ui::DialogTemplate& tpl, int page);
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    // The bound text of an edit column.
    std::string& TextOf(int index);

private:
    std::vector<int> m_columns;
    std::vector<int> m_editColumns;
    // Bound to the edits, in the order of m_editColumns.
    std::vector<std::string> m_strTexts;
};

namespace unitchange {
// Controls of a page laid out from the record's fields.
ui::DialogTemplate PageTemplate(int page, int templateId);
}  // namespace unitchange

class CButtonST;

namespace unitchange {
// An icon button of the unit pages: one icon for all states, the hand
// cursor, the page colour RGB(242, 246, 255) in the hover, normal and focus
// states, and its tool tip.
void StyleIconButton(CButtonST& button, int icon, const char* tooltip);
}  // namespace unitchange
