// 项目验收总结: the applicant's acceptance summaries, listed above and
// edited below.
#pragma once

#include "followup/DlgProSumEdit.h"
#include "followup/DlgProSumList.h"
#include "followup/SummaryView.h"

class CDlgProSum : public CSummaryView {
    DECLARE_DYNCREATE(CDlgProSum)
public:
    static constexpr int IDD = 5518;

    CDlgProSum();

    CDlgProSumList& List() const { return static_cast<CDlgProSumList&>(ListPage()); }
    CDlgProSumEdit& Edit() const { return static_cast<CDlgProSumEdit&>(EditPage()); }
};
