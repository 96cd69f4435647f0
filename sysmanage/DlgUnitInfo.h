// The unit editor: adds a unit to CORVANE_UNIT or changes a stored one, on
// the connection and recordset the unit list lends it. Code and name are
// required; a code that another unit already holds is refused. Each save is
// one transaction.
#pragma once

#include <array>
#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/MaskEdit.h"

class CDlgUnitInfo : public ui::Dialog {
public:
    static constexpr int IDD = 10010;
    // Boxes in tab order, one per column of CORVANE_UNIT.
    static constexpr int IDC_CODE = 10018, IDC_NAME = 10019, IDC_DEPARTMENT = 10023, IDC_MAIL_NAME = 10020,
                         IDC_RESEARCH_OFFICE = 10022, IDC_ADDRESS = 10025, IDC_PROVINCE = 10026, IDC_CITY = 10036,
                         IDC_POSTCODE = 10024, IDC_CONTACT = 10041, IDC_PHONE = 10042, IDC_MOBILE = 10043,
                         IDC_BANK = 10044, IDC_HOLDER = 10045, IDC_ACCOUNT = 10046;

    explicit CDlgUnitInfo(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // Set by the caller before DoModal: the code to edit (empty: a new unit)
    // and the borrowed connection and recordset.
    std::string m_strCode;
    CAdoConnection* m_pConnection = nullptr;
    CAdoRecordSet* m_pRecordset = nullptr;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;

private:
    void LoadUnit();
    bool UnitStored(const std::string& code);
    // Writes the fields into the open recordset's current or new row.
    bool WriteFields();
    // Saves in one transaction: updates the row of the loaded code, or adds one.
    bool Save(bool update);
    // The failure text, after the field whose value its column cannot hold.
    std::string FailureMessage(const std::string& failure) const;

    std::string m_strLoadedCode;  // the code the form was opened with
    std::array<std::string, 15> m_fields;  // by column position
    ui::MaskEdit m_editCode, m_editPostcode, m_editPhone, m_editMobile, m_editAccount;
};
