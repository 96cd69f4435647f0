// The list of every project with an achievement-transfer record, the upper
// strip of the view: one row per record with a tick box; a click loads the
// project into the information page; the commands export and import
// bundles, delete, query, tick all, invert the ticks and list the ticked
// projects in Excel.
#pragma once

#include <string>
#include <vector>

#include "numbering/LoadedProject.h"
#include "foundation/AdoConnection.h"
#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"

namespace ui {
class ListCtrl;
}

class CDlgSCGZHInfo;
class CDlgSCGZHInfo;

class CDlgSCGZHList : public ui::Dialog {
public:
    static constexpr int IDD = 5607;
    static constexpr int IDC_LIST = 5555;
    static constexpr int IDC_BTN_IMPORT = 5142;
    static constexpr int IDC_BTN_EXPORT = 5143;
    static constexpr int IDC_BTN_QUERY = 5144;
    static constexpr int IDC_BTN_DELETE = 5145;
    static constexpr int IDC_SELECT_ALL = 5146;
    static constexpr int IDC_INVERT = 5147;
    static constexpr int IDC_EXPORT_EXCEL = 5148;
    // Column of the project number, the key of every command.
    static constexpr int kNumberColumn = 1;

    explicit CDlgSCGZHList(ui::Wnd* parent = nullptr);
    ~CDlgSCGZHList() override;
    static const ui::DialogTemplate& Template();

    ui::ListCtrl& List() const;

    // Rebuilds the list from the whole table.
    void FillList();
    // Shows the stored record of the number on the information page, or an
    // empty record that carries the number and the name.
    void LoadRecord(const std::string& number, const std::string& name);

    void OnClickList();
    void OnBtnSelectAll();
    void OnBtnInvert();
    void OnBtnDelete();
    void OnBtnQuery();
    void OutputExcel();
    // Bundles: one per ticked project into a dated folder; every bundle of a folder.
    void OnBtnExport();
    void OnBtnImport();
    // 1 when the bundle was imported, else 0.
    int Import(const std::string& path);
    bool IsRecordExist(const std::string& number);

    CButtonST m_btnDelete, m_btnQuery, m_btnExport, m_btnImport;
    // The view's open connection, set before the page is created; not owned.
    CAdoConnection* m_pConnection = nullptr;
    std::string m_strAppPath;

    // The form's information page, set by the view that owns both.
    CDlgSCGZHInfo* m_pInfo = nullptr;
    // The application of the record last loaded (its number and row), for
    // the check of its save; not loaded when the number has no application.
    projectnumber::LoadedProject m_loaded;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;

private:
    CDlgSCGZHInfo* InfoPage() const;
    void InitColumns();
    // Lists the records of the selection (every one when empty), numbered
    // from 1, unticked.
    void FillFrom(const std::string& selection);
    std::vector<std::string> TickedNumbers() const;
};
