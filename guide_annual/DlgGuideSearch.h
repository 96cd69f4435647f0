// The guide search: fund number, guide name and year, each compared exactly
// when given; OK leaves the statement of the matching guides in m_strSQL.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

class CDlgGuideSearch : public ui::Dialog {
public:
    static constexpr int IDD = 7005;
    static constexpr int IDC_FUND = 3130;
    static constexpr int IDC_NAME = 3131;
    static constexpr int IDC_YEAR = 3132;

    explicit CDlgGuideSearch(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // "select jjbh,znmc,fbnf from corvane_yearfundguide where ..." (the caller
    // adds the period's years and the order).
    std::string m_strSQL;

    // The statement for the three fields (empty ones are left out).
    static std::string BuildQuery(const std::string& fund, const std::string& name, const std::string& year);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
