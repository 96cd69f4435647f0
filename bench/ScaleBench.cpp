// The first review's formal checks at the scale of a fund office: ten years
// of applications (2,000 a year, 20,000 in all, with everything linked to
// them: bench/OfficeAtScale.h) against a tenth of that, each year with its
// guide's directions. Times the filters 所有正确项目 and
// 项目类别错误 over one year's applications, which look each project and its
// direction up by key, and prints the time per project at both sizes: about
// 1 when the cost of a lookup does not grow with the tables.
//
//   bench_scale [applications-per-year]      (default 2000)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/OfficeAtScale.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "review/FirstReviewChecks.h"

namespace {

void Fail(const std::string& why) {
    std::fprintf(stderr, "bench_scale: %s\n", why.c_str());
    std::exit(2);
}

// The numbers of the year's applications.
std::vector<std::string> NumbersOf(CAdoConnection& db, const std::string& year) {
    std::vector<std::string> numbers;
    CAdoRecordSet rs;
    rs.SetConnection(&db);
    rs.SetCursorLocation(adUseClient);
    if (!rs.Open("select XMBH from corvane_itemappinfo where NF = '" + year + "'")) Fail("cannot read the numbers");
    for (std::string number; !rs.IsEOF(); rs.MoveNext())
        if (rs.GetString("XMBH", number)) numbers.push_back(number);
    return numbers;
}

struct Timing {
    double correct = 0, category = 0;  // seconds per project
};

Timing Measure(int years, int perYear) {
    const std::string folder = bench::MakeOfficeAtScale({years, perYear});
    CAdoConnection db;
    if (!db.ConnectAccess(sys::JoinPath(folder, "project.mdb"), "5081")) Fail("cannot open project.mdb");
    const std::string year = std::to_string(bench::kFirstYear + years - 1);
    const std::vector<std::string> numbers = NumbersOf(db, year);
    const FirstReviewChecks checks(&db, year);
    Timing timing;
    for (auto [filter, seconds] : {std::pair{kFilterCorrect, &timing.correct}, std::pair{kFilterCategory, &timing.category}}) {
        const auto start = std::chrono::steady_clock::now();
        int shown = 0;
        for (const std::string& number : numbers) shown += !checks.IsFilteredOut(number, filter);
        *seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / numbers.size();
        if (filter == kFilterCorrect && shown == 0) Fail("no project passes the checks");
    }
    db.Close();
    sys::SetProgramFolder("");
    sys::RemoveAll(folder);
    return timing;
}

}  // namespace

int main(int argc, char** argv) {
    const int perYear = argc > 1 ? std::atoi(argv[1]) : 2000;
    const Timing one = Measure(1, perYear);
    const Timing ten = Measure(10, perYear);
    std::printf("first review over one year's %d applications, per project:\n", perYear);
    std::printf("  所有正确项目: %.3f ms with 1 year stored, %.3f ms with 10 years (%d in all): %.2fx; the year %.2f s\n",
                one.correct * 1000, ten.correct * 1000, 10 * perYear, ten.correct / one.correct, ten.correct * perYear);
    std::printf("  项目类别错误: %.3f ms with 1 year stored, %.3f ms with 10 years: %.2fx; the year %.2f s\n",
                one.category * 1000, ten.category * 1000, ten.category / one.category, ten.category * perYear);
    return 0;
}
