// The selection bar of the first-review view: year, category and filter.
// A change of category switches the view's page set; a change of year or
// filter rebuilds the current pages.
#pragma once

#include <functional>
#include <string>

#include "foundation/Options.h"
#include "platform/ui/Dialog.h"

class CDlgFirstSelect : public ui::Dialog {
public:
    static constexpr int IDD = 6016;
    static constexpr int IDC_YEAR = 6053;
    static constexpr int IDC_CATEGORY = 6136;
    static constexpr int IDC_FILTER = 6137;

    CDlgFirstSelect();
    static const ui::DialogTemplate& Template();

    // The text of the selected year item; empty when none is selected.
    std::string GetYear() const;

    int m_nCategory = -1;  // 0 专业组, 1 重点实验室
    int m_nFilter = -1;    // FirstReviewFilter

    // Set by the view that shows the first-review pages: show the page set
    // of a category (0 common technology, 1 the key-laboratory pages), and
    // build the current pages again from the database.
    std::function<void(int pageSet)> m_onCategoryChanged;
    std::function<void()> m_onRefresh;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    void OnSelchangeCategory();
    void OnSelchangeFilter();
    void RefreshLists();

    COptions m_options;
};
