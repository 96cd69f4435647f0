// The achievement compilation: for the chosen accepted projects of one year
// and fund kind, a Word document with each project's title, category and
// number, leader and unit, researchers, acceptance grade, achieved
// indicators and completion summary. Ticking a fund brings its accepted
// projects into the project list, ticked; unticking takes them out.
#pragma once

#include <string>

#include "widgets/OleRichEdit.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"

class CAdoConnection;

namespace office::word {
class Selection;
}

class CDlgCGXB : public ui::Dialog {
public:
    static constexpr int IDD = 6051;
    static constexpr int IDC_YEAR = 6136;
    static constexpr int IDC_CATEGORY = 6053;
    static constexpr int IDC_FUND_LIST = 6054;
    static constexpr int IDC_PROJECT_LIST = 6078;
    static constexpr int IDC_SELECT_ALL_FUNDS = 6142;
    static constexpr int IDC_INVERT_FUNDS = 6143;
    static constexpr int IDC_SELECT_ALL_PROJECTS = 6144;
    static constexpr int IDC_INVERT_PROJECTS = 6145;
    static constexpr int IDC_FORMATTER = 6075;

    explicit CDlgCGXB(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    CAdoConnection* m_pConnection = nullptr;  // the opener's, borrowed
    int m_nCategory = -1;                     // 0 专业组, otherwise 重点实验室
    ui::ComboBox m_cboYear;
    ui::ListCtrl m_listFunds;
    ui::ListCtrl m_listProjects;
    COleRichEdit m_richFormatter{COleRichEdit::Variant::KeepDefaultFormat};

    void FillFundList();
    // Adds the fund's accepted projects of the year and kind at the top of
    // the project list, ticked.
    void AddFundProjects(const std::string& fund);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;

private:
    void OnFilterChanged();
    // A fund's tick changed: ticked brings its projects in, unticked takes them out.
    void OnFundTickChanged(const ui::NotifyInfo& info);
    void OnSelectAllFunds();
    void OnInvertFunds();
    void OnSelectAllProjects();
    void OnInvertProjects();
    void RemoveFundProjects(const std::string& fund);
    // Ticks set by the dialog itself, not by the user.
    void SetFundTick(int row, bool ticked);
    std::string SelectedYear() const;
    std::string CategoryCondition() const;
    // Types one project's section at the cursor.
    void WriteProject(const office::word::Selection& selection, const std::string& xmbh, const std::string& name);
    // The completion summary reformatted into a scratch RTF file; empty when
    // the project has none or the scratch files cannot be written.
    std::string FormattedSummary(const std::string& rtf);

    bool m_bSettingTicks = false;
};
