// The recommenders page (附：推荐意见): two recommenders, each with name,
// professional post, speciality, unit and a rich-text recommendation. Moving
// the caret in a recommendation makes it the writer's formatting target.
#pragma once

#include <string>

#include "application/DlgAppPage.h"

class CDlgRecommend : public CDlgAppPage {
public:
    static constexpr int IDD = 5504;
    static constexpr int IDC_NAME1 = 5536, IDC_NAME2 = 5537;
    static constexpr int IDC_POST1 = 5522, IDC_POST2 = 5525;
    static constexpr int IDC_SPECIALITY1 = 5523, IDC_SPECIALITY2 = 5526;
    static constexpr int IDC_UNIT1 = 5524, IDC_UNIT2 = 5527;
    static constexpr int IDC_RICHEDIT1 = 5546, IDC_RICHEDIT2 = 5547;

    CDlgRecommend();
    static const ui::DialogTemplate& Template();

    COleRichEdit m_richEdit1, m_richEdit2;
    // The recommenders' texts, named after their columns; bound by data exchange.
    std::string m_strTJRXM1, m_strZYJSZW1, m_strTJRZC1, m_strTJRDW1;
    std::string m_strTJRXM2, m_strZYJSZW2, m_strTJRZC2, m_strTJRDW2;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
};
