// The expert judging view of the management tables: per project the experts
// assigned to it with their scores and funding opinions (CORVANE_EXPERTJUDGE)
// and the project's overall result: total score, review opinion and approved
// funding (CORVANE_ITEMMANAGEINFO, whose rows it creates).
#pragma once

#include <string>
#include <vector>

#include "foundation/ButtonST.h"
#include "platform/ui/GridCtrl.h"
#include "platform/ui/MaskEdit.h"
#include "review/ExpertGridCtrl.h"
#include "review/ManageInfoView.h"
#include "review/ReviewStore.h"

class CDLGPROJUDGE;

// The expert grid of this view: a change of an expert number by the user
// also shows the number and name in the matching row of the score grid.
class CJudgeExpertGrid : public CExpertGridCtrl {
public:
    explicit CJudgeExpertGrid(CDLGPROJUDGE& view) : m_view(view) {}

protected:
    void OnItemChanged(ui::GridItem* item, int row, int column) override;

private:
    CDLGPROJUDGE& m_view;
};

class CDLGPROJUDGE : public CManageInfoView {
    DECLARE_DYNCREATE(CDLGPROJUDGE)
public:
    static constexpr int IDD = 6001;
    static constexpr int IDC_EXPERT_PLACE = 6016;
    static constexpr int IDC_SCORE_PLACE = 6017;
    static constexpr int IDC_RADIO_GROUP = 6134;   // 会审
    static constexpr int IDC_RADIO_SINGLE = 6135;  // 函审
    static constexpr int IDC_EDIT_SCORE = 6013;
    static constexpr int IDC_COMBO_OPINION = 6014;
    static constexpr int IDC_EDIT_FUNDING = 6114;
    static constexpr int IDC_BTN_QUERY = 6012;
    static constexpr int IDC_BTN_SAVE_EXPERTS = 6003;
    static constexpr int IDC_BTN_DELETE = 6004;
    static constexpr int IDC_BTN_SAVE_SCORES = 6148;
    static constexpr int kExpertGridId = 1, kScoreGridId = 2;
    // Columns of the score grid.
    enum { kJudgeNumber, kJudgeName, kJudgeScore, kJudgeOpinion, kJudgeColumns };
    // Review modes: 会审 (no expert scores) and 函审 (experts and scores).
    enum { kModeMeeting = 0, kModeLetter = 1 };

    CDLGPROJUDGE();
    static const ui::DialogTemplate& Template();

    void OnInitialUpdate() override;
    // Every application of every year, by year, category and number.
    void UpdateProList();
    // The numbers of all experts of the master data, in table order.
    void InitExpertInfo();
    void OnDblclkListProlist() override;
    void OnRadioGroupaudit();
    void OnRadioSingleaduit();
    // Writes the open project's experts.
    void OnBtnSaveZj();
    // Writes the open project's result (and, in the letter review, its
    // experts with their scores).
    void OnBtnSaveDf();
    // Clears the selected project's result and removes its experts.
    void OnBtnDelJudgeinfo();

    // Score grid rows: number and name of a row, a new empty row, removal.
    void SetJudge(int row, const std::string& number, const std::string& name);
    void AddJudge();
    void DeleteJudge(int row);
    // Fills expert row `row` from the master data of `number` and shows the
    // expert in the score row.
    void FormatGrid(int row, const std::string& number, ui::GridRow* gridRow);

    CJudgeExpertGrid m_ctrlExpertGrid{*this};
    ui::GridCtrl m_ctrlScoreGrid;
    ui::MaskEdit m_editScore, m_editFunding;
    CButtonST m_btnQuery, m_btnSaveExperts, m_btnDelete, m_btnSaveScores;
    int m_nMode = kModeLetter;
    std::string m_strScore;    // PSZFS
    std::string m_strFunding;  // PFJF
    int m_nOpinion = -1;       // PSYJ: 同意, 不同意
    std::vector<std::string> m_arrExpertNumbers;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;

private:
    friend class CJudgeExpertGrid;
    // Both grids emptied and given three empty rows; the result fields emptied.
    void ClearJudging();
    // Empty rows up to three, so experts can be assigned to any project.
    void PadRows();
    void SetMode(int mode);
    // The rows the user filled (expert number or a score cell given).
    std::vector<int> UsedRows() const;
    // The checks on the experts before they are written; false after the message.
    bool CheckExperts(bool withScores);
    // The experts of the rows used, with their scores and opinions.
    std::vector<reviewstore::ExpertJudgement> Judgements();
    // Replaces the project's experts inside the open transaction.
    bool WriteExperts();
    std::string ScoreCell(int row, int column) const;
};
