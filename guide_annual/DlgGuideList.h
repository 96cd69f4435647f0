// The guide list panel of the annual-guide view: the period's guides (fund
// number, name, year) and the buttons import, export, search and delete,
// which the panel hands to the view, as it does a double click on a row.
#pragma once

#include <string>

#include "guide_annual/GuideListPanel.h"

class CDlgGuideList : public GuideListPanel {
public:
    static constexpr int IDD = 7008;
    static constexpr int IDC_LIST = 3109;
    static constexpr int IDC_IMPORT = 7020;
    static constexpr int IDC_EXPORT = 7021;
    static constexpr int IDC_SEARCH = 7022;
    static constexpr int IDC_DELETE = 7023;

    explicit CDlgGuideList(const Commands& commands);
    static const ui::DialogTemplate& Template();

    // Appends a row: fund number, guide name, year.
    void AddGuide(const std::string& fund, const std::string& name, const std::string& year);
};
