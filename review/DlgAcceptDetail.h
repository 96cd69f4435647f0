// The read-only information page of the acceptance view: what the applicant
// reported at the end of a project (number, name, main completers, indicator
// achievement, completion summary) and its achievement list.
#pragma once

#include <string>

#include "widgets/OleRichEdit.h"
#include "platform/ui/Dialog.h"

class CAdoConnection;

namespace ui {
class ListCtrl;
}

class CDlgAcceptDetail : public ui::Dialog {
public:
    static constexpr int IDD = 6049;
    static constexpr int IDC_EDIT_NUMBER = 6101;
    static constexpr int IDC_EDIT_NAME = 6023;
    static constexpr int IDC_EDIT_COMPLETERS = 6024;
    static constexpr int IDC_EDIT_INDICATORS = 6102;
    static constexpr int IDC_RICH_SUMMARY = 6075;
    static constexpr int IDC_LIST_ACHIEVEMENTS = 6054;

    CDlgAcceptDetail();
    static const ui::DialogTemplate& Template();

    // Shows the project's report when the project exists (otherwise the
    // fields keep what they showed), and always refills the achievement list
    // from CORVANE_CGHZ.
    void LoadProject(const std::string& number);

    ui::ListCtrl& AchievementList() const;
    // The number of the project shown ("" before the first one).
    std::string ShownProject() const { return GetDlgItemText(IDC_EDIT_NUMBER); }

    std::string m_strNumber, m_strName, m_strCompleters, m_strIndicators;
    COleRichEdit m_richSummary{COleRichEdit::Variant::KeepDefaultFormat};
    // The view's connection; not owned.
    CAdoConnection* m_pConnection = nullptr;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    void FillAchievements(const std::string& number);
};
