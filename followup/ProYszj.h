// The acceptance-summary report editor: for a project of the list, the
// seven report sections, the completion and filing dates and the project's
// stored documents, written into the project's CORVANE_ITEMCHECKACCEPT row
// (other columns of an existing row keep their values). A formatting tool
// bar acts on the section shown. Reports travel as .proys files and print
// into the Word report.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "application/DuplicatePolicy.h"
#include "followup/ProYszjTab.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/MaskEdit.h"
#include "platform/ui/ToolBar.h"

class CProYszj : public ui::FormView {
    DECLARE_DYNCREATE(CProYszj)
public:
    static constexpr int IDD = 5015;
    static constexpr int IDC_LIST_PROLIST = 5138;
    static constexpr int IDC_BTN_IMPORT = 5146, IDC_BTN_PROEXP = 5155, IDC_BTN_PRODEL = 5157, IDC_BTN_PROQUERY = 5159,
                         IDC_BTN_SAVE = 5161, IDC_BTN_WORD = 5164;
    static constexpr int IDC_NUMBER = 5168, IDC_NAME = 5169, IDC_WCSJ = 5101, IDC_TBSJ = 5102, IDC_TOOLBAR_PLACE = 5517,
                         IDC_TAB_PLACE = 5141, IDC_TABWND = 5007;
    static constexpr COLORREF kActiveTab = RGB(63, 131, 240);
    static constexpr const char* kEmptyDate = "____/__/__";
    static constexpr int kDocumentsTab = CProYszjTab::kSectionCount;

    CProYszj();
    ~CProYszj() override;
    static const ui::DialogTemplate& Template();

    void OnInitialUpdate() override;
    // Empties the form and its scratch files, then destroys the window.
    BOOL DestroyWindow() override;

    // Fills the list with every application and resets the date boxes.
    void LoadlistDate();
    // Loads the project of the list's selection mark.
    void OnDblclkListProlist(const ui::NotifyInfo* = nullptr, LRESULT* result = nullptr);
    void OnBtnSave();
    void OnBtnProdel();
    void OnBtnProquery();
    // Empties the dates and the sections and deletes the scratch files.
    void ClearAll();
    LRESULT OnChangeActiveTab(WPARAM tab, LPARAM);

    // The tool bar's commands act on the current section box.
    void OnFontname();
    void OnCharColor();
    void OnCharBold();
    void OnCharItalic();
    void OnCharUnderline();
    void OnParaLeft();
    void OnParaCenter();
    void OnParaRight();
    void OnUpdateCharBold(ui::CmdUI* cmdUI) { cmdUI->SetCheck(m_bBold); }
    void OnUpdateCharItalic(ui::CmdUI* cmdUI) { cmdUI->SetCheck(m_bItalic); }
    void OnUpdateCharUnderline(ui::CmdUI* cmdUI) { cmdUI->SetCheck(m_bUnderline); }
    void OnUpdateParaLeft(ui::CmdUI* cmdUI) { cmdUI->SetCheck(m_bLeft); }
    void OnUpdateParaCenter(ui::CmdUI* cmdUI) { cmdUI->SetCheck(m_bCenter); }
    void OnUpdateParaRight(ui::CmdUI* cmdUI) { cmdUI->SetCheck(m_bRight); }
    // The format flags follow the current box's selection.
    LRESULT OnEditSelChange(WPARAM, LPARAM);

    // The Word report of the project being edited.
    void OnBtnWord();
    // 1 when a text of the output selection, read as a number, equals `number`.
    int IfOutput(int number) const;
    std::string GetExePath() const;

    // Acceptance files (.proys).
    void OnBtnProexp();
    void OnBtnProimp();
    int Import(const std::string& path);
    int IsRecordExist(const std::string& number);

    ui::ListCtrl& List() const;
    COleRichEdit& CurrentSection() { return *m_pCurRichEdit; }

    CButtonST m_btnImport, m_btnProexp, m_btnProdel, m_btnProquery, m_btnSave, m_btnWord;
    ui::MaskEdit m_editWCSJ, m_editTBSJ;
    ui::ToolBar m_wndToolBar;
    CProYszjTab m_wndTab;
    std::array<std::string, CProYszjTab::kSectionCount> m_strScratchFiles;
    std::vector<std::string> m_arrOutput;
    int m_bBold = 0, m_bItalic = 0, m_bUnderline = 0, m_bLeft = 1, m_bCenter = 0, m_bRight = 0;
    DuplicatePolicy m_nPolicy = duplicate_policy::Overwrite;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;

private:
    void CreateToolBar();
    void FillList(const std::string& sql);
    std::string MarkedColumn(int column) const;
    std::vector<std::string> SelectedNumbers() const;
    void SetAlignment(int& flag);
    // A date box's text; empty while no digit was typed.
    std::string DateText(int id) const;

    COleRichEdit* m_pCurRichEdit = nullptr;
    CAdoConnection m_connection;
    CAdoRecordSet m_recordset;
};
