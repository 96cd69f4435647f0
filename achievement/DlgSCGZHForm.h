// The form page of the achievement-transfer view: the information page as
// the one tab of a tab window, and the commands 新增, 保存, Word and Excel.
#pragma once

#include <functional>
#include <string>

#include "achievement/DlgSCGZHInfo.h"
#include "foundation/AdoConnection.h"
#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/TabWnd.h"

class CDlgSCGZHList;

class CDlgSCGZHForm : public ui::Dialog {
public:
    static constexpr int IDD = 5608;
    static constexpr int IDC_TAB_PLACE = 5556;
    static constexpr int IDC_TABWND = 5007;
    static constexpr int IDC_BTN_NEW = 5143;
    static constexpr int IDC_BTN_SAVE = 5142;
    static constexpr int IDC_BTN_WORD = 5144;
    static constexpr int IDC_BTN_EXCEL = 5145;
    // Colour of the active tab.
    static constexpr COLORREF kActiveTab = RGB(63, 131, 240);

    explicit CDlgSCGZHForm(ui::Wnd* parent = nullptr);
    ~CDlgSCGZHForm() override;
    static const ui::DialogTemplate& Template();

    // 新增: the picker; on OK the chosen or typed project is loaded.
    void OnBtnProadd();
    // 保存: checks the number and the name, asks before overwriting a stored
    // record, saves through the view and refreshes the list.
    void OnBtnSave();
    // The project selected in the list into the Word information table.
    void OutputWord();
    // The ticked projects of the list into the Excel information table.
    void OutputExcel();
    LRESULT OnChangeActiveTab(WPARAM tab, LPARAM);

    CButtonST m_btnNew, m_btnSave, m_btnWord, m_btnExcel;
    ui::TabWnd m_wndTab;
    // The view's open connection, set before the page is created; not owned.
    CAdoConnection* m_pConnection = nullptr;
    CDlgSCGZHInfo m_dlgInfo;
    COLORREF m_crTab = ui::TabWnd::DefaultTabColor();
    std::string m_strAppPath;

    // Set by the view that owns the form: the list above it, and the save of
    // the form's values (the view collects and stores them; false when the
    // store failed).
    CDlgSCGZHList* m_pList = nullptr;
    std::function<bool(int update)> m_onSave;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;

};
