// The choice of the five-year guide a new annual guide starts from: lists
// the period's five-year guides (g_arrFiveGuideCode / g_arrFiveGuideName)
// and gives the fund number of the chosen one.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

class CDlgSelectFiveGuide : public ui::Dialog {
public:
    static constexpr int IDD = 6026;
    static constexpr int IDC_LIST = 3035;

    explicit CDlgSelectFiveGuide(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // The chosen fund number, valid when the dialog ended with OK.
    std::string m_strFundCode;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
