#include "guide_annual/DlgGuideSearch.h"

#include "foundation/Sql.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/GuideViewSupport.h"
#include "platform/text/Text.h"

const ui::DialogTemplate& CDlgGuideSearch::Template() {
    static const ui::DialogTemplate tpl = guideview::SearchTemplate(
        IDD, {{"基金编号/实验室代码:", IDC_FUND}, {"指南名称:", IDC_NAME}, {"发布年份:", IDC_YEAR}});
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
        if (!value->empty()) conditions += std::string(column) + " = " + db::QuoteLiteral(*value) + " and ";
    if (conditions.empty()) return "select jjbh,znmc,fbnf from corvane_yearfundguide where jjbh is not null";
    conditions.resize(conditions.size() - 5);  // the last " and "
    return "select jjbh,znmc,fbnf from corvane_yearfundguide where " + conditions;
}

void CDlgGuideSearch::OnOK() {
    m_strSQL = BuildQuery(GetDlgItemText(IDC_FUND), GetDlgItemText(IDC_NAME), GetDlgItemText(IDC_YEAR));
    ui::Dialog::OnOK();
}
