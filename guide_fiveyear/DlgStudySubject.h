// The topic editor of the five-year guide (专题编辑): the annual guide's
// subject editor with the five-year guide's ids and captions. It adds a topic
// to the topic document or changes one (number suffix, name, research
// purpose); no publish year is given, so no name is looked up.
// OK writes the purpose file and the topic document; Cancel writes nothing.
#pragma once

#include "guide_annual/DlgStudySubject.h"

namespace fiveyear {

class CDlgStudySubject : public ::CDlgStudySubject {
public:
    static constexpr int IDD = 3046;
    static constexpr int IDC_JJBH = 3009, IDC_ZNMC = 3012, IDC_CODEHEAD = 3042, IDC_SUFFIX = 3014, IDC_ZTMC = 3018,
                         IDC_PURPOSE = 3029;

    explicit CDlgStudySubject(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();
};

}  // namespace fiveyear
