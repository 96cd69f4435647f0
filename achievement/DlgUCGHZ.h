// The unit achievement-transfer view: the list of unit records in the upper
// strip, the form page with the two data pages below. The view owns the
// database connection that its pages use, fills the code-table combos and
// writes the record the pages show.
#pragma once

#include <string>

#include "achievement/DlgUCGHZForm.h"
#include "achievement/DlgUCGHZList.h"
#include "achievement/UnitChangeRecord.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/ui/Dialog.h"

class CDlgUCGHZ : public ui::FormView {
    DECLARE_DYNCREATE(CDlgUCGHZ)
public:
    static constexpr int IDD = 5609;
    static constexpr int IDC_FORM_PLACE = 5556, IDC_LIST_PLACE = 5557;

    CDlgUCGHZ();
    ~CDlgUCGHZ() override;
    static const ui::DialogTemplate& Template();

    // Opens the connection, creates the list and form pages and fills the combos.
    void OnInitialUpdate() override;
    // Empties the four combos of the data pages and fills them with the
    // names of their code tables, sorted.
    void loadzd();
    // Limits each edit box of the data pages to what its column holds.
    void LimitBoxes();
    // Copies what the two data pages show into m_strValues.
    void CollectInfo();
    // Writes m_strValues in one transaction: 0 appends a new row, otherwise
    // the stored row of the unit code is overwritten. Reports the outcome.
    void SavetoDB(int update);

    // The program's folder.
    std::string m_strAppPath;
    // The record being saved, in stored column order.
    unitchange::Values m_strValues;

    CAdoConnection m_connection;
    CAdoRecordSet m_recordset;
    CDlgUCGHZList m_dlgList;
    CDlgUCGHZForm m_dlgForm;

protected:
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;

private:
    UnitChangePage& PageOf(int index);
};
