// The project plan form: for a project of the list, the application's
// research goals (read-only), the overall completion form, the total and
// allocated funding, and a plan for each of three years on tabbed pages.
// The overall columns are written into the application row, the yearly
// plans into CORVANE_ITEMYEARPLAN. Plans travel as .proplan files and print
// into the Word plan draft.
#pragma once

#include <string>
#include <vector>

#include "application/DuplicatePolicy.h"
#include "widgets/OleRichEdit.h"
#include "followup/DlgPlanYear.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/MaskEdit.h"
#include "platform/ui/TabWnd.h"

class CDlgproplan : public ui::FormView {
    DECLARE_DYNCREATE(CDlgproplan)
public:
    static constexpr int IDD = 5009;
    static constexpr int IDC_LIST_PROLIST = 5137;
    static constexpr int IDC_BTN_IMPORT = 5539, IDC_BTN_PROEXP = 5155, IDC_BTN_PRODEL = 5157, IDC_BTN_PROQUERY = 5159,
                         IDC_BTN_SAVE = 5161, IDC_BTN_WORD = 5164;
    static constexpr int IDC_GZDW = 5515, IDC_HZDW = 5516, IDC_RICH_GOALS = 5186, IDC_RICH_COMPLETION = 5187,
                         IDC_TOTAL_FUNDING = 5116, IDC_ALLOCATED_FUNDING = 5115, IDC_TAB_PLACE = 5141, IDC_TABWND = 5007;
    static constexpr COLORREF kActiveTab = RGB(63, 131, 240);
    // The plan years, as stored in NF and shown on the tabs.
    static constexpr const char* kYears[3] = {"第一年度", "第二年度", "第三年度"};

    CDlgproplan();
    ~CDlgproplan() override;
    static const ui::DialogTemplate& Template();

    void OnInitialUpdate() override;
    // Empties the form and its yearly scratch files, then destroys the window.
    BOOL DestroyWindow() override;

    // Fills the list with every application that is not of the category 一般基金.
    void LoadlistDate();
    // Loads the project of the list's selection mark.
    void OnClickListProlistPlan(const ui::NotifyInfo* = nullptr, LRESULT* result = nullptr);
    // Writes the overall columns into the application row, then each year
    // whose goals box holds text. Nothing is said, on success or failure.
    void OnBtnSave();
    // Writes one plan row of the current project in one transaction.
    void SaveYearPlan(const std::string& year, const std::string& goalsFile, const std::string& completionFile,
                      const std::string& funding, const std::string& schedule);
    // Deletes the plans of the marked project and empties its overall columns.
    void OnBtnProdel();
    void OnBtnProquery();
    // Empties the editable boxes and deletes the yearly scratch files.
    void ClearAll();
    LRESULT OnChangeActiveTab(WPARAM tab, LPARAM);

    // Plan files (.proplan).
    void OnBtnProexp();
    void OnButtonImport();
    int Import(const std::string& path);
    int IsRecordExist(const std::string& number, const std::string& year);
    // The Word plan draft of the marked project with what the form shows.
    void OnBtnWord();

    // The look of the form's icon buttons and static texts, which the
    // acceptance-summary report editor shares.
    static void StyleIconButton(CButtonST& button, int icon, const char* tooltip);
    static std::optional<ui::CtlColor> StaticColor(UINT kind);

    // The year page of tab `index` (0 to 2).
    CDlgPlanYear& YearPage(int index);

    COleRichEdit m_richGoals, m_richCompletion;
    ui::MaskEdit m_editTotalFunding, m_editAllocatedFunding;
    CButtonST m_btnImport, m_btnProexp, m_btnProdel, m_btnProquery, m_btnSave, m_btnWord;
    ui::TabWnd m_wndTab;
    CDlgPlanYear1 m_dlgYear1;
    CDlgPlanYear2 m_dlgYear2;
    CDlgPlanYear3 m_dlgYear3;

    // The number of the project last loaded from the list.
    std::string m_strXMBH;
    std::string m_strExePath;
    DuplicatePolicy m_nPolicy = duplicate_policy::Overwrite;
    COLORREF m_crStdTab = ui::TabWnd::DefaultTabColor();

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;

private:
    ui::ListCtrl& List() const;
    void StyleButtons();
    void CreateTabs();
    // Fills the list with every application, or those of a query of the query
    // dialog (empty: every one).
    void FillList(const std::string& selection, bool skipGeneralFund);
    // The project number (column 2) of the marked row; empty without a mark.
    std::string MarkedNumber() const;
    std::vector<std::string> SelectedNumbers() const;
    // Scratch RTF files under the program folder's temp.
    std::string ScratchPath(const std::string& name) const;
    std::string GoalsFile(int year) const;
    std::string CompletionFile(int year) const;
    // Writes a stored rich text to the scratch file and loads the box from
    // it; an empty text leaves the box empty.
    void LoadRich(COleRichEdit& box, const std::string& bytes, const std::string& file);
    bool SaveApplicationColumns();

    CAdoConnection m_connection;
};
