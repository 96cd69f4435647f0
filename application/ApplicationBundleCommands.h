// The project list's 导出 and 导入 commands of the application form: the
// ticked projects exported as bundles into a dated folder, and every bundle
// of a chosen folder imported, with the import log opened for the fund
// office when a check found problems or a bundle was left out.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"

class ApplicationBundleCommands {
public:
    explicit ApplicationBundleCommands(CAdoConnection& connection) : m_connection(connection) {}

    // Exports the projects ticked in the list, by number, in list order.
    void OnBtnProexp(const std::vector<std::string>& tickedCodes);
    // Import every bundle of a chosen folder fully or partially. False when the
    // folder choice was cancelled: nothing ran and the list need not be reloaded.
    bool OnBtnImport();
    bool OnBtnImportPartial();

    // The export folder below the chosen one for a date ("2024-05-06").
    static std::string ExportFolder(const std::string& chosenFolder, const std::string& date);

private:
    bool ImportFolder(bool partial);

    CAdoConnection& m_connection;
};
