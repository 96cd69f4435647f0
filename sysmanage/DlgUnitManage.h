// The unit list: lists CORVANE_UNIT, filters it by code or name, opens the
// unit editor for a new or a stored unit, deletes the selected units,
// writes and reads the unit file (.uif) and prints the list to Excel.
#pragma once

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Options.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"

class CDlgUnitManage : public ui::Dialog {
public:
    static constexpr int IDD = 10005;
    static constexpr int IDC_CODE_FILTER = 10000;
    static constexpr int IDC_NAME_FILTER = 10002;
    static constexpr int IDC_QUERY = 10004;
    static constexpr int IDC_LIST = 10006;
    static constexpr int IDC_ADD = 10008;
    static constexpr int IDC_IMPORT = 10010;
    static constexpr int IDC_EXPORT = 10011;
    static constexpr int IDC_DELETE = 10053;
    static constexpr int IDC_EXCEL = 10054;

    explicit CDlgUnitManage(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // Refills the list, with the texts of the filter boxes or with none.
    void QueryUnits(bool withFilters);

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;

private:
    void OnBtnAdd();
    void OnDblclkList(const ui::NotifyInfo& info);
    void OnBtnDelete();
    void OnBtnExport();
    void OnBtnImport();
    void OutputExcel();
    void EditUnit(const std::string& code);
    ui::ListCtrl& List() const;

    CAdoConnection m_connection;
    CAdoConnection m_sideConnection;  // temp.mdb, held while the dialog is open
    CAdoRecordSet m_recordset;
    COptions m_options;  // its role decides what an overwriting import keeps
};
