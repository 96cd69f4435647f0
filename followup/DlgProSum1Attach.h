// The progress report's basic data: number, name, project leader and
// attachment.
#pragma once

#include "followup/SummaryAttachPage.h"

class CDlgProSum1Attach : public CSummaryAttachPage {
public:
    static constexpr int IDD = 5605;
    CDlgProSum1Attach() : CSummaryAttachPage(followup::SummaryKind::Progress, nullptr) {}
};
