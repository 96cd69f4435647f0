// The topic tree panel of the five-year guide (tab 选题范围): the annual
// guide's panel, opening the five-year topic and direction editors. They look
// no names up, and 修改 on a unit asks for a topic or direction.
#pragma once

#include "guide_annual/DlgStudySubjectTree.h"

namespace fiveyear {

class CDlgStudySubjectTree : public ::CDlgStudySubjectTree {
public:
    explicit CDlgStudySubjectTree(ui::Wnd* parent = nullptr);

protected:
    std::unique_ptr<::CDlgStudySubject> NewSubjectEditor() override;
    std::unique_ptr<::CDlgStudyAspect> NewAspectEditor() override;
    bool LooksUpFiveYearNames() const override { return false; }
    bool UnitsModifyTheirDirection() const override { return false; }
};

}  // namespace fiveyear
