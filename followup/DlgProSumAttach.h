// The acceptance summary's basic data: number, name, main contributors,
// attachment and the technical-indicator text (at most 800 bytes).
#pragma once

#include "followup/SummaryAttachPage.h"

class CDlgProSumAttach : public CSummaryAttachPage {
public:
    static constexpr int IDD = 5521;
    CDlgProSumAttach() : CSummaryAttachPage(followup::SummaryKind::Acceptance, nullptr) {}
};
