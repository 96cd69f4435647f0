// The acceptance summary's editor: tabs 基本信息 and 成果汇总, 新增 and 保存.
#pragma once

#include "followup/DlgProSumResults.h"
#include "followup/DlgProSumText.h"
#include "followup/SummaryEditPage.h"

class CDlgProSumEdit : public CSummaryEditPage {
public:
    static constexpr int IDD = 5520;
    CDlgProSumEdit()
        : CSummaryEditPage(followup::SummaryKind::Acceptance, std::make_unique<CDlgProSumText>(),
                           std::make_unique<CDlgProSumResults>()) {}

    CDlgProSumText& TextPage() const { return static_cast<CDlgProSumText&>(Text()); }
    CDlgProSumResults& ResultsPage() const { return *Results(); }
};
