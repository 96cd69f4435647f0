// One project application as a file "<project code>.proapp": its application
// row and its member rows, each a saved recordset, one after the other in a
// length-prefixed container without a marker. Importing writes the project
// under a number of its own, row and members in one transaction.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "platform/ui/Services.h"

class CAdoRecordSet;

class ProjectApplicationBundle {
public:
    static constexpr const char* kExtension = "proapp";

    explicit ProjectApplicationBundle(CAdoConnection& connection) : m_connection(connection) {}

    // "<code>.proapp", the code made safe as a file name.
    static std::string FileName(const std::string& projectCode);

    // Writes the bundle of a stored project into `folder` (created when
    // missing; its scratch files are removed again). False when the project
    // has no row or a file cannot be written.
    bool Export(const std::string& projectCode, const std::string& folder);

    // Imports one bundle; 1 imported, 0 not. The full import takes every
    // column and always numbers the project anew (the next free number under
    // the prefix of the bundle's number); the partial import leaves
    // out the sixteen chapter texts, keeps the bundle's number when it is
    // free and records the review row of key-laboratory projects. A check
    // that fails (ApplicationImportCheck) refuses the bundle for an applicant
    // unit and otherwise sets `problem`. A bundle that cannot be read shows
    // "载入数据文件失败！"; a refused write leaves the tables as they were.
    // The fund office's document file is staged before the record's
    // transaction and put in place after the commit (StoredApplicationDocument).
    int Import(const std::string& path, bool& problem);
    int ImportPartial(const std::string& path, bool& problem);

    // The names of the bundles whose write the database refused, in order.
    const std::vector<std::string>& FailedFiles() const { return m_failedFiles; }
    // The names of the bundles left out because the fund office's document
    // file could not be written, in order.
    const std::vector<std::string>& UnplacedFiles() const { return m_unplaced; }
    // Whether the fund office's import log names a bundle that was left out
    // (refused, unreadable, or not written): one block per bundle, the
    // message it was refused with.
    bool LoggedRefusals() const { return m_logged; }

    // 1 when a project of this number is stored, else 0.
    int IsRecordExist(const std::string& projectCode);

    // The scratch files of an import run, in the program folder.
    static void RemoveImportScratchFiles();

private:
    enum class Variant { Full, Partial };
    int ImportBundle(const std::string& path, bool& problem, Variant variant);
    bool WriteApplication(CAdoRecordSet& source, const std::string& code, Variant variant);
    bool WriteMembers(CAdoRecordSet& members, const std::string& code);
    bool WriteKeyLaboratoryReview(CAdoRecordSet& source, const std::string& code);
    // A bundle left out: the message shown, and at the fund office the
    // reason written into the import log.
    void Refuse(const std::string& path, const std::string& message, UINT icon);
    void LogRefusal(const std::string& path, const std::string& reason);

    CAdoConnection& m_connection;
    std::vector<std::string> m_failedFiles;
    std::vector<std::string> m_unplaced;
    bool m_logged = false;
};
