#include "guide_annual/DlgSelectFiveGuide.h"

#include "guide_annual/AnnualGuideData.h"
#include "platform/ui/ListCtrl.h"

const ui::DialogTemplate& CDlgSelectFiveGuide::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "选择五年指南", {0, 0, 321, 176}, {
        {Kind::GroupBox, IDC_STATIC, "选择五年指南", {7, 7, 307, 138}},
        {Kind::ListCtrl, IDC_LIST, "", {14, 20, 293, 118},
         WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS},
        {Kind::DefPushButton, IDOK, "确定", {95, 153, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {175, 153, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgSelectFiveGuide::CDlgSelectFiveGuide(ui::Wnd* parent) : ui::Dialog(Template(), parent) {}

BOOL CDlgSelectFiveGuide::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuideDialogBackground);
    auto& list = *Item<ui::ListCtrl>(IDC_LIST);
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    // Column 0 is centred only when it is inserted behind another one.
    list.InsertColumn(0, "dummy", LVCFMT_LEFT, 0);
    list.InsertColumn(1, "基金编号/实验室代码", LVCFMT_CENTER, 150);
    list.InsertColumn(2, "五年指南名称", LVCFMT_CENTER, 200);
    list.DeleteColumn(0);
    for (size_t i = 0; i < g_arrFiveGuideName.size() && i < g_arrFiveGuideCode.size(); ++i) {
        const int row = list.InsertItem(int(i), g_arrFiveGuideCode[i]);
        list.SetItemText(row, 1, g_arrFiveGuideName[i]);
    }
    return TRUE;
}

void CDlgSelectFiveGuide::OnOK() {
    auto& list = *Item<ui::ListCtrl>(IDC_LIST);
    const int row = list.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) {
        GuidePrompt("请先选择五年指南！");
        return;
    }
    m_strFundCode = list.GetItemText(row, 0);
    ui::Dialog::OnOK();
}
