#include "guide_fiveyear/DlgGuideList.h"

#include "guide_annual/AnnualGuideData.h"
#include "guide_fiveyear/DlgFiveGuide.h"

namespace fiveyear {

const ui::DialogTemplate& CDlgGuideList::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 743, 124}, {
        {Kind::ListCtrl, IDC_LIST, "", {5, 5, 689, 112}, WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS},
        {Kind::PushButton, IDC_IMPORT, "导入", {699, 8, 40, 22}, WS_TABSTOP},
        {Kind::PushButton, IDC_EXPORT, "导出", {699, 36, 40, 22}, WS_TABSTOP},
        {Kind::PushButton, IDC_SEARCH, "查找", {699, 64, 40, 22}, WS_TABSTOP},
        {Kind::PushButton, IDC_DELETE, "删除", {699, 92, 40, 22}, WS_TABSTOP},
    }, WS_CHILD};
    return tpl;
}

CDlgGuideList::CDlgGuideList(CDlgFiveGuide& view) : ui::Dialog(Template(), nullptr) {
    MapClicked(IDC_IMPORT, [&view] { view.OnBtnImport(); });
    MapClicked(IDC_EXPORT, [&view] { view.OnBtnExport(); });
    MapClicked(IDC_SEARCH, [&view] { view.OnBtnSearch(); });
    MapClicked(IDC_DELETE, [&view] { view.OnBtnDelete(); });
    MapNotify(IDC_LIST, NM_DBLCLK, [&view](const ui::NotifyInfo&) { view.OnDblclkListFundinfo(); });
}

BOOL CDlgGuideList::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuidePanelBackground);
    m_btnImport.SubclassDlgItem(IDC_IMPORT, this);
    m_btnExport.SubclassDlgItem(IDC_EXPORT, this);
    m_btnSearch.SubclassDlgItem(IDC_SEARCH, this);
    m_btnDelete.SubclassDlgItem(IDC_DELETE, this);
    return TRUE;
}

void CDlgGuideList::SetUpList() {
    ui::ListCtrl& list = List();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    // Column 0 is centred only when it is inserted behind another one.
    list.InsertColumn(0, "dummy", LVCFMT_LEFT, 0);
    list.InsertColumn(1, "基金编号/实验室代码", LVCFMT_CENTER, 130);
    list.InsertColumn(2, "专业组/实验室", LVCFMT_CENTER, 200);
    list.InsertColumn(3, "指南名称", LVCFMT_CENTER, 400);
    list.DeleteColumn(0);
}

void CDlgGuideList::AddGuide(const std::string& fund, const std::string& owner, const std::string& name) {
    ui::ListCtrl& list = List();
    const int row = list.InsertItem(list.GetItemCount(), fund);
    list.SetItemText(row, 1, owner);
    list.SetItemText(row, 2, name);
}

}  // namespace fiveyear
