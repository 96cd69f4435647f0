// The key laboratories' applications of one year to Excel: per laboratory
// the number and requested sum of its key and of its general projects with
// their totals, and a total line over all laboratories.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"
#include "platform/ui/Lists.h"

class CAdoConnection;

class CDlgLabStatExcel : public ui::Dialog {
public:
    static constexpr int IDD = 6035;
    static constexpr int IDC_YEAR = 6136;

    explicit CDlgLabStatExcel(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    ui::ComboBox m_cboYear;
    CAdoConnection* m_pConnection = nullptr;

    // Figures of the laboratory code in the selected year: counts "%d", sums
    // of the requested funds "%g" (added in single precision).
    std::string CountKeyProjects(const std::string& lab);
    std::string SumKeyFunds(const std::string& lab);
    std::string CountGeneralProjects(const std::string& lab);
    std::string SumGeneralFunds(const std::string& lab);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;

private:
    std::string Count(const std::string& lab, const std::string& category);
    std::string Sum(const std::string& lab, const std::string& category);
};
