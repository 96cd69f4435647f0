// The meeting-review panel: the project summary with the meeting's result
// list, the budget granted by the meeting (eight amounts and their total, in
// 万元) and, for key laboratories, the laboratory review table output; saved
// into the project's row of CORVANE_ITEMPF.
#pragma once

#include <array>
#include <string>

#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"
#include "review/DlgProSummary.h"
#include "review/ReviewStore.h"

class CAdoConnection;

class CDlgHuiSPanel : public ui::Dialog {
public:
    static constexpr int IDD = 7028;
    static constexpr int IDC_SUMMARY_PLACE = 6063;
    static constexpr int IDC_SAVE = 6142;
    static constexpr int IDC_EXCEL = 6143;
    static constexpr int IDC_TOTAL = 6073;
    // The eight amount edits, in the order of the budget columns.
    static constexpr int IDC_AMOUNTS[8] = {6066, 6114, 6067, 6068, 6069, 6070, 6071, 6072};

    explicit CDlgHuiSPanel(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // The stored granted budget of the project, or its applied budget when
    // it has no review row.
    void LoadReview(const std::string& xmbh);
    void ClearBudget();
    void LoadAppliedBudget(const std::string& xmbh);
    void ShowBudget(const reviewstore::Budget& budget);
    // The total becomes the sum of the eight amounts.
    bool SumBudget();  // false: an amount was refused
    void SaveReview();

    CDlgProSummary m_dlgSummary;
    // The view's connection; not owned.
    CAdoConnection* m_pConnection = nullptr;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override {}
    void OnCancel() override {}
    void OnBtnExcel();

private:
    float m_fTotal = 0;
    std::array<float, 8> m_fAmounts{};
    CButtonST m_btnSave, m_btnExcel;
};
