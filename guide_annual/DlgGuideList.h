// The guide list panel of the annual-guide view: the period's guides (fund
// number, name, year) and the buttons import, export, search and delete,
// which the panel hands to the view, as it does a double click on a row.
#pragma once

#include <string>

#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"

class CDlgOneGuide;

class CDlgGuideList : public ui::Dialog {
public:
    static constexpr int IDD = 7008;
    static constexpr int IDC_LIST = 3109;
    static constexpr int IDC_IMPORT = 7020;
    static constexpr int IDC_EXPORT = 7021;
    static constexpr int IDC_SEARCH = 7022;
    static constexpr int IDC_DELETE = 7023;

    explicit CDlgGuideList(CDlgOneGuide& view);
    static const ui::DialogTemplate& Template();

    ui::ListCtrl& List() const { return *Item<ui::ListCtrl>(IDC_LIST); }
    // Appends a row: fund number, guide name, year.
    void AddGuide(const std::string& fund, const std::string& name, const std::string& year);

    CButtonST m_btnImport, m_btnExport, m_btnSearch, m_btnDelete;

protected:
    BOOL OnInitDialog() override;
};
