// The 项目申请 module view: the list of applications in the upper band and
// the application writer (chapter tree, pages, formatting bar, commands) in
// the lower band. The view owns the database connection, the record being
// saved, the project being edited and the chapter shown; the two child
// dialogs pass their commands and notifications to it.
#pragma once

#include <string>
#include <vector>

#include "application/DlgAppWriter.h"
#include "application/DlgOutputList.h"
#include "application/ProApp.h"
#include "numbering/LoadedProject.h"
#include "numbering/ProjectNumbering.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/ui/Dialog.h"

class CDlgproappl : public ui::FormView {
    DECLARE_DYNCREATE(CDlgproappl)
public:
    static constexpr int IDD = 5000;
    static constexpr int IDC_WRITER_PLACE = 5556, IDC_LIST_PLACE = 5557;
    // Colour of the active tab.
    static constexpr COLORREF kActiveTab = RGB(63, 131, 240);

    CDlgproappl();
    ~CDlgproappl() override;
    static const ui::DialogTemplate& Template();

    // The current period's year range ("2006-2010"), assigned by the main
    // program; stored with every saved application.
    static std::string m_strPublishYear;

    void OnInitialUpdate() override;
    // Empties the form and every scratch file, then destroys the window.
    BOOL DestroyWindow() override;

    // The list of every application, by unit code and serial.
    void LoadlistDate();
    // The sex, degree and title choices from the code tables.
    void loadzd();
    // The rich-text field the formatting commands act on: 3 the goals chapter,
    // 4 plan, 5 basis, 6 opinion, 7 and 8 the two recommendations; any other
    // number leaves it.
    void SetCurRichedit(int n);
    // Selects the first tree node (in display order) whose text is `name`.
    void SetTreeNodeSel(const std::string& name);
    LRESULT OnChangeActiveTab(WPARAM tab, LPARAM);
    void OnSelchangingTree1(const ui::NotifyInfo* = nullptr, LRESULT* result = nullptr);
    void OnSelchangedTree1(const ui::NotifyInfo* = nullptr, LRESULT* result = nullptr);
    // Opens the project of the list's selection mark.
    void OnDblclkListProlist(const ui::NotifyInfo* = nullptr, LRESULT* result = nullptr);
    void SetDlgValue(PROAPP record);

    void OnBtnProadd();
    void OnBtnProdel();
    void ClearAll();
    void Emptyfile(const std::string& path);

    // Saving and numbering.
    void OnBtnSave();
    // A year typed or changed to one outside the current period is warned of
    // (the review views of the period would never show the project) and
    // saved only when the user confirms; a stored project whose year was not
    // changed is saved without a word, however old.
    BOOL ValiData();
    void CollectInfo();
    // Writes the record: 0 as a new row, else over the project being edited.
    // TRUE when it was saved.
    BOOL SavetoDB(int update);
    // "数据保存失败！", naming first a field whose value its column cannot hold.
    std::string SaveFailureMessage();
    // Closes the gaps among the serials of one prefix.
    void OnButtonSort();
    void OnButtonSort1();

    // Bundles (.proapp): export of the ticked projects, import of a folder.
    void OnBtnProexp();
    void OnBtnImport();
    void OnBtnImportPartial();
    int Import(const std::string& path, bool& problem);
    int ImportPartial(const std::string& path, bool& problem);
    int IsRecordExist(const std::string& number);
    bool CheckDWAvail(const std::string& unitCode, const std::string& guideCode, const std::string& category,
                      const std::string& bundlePath, const std::string& year);
    // The stored application document of the open project.
    void OnBtnImportDoc();
    void OnBtnExDoc();
    void OnBtnSaveDoc();
    void OnBtnRead();
    void PlaceDoc(const std::string& number, CAdoRecordSet* source);
    // The list narrowed by the query dialog.
    void OnBtnProquery();
    // The open application as a Word document, of the parts the user picks.
    void OnBtnWord();

    // Formatting commands, carried out by the writer on the current field.
    void OnFontname() { m_dlgAppWriter.OnFontname(); }
    void OnCharColor() { m_dlgAppWriter.OnCharColor(); }
    void OnCharBold() { m_dlgAppWriter.OnCharBold(); }
    void OnCharItalic() { m_dlgAppWriter.OnCharItalic(); }
    void OnCharUnderline() { m_dlgAppWriter.OnCharUnderline(); }
    void OnParaLeft() { m_dlgAppWriter.OnParaLeft(); }
    void OnParaCenter() { m_dlgAppWriter.OnParaCenter(); }
    void OnParaRight() { m_dlgAppWriter.OnParaRight(); }
    void OnUpdateCharBold(ui::CmdUI* cmdUI) { m_dlgAppWriter.OnUpdateCharBold(cmdUI); }
    void OnUpdateCharItalic(ui::CmdUI* cmdUI) { m_dlgAppWriter.OnUpdateCharItalic(cmdUI); }
    void OnUpdateCharUnderline(ui::CmdUI* cmdUI) { m_dlgAppWriter.OnUpdateCharUnderline(cmdUI); }
    void OnUpdateParaLeft(ui::CmdUI* cmdUI) { m_dlgAppWriter.OnUpdateParaLeft(cmdUI); }
    void OnUpdateParaCenter(ui::CmdUI* cmdUI) { m_dlgAppWriter.OnUpdateParaCenter(cmdUI); }
    void OnUpdateParaRight(ui::CmdUI* cmdUI) { m_dlgAppWriter.OnUpdateParaRight(cmdUI); }

    CDlgOutputList m_dlgOutputList;
    CDlgAppWriter m_dlgAppWriter;
    // The chapter (tree-node text) last shown.
    std::string m_strCurChapter;
    // The project loaded in the form (its number and row, stamped with the
    // columns the form writes); not loaded for a new application.
    projectnumber::LoadedProject m_current;
    // The columns of the application row the form writes.
    static const std::vector<std::string>& WrittenColumnNames();
    std::string m_strExePath;
    PROAPP m_proapp;
    COLORREF m_crStdTab = ui::TabWnd::DefaultTabColor();
    // Numbers of the parts chosen for the last Word output.
    std::vector<std::string> m_arrOutput;

protected:
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;

private:
    void ConnectChildren();
    CDlgAppBasicInfo& Basic() { return m_dlgAppWriter.m_dlgBasicInfo; }
    void StyleButtons();
    // The rich-text fields that show a chapter (two for the recommenders).
    std::vector<COleRichEdit*> ChapterEditors(const proapp::Chapter& chapter);
    COleRichEdit* BudgetEditor(int reasonId);
    void ShowFormatBar(bool show);
    void ActivateTab(int tab);
    // 申请金额 takes the budget total.
    void CopyBudgetTotal();
    // Writes the fields of the chapter shown to its scratch files.
    void SaveCurrentChapter();
    // The number in the two boxes: its first 17 characters, and the serial.
    void ShowNumber(const std::string& number);
    std::string ShownNumber();
    // Guide code, year and unit code as a prefix; false (after the message
    // with the given buttons and icon) when one is empty.
    bool ReadPrefix(std::string& prefix, UINT type);
    // The loaded project follows a renumbering to its new number.
    // The form follows its project through a renumbering (ProjectRows.h).
    void FollowRenames(const projectnumber::Renames& renames);
    // False (and the reason shown) when the typed serial cannot end a number.
    bool RefuseSerial(const std::string& serial);
    std::vector<proapp::MemberRow> GridMembers();

    CAdoConnection m_connection;
    CAdoRecordSet m_recordset;
};
