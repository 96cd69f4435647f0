#include "achievement/DlgUCGHZPage2.h"

CDlgUCGHZPage2::CDlgUCGHZPage2() : UnitChangePage(Template(), 2) {}

const ui::DialogTemplate& CDlgUCGHZPage2::Template() {
    static const ui::DialogTemplate t = unitchange::PageTemplate(2, IDD);
    return t;
}
