#include "guide_fiveyear/DlgStudyAspect.h"

namespace fiveyear {

namespace {
const AspectEditorLayout kFiveYearLayout{
    CDlgStudyAspect::IDD,          CDlgStudyAspect::IDC_ZTBH,      CDlgStudyAspect::IDC_ZTMC,
    CDlgStudyAspect::IDC_CODEHEAD, CDlgStudyAspect::IDC_SUFFIX,    CDlgStudyAspect::IDC_YJFXMC,
    0,                             0,                              CDlgStudyAspect::IDC_GRIDFRAME,
    CDlgStudyAspect::IDC_ADDROW,   CDlgStudyAspect::IDC_REMOVEROW, CDlgStudyAspect::IDC_PICKUNITS,
    CDlgStudyAspect::IDC_UNITGRID, true,                           true};
}  // namespace

const ui::DialogTemplate& CDlgStudyAspect::Template() {
    static const ui::DialogTemplate tpl = BuildTemplate(kFiveYearLayout);
    return tpl;
}

CDlgStudyAspect::CDlgStudyAspect(ui::Wnd* parent) : ::CDlgStudyAspect(kFiveYearLayout, parent) {}

}  // namespace fiveyear
