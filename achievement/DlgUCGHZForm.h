// The form page of the unit achievement-transfer view: the two data pages
// in a tab window and the record's commands 新增, 保存 and the Word report
// of the unit selected in the list.
#pragma once

#include <functional>

#include "achievement/DlgUCGHZPage1.h"
#include "achievement/DlgUCGHZPage2.h"
#include "foundation/AdoConnection.h"
#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/TabWnd.h"

class CDlgUCGHZList;

class CDlgUCGHZForm : public ui::Dialog {
public:
    static constexpr int IDD = 5610;
    static constexpr int IDC_PLACEHOLDER = 5556;
    static constexpr int IDC_TABWND = 5007;
    static constexpr int IDC_BTN_NEW = 5143, IDC_BTN_SAVE = 5142, IDC_BTN_WORD = 5144, IDC_BTN_EXCEL = 5145;
    // Colour of the active tab.
    static constexpr COLORREF kActiveTab = RGB(63, 131, 240);

    CDlgUCGHZForm();
    static const ui::DialogTemplate& Template();

    // 新增: the picker, then the chosen unit in the data pages.
    void OnBtnNew();
    // 保存: checks the code and name, asks before overwriting a stored unit.
    void OnBtnSave();
    // Word: the unit selected in the list as the unit report.
    void OutputWord();
    LRESULT OnChangeActiveTab(WPARAM tab, LPARAM);

    CButtonST m_btnNew, m_btnSave, m_btnWord, m_btnExcel;
    ui::TabWnd m_wndTab;
    // The view's connection, set before the window is created; not owned.
    CAdoConnection* m_pConnection = nullptr;
    CDlgUCGHZPage1 m_dlgPage1;
    CDlgUCGHZPage2 m_dlgPage2;
    // The tab colour given back to a tab that is no longer active.
    COLORREF m_crStdTab = ui::TabWnd::DefaultTabColor();

    // Set by the view that owns the form: the list above it, and the save of
    // the form's values (the view collects and stores them).
    CDlgUCGHZList* m_pList = nullptr;
    std::function<void(int update)> m_onSave;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
};
