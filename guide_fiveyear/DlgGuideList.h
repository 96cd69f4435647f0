// The guide list panel of the five-year guide view: the period's guides
// (fund number, group or laboratory, guide name) and the buttons import,
// export, search and delete, which the panel hands to the view, as it does a
// double click on a row.
#pragma once

#include <string>

#include "guide_annual/GuideListPanel.h"

// The annual guide's library has panels of the same names; the program loads
// both libraries into one process, so these live in a namespace of their own.
namespace fiveyear {

class CDlgGuideList : public GuideListPanel {
public:
    static constexpr int IDD = 6031;
    static constexpr int IDC_LIST = 3035;
    static constexpr int IDC_IMPORT = 6043;
    static constexpr int IDC_EXPORT = 6044;
    static constexpr int IDC_SEARCH = 6045;
    static constexpr int IDC_DELETE = 6046;

    explicit CDlgGuideList(const Commands& commands);
    static const ui::DialogTemplate& Template();

    // Appends a row: fund number, group or laboratory, guide name.
    void AddGuide(const std::string& fund, const std::string& owner, const std::string& name);
};

}  // namespace fiveyear
