// The documents of one project kept in the database: GF reports, papers and
// other attachments (any number of each) and at most one achievement
// compilation, one row per file with its name and bytes. A host page puts
// the dialog on a tab, gives it the project number and its recordset, has
// it list the stored documents and, when the host saves, store the files
// added since. Extracting and deleting act on the database at once.
#pragma once

#include <string>

#include "widgets/FileEditListBox.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/ui/Dialog.h"

class CDlgProFiles : public ui::Dialog {
public:
    static constexpr int IDD = 5505;
    // Lists and their 添加, 提取, 删除 buttons.
    static constexpr int IDC_LIST_GF = 5551, IDC_GF_ADD = 5146, IDC_GF_EXTRACT = 5147, IDC_GF_DELETE = 5148;
    static constexpr int IDC_LIST_LW = 5552, IDC_LW_ADD = 5149, IDC_LW_EXTRACT = 5150, IDC_LW_DELETE = 5151;
    static constexpr int IDC_LIST_ATTACH = 5553, IDC_ATTACH_ADD = 5152, IDC_ATTACH_EXTRACT = 5153,
                         IDC_ATTACH_DELETE = 5154;
    // The achievement compilation.
    static constexpr int IDC_CGHB = 5525, IDC_CGHB_ADD = 5143, IDC_CGHB_EXTRACT = 5144, IDC_CGHB_DELETE = 5145;

    explicit CDlgProFiles(ui::Wnd* parent = nullptr);
    ~CDlgProFiles() override;
    static const ui::DialogTemplate& Template();

    // Empties the lists and the compilation text, then lists the names
    // stored for the project, in the order the database returns the rows.
    void LoadFileNames();
    // Stores every list item beyond the stored rows, and a newly chosen
    // compilation, then lists again.
    void SaveFiles();

    // Set by the host before use; not owned.
    std::string m_strXMBH;
    CAdoConnection* m_pConnection = nullptr;
    CAdoRecordSet* m_pRecordset = nullptr;

    CFileEditListBox m_listGF, m_listLW, m_listAttach;
    // The compilation: the full path of a newly chosen file, or the stored name.
    std::string m_strCGHB;

    // One kind of document: its list, buttons and table.
    struct Kind {
        int listId, addId, extractId, deleteId;
        const char* caption;
        const char* table;
        const char* nameColumn;
        const char* dataColumn;
        CFileEditListBox CDlgProFiles::*list;
    };

protected:
    BOOL OnInitDialog() override;

private:
    // The project's rows of a kind with the given columns, on the host's recordset.
    bool OpenStored(const char* table, const std::string& columns);
    void SetCompilationText(const std::string& text);

    void OnAdd(const Kind& kind);
    void OnExtract(const Kind& kind);
    void OnDelete(const Kind& kind);
    void OnAddCompilation();
    void OnExtractCompilation();
    void OnDeleteCompilation();
    // Asks where to write the file of the recordset's current row and writes it.
    void ExtractCurrentRow(const char* nameColumn, const char* dataColumn);
    // Adds a row for the file at `path`; false (with a message) when it cannot be read.
    bool StoreFile(const char* nameColumn, const char* dataColumn, const std::string& path);
};
