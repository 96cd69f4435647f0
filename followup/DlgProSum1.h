// 阶段进展报告: the applicant's stage progress reports, listed above and
// edited below.
#pragma once

#include "followup/DlgProSum1Edit.h"
#include "followup/DlgProSum1List.h"
#include "followup/SummaryView.h"

class CDlgProSum1 : public CSummaryView {
    DECLARE_DYNCREATE(CDlgProSum1)
public:
    static constexpr int IDD = 5601;

    CDlgProSum1();

    CDlgProSum1List& List() const { return static_cast<CDlgProSum1List&>(ListPage()); }
    CDlgProSum1Edit& Edit() const { return static_cast<CDlgProSum1Edit&>(EditPage()); }
};
