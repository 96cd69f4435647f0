// The header bar of the guide editor: the fund number (never typed: it comes
// from a five-year guide or a loaded guide), the guide name and the year.
// Leaving the name and choosing a year are reported to the view.
#pragma once

#include <functional>

#include <string>

#include "platform/ui/Dialog.h"
#include "platform/ui/Lists.h"

class CDlgGuideHeader : public ui::Dialog {
public:
    static constexpr int IDD = 7007;
    static constexpr int IDC_FUND = 3130;
    static constexpr int IDC_NAME = 3131;
    static constexpr int IDC_YEAR = 7016;

    // What the view is told: the name was left, a year was chosen.
    struct Events {
        std::function<void()> nameLeft, yearChosen;
    };
    explicit CDlgGuideHeader(Events events);
    static const ui::DialogTemplate& Template();

    ui::ComboBox& YearList() const { return *Item<ui::ComboBox>(IDC_YEAR); }
    std::string CurrentYear() const { return YearList().GetWindowText(); }

    // Bound to the fund number and guide name edits.
    std::string m_strFundCode;
    std::string m_strGuideName;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;

private:
    Events events_;
};
