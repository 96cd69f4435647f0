// The read-only project summary at the top of the letter-review,
// meeting-review, approval and plan panels: number, name, units, applicant,
// applied amount, score and review result of one project. The meeting review
// picks its result in the list 6136; the plan edits 进度要求 in 6083.
#pragma once

#include <string>

#include "numbering/LoadedProject.h"
#include "numbering/ProjectRows.h"
#include "platform/ui/Dialog.h"

class CAdoConnection;

class CDlgProSummary : public ui::Dialog {
public:
    static constexpr int IDD = 6022;
    static constexpr int IDC_XMBH = 6101;
    static constexpr int IDC_XMMC = 6023;
    static constexpr int IDC_GZDW = 6040;
    static constexpr int IDC_HZDW = 6042;
    static constexpr int IDC_SQRXM = 6033;
    static constexpr int IDC_SQRXB = 6057;
    static constexpr int IDC_SQRNL = 6035;
    static constexpr int IDC_ZC = 6059;
    static constexpr int IDC_SQJE = 6024;
    static constexpr int IDC_AMOUNT_LABEL = 6088;
    static constexpr int IDC_FS = 6061;
    static constexpr int IDC_FS_LABEL = 6080;
    static constexpr int IDC_PSJG = 6062;
    static constexpr int IDC_PSJG_LABEL = 6081;
    static constexpr int IDC_RESULT = 6136;
    static constexpr int IDC_RESULT_LABEL = 6079;
    static constexpr int IDC_PROGRESS = 6083;
    static constexpr int IDC_PROGRESS_LABEL = 6082;

    explicit CDlgProSummary(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // Loads one project; when it has no application row the summary keeps
    // what it showed.
    void ShowProject(const std::string& xmbh);

    // The project shown, or an empty text when the last ShowProject found no
    // project (a root or fund-number node was selected): a panel saves only
    // for a project the user has just selected, never over the project still
    // shown from before.
    std::string GetSelectedProject() const { return SelectedProject().number; }
    // The same with the row it was loaded from, for the check of a save.
    projectnumber::LoadedProject SelectedProject() const {
        return m_bLastFound ? m_loaded : projectnumber::LoadedProject();
    }

    // Follows the project shown through a renumbering (ProjectRows.h): the
    // summary, and the save of its panel, hold the project's new number.
    void FollowRenames(const projectnumber::Renames& renames);

    // Shows or hides a control of the summary.
    void ShowControl(int id, bool show);

    // The view's connection; not owned.
    CAdoConnection* m_pConnection = nullptr;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    std::string m_strXMBH, m_strXMMC, m_strGZDW, m_strHZDW, m_strSQRXM, m_strSQRXB, m_strSQRNL, m_strZC,
        m_strSQJE, m_strFS, m_strPSJG;
    bool m_bLastFound = false;
    projectnumber::LoadedProject m_loaded;
};
