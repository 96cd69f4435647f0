#include "TestView.h"

#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNCREATE(CTestView, ui::FormView)

const ui::DialogTemplate& CTestView::Template() {
    static const ui::DialogTemplate t{3136, "", {0, 0, 200, 100}, {
        {ui::Kind::Static, IDC_STATIC, "标题：", {5, 5, 30, 10}},
        {ui::Kind::Edit, 3130, "", {40, 5, 100, 12}},
    }, WS_CHILD};
    return t;
}

CTestView::CTestView() : ui::FormView(Template()) {}

void CTestView::OnInitialUpdate() {
    ++initialUpdates;
    ui::FormView::OnInitialUpdate();
}

void CTestView::DoDataExchange(ui::DataExchange& dx) { dx.Text(3130, m_strTitle); }
