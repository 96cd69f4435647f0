// The acceptance summary's text page (tab 基本信息): basic data and the
// rich-text 完成情况简介.
#pragma once

#include "followup/DlgProSumAttach.h"
#include "followup/SummaryTextPage.h"

class CDlgProSumText : public CSummaryTextPage {
public:
    static constexpr int IDD = 5523;
    CDlgProSumText() : CSummaryTextPage(followup::SummaryKind::Acceptance, std::make_unique<CDlgProSumAttach>()) {}
};
