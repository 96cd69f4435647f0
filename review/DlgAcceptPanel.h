// The result page of the acceptance view: the fund office's verdict on a
// project (state, grade, final score, conclusion and remarks) stored in its
// row of CORVANE_ITEMCHECKACCEPT, with the information page above it and the
// command that opens the achievement compilation.
#pragma once

#include <string>

#include "widgets/OleRichEdit.h"
#include "foundation/ButtonST.h"
#include "numbering/LoadedProject.h"
#include "platform/ui/Dialog.h"
#include "review/DlgAcceptDetail.h"

class CAdoConnection;

class CDlgAcceptPanel : public ui::Dialog {
public:
    static constexpr int IDD = 6048;
    static constexpr int IDC_DETAIL_PLACE = 6095;
    static constexpr int IDC_COMBO_STATE = 6136;
    static constexpr int IDC_COMBO_GRADE = 6053;
    static constexpr int IDC_EDIT_SCORE = 6101;
    static constexpr int IDC_RICH_CONCLUSION = 6075;
    static constexpr int IDC_RICH_REMARKS = 6076;
    static constexpr int IDC_BTN_SAVE = 6142;
    static constexpr int IDC_BTN_COMPILE = 6143;
    // The state that choosing a first grade sets: 完成验收.
    static constexpr int kStateAccepted = 3;

    CDlgAcceptPanel();
    static const ui::DialogTemplate& Template();

    // Empties the score, the grade, the state and both rich texts.
    void ClearResult();
    // Clears, then shows the project's stored verdict when it has a row.
    void LoadResult(const std::string& number);
    // Writes the verdict of the project shown on the information page.
    void OnBtnSave();
    // Choosing a grade where none was held sets the state to 完成验收.
    void OnSelchangeGrade();
    // Opens the achievement compilation with the page's connection.
    void OnBtnCompile();

    int m_nState = -1;  // YSZT: 转专业组, 延期, 未交, 完成验收
    int m_nGrade = -1;  // YSQK: 优, 良, 中, 差
    std::string m_strScore;  // FINALSCORE
    COleRichEdit m_richConclusion{COleRichEdit::Variant::KeepDefaultFormat};
    COleRichEdit m_richRemarks{COleRichEdit::Variant::KeepDefaultFormat};
    CButtonST m_btnSave, m_btnCompile;
    CDlgAcceptDetail m_dlgDetail;
    // The view's connection; not owned.
    CAdoConnection* m_pConnection = nullptr;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    // Writes the page's verdict into the project's row (added when missing)
    // in one transaction, while the project is still the one loaded.
    projectnumber::SaveResult StoreResult(const std::string& number);
    bool WriteResult(const std::string& number);

    // The project the verdict on the page belongs to: the number of the last
    // LoadResult, with its application row. A save writes only when the
    // information page shows this same project, and the row still holds it.
    projectnumber::LoadedProject m_loaded;
};
