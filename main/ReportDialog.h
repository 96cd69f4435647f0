// The base of the statistics-report dialogs: the caller gives it the open
// connection (not owned) and the current period's year range; it offers the
// five years of the period and reads the text chosen in a combo box.
#pragma once

#include <string>

#include "foundation/AdoConnection.h"
#include "platform/ui/Dialog.h"

class CReportDialog : public ui::Dialog {
public:
    CReportDialog(const ui::DialogTemplate& tpl, ui::Wnd* parent);

    void SetConnection(CAdoConnection* connection) { m_pConnection = connection; }
    CAdoConnection* GetConnection() const { return m_pConnection; }
    // The period's year range, such as "2006-2010".
    void SetPeriod(const std::string& range) { m_strPeriod = range; }
    const std::string& GetPeriod() const { return m_strPeriod; }

protected:
    // Base initialisation and the reports' background colour.
    BOOL OnInitDialog() override;
    // The combo box gets "%d" of the period's first year and of the four
    // years after it.
    void FillYears(int comboId);
    // The text of the chosen item of a combo box; empty when none is chosen.
    std::string SelectedText(int comboId) const;

    CAdoConnection* m_pConnection = nullptr;
    std::string m_strPeriod;
};
