#include "guide_fiveyear/DlgGuideSearch.h"

#include "guide_annual/AnnualGuideData.h"
#include "platform/text/Text.h"

namespace fiveyear {

const ui::DialogTemplate& CDlgGuideSearch::Template() {
    using ui::Kind;
    constexpr DWORD edit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
    static const ui::DialogTemplate tpl{IDD, "查询", {0, 0, 240, 118}, {
        {Kind::GroupBox, IDC_STATIC, "查询条件：", {7, 7, 226, 78}},
        {Kind::Static, IDC_STATIC, "基金编号/实验室代码:", {14, 24, 84, 10}},
        {Kind::Edit, IDC_FUND, "", {100, 22, 124, 13}, edit},
        {Kind::Static, IDC_STATIC, "专业组/实验室:", {14, 44, 84, 10}},
        {Kind::Edit, IDC_OWNER, "", {100, 42, 124, 13}, edit},
        {Kind::Static, IDC_STATIC, "指南名称:", {14, 64, 84, 10}},
        {Kind::Edit, IDC_NAME, "", {100, 62, 124, 13}, edit},
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

void CDlgGuideSearch::BuildQueries(const std::string& fund, const std::string& owner, const std::string& name) {
    std::string group, lab;
    auto both = [&](const std::string& condition) {
        group += condition;
        lab += condition;
    };
    if (!fund.empty()) both("corvane_fivefundguide.jjbh = '" + text::EscapeSql(fund) + "' and ");
    if (!name.empty()) both("znmc like '%" + text::EscapeSql(name) + "%' and ");
    if (!owner.empty()) {
        group += "zyzmc like '%" + text::EscapeSql(owner) + "%' and ";
        lab += "sysqc like '%" + text::EscapeSql(owner) + "%' and ";
    }
    // The last " and " of each condition text is cut.
    auto joined = [](const std::string& conditions) {
        return conditions.empty() ? std::string() : " and " + conditions.substr(0, conditions.size() - 5);
    };
    m_strGroupSQL = "select corvane_fivefundguide.jjbh,znmc,zyzmc from corvane_fivefundguide,corvane_specgroup "
                    "where corvane_fivefundguide.jjbh = corvane_specgroup.jjbh" + joined(group);
    m_strLabSQL = "select jjbh,znmc,sysqc from corvane_fivefundguide,corvane_lab where jjbh = sysdm" + joined(lab);
}

void CDlgGuideSearch::OnOK() {
    BuildQueries(GetDlgItemText(IDC_FUND), GetDlgItemText(IDC_OWNER), GetDlgItemText(IDC_NAME));
    ui::Dialog::OnOK();
}

}  // namespace fiveyear
