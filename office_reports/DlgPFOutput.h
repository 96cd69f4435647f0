// 输出: the approval output dialog. For the approved general projects of a
// year it prints either the plan tables in Excel (项目计划表, one workbook or
// one per unit) or the approval opinions in Word (批复意见, one section per
// project with the expert and approval opinions and the approval sentence).
#pragma once

#include <string>

#include "office_reports/PlanOutputDialog.h"
#include "platform/ui/DateTimeCtrl.h"

class CDlgPFOutput : public CPlanOutputDialog {
public:
    static constexpr int IDD = 6043;
    static constexpr int IDC_START_MONTH = 6093;
    static constexpr int IDC_END_MONTH = 6094;
    static constexpr int IDC_RICH_APPROVAL = 6076;
    static constexpr int IDC_OPINION_PAPER = 6138;

    explicit CDlgPFOutput(ui::Wnd* parent = nullptr);
    ~CDlgPFOutput() override;
    static const ui::DialogTemplate& Template();

    ui::DateTimeCtrl m_dateEnd;
    ui::DateTimeCtrl m_dateStart;
    COleRichEdit m_richEdit2{COleRichEdit::Variant::KeepDefaultFormat};
    std::string m_strRichText2;  // plain text of the hidden control 6076
    int m_nOpinionPaper = 1;     // 0 A4, any other value B5

    // The approval opinions of the ticked funds in one Word document, left
    // open for the user; the dialog then closes.
    void OutputApprovalOpinions();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;
    void OnCategoryChanged() override;

    std::string FundListQuery(const std::string& year) const override;
    std::string CountQuery(const reportqueries::FundProjects& projects, const std::string& unit) const override;
    std::string SumQuery(const reportqueries::FundProjects& projects, const std::string& unit) const override;
    const std::string& CategoryOf(int category) const override;

private:
    // The plan tables in Excel; true when they were written.
    bool OutputPlanTables();
    // "同意资助 <unit>  <leader>  申请的...项目“<name>”，项目编号为 ..." with the
    // period of the two month pickers.
    std::string ApprovalSentence(const std::string& unit, const std::string& leader, const std::string& name,
                                 const std::string& xmbh, const std::string& funds) const;
};
