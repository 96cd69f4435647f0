// The annual guide bundle (.fund): the marker "1" and three saved recordsets
// in a length-prefixed container: the guide row, its subject rows and its
// direction rows, long binary columns included. Beside each bundle its
// specialty-group (.sif) or laboratory (.lif) file is written.
#pragma once

#include <string>

#include "foundation/AdoConnection.h"
#include "guide_annual/GuideBundleParts.h"

class GuideBundle {
public:
    static constexpr char kAnnualMarker = '1';
    static constexpr const char* kExtension = guidebundle::kExtension;

    using ImportResult = guidebundle::ImportResult;

    // "<fund>(<year>)(<today>).fund", made a safe file name: the fund number
    // and year come from data and may carry path separators.
    static std::string FileName(const std::string& fund, const std::string& year, const std::string& today);

    // Writes the bundle of a stored guide into `folder`, and its companion
    // file when the fund number is a specialty group's or a laboratory's.
    // A guide without subjects or directions gets empty parts for them.
    // False when the guide is not stored or a file cannot be written.
    static bool Export(CAdoConnection& connection, const std::string& fund, const std::string& year,
                       const std::string& folder, const std::string& today);

    // Imports one bundle in one transaction. A guide that is stored already
    // is handled by the policy (0 overwrite, 1 keep, 2 ask "记录已存在，是否覆盖
    // 原有记录？"; any other value keeps); an overwrite removes the stored
    // guide with its subjects and directions first.
    static ImportResult Import(CAdoConnection& connection, const std::string& path, int policy,
                               std::string* reason = nullptr);

    // The scratch files of the three parts, under the program folder's temp.
    static std::string ScratchFile(int part);
    static void RemoveScratchFiles();
};
