// What the annual and five-year guide bundles (.fund) share: the three
// saved-recordset parts (guide row, subject rows, direction rows) written
// through scratch files into a length-prefixed container under a marker, the
// specialty-group (.sif) and laboratory (.lif) companion files, and the
// import in one transaction under a duplicate policy. Each guide gives its
// tables, columns and stored-guide look-ups.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"

namespace guidebundle {

constexpr int kParts = 3;
inline constexpr const char* kExtension = "fund";

enum class ImportResult {
    Imported,
    Skipped,    // the guide is stored and the policy keeps it
    OtherKind,  // a bundle with another marker: left alone, not counted
    Corrupt,    // not a readable bundle; nothing was written
    Failed,     // the database refused a row; nothing was written
};

struct BundleKind {
    char marker;
    const char* tables[kParts];           // guide, subjects, directions
    std::vector<const char*> guideBlobs;  // the guide row's long binary columns
    bool firstGuideRowOnly;               // else every guide row of the bundle
    bool (*isStored)(CAdoConnection&, const std::string& fund, const std::string& year);
    // Removes a stored guide with its subjects and directions; the caller holds the transaction.
    bool (*deleteRows)(CAdoConnection&, const std::string& fund, const std::string& year);
    // Whether a bundle's year is one a guide of the kind has (IsGuideYear,
    // IsGuidePeriod): a guide of another would be stored where no list shows it.
    bool (*isYear)(const std::string& year);
};

// The scratch files of the three parts, under the program folder's temp.
std::string ScratchFile(int part);
void RemoveScratchFiles();

// Writes the container of the guide of this fund number and year (a part
// without rows is written empty) to `path`. False when a query fails (no
// container is written then) or the file cannot be written.
bool WriteBundle(const BundleKind& kind, CAdoConnection& connection, const std::string& fund,
                 const std::string& year, const std::string& path);

// Saves the specialty group's and the laboratory's rows whose code is the
// fund number, each file only when there are rows. False when a query fails
// or a file cannot be written.
bool SaveCompanions(CAdoConnection& connection, const std::string& fund, const std::string& groupPath,
                    const std::string& labPath);

// Imports one bundle in one transaction. A guide that is stored already is
// handled by the policy (0 overwrite, 1 keep, 2 ask "记录已存在，是否覆盖原有
// 记录？"; any other value keeps); an overwrite removes the stored guide with
// its subjects and directions first. A bundle whose guide part has no row
// still brings its subjects and directions; the policy then holds for the
// stored guide they belong to, whose subjects and directions an overwrite
// replaces (its guide row stays). A bundle of a year the kind's guides do not
// have is not readable.
// `reason`, when given, receives why a bundle is not readable (Corrupt).
ImportResult Import(const BundleKind& kind, CAdoConnection& connection, const std::string& path, int policy,
                    std::string* reason = nullptr);

}  // namespace guidebundle
