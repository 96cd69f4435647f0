// The approval-opinion view: for a project of the management table, the
// summarised expert opinion and the approval opinion of its plan, two rich
// texts stored in CORVANE_ITEMMANAGEINFO (ZJYJ, PFYJ).
#pragma once

#include "widgets/OleRichEdit.h"
#include "foundation/ButtonST.h"
#include "review/ManageInfoView.h"

class CDlgProPF : public CManageInfoView {
    DECLARE_DYNCREATE(CDlgProPF)
public:
    static constexpr int IDD = 6000;
    static constexpr int IDC_RICH_EXPERT = 6017;
    static constexpr int IDC_RICH_APPROVAL = 6018;
    static constexpr int IDC_BTN_SAVE = 6146;
    static constexpr int IDC_BTN_EXPORT = 6143;
    static constexpr int IDC_BTN_DELETE = 6002;
    static constexpr int IDC_BTN_FILTER = 6012;

    CDlgProPF();
    static const ui::DialogTemplate& Template();

    void OnInitialUpdate() override;
    // Every project that has a management row.
    void UpdateProList();
    void OnDblclkListProlist() override;
    void OnBtnSavePf();
    void OnBtnDelPro();

    COleRichEdit m_richExpert{COleRichEdit::Variant::KeepDefaultFormat};
    COleRichEdit m_richApproval{COleRichEdit::Variant::KeepDefaultFormat};
    CButtonST m_btnSave, m_btnExport, m_btnDelete, m_btnFilter;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
};
