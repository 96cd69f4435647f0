#include "guide_annual/GuideListPanel.h"

#include "guide_annual/AnnualGuideData.h"

ui::DialogTemplate GuideListPanel::BuildTemplate(const Layout& layout) {
    using ui::Kind;
    return {layout.dialog, "", {0, 0, 743, 124}, {
        {Kind::ListCtrl, layout.list, "", {5, 5, 689, 112}, WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS},
        {Kind::PushButton, layout.import, "导入", {699, 8, 40, 22}, WS_TABSTOP},
        {Kind::PushButton, layout.exportButton, "导出", {699, 36, 40, 22}, WS_TABSTOP},
        {Kind::PushButton, layout.search, "查找", {699, 64, 40, 22}, WS_TABSTOP},
        {Kind::PushButton, layout.remove, "删除", {699, 92, 40, 22}, WS_TABSTOP},
    }, WS_CHILD};
}

GuideListPanel::GuideListPanel(const Layout& layout, const Commands& commands,
                               std::vector<std::pair<std::string, int>> columns)
    : ui::Dialog(BuildTemplate(layout), nullptr), m_layout(layout), m_columns(std::move(columns)) {
    MapClicked(layout.import, commands.import);
    MapClicked(layout.exportButton, commands.exportGuides);
    MapClicked(layout.search, commands.search);
    MapClicked(layout.remove, commands.remove);
    MapNotify(layout.list, NM_DBLCLK, [open = commands.open](const ui::NotifyInfo&) { open(); });
}

BOOL GuideListPanel::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuidePanelBackground);
    ui::ListCtrl& list = List();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    // Column 0 is centred only when it is inserted behind another one.
    list.InsertColumn(0, "dummy", LVCFMT_LEFT, 0);
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        list.InsertColumn(int(i) + 1, m_columns[i].first, LVCFMT_CENTER, m_columns[i].second);
    list.DeleteColumn(0);
    m_btnImport.SubclassDlgItem(m_layout.import, this);
    m_btnExport.SubclassDlgItem(m_layout.exportButton, this);
    m_btnSearch.SubclassDlgItem(m_layout.search, this);
    m_btnDelete.SubclassDlgItem(m_layout.remove, this);
    return TRUE;
}

void GuideListPanel::AddRow(const std::string& first, const std::string& second, const std::string& third) {
    ui::ListCtrl& list = List();
    const int row = list.InsertItem(list.GetItemCount(), first);
    list.SetItemText(row, 1, second);
    list.SetItemText(row, 2, third);
}
