#include "guide_fiveyear/DlgSelectGroupLab.h"

#include "guide_annual/AnnualGuideData.h"
#include "platform/ui/ListCtrl.h"

const ui::DialogTemplate& CDlgSelectGroupLab::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "选择专业组/实验室", {0, 0, 321, 176}, {
        {Kind::ListCtrl, IDC_LIST, "", {7, 7, 307, 138},
         WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS},
        {Kind::DefPushButton, IDOK, "确定", {95, 153, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {175, 153, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgSelectGroupLab::CDlgSelectGroupLab(ui::Wnd* parent) : ui::Dialog(Template(), parent) {}

BOOL CDlgSelectGroupLab::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuideDialogBackground);
    auto& list = *Item<ui::ListCtrl>(IDC_LIST);
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    list.InsertColumn(0, "名称", LVCFMT_LEFT, 150);
    list.InsertColumn(1, "基金编号/实验室代码", LVCFMT_LEFT, 130);
    list.InsertColumn(2, "专业组/实验室", LVCFMT_LEFT, 100);
    for (std::size_t i = 0; i < m_arrNames.size() && i < m_arrCodes.size() && i < m_arrKinds.size(); ++i) {
        const int row = list.InsertItem(int(i), m_arrNames[i]);
        list.SetItemText(row, 1, m_arrCodes[i]);
        list.SetItemText(row, 2, m_arrKinds[i]);
    }
    return TRUE;
}

void CDlgSelectGroupLab::OnOK() {
    auto& list = *Item<ui::ListCtrl>(IDC_LIST);
    const int row = list.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) {
        GuidePrompt("请先选择专业组/实验室！");
        return;
    }
    m_strCode = list.GetItemText(row, 1);
    m_strKind = list.GetItemText(row, 2);
    ui::Dialog::OnOK();
}
