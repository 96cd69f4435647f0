// The header bar of the five-year guide editor: the fund number and the
// publish year (never typed: they come from the list or from the group or
// laboratory chosen for a new guide) and the guide name. Leaving the name
// is reported to the view.
#pragma once

#include <functional>

#include <string>

#include "platform/ui/Dialog.h"

namespace fiveyear {

class CDlgGuideHeader : public ui::Dialog {
public:
    static constexpr int IDD = 6077;
    static constexpr int IDC_FUND = 3007;
    static constexpr int IDC_NAME = 3010;
    static constexpr int IDC_YEAR = 3013;

    // `nameLeft` is told when the name edit loses the focus.
    explicit CDlgGuideHeader(std::function<void()> nameLeft);
    static const ui::DialogTemplate& Template();

    // Bound to the three edits.
    std::string m_strFundCode;
    std::string m_strGuideName;
    std::string m_strPublishYear;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
};

}  // namespace fiveyear
