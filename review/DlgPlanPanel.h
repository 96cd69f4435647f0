// The plan panel: for the key project selected in the plan view's tree, the
// progress requirement and the five sections of the fund office's plan in
// CORVANE_ITEMPLAN; the plan output and the renumbering of the key projects.
#pragma once

#include <functional>
#include <string>

#include "widgets/OleRichEdit.h"
#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"
#include "review/DlgProSummary.h"

class CAdoConnection;

class CDlgPlanPanel : public ui::Dialog {
public:
    static constexpr int IDD = 6040;
    static constexpr int IDC_SAVE = 6142;
    static constexpr int IDC_OUTPUT = 6143;
    static constexpr int IDC_REORDER = 6144;
    static constexpr int IDC_TOTAL_GOALS = 6075;  // 总研究目标与内容, ZMBYNR
    static constexpr int IDC_TOTAL_FORM = 6076;   // 总完成形式, ZWCXS
    static constexpr int IDC_YEAR_GOALS = 6085;   // 年度研究目标与内容, NDMBYNR
    static constexpr int IDC_YEAR_FORM = 6086;    // 年度完成形式, NDWCXS
    static constexpr int IDC_REMARKS = 6087;      // 备注, BZ
    static constexpr int IDC_SUMMARY_PLACE = 6063;

    CDlgPlanPanel();
    static const ui::DialogTemplate& Template();

    // The approved total PFJF of the project in the summary's amount edit
    // ("%g"), empty without a review row.
    void ShowApprovedTotal(const std::string& xmbh);
    // Shows the stored plan of a project; empty sections without one.
    void ShowPlan(const std::string& xmbh);
    // Empties the progress requirement and the five sections.
    void ClearPlan();

    void OnBtnSave();
    void OnBtnOutput();
    void OnBtnReorder();

    CButtonST m_btnReorder, m_btnOutput;
    COleRichEdit m_richRemarks{COleRichEdit::Variant::KeepDefaultFormat};
    COleRichEdit m_richYearForm{COleRichEdit::Variant::KeepDefaultFormat};
    COleRichEdit m_richYearGoals{COleRichEdit::Variant::KeepDefaultFormat};
    COleRichEdit m_richTotalForm{COleRichEdit::Variant::KeepDefaultFormat};
    COleRichEdit m_richTotalGoals{COleRichEdit::Variant::KeepDefaultFormat};
    CButtonST m_btnSave;
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
};
