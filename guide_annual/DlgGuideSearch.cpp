#include "guide_annual/DlgGuideSearch.h"

#include "guide_annual/AnnualGuideData.h"
#include "platform/text/Text.h"

const ui::DialogTemplate& CDlgGuideSearch::Template() {
    using ui::Kind;
    constexpr DWORD edit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
    static const ui::DialogTemplate tpl{IDD, "查询", {0, 0, 240, 118}, {
        {Kind::GroupBox, IDC_STATIC, "查询条件：", {7, 7, 226, 78}},
        {Kind::Static, IDC_STATIC, "基金编号/实验室代码:", {14, 24, 84, 10}},
        {Kind::Edit, IDC_FUND, "", {100, 22, 124, 13}, edit},
        {Kind::Static, IDC_STATIC, "指南名称:", {14, 44, 84, 10}},
        {Kind::Edit, IDC_NAME, "", {100, 42, 124, 13}, edit},
        {Kind::Static, IDC_STATIC, "发布年份:", {14, 64, 84, 10}},
        {Kind::Edit, IDC_YEAR, "", {100, 62, 124, 13}, edit},
        {Kind::DefPushButton, IDOK, "确定", {60, 95, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {130, 95, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgGuideSearch::CDlgGuideSearch(ui::Wnd* parent) : ui::Dialog(Template(), parent) {}

BOOL CDlgGuideSearch::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuideDialogBackground);
    return TRUE;
}

std::string CDlgGuideSearch::BuildQuery(const std::string& fund, const std::string& name, const std::string& year) {
    std::string conditions;
    const std::pair<const char*, const std::string*> fields[] = {{"jjbh", &fund}, {"znmc", &name}, {"fbnf", &year}};
    for (const auto& [column, value] : fields)
        if (!value->empty()) conditions += std::string(column) + " = '" + text::EscapeSql(*value) + "' and ";
    if (conditions.empty()) return "select jjbh,znmc,fbnf from corvane_yearfundguide where jjbh is not null";
    conditions.resize(conditions.size() - 5);  // the last " and "
    return "select jjbh,znmc,fbnf from corvane_yearfundguide where " + conditions;
}

void CDlgGuideSearch::OnOK() {
    m_strSQL = BuildQuery(GetDlgItemText(IDC_FUND), GetDlgItemText(IDC_NAME), GetDlgItemText(IDC_YEAR));
    ui::Dialog::OnOK();
}
