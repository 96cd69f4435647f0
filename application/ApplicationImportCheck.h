// Whether an imported application fits the published guide. An applicant
// unit only makes sure that the application's unit exists (and refuses it
// otherwise, with a message); the fund office tests guide code, directed unit
// and category against the year's research aspects and writes what it finds
// into the import log error.txt of the program folder.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/Sql.h"

class ApplicationImportCheck {
public:
    explicit ApplicationImportCheck(CAdoConnection& connection) : m_connection(connection) {}

    // True when the application may be imported without remark. The role is
    // read from the settings record at each call; roles other than the
    // applicant unit (1) and the fund office (2) test nothing.
    bool CheckDWAvail(const std::string& unitCode, const std::string& guideCode, const std::string& category,
                      const std::string& bundlePath, const std::string& year);

    // The import log in the program folder, and emptying it for a new run.
    static std::string LogPath();
    static void ClearLog();
    // Appends one block to the log: "导入文件：" and the bundle's path, the
    // lines, two empty lines. The lines are lost when the log cannot be opened.
    static void AppendLog(const std::string& bundlePath, const std::vector<std::string>& lines);

private:
    db::Found UnitExists(const std::string& unitCode);
    // The problems the fund office finds, in the order of its tests.
    std::vector<std::string> GuideProblems(const std::string& unitCode, const std::string& guideCode,
                                           const std::string& category, const std::string& year);
    // Whether a research aspect of the guide code and year meets the further
    // SQL condition (" and ..."); a query that cannot be run counts as a match.
    bool AspectExists(const std::string& guideCode, const std::string& year, const std::string& condition);

    CAdoConnection& m_connection;
};
