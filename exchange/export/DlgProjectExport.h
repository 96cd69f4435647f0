// The 导出项目 module view: six groups of project exports, each with its
// choices, path and export button. Only the expert-fee method and the two
// export-condition dialogs act; the export and browse buttons do nothing
// and the view opens no database connection.
#pragma once

#include <optional>

#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"

// The expert review-fee method: an empty two-column list.
class CDlgExpertCost : public ui::Dialog {
public:
    static constexpr int IDD = 4067;
    static constexpr int IDC_LIST = 4062;

    explicit CDlgExpertCost(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

protected:
    BOOL OnInitDialog() override;
};

// The export conditions: three empty sorted lists of units, funds and items.
class CDlgConditionSetup : public ui::Dialog {
public:
    static constexpr int IDD = 4069;
    static constexpr int IDC_UNITS = 4062, IDC_FUNDS = 4064, IDC_ITEMS = 4098;

    explicit CDlgConditionSetup(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();
};

class CDlgProjectExport : public ui::FormView {
    DECLARE_DYNCREATE(CDlgProjectExport)
public:
    static constexpr int IDD = 4054;
    // Browse buttons, export buttons and the three dialog buttons.
    static constexpr int IDC_BROWSE_APPLY = 4084, IDC_BROWSE_COST = 4090, IDC_BROWSE_GRANT = 4093,
                         IDC_BROWSE_PLAN = 4087, IDC_BROWSE_OPINION = 4097, IDC_BROWSE_NOTICE = 4104;
    static constexpr int IDC_EXPORT_APPLY = 4083, IDC_EXPORT_COST = 4091, IDC_EXPORT_GRANT = 4094,
                         IDC_EXPORT_PLAN = 4088, IDC_EXPORT_OPINION = 4099, IDC_EXPORT_NOTICE = 4105;
    static constexpr int IDC_BTN_EXPERTCOST = 4085, IDC_BTN_CONDITION = 4095, IDC_BTN_CONDITION2 = 4100;
    // Pictures of the buttons and the hand cursor over them.
    static constexpr int kBrowseIcon = 9008, kExportIcon = 9007, kHandCursor = 32004;
    static constexpr COLORREF kButtonHover = RGB(175, 204, 237), kButtonNormal = RGB(215, 226, 238);

    CDlgProjectExport();
    static const ui::DialogTemplate& Template();

    void OnInitialUpdate() override;
    // The look of a command button of the exchange views: its icon, the hand
    // cursor, the hover and normal backgrounds; browse buttons get "浏览".
    static void SetBTNType(CButtonST& button, int image);

    void OnBtnExpertcost();
    void OnBtnConditionSetup();
    void OnBtnConditionSetup2();

    // In data-exchange order.
    CButtonST m_btn[13];

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;
};
