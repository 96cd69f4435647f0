#include "followup/DlgProSum1.h"

IMPLEMENT_DYNCREATE(CDlgProSum1, CSummaryView)

CDlgProSum1::CDlgProSum1()
    : CSummaryView(followup::SummaryKind::Progress, std::make_unique<CDlgProSum1List>(),
                   std::make_unique<CDlgProSum1Edit>()) {}
