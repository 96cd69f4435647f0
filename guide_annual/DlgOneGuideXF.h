// The 指南下发 module view: it hosts the issuing panel CDlgGuideIssue over
// its invisible frame 7019.
#pragma once

#include <memory>
#include <optional>

#include "platform/ui/Dialog.h"

class CDlgGuideIssue;

class CDlgOneGuideXF : public ui::FormView {
    DECLARE_DYNCREATE(CDlgOneGuideXF)
public:
    static constexpr int IDD = 7010;
    static constexpr int IDC_PANEL_PLACE = 7019;

    CDlgOneGuideXF();
    ~CDlgOneGuideXF() override;
    static const ui::DialogTemplate& Template();

    void OnInitialUpdate() override;
    // After a period change: the panel offers the years of the new period.
    void ReloadYear();

    // The panel, once the view is set up; null before.
    CDlgGuideIssue* GetPanel() const { return m_pPanel.get(); }

protected:
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;

private:
    std::unique_ptr<CDlgGuideIssue> m_pPanel;
};
