#include "guide_annual/DlgGuideSearch.h"

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

void CDlgGuideSearch::OnOK() {
    m_search = {GetDlgItemText(IDC_FUND), GetDlgItemText(IDC_NAME), GetDlgItemText(IDC_YEAR)};
    ui::Dialog::OnOK();
}
