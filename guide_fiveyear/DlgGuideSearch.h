// The guide search of the five-year guide (查询): fund number (compared
// exactly), group or laboratory name and guide name (each a part of the
// name). OK leaves the three fields for the guide store's search
// (fiveyearstore::SearchGuides).
#pragma once

#include <string>

#include "guide_fiveyear/FiveGuideStore.h"
#include "platform/ui/Dialog.h"

namespace fiveyear {

class CDlgGuideSearch : public ui::Dialog {
public:
    static constexpr int IDD = 6028;
    static constexpr int IDC_FUND = 3007;
    static constexpr int IDC_OWNER = 3010;
    static constexpr int IDC_NAME = 3013;

    explicit CDlgGuideSearch(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // The fields as OK found them.
    fiveyearstore::GuideSearch m_search;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};

}  // namespace fiveyear
