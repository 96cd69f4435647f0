// The list page of a summary view: the stored documents of its kind, one row
// per project with a check box. A click opens the document in the editor
// page below; 查询 narrows the list, 删除 removes the ticked documents with
// the projects' achievements, 导出/导入 move them as .prosum bundles, and
// 导出Excel prints the ticked rows. CDlgProSumList and CDlgProSum1List are
// its two kinds.
#pragma once

#include <string>
#include <vector>

#include "followup/SummaryKind.h"
#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"

class CAdoConnection;
class CAdoRecordSet;
class CSummaryEditPage;

namespace ui {
class ListCtrl;
}

class CSummaryListPage : public ui::Dialog {
public:
    static constexpr int IDC_LIST = 5555;
    static constexpr int IDC_BTN_IMPORT = 5142;    // 导入
    static constexpr int IDC_BTN_EXPORT = 5143;    // 导出
    static constexpr int IDC_BTN_QUERY = 5144;     // 查询
    static constexpr int IDC_BTN_DELETE = 5145;    // 删除
    static constexpr int IDC_SELECT_ALL = 5146;    // 全选
    static constexpr int IDC_INVERT = 5147;        // 反选
    static constexpr int IDC_EXPORT_EXCEL = 5148;  // 导出Excel
    static constexpr int kNumberColumn = 1;

    explicit CSummaryListPage(followup::SummaryKind kind);
    static const ui::DialogTemplate& Template(followup::SummaryKind kind);

    ui::ListCtrl& List() const;
    // Project numbers of the ticked rows, in list order.
    std::vector<std::string> CheckedNumbers() const;

    // Lists every stored document of the kind by project number.
    void FillList();
    void OnBtnQuery();
    void OnBtnDelete();
    void OnBtnExport();
    void OnBtnImport();
    // Imports one bundle; 1 when it counts as imported.
    int Import(const std::string& path);
    void OutputExcel();
    void OnSelectAll();
    void OnInvert();
    void OnClickList(const ui::NotifyInfo* info, LRESULT* result);
    // Loads the project's document into the editor page; a project without
    // one starts from the default text under the given name.
    void OpenDocument(const std::string& number, const std::string& name);
    bool RecordExists(const std::string& number);
    // Appends the names found in the folder to m_strFileList.
    void ListAttachmentFolder(const std::string& folder);

    followup::SummaryKind Kind() const { return m_kind; }

    CButtonST m_btnDelete, m_btnQuery, m_btnExport, m_btnImport;
    // The view's connection; not owned.
    CAdoConnection* m_pConnection = nullptr;
    // Names collected from an attachment folder.
    std::string m_strFileList;
    // The editor page below; set by the view.
    CSummaryEditPage* m_pEditor = nullptr;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    void InitColumns();
    // Appends the rows of an open query (xmlb, nf, xmbh, sqzndm, dwdm, gzdw,
    // sqrxm, sqje), numbered from 1.
    void AppendRows(CAdoRecordSet& rs);

    followup::SummaryKind m_kind;
};
