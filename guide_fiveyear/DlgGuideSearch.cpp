#include "guide_fiveyear/DlgGuideSearch.h"

#include "foundation/Sql.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/GuideViewSupport.h"
#include "platform/text/Text.h"

namespace fiveyear {

const ui::DialogTemplate& CDlgGuideSearch::Template() {
    static const ui::DialogTemplate tpl = guideview::SearchTemplate(
        IDD, {{"基金编号/实验室代码:", IDC_FUND}, {"专业组/实验室:", IDC_OWNER}, {"指南名称:", IDC_NAME}});
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
    if (!fund.empty()) both("corvane_fivefundguide.jjbh = " + db::QuoteLiteral(fund) + " and ");
    if (!name.empty()) both("znmc like " + db::QuoteLiteral("%" + name + "%") + " and ");
    if (!owner.empty()) {
        group += "zyzmc like " + db::QuoteLiteral("%" + owner + "%") + " and ";
        lab += "sysqc like " + db::QuoteLiteral("%" + owner + "%") + " and ";
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
