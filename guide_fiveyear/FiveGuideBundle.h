// The five-year guide bundle (.fund): the marker "0" and three saved
// recordsets in a length-prefixed container: the guide row, its topic rows
// and its direction rows, long binary columns included. Beside each bundle
// the specialty group's (.sif) or laboratory's (.lif) file is written.
#pragma once

#include <string>

#include "foundation/AdoConnection.h"
#include "guide_annual/GuideBundleParts.h"

class FiveGuideBundle {
public:
    static constexpr char kFiveYearMarker = '0';
    static constexpr const char* kExtension = guidebundle::kExtension;

    using ImportResult = guidebundle::ImportResult;

    // "<fund>(<today>)" + "." + extension: neither the name nor the period is
    // part of it, so a second export on the same day replaces the first.
    static std::string FileName(const std::string& fund, const std::string& today, const std::string& extension);

    // Writes the bundle of the guide of this fund number and period into
    // `folder` (a part without rows is written too), and the companion files
    // for the groups and laboratories whose code is the fund number. False
    // when a file cannot be written.
    static bool Export(CAdoConnection& connection, const std::string& fund, const std::string& period,
                       const std::string& folder, const std::string& today);

    // Imports one bundle in one transaction. A guide that is stored already
    // is handled by the policy (0 overwrite, 1 keep, 2 ask "记录已存在，是否覆盖
    // 原有记录？"; any other value keeps); an overwrite removes the stored guide
    // with its topics and directions first. A bundle whose guide part has no
    // row still brings its topics and directions.
    static ImportResult Import(CAdoConnection& connection, const std::string& path, int policy,
                               std::string* reason = nullptr);

    // The scratch files of the three parts, under the program folder's temp.
    static std::string ScratchFile(int part);
    static void RemoveScratchFiles();
};
