// The approval panel: for the project selected in the approval view's tree,
// the approved budget by cost item, the experts' opinion and the approval
// opinion, kept in the project's review row of CORVANE_ITEMPF; the approval
// output and the renumbering of the general projects.
#pragma once

#include <functional>
#include <string>

#include "widgets/OleRichEdit.h"
#include "foundation/ButtonST.h"
#include "review/DlgProSummary.h"
#include "review/ReviewStore.h"
#include "platform/ui/Dialog.h"

class CAdoConnection;

class CDlgPFPanel : public ui::Dialog {
public:
    static constexpr int IDD = 6030;
    static constexpr int IDC_SAVE = 6142;
    static constexpr int IDC_OUTPUT = 6143;
    static constexpr int IDC_REORDER = 6144;
    static constexpr int IDC_APPROVAL_OPINION = 6076;  // 批复意见, PFYJ
    static constexpr int IDC_EXPERT_OPINION = 6075;    // 专家意见, ZJYJ
    static constexpr int IDC_SUMMARY_PLACE = 6063;
    static constexpr int IDC_SJF = 6066;
    static constexpr int IDC_CLF = 6114;
    static constexpr int IDC_SYF = 6069;
    static constexpr int IDC_WXF = 6067;
    static constexpr int IDC_ZYF = 6068;
    static constexpr int IDC_GDZCF = 6070;
    static constexpr int IDC_GZF = 6071;
    static constexpr int IDC_GLF = 6072;
    static constexpr int IDC_TOTAL = 6073;

    CDlgPFPanel();
    static const ui::DialogTemplate& Template();

    // Shows the approval of a project: the approved amounts of its review
    // row, or the applied amounts while none is approved, and both opinions.
    void ShowApproval(const std::string& xmbh);
    // Zero amounts and empty opinions.
    void ClearApproval();
    // The applied amounts of the project's application, when it has one.
    void FillFromApplication(const std::string& xmbh);
    void ShowBudget(const reviewstore::Budget& budget);
    // The total becomes the sum of the eight items; false when an amount
    // typed is not a number (the exchange has said so).
    bool UpdateTotal();

    void OnBtnSave();
    void OnBtnOutput();
    void OnBtnReorder();

    CButtonST m_btnReorder, m_btnOutput;
    COleRichEdit m_richApprovalOpinion{COleRichEdit::Variant::KeepDefaultFormat};
    COleRichEdit m_richExpertOpinion{COleRichEdit::Variant::KeepDefaultFormat};
    CButtonST m_btnSave;
    // Amounts in 万元.
    float m_fDesign = 0, m_fMaterials = 0, m_fTests = 0, m_fOutsideWork = 0, m_fSpecial = 0, m_fFixedAssets = 0,
          m_fWages = 0, m_fManagement = 0, m_fTotal = 0;
    CDlgProSummary m_dlgSummary;
    // The view's connection; not owned.
    CAdoConnection* m_pConnection = nullptr;
    // Set by the view: the 重排序 command, which renumbers the view's year and
    // fund kind and gives the numbers moved.
    std::function<projectnumber::Renames()> m_onReorder;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    bool m_bUpdatingTotal = false;
};
