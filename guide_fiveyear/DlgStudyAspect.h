// The research-direction editor of the five-year guide (研究方向): the annual
// guide's direction editor with the five-year guide's ids. It adds a
// direction to a topic of the topic document or rewrites one, with its number
// suffix, name and the units it is directed at. The five-year guide has no
// key-direction flag: its directions carry it empty. Only a specialty group's
// guide may have a direction directed at no unit, and changing a direction
// that is no longer in the document fails. OK saves the topic document;
// Cancel writes nothing.
#pragma once

#include "guide_annual/DlgStudyAspect.h"

namespace fiveyear {

class CDlgStudyAspect : public ::CDlgStudyAspect {
public:
    static constexpr int IDD = 3047;
    static constexpr int IDC_ZTBH = 3007, IDC_ZTMC = 3018, IDC_CODEHEAD = 3043, IDC_SUFFIX = 3022,
                         IDC_YJFXMC = 3015, IDC_GRIDFRAME = 3045, IDC_ADDROW = 3049, IDC_REMOVEROW = 3050,
                         IDC_PICKUNITS = 6043, IDC_UNITGRID = 3048;

    explicit CDlgStudyAspect(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();
};

}  // namespace fiveyear
