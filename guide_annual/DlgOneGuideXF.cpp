#include "guide_annual/DlgOneGuideXF.h"

#include "guide_annual/DlgGuideIssue.h"

IMPLEMENT_DYNCREATE(CDlgOneGuideXF, ui::FormView)

CDlgOneGuideXF::CDlgOneGuideXF() : ui::FormView(Template()) {}

CDlgOneGuideXF::~CDlgOneGuideXF() = default;

const ui::DialogTemplate& CDlgOneGuideXF::Template() {
    static const ui::DialogTemplate t{IDD, "", {0, 0, 590, 310}, {
        {ui::Kind::Static, IDC_PANEL_PLACE, "", {4, 4, 582, 302}, SS_BLACKFRAME, {}, true},
    }, WS_CHILD};
    return t;
}

void CDlgOneGuideXF::OnInitialUpdate() {
    ui::FormView::OnInitialUpdate();
    m_pPanel = std::make_unique<CDlgGuideIssue>(this);
    m_pPanel->CreateOver(this, IDC_PANEL_PLACE);
}

void CDlgOneGuideXF::ReloadYear() {
    if (m_pPanel && m_pPanel->IsWindow()) m_pPanel->ReloadYear();
}

std::optional<ui::CtlColor> CDlgOneGuideXF::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (kind == CTLCOLOR_DLG) return ui::CtlColor{RGB(255, 255, 255)};
    return ui::FormView::OnCtlColor(control, kind);
}
