#include "guide_annual/DlgGuideList.h"


namespace {
constexpr GuideListPanel::Layout kLayout{CDlgGuideList::IDD,        CDlgGuideList::IDC_LIST,
                                         CDlgGuideList::IDC_IMPORT, CDlgGuideList::IDC_EXPORT,
                                         CDlgGuideList::IDC_SEARCH, CDlgGuideList::IDC_DELETE};
}  // namespace

const ui::DialogTemplate& CDlgGuideList::Template() {
    static const ui::DialogTemplate tpl = BuildTemplate(kLayout);
    return tpl;
}

CDlgGuideList::CDlgGuideList(const Commands& commands)
    : GuideListPanel(kLayout, commands,
                     {{"基金编号/实验室代码", 130}, {"指南名称", 400}, {"发布年份", 100}}) {}

void CDlgGuideList::AddGuide(const std::string& fund, const std::string& name, const std::string& year) {
    AddRow(fund, name, year);
}
