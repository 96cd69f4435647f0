// The guide search: fund number, guide name and year, each compared exactly
// when given; OK leaves them for the guide store (guidestore::SearchGuides).
#pragma once

#include <string>

#include "guide_annual/AnnualGuideStore.h"
#include "platform/ui/Dialog.h"

class CDlgGuideSearch : public ui::Dialog {
public:
    static constexpr int IDD = 7005;
    static constexpr int IDC_FUND = 3130;
    static constexpr int IDC_NAME = 3131;
    static constexpr int IDC_YEAR = 3132;

    explicit CDlgGuideSearch(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // The fields as OK found them (guidestore::SearchGuides).
    guidestore::GuideSearch m_search;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
