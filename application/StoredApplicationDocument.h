// A finished application document (a Word file written outside the program)
// kept with a project: in the application row (DOCNAME, DOC), where it travels
// with the project's bundle, or as a plain file in the project's application
// folder under the settings record's application save folder. The form view's
// four document commands and the placing of an imported bundle's document.
#pragma once

#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/StagedFile.h"

// The project open in the form: the texts of the basic page's 项目编号 box
// (17 characters), serial box and 项目类别 drop-down.
struct OpenApplication {
    std::string numberPrefix;
    std::string serial;
    std::string category;

    // A form counts as open when the first number box is not empty.
    bool IsOpen() const { return !numberPrefix.empty(); }
    std::string Number() const { return numberPrefix + serial; }
};

class StoredApplicationDocument {
public:
    explicit StoredApplicationDocument(CAdoConnection& connection) : m_connection(connection) {}

    // 导入申请书文档: stores a chosen file in the open project's row, after
    // asking when the row holds a document already.
    void OnBtnImportDoc(const OpenApplication& form);
    // 查看附件: writes the stored document to the temporary folder and opens it.
    void OnBtnExDoc(const OpenApplication& form);
    // 保存申请书文档: copies a chosen file into the project's application folder.
    void OnBtnSaveDoc(const OpenApplication& form);
    // 查看附件: opens a file chosen in the project's application folder.
    void OnBtnRead(const OpenApplication& form);

    // Places the document of an imported application row: the fund office
    // gets it as a file in the application folder, an applicant unit in the
    // row of `projectNumber`; other roles place nothing. False only when the
    // database refused the document.
    bool PlaceDoc(const std::string& projectNumber, CAdoRecordSet& source);
    // The same in the steps of an import. Before the record's transaction:
    // the fund office's file, its name made one the file system takes, the
    // overwrite question asked and its bytes staged in `file`, to be put in
    // place once the record is committed; false when the bytes cannot be
    // kept (the file and the reason said), a declined overwrite keeps the file
    // there. Inside the transaction: an applicant unit's document stored in
    // the row; false when the database refused it.
    bool StageDocFile(const std::string& projectNumber, CAdoRecordSet& source, StagedFile& file);
    bool StoreDoc(const std::string& projectNumber, CAdoRecordSet& source);

    // Application save folder + fund number (first 7 characters of the
    // project number) + the last four characters of the category, with a
    // trailing separator. Pieces taken from a record cannot leave that folder.
    static std::string ApplicationFolder(const std::string& projectNumber, const std::string& category);

private:
    // Opens the project's row; false (with the message) when the form is not open.
    bool OpenRow(const OpenApplication& form, CAdoRecordSet& row);
    bool StoreInRow(const std::string& projectNumber, const std::string& name, const std::string& bytes);

    CAdoConnection& m_connection;
};
