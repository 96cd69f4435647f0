// The year and category bar at the top left of every workflow view: the five
// years of the current period and the fund kind (专业组 or 重点实验室). The
// view that holds the bar refills its project tree when either changes.
#pragma once

#include <functional>
#include <string>

#include "foundation/Options.h"
#include "platform/ui/Dialog.h"

class CDlgYearBar : public ui::Dialog {
public:
    static constexpr int IDD = 7086;
    static constexpr int IDC_YEAR = 6053;
    static constexpr int IDC_CATEGORY = 6136;

    // Loads the settings record; the category is -1 until the bar is set up.
    CDlgYearBar();
    static const ui::DialogTemplate& Template();

    // The selected year ("2008"), empty when none is selected.
    std::string GetYear();
    // The category index after taking the list's selection: 0 专业组, 1 重点实验室.
    int GetCategory();

    // A change of the category list and of the year: both hand the year and
    // the category to m_onChanged (once the bar's window exists).
    void OnCategoryChanged();
    void OnYearChanged() { OnCategoryChanged(); }

    // Set by the view that holds the bar: refills its tree for the year
    // ("2008", empty when none is selected) and the category index.
    std::function<void(const std::string& year, int category)> m_onChanged;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override {}
    void OnCancel() override {}
    void OnSelchangeYear() { OnYearChanged(); }

    int m_nCategory = -1;
    COptions m_options;
};
