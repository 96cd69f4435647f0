// The three year pages of the project plan form (第一年度, 第二年度,
// 第三年度): child dialogs of one layout with their own control ids, each
// holding the annual funding, the schedule requirement, the yearly goals and
// content, the yearly completion form and a remark that only the Word plan
// draft prints. Enter and Esc do nothing on a page.
#pragma once

#include <string>

#include "widgets/OleRichEdit.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/MaskEdit.h"

class CDlgPlanYear : public ui::Dialog {
public:
    // The control ids of one page.
    struct Ids {
        int idd, funding, schedule, goals, completion, remark;
    };
    static constexpr int kFundingLength = 7;
    static constexpr const char* kFundingChars = "1234567890.";

    explicit CDlgPlanYear(const Ids& ids);

    const Ids& GetIds() const { return m_ids; }
    // Texts of the boxes; the rich-text ones as plain text.
    std::string Funding() const { return GetDlgItemText(m_ids.funding); }
    std::string Schedule() const { return GetDlgItemText(m_ids.schedule); }
    std::string GoalsText() const { return m_richGoals.GetWindowText(); }
    std::string CompletionText() const { return m_richCompletion.GetWindowText(); }
    std::string RemarkText() const { return GetDlgItemText(m_ids.remark); }
    // Empties the funding, schedule, goals and completion boxes.
    void Clear();

    ui::MaskEdit m_editFunding;
    COleRichEdit m_richGoals, m_richCompletion;

protected:
    // One layout for the three pages, with the page's ids.
    static ui::DialogTemplate MakeTemplate(const Ids& ids);
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    Ids m_ids;
};

class CDlgPlanYear1 : public CDlgPlanYear {
public:
    static constexpr Ids kIds{5010, 5219, 5220, 5193, 5194, 5192};
    CDlgPlanYear1() : CDlgPlanYear(kIds) {}
};

class CDlgPlanYear2 : public CDlgPlanYear {
public:
    static constexpr Ids kIds{5011, 5221, 5222, 5195, 5196, 5197};
    CDlgPlanYear2() : CDlgPlanYear(kIds) {}
};

class CDlgPlanYear3 : public CDlgPlanYear {
public:
    static constexpr Ids kIds{5012, 5223, 5224, 5198, 5199, 5200};
    CDlgPlanYear3() : CDlgPlanYear(kIds) {}
};
