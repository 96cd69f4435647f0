#include "guide_fiveyear/FiveGuideBundle.h"

#include "guide_fiveyear/FiveGuideStore.h"
#include "foundation/ImportReport.h"
#include "platform/sys/Sys.h"

namespace {
const guidebundle::BundleKind kFiveYearKind{
    FiveGuideBundle::kFiveYearMarker,
    {"corvane_fivefundguide", "corvane_five_studysubject", "corvane_five_studyaspect"},
    {"GS", "GNWYJQK", "ZMB", "XTFW", "YXGJHZNGX", "XYFX"},
    true,
    fiveyearstore::IsGuideStored,
    fiveyearstore::DeleteGuideRows,
    IsGuidePeriod};
}  // namespace

std::string FiveGuideBundle::FileName(const std::string& fund, const std::string& today, const std::string& extension) {
    return sys::SafeFileName(fund) + "(" + today + ")." + extension;
}

std::string FiveGuideBundle::ScratchFile(int part) { return guidebundle::ScratchFile(part); }

void FiveGuideBundle::RemoveScratchFiles() { guidebundle::RemoveScratchFiles(); }

bool FiveGuideBundle::Export(CAdoConnection& connection, const std::string& fund, const std::string& period,
                             const std::string& folder, const std::string& today) {
    const bool bundle = guidebundle::WriteBundle(kFiveYearKind, connection, fund, period,
                                                 sys::JoinPath(folder, FileName(fund, today, kExtension)));
    const bool companions =
        guidebundle::SaveCompanions(connection, fund, sys::JoinPath(folder, FileName(fund, today, "sif")),
                                    sys::JoinPath(folder, FileName(fund, today, "lif")));
    return bundle && companions;
}

FiveGuideBundle::ImportResult FiveGuideBundle::Import(CAdoConnection& connection, const std::string& path,
                                                      int policy, std::string* reason) {
    return guidebundle::Import(kFiveYearKind, connection, path, policy, reason);
}
