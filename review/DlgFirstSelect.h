// The selection bar of the first-review view: year, category and filter.
// A change of category switches the view's page set; a change of year or
// filter rebuilds the current pages.
#pragma once

#include <string>

#include "foundation/Options.h"
#include "platform/ui/Dialog.h"

// What the selection bar asks of the view that shows the first-review pages.
class FirstReviewPages {
public:
    // Shows the page set of the category (0 common technology, else the
    // key-laboratory pages).
    virtual void SetTab(int category) = 0;
    // Builds the current pages again from the database.
    virtual void SetTab2() = 0;

protected:
    ~FirstReviewPages() = default;
};

class CDlgFirstSelect : public ui::Dialog {
public:
    static constexpr int IDD = 6016;
    static constexpr int IDC_YEAR = 6053;
    static constexpr int IDC_CATEGORY = 6136;
    static constexpr int IDC_FILTER = 6137;

    explicit CDlgFirstSelect(FirstReviewPages& view);
    static const ui::DialogTemplate& Template();

    // The text of the selected year item; empty when none is selected.
    std::string GetYear() const;
    // Has the view fill its pages again.
    void RefreshLists();

    int m_nCategory = -1;  // 0 专业组, 1 重点实验室
    int m_nFilter = -1;    // FirstReviewFilter

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    void OnSelchangeCategory();
    void OnSelchangeFilter();

    FirstReviewPages& m_view;
    COptions m_options;
};
