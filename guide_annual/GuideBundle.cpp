#include "guide_annual/GuideBundle.h"

#include "guide_annual/AnnualGuideStore.h"
#include "foundation/ImportReport.h"
#include "platform/sys/Sys.h"

namespace {
const guidebundle::BundleKind kAnnualKind{
    GuideBundle::kAnnualMarker,
    {"corvane_yearfundguide", "corvane_year_studysubject", "corvane_year_studyaspect"},
    {"GS", "GNWYJQK", "YJNR_YEAR", "XTFW"},
    false,
    guidestore::IsGuideStored,
    guidestore::DeleteGuideRows,
    IsGuideYear};
}  // namespace

std::string GuideBundle::FileName(const std::string& fund, const std::string& year, const std::string& today) {
    return sys::SafeFileName(fund + "(" + year + ")(" + today + ")") + "." + kExtension;
}

std::string GuideBundle::ScratchFile(int part) { return guidebundle::ScratchFile(part); }

void GuideBundle::RemoveScratchFiles() { guidebundle::RemoveScratchFiles(); }

bool GuideBundle::Export(CAdoConnection& connection, const std::string& fund, const std::string& year,
                         const std::string& folder, const std::string& today) {
    const std::string bundle = sys::JoinPath(folder, FileName(fund, year, today));
    if (!guidestore::IsGuideStored(connection, fund, year) ||
        !guidebundle::WriteBundle(kAnnualKind, connection, fund, year, bundle))
        return false;
    // The companion files are a courtesy: the export stands without them.
    const std::string companion = sys::JoinPath(folder, sys::SafeFileName(fund + "(" + today + ")"));
    guidebundle::SaveCompanions(connection, fund, companion + ".sif", companion + ".lif");
    return true;
}

GuideBundle::ImportResult GuideBundle::Import(CAdoConnection& connection, const std::string& path, int policy,
                                              std::string* reason) {
    return guidebundle::Import(kAnnualKind, connection, path, policy, reason);
}
