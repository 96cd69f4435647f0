#include "achievement/DlgUCGHZPage1.h"

CDlgUCGHZPage1::CDlgUCGHZPage1() : UnitChangePage(Template(), 1) {}

const ui::DialogTemplate& CDlgUCGHZPage1::Template() {
    static const ui::DialogTemplate t = unitchange::PageTemplate(1, IDD);
    return t;
}

void CDlgUCGHZPage1::SetCodeAndName(std::string code, std::string name) {
    TextOf(0) = std::move(code);
    TextOf(1) = std::move(name);
    UpdateData(FALSE);
}
