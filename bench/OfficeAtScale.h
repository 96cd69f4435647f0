// A fund office at the scale of years of work, for the benchmarks: units,
// experts, specialty groups and laboratories; for each year the annual guide
// with its research directions, and for each five-year period its guide; the
// year's applications with their members, first review, letter review by a
// few experts, meeting review and approval for some, and for a tenth a plan,
// a progress report, an acceptance summary and an achievement record; users
// of each role. Every row is linked as the screens expect (numbers made as
// numbering/ makes them, experts of the project's fund, directions of the
// project's year).
#pragma once

#include <string>

namespace bench {

struct OfficeSize {
    int years = 10;
    int applicationsPerYear = 2000;
};

// A new installed folder (testsupport::MakeInstalledFolder) whose project.mdb
// holds `size` of a fund office; sets sys::SetProgramFolder to it and returns
// its path. The settings record works in the last year filled and its period.
// Exits with a message on failure. The caller removes it with sys::RemoveAll.
std::string MakeOfficeAtScale(const OfficeSize& size);

// The years it filled: 2011 .. 2011+years-1.
constexpr int kFirstYear = 2011;

}  // namespace bench
