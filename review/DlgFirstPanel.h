// The detail panel of the first-review view: the project-information editor
// and the buttons save, application list to Excel and key-laboratory
// statistics to Excel (shown only for the key-laboratory category).
#pragma once

#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"
#include "review/DlgProEdit.h"

class CAdoConnection;

class CDlgFirstPanel : public ui::Dialog {
public:
    static constexpr int IDD = 6011;
    static constexpr int IDC_EDITOR_FRAME = 6049;
    static constexpr int IDC_SAVE = 6142;
    static constexpr int IDC_EXCEL = 6143;
    static constexpr int IDC_LAB_STAT = 6144;

    CDlgFirstPanel();
    static const ui::DialogTemplate& Template();

    // Shows or hides the laboratory-statistics button.
    void ShowLabStatButton(bool show);

    CDlgProEdit m_dlgProEdit;
    CButtonST m_btnSave, m_btnExcel, m_btnLabStat;
    // The view's connection; not owned.
    CAdoConnection* m_pConnection = nullptr;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    void OnBtnSave();
    void OnBtnExcel();
    void OnBtnLabStat();
};
