// A finished application document (a Word file written outside the program)
// kept with a project: in the application row (DOCNAME, DOC), where it travels
// with the project's bundle, or as a plain file in the project's application
// folder under the settings record's application save folder. The form view's
// four document commands and the placing of an imported bundle's document.
#pragma once

#include <optional>
#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"

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

// A document to be written as a file in an application folder.
struct DocumentFile {
    std::string path;
    std::string name;  // as the record gives it, for the overwrite question
    std::string bytes;
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
    // The same inside the record's transaction: the fund office's file is
    // only named in `file`, to be written by WriteDocFile once the record is
    // committed, so that a refused record leaves no file behind.
    bool PlaceDoc(const std::string& projectNumber, CAdoRecordSet& source, std::optional<DocumentFile>& file);
    // Writes the file (its folder made), asking first when one of that name
    // exists. False when the file could not be written ("Create file
    // failed!" said); a declined overwrite keeps the file there.
    static bool WriteDocFile(const DocumentFile& file);

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
