#include "guide_fiveyear/DlgStudySubjectTree.h"

#include "guide_fiveyear/DlgStudyAspect.h"
#include "guide_fiveyear/DlgStudySubject.h"

namespace fiveyear {

CDlgStudySubjectTree::CDlgStudySubjectTree(ui::Wnd* parent) : ::CDlgStudySubjectTree(parent) {}

std::unique_ptr<::CDlgStudySubject> CDlgStudySubjectTree::NewSubjectEditor() {
    return std::make_unique<CDlgStudySubject>(this);
}

std::unique_ptr<::CDlgStudyAspect> CDlgStudySubjectTree::NewAspectEditor() {
    return std::make_unique<CDlgStudyAspect>(this);
}

}  // namespace fiveyear
