// The list of the stored stage progress reports (CORVANE_ITEMPROGRESS).
#pragma once

#include "followup/SummaryListPage.h"

class CDlgProSum1List : public CSummaryListPage {
public:
    static constexpr int IDD = 5603;
    CDlgProSum1List() : CSummaryListPage(followup::SummaryKind::Progress) {}
};
