#include "guide_fiveyear/DlgGuideList.h"


namespace fiveyear {

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
                     {{"基金编号/实验室代码", 130}, {"专业组/实验室", 200}, {"指南名称", 400}}) {}

void CDlgGuideList::AddGuide(const std::string& fund, const std::string& owner, const std::string& name) {
    AddRow(fund, owner, name);
}

}  // namespace fiveyear
