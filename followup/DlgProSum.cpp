#include "followup/DlgProSum.h"

IMPLEMENT_DYNCREATE(CDlgProSum, CSummaryView)

CDlgProSum::CDlgProSum()
    : CSummaryView(followup::SummaryKind::Acceptance, std::make_unique<CDlgProSumList>(),
                   std::make_unique<CDlgProSumEdit>()) {}
