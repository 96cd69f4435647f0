// The progress report's editor: tab 阶段进展报告, 新增 and 保存.
#pragma once

#include "followup/DlgProSum1Text.h"
#include "followup/SummaryEditPage.h"

class CDlgProSum1Edit : public CSummaryEditPage {
public:
    static constexpr int IDD = 5602;
    CDlgProSum1Edit() : CSummaryEditPage(followup::SummaryKind::Progress, std::make_unique<CDlgProSum1Text>(), nullptr) {}

    CDlgProSum1Text& TextPage() const { return static_cast<CDlgProSum1Text&>(Text()); }
};
