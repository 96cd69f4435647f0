// The progress panel: the fund office's stage check conclusion of the
// selected project's progress report (JCJL of CORVANE_ITEMPROGRESS), the
// report's detail above it, and for key-laboratory funds the laboratory
// review table.
#pragma once

#include <string>

#include "widgets/OleRichEdit.h"
#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"
#include "review/DlgJinZDetail.h"

class CAdoConnection;

class CDlgJinZPanel : public ui::Dialog {
public:
    static constexpr int IDD = 7088;
    static constexpr int IDC_CONCLUSION = 6075;
    static constexpr int IDC_OUTPUT = 6143;
    static constexpr int IDC_SAVE = 6142;
    static constexpr int IDC_DETAIL_PLACE = 6063;

    CDlgJinZPanel();
    static const ui::DialogTemplate& Template();

    // Shows the stored conclusion and progress summary of a project.
    void ShowProgress(const std::string& xmbh);
    void OnBtnSave();
    void OnBtnOutput();
    // The output button serves the key laboratories only.
    void ShowOutputButton(bool show);

    COleRichEdit m_richConclusion{COleRichEdit::Variant::KeepDefaultFormat};
    std::string m_strConclusion;
    CButtonST m_btnOutput;
    CButtonST m_btnSave;
    CDlgJinZDetail m_dlgDetail;
    // The view's connection; not owned.
    CAdoConnection* m_pConnection = nullptr;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override {}
    void OnCancel() override {}
};
