// The pattern of the expert, specialty-group and laboratory lists: a list of
// one master-data table filtered by two texts, its editor for adding and
// changing, delete, export of the selected rows through the side database,
// import of such a file with a duplicate policy, and an Excel list. Each list
// gives its values in a MasterListSpec and opens its own editor.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/ui/Dialog.h"
#include "sysmanage/DlgRepeatRecord.h"
#include "sysmanage/SideDatabaseExport.h"

namespace ui {
class ListCtrl;
}

struct ListColumn {
    const char* heading;
    int width;  // pixels
};

// The Excel list: the listed rows in blocks of rows whose key column shares
// its first three (GBK) bytes, each block with a title row and a header row.
struct ExcelListLayout {
    int blockKeyColumn;               // list column that starts a new block
    const char* title;                // text of a block's title row
    bool titleEndsWithKey;            // the block's key follows the title
    std::vector<const char*> headings;  // one per printed column
    int firstPrintedColumn;           // list column of the first printed column
    // Widths of the printed columns in characters, for a list whose names,
    // banks and accounts do not fit the template's columns; empty keeps them.
    std::vector<double> columnWidths = {};
};

struct MasterListSpec {
    int idd;
    const char* caption;
    const char* filterLabelA;
    int filterIdA;
    const char* filterLabelB;
    int filterIdB;
    int idQuery, idAdd, idDelete, idImport, idExport, idExcel;
    std::vector<ListColumn> columns;  // list column n shows field position n
    const char* table;                // as the statements name it
    const char* keyColumn;            // the key column of the table
    int keyListColumn;                // the list column that holds the key
    const char* fileKeyField;         // the key read by name from an imported record (MasterFileImport)
    const char* existsQuestion;       // "<label>：" put before the key of a stored record
    const char* fileKind;             // what the files are called ("专家信息文件")
    const SideExportTable& exchange;  // the side-database export and the file's columns
    // Opens the list's rows for the filters as typed (either may be empty)
    // on the list's recordset (MasterDataStore).
    bool (*openList)(CAdoRecordSet& rs, const std::string& a, const std::string& b);
    bool refillAfterCancelledEdit;    // a double-click refills even when the editor was cancelled
    ExcelListLayout excel;
};

class CMasterListDialog : public ui::Dialog {
public:
    static constexpr int IDC_LIST = 10006;

    ~CMasterListDialog() override;

    const MasterListSpec& Spec() const { return spec_; }
    ui::ListCtrl& List() const;

    // Refills the list, with the texts of the filter boxes or without filters.
    void RefreshList(BOOL useFilter);

protected:
    CMasterListDialog(const MasterListSpec& layout, const ui::DialogTemplate& tpl, ui::Wnd* parent);
    // The dialog of a list, laid out from its values.
    static ui::DialogTemplate MakeTemplate(const MasterListSpec& layout);

    BOOL OnInitDialog() override;
    void OnCancel() override;

    // Runs the list's editor on `key` (empty: a new record) with the dialog's
    // connection and recordset; its result.
    virtual int RunEditor(const std::string& key) = 0;
    // RunEditor of a list whose editor is an `Editor` (a CRecordEditor).
    template <class Editor>
    int RunEditorOf(const std::string& key) {
        Editor editor(this);
        editor.m_strKey = key;
        editor.m_pConnection = &m_connection;
        editor.m_pRecordSet = &m_recordset;
        return editor.DoModal();
    }

    CAdoConnection m_connection;      // project.mdb
    CAdoConnection m_sideConnection;  // temp.mdb, for the export
    CAdoRecordSet m_recordset;        // on project.mdb; lent to the editor

private:
    void OnBtnAdd();
    void OnDblclkList(const ui::NotifyInfo& info);
    void OnBtnDelete();
    void OnBtnExport();
    void OnBtnImport();
    void OutputExcel();

    const MasterListSpec& spec_;
};
