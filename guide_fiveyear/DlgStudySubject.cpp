#include "guide_fiveyear/DlgStudySubject.h"

namespace fiveyear {

namespace {
const SubjectEditorLayout kFiveYearLayout{CDlgStudySubject::IDD,         CDlgStudySubject::IDC_JJBH,
                                          CDlgStudySubject::IDC_ZNMC,    CDlgStudySubject::IDC_CODEHEAD,
                                          CDlgStudySubject::IDC_SUFFIX,  CDlgStudySubject::IDC_ZTMC,
                                          CDlgStudySubject::IDC_PURPOSE, "基金名称：",
                                          COleRichEdit::Variant::Standard};
}  // namespace

const ui::DialogTemplate& CDlgStudySubject::Template() {
    static const ui::DialogTemplate tpl = BuildTemplate(kFiveYearLayout);
    return tpl;
}

CDlgStudySubject::CDlgStudySubject(ui::Wnd* parent) : ::CDlgStudySubject(kFiveYearLayout, parent) {}

}  // namespace fiveyear
