// The first review's formal checks at the scale of a fund office: ten years
// of applications (2,000 a year, 20,000 in all) against a tenth of that, each
// year with its guide's directions. Times the filters 所有正确项目 and
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

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "review/FirstReviewChecks.h"
#include "testsupport/InstalledFolder.h"

namespace {

constexpr int kDirections = 200;  // research directions of a year's guide

void Fail(const std::string& why) {
    std::fprintf(stderr, "bench_scale: %s\n", why.c_str());
    std::exit(2);
}

// Fills `years` years from 2011 with `perYear` applications each (a long
// chapter text among their columns, as stored applications have) and each
// year's directions; returns the numbers of the last year.
std::vector<std::string> Fill(CAdoConnection& db, int years, int perYear) {
    const std::string chapter(4000, 'x');
    std::vector<std::string> lastYear;
    db.BeginTrans();
    for (int y = 0; y < years; ++y) {
        const std::string year = std::to_string(2011 + y);
        for (int d = 0; d < kDirections; ++d)
            db.Execute(text::Format("insert into corvane_year_studyaspect (YJFXBH, JJBH, FBNF, DWDM, SFZDYJFX) values "
                                    "('9140A01%04d', '9140A01', '%s', ' ', '%d')",
                                    d, year.c_str(), d % 5 == 0));
        for (int a = 0; a < perYear; ++a) {
            const std::string number = text::Format("9140A01%04d%s%04d%03d", a % kDirections, year.substr(2).c_str(),
                                                    a % 97, a / kDirections + 1);
            db.Execute("insert into corvane_itemappinfo (XMBH, XMLB, NF, XMMC, YJMBNR) values ('" + number +
                       "', '共性技术基金——一般项目', '" + year + "', '项目', '" + chapter + "')");
            if (y == years - 1) lastYear.push_back(number);
        }
    }
    if (!db.CommitTrans()) Fail("cannot fill the database");
    return lastYear;
}

struct Timing {
    double correct = 0, category = 0;  // seconds per project
};

Timing Measure(int years, int perYear) {
    std::string error;
    const std::string folder = testsupport::MakeInstalledFolder(error);
    if (folder.empty()) Fail(error);
    sys::SetProgramFolder(folder);
    CAdoConnection db;
    if (!db.ConnectAccess(sys::JoinPath(folder, "project.mdb"), "5081")) Fail("cannot open project.mdb");
    const std::vector<std::string> numbers = Fill(db, years, perYear);
    const FirstReviewChecks checks(&db, std::to_string(2011 + years - 1));
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
