// The list page of the unit achievement-transfer view: every stored unit
// record with its key figures, the clicked unit loaded into the data pages,
// ticks for the outputs, and the unit bundles (.prosum) written and read.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"

class CDlgUCGHZPage1;
class CDlgUCGHZPage2;

namespace ui {
class ListCtrl;
}

class CDlgUCGHZList : public ui::Dialog {
public:
    static constexpr int IDD = 5611;
    static constexpr int IDC_LIST = 5555;
    static constexpr int IDC_BTN_DELETE = 5145, IDC_BTN_QUERY = 5144, IDC_BTN_EXPORT = 5143, IDC_BTN_IMPORT = 5142;
    static constexpr int IDC_SELECT_ALL = 5146, IDC_INVERT = 5147, IDC_EXPORT_EXCEL = 5148;
    // Scratch file of a bundle's part, in the export folder or the program folder.
    static constexpr const char* kScratchName = "成果转化（单位）.xml";

    CDlgUCGHZList();
    static const ui::DialogTemplate& Template();

    ui::ListCtrl& List() const;

    // Refills the list from the database; ticks are cleared.
    void FillList();
    // Shows the stored record of the code in the data pages, or empty pages
    // with only the code and the name.
    void LoadRecord(std::string code, std::string name);
    void OnClickList(const ui::NotifyInfo* = nullptr, LRESULT* result = nullptr);
    // 导出: one bundle per ticked unit into a dated folder below a chosen one.
    void OnBtnExport();
    // 导入: every bundle of a chosen folder.
    void OnBtnImport();
    // One bundle: 1 when the unit's row has been written, 0 otherwise.
    int Import(const std::string& path);
    bool IsRecordExist(const std::string& code);
    // 导出Excel: the ticked units as a table with a total row.
    void OutputExcel();
    void OnSelectAll();
    void OnInvert();

    CButtonST m_btnDelete, m_btnQuery, m_btnExport, m_btnImport;
    // The view's connection, set before the window is created; not owned.
    CAdoConnection* m_pConnection = nullptr;
    // The form's two pages that a loaded record fills, set by the view.
    CDlgUCGHZPage1* m_pPage1 = nullptr;
    CDlgUCGHZPage2* m_pPage2 = nullptr;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;

private:
    // Unit codes of the ticked rows, in list order.
    std::vector<std::string> CheckedCodes() const;
};
