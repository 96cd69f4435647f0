// The letter-review panel: the project summary, the grid of up to three
// experts with the expert browser, each expert's grade letters per scoring
// indicator and funding opinion, the computed score, the review result and
// the reason for not funding, saved into the project's row of CORVANE_ITEMPF.
#pragma once

#include <array>
#include <string>

#include "widgets/OleRichEdit.h"
#include "foundation/ButtonST.h"
#include "foundation/Options.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/MaskEdit.h"
#include "review/DlgProSummary.h"
#include "review/ExpertGridCtrl.h"

class CAdoConnection;

class CDlgHanSPanel : public ui::Dialog {
public:
    static constexpr int IDD = 6023;
    static constexpr int IDC_SUMMARY_PLACE = 6063;
    static constexpr int IDC_GRID_PLACE = 6016;
    static constexpr int IDC_EXPERT_GRID = 1;
    static constexpr int IDC_CLEAR = 6143;
    static constexpr int IDC_BROWSE = 6144;
    static constexpr int IDC_SAVE = 6142;
    static constexpr int IDC_EXCEL = 6145;
    static constexpr int IDC_SCORE = 6065;
    static constexpr int IDC_RESULT = 6053;
    static constexpr int IDC_REASON = 6075;
    // Per expert 1 to 3: number, name, grades, opinion.
    static constexpr int IDC_NUMBER[3] = {6101, 6104, 6107};
    static constexpr int IDC_NAME[3] = {6102, 6105, 6108};
    static constexpr int IDC_GRADES[3] = {6103, 6106, 6109};
    static constexpr int IDC_OPINION[3] = {6136, 6137, 6138};

    // Reads the scoring settings (indicator count, weights, grade values).
    explicit CDlgHanSPanel(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // Loads the stored review of a project (the panel stays cleared without one).
    void LoadReview(const std::string& xmbh);
    // Three empty expert rows, the grade template, no score, opinions, result or reason.
    void Clear();
    // The score of one expert's grade text: -2 not (fully) graded, -1 when the
    // number of grades differs from the indicator count.
    float CalcExpertScore(const std::string& grades) const;
    // The mean of the graded experts' scores into the score field, with the
    // weights and grade values as the settings hold them now; weights or grade
    // values all 0 are reported and give no score.
    void CalcScore();
    // Two opinions "n" make the result "-".
    void CheckOpinions();
    void SaveReview();

    CDlgProSummary m_dlgSummary;
    CExpertGridCtrl m_ctrlExpertGrid;
    // The view's connection; not owned.
    CAdoConnection* m_pConnection = nullptr;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override {}
    void OnCancel() override {}

    void OnBtnClear() { Clear(); }
    void OnBtnBrowseExperts();
    void OnBtnExcel();
    void OnSelchangeOpinion(int expert);
    void OnSelchangeOpinion1() { OnSelchangeOpinion(0); }
    void OnSelchangeOpinion2() { OnSelchangeOpinion(1); }
    void OnSelchangeOpinion3() { OnSelchangeOpinion(2); }

private:
    // n letters joined by single blanks, for n = the indicator count (6 to 10).
    std::string GradeRow(char letter) const;
    bool HasGradeMask() const;
    // The failure text, after the label of a grade text its column cannot hold.
    std::string FailureText(const std::string& failure) const;
    void ApplyGradeMask();
    void RemoveGradeMask();
    void SelectExact(int listId, const std::string& text);
    // Reads the weights and grade values from the settings; false when the
    // weights in use or the grade values are all 0.
    bool ReadScoring();

    std::string m_strScore, m_strReason;
    std::array<std::string, 3> m_strGrades;
    COptions m_options;
    int m_nIndexCount;
    std::array<int, COptions::kIndexWeightCount> m_nWeights;
    std::array<int, COptions::kGradeCount> m_nGradeValues;
    std::array<ui::MaskEdit, 3> m_editGrades;
    COleRichEdit m_editReason;
    CButtonST m_btnSave, m_btnExcel;
    bool m_bShowingMismatch = false;
};
