// The progress report's text page (tab 阶段进展报告): basic data and the
// rich-text 进展情况简介.
#pragma once

#include "followup/DlgProSum1Attach.h"
#include "followup/SummaryTextPage.h"

class CDlgProSum1Text : public CSummaryTextPage {
public:
    static constexpr int IDD = 5604;
    CDlgProSum1Text() : CSummaryTextPage(followup::SummaryKind::Progress, std::make_unique<CDlgProSum1Attach>()) {}
};
