// The read-only detail of the progress view: number, name and responsible
// person of the selected project's stage progress report, and its progress
// summary.
#pragma once

#include <string>

#include "numbering/LoadedProject.h"
#include "widgets/OleRichEdit.h"
#include "platform/ui/Dialog.h"

class CAdoConnection;

class CDlgJinZDetail : public ui::Dialog {
public:
    static constexpr int IDD = 7089;
    static constexpr int IDC_XMBH = 6101;
    static constexpr int IDC_NAME = 6023;
    static constexpr int IDC_PERSON = 6040;
    static constexpr int IDC_SUMMARY = 6075;

    CDlgJinZDetail();
    static const ui::DialogTemplate& Template();

    // Shows the number, report name and person of a project; a number that
    // is no application (a root or fund-number node) changes nothing.
    void ShowProgressInfo(const std::string& xmbh);
    // The project shown, or empty when the last ShowProgressInfo found none:
    // the conclusion is saved only for a project just selected.
    std::string GetSelectedProject() const { return SelectedProject().number; }
    // The same with the row it was loaded from, for the check of a save.
    projectnumber::LoadedProject SelectedProject() const {
        return m_bLastFound ? m_loaded : projectnumber::LoadedProject();
    }

    COleRichEdit m_richSummary{COleRichEdit::Variant::KeepDefaultFormat};
    std::string m_strXMBH, m_strName, m_strPerson;
    // The view's connection; not owned.
    CAdoConnection* m_pConnection = nullptr;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    bool m_bLastFound = false;
    projectnumber::LoadedProject m_loaded;
};
