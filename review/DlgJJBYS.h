// The fund-office acceptance view of the management table: for a project of
// CORVANE_ITEMMANAGEINFO the acceptance state (free text), a score of up to
// three digits, a grade and two rich texts, the conclusion and the remarks.
#pragma once

#include <string>

#include "widgets/OleRichEdit.h"
#include "foundation/ButtonST.h"
#include "platform/ui/MaskEdit.h"
#include "review/ManageInfoView.h"

class CDlgJJBYS : public CManageInfoView {
    DECLARE_DYNCREATE(CDlgJJBYS)
public:
    static constexpr int IDD = 6002;
    static constexpr int IDC_EDIT_STATE = 6101;
    static constexpr int IDC_EDIT_SCORE = 6013;
    static constexpr int IDC_COMBO_GRADE = 6136;
    static constexpr int IDC_RICH_CONCLUSION = 6018;
    static constexpr int IDC_RICH_REMARKS = 6019;
    static constexpr int IDC_BTN_SAVE = 6008;
    static constexpr int IDC_BTN_DELETE = 6006;
    static constexpr int IDC_BTN_EXPORT = 6007;
    static constexpr int IDC_BTN_QUERY = 6012;

    CDlgJJBYS();
    static const ui::DialogTemplate& Template();

    void OnInitialUpdate() override;
    // Every project that has a management row.
    void UpdateProList();
    void OnDblclkListProlist() override;
    void OnBtnYsSave();
    void OnBtnProDel();

    std::string m_strState;  // PFZT
    std::string m_strScore;  // YSFS
    int m_nGrade = -1;       // index of 优, 良, 中, 差; the text is stored
    COleRichEdit m_richConclusion{COleRichEdit::Variant::KeepDefaultFormat};
    COleRichEdit m_richRemarks{COleRichEdit::Variant::KeepDefaultFormat};
    ui::MaskEdit m_editScore;
    CButtonST m_btnSave, m_btnDelete, m_btnExport, m_btnQuery;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;

private:
    // Empties the state, score, grade and both rich texts, and shows them.
    void ClearFields();
};
