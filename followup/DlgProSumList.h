// The list of the stored acceptance summaries (CORVANE_ITEMCHECKACCEPT).
#pragma once

#include "followup/SummaryListPage.h"

class CDlgProSumList : public CSummaryListPage {
public:
    static constexpr int IDD = 5519;
    CDlgProSumList() : CSummaryListPage(followup::SummaryKind::Acceptance) {}
};
