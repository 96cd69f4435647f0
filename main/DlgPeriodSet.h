// The period dialog (时期设置), a member of the main frame: it keeps the
// current period's name and range for the frame, and on OK stores period,
// year and category in the settings record and tells the main window
// (WM_USER+102 with the period's index).
#pragma once

#include <map>
#include <string>

#include "platform/ui/Dialog.h"

constexpr UINT WM_PERIOD_CHANGED = WM_USER + 102;

class CDlgPeriodSet : public ui::Dialog {
public:
    static constexpr int IDD = 205;
    static constexpr int IDC_PERIOD = 1048;
    static constexpr int IDC_YEAR = 1052;
    static constexpr int IDC_CATEGORY = 1055;

    // Loads the current period from the settings record.
    explicit CDlgPeriodSet(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    const std::string& PeriodName() const { return m_strPeriodName; }
    const std::string& PeriodRange() const { return m_strPeriodRange; }

    // Fills the year list with the five years of the chosen period.
    void FillYears();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;

private:
    int m_nCategory = 0;
    std::string m_strPeriodName;
    std::string m_strPeriodRange;
    std::string m_strStoredYear;
    std::map<std::string, std::string> m_periodRanges;
};
