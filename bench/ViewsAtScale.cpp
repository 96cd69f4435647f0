// Every view of every role opened on a fund office at scale: one year of
// applications, then ten years of them (the same number a year; the office
// works in its latest year, bench/OfficeAtScale.h). Prints for each view the
// time to open it (the command from the outlook bar until the events it
// posted are handled) with one year stored, with ten years stored, and their
// ratio: about 1 where the view shows one year, and every view under 1 s.
// Runs offscreen.
//
//   bench_views [applications-per-year [rounds]]      (defaults 2000, 3)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>

#include "bench/OfficeAtScale.h"
#include "main/CorvaneApp.h"
#include "main/CurrentUser.h"
#include "main/MainFrame.h"
#include "main/OutlookLayout.h"
#include "platform/sys/Sys.h"
#include "platform/ui/App.h"
#include "platform/ui/TestDriver.h"

namespace {

struct User {
    const char* name;
    int role;
};
// The installed users, one per role.
constexpr User kUsers[] = {{"zngl", 0}, {"sbdw", 1}, {"jjb", 2}};

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Median seconds to open each view, keyed by "user view".
using Timings = std::map<std::string, double>;

Timings OpenEveryView(CCorvaneApp& app, int years, int perYear, int rounds, std::vector<std::string>& order) {
    const auto fillStart = Clock::now();
    const std::string folder = bench::MakeOfficeAtScale({years, perYear});
    std::printf("  %d year(s), %d applications: filled in %.1f s\n", years, years * perYear,
                std::chrono::duration<double>(Clock::now() - fillStart).count());
    std::fflush(stdout);
    Timings timings;
    order.clear();
    for (const User& user : kUsers) {
        UserRole = user.role;
        g_strUserName = user.name;
        auto frame = std::make_unique<CMainFrame>();
        if (!frame->Create("Tessaly", {0, 0, 1270, 850})) {
            std::fprintf(stderr, "bench_views: cannot make the main window\n");
            std::exit(2);
        }
        frame->ShowWindow(SW_SHOW);
        app.SetMainWnd(frame.get());
        QApplication::processEvents();
        std::map<std::string, std::vector<double>> seconds;
        for (int round = 0; round < rounds; ++round)
            for (const OutlookGroupSpec& group : OutlookGroupsForRole(user.role))
                for (const OutlookButtonSpec& button : group.buttons) {
                    const std::string key = std::string(user.name) + " " + group.name + "/" + button.text;
                    const auto start = Clock::now();
                    frame->SendMessage(WM_COMMAND, MAKEWPARAM(button.command, 0));
                    QApplication::processEvents();
                    seconds[key].push_back(std::chrono::duration<double>(Clock::now() - start).count());
                    if (round == 0) order.push_back(key);
                }
        for (const auto& [key, values] : seconds) timings[key] = Median(values);
        app.SetMainWnd(nullptr);
        frame.reset();
    }
    sys::SetProgramFolder("");
    sys::RemoveAll(folder);
    return timings;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int perYear = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    ui::EnsureApplication();
    CCorvaneApp app;
    // Nothing opening a view may ask the user; anything that does is printed.
    ui::TestDriver driver([](const std::string& failure) { std::fprintf(stderr, "driver: %s\n", failure.c_str()); });

    std::printf("every view, median of %d opens, at 1 and at 10 years of %d applications a year:\n", rounds, perYear);
    std::vector<std::string> order;
    const Timings one = OpenEveryView(app, 1, perYear, rounds, order);
    const Timings ten = OpenEveryView(app, 10, perYear, rounds, order);
    double slowest = 0;
    for (const std::string& key : order) {
        const double a = one.at(key), b = ten.at(key);
        slowest = std::max(slowest, b);
        std::printf("  %-28s %8.1f ms with 1 year, %8.1f ms with 10 years: %5.2fx%s\n", key.c_str(), a * 1000,
                    b * 1000, a > 0 ? b / a : 0.0, b >= 1 ? "  (over 1 s)" : "");
    }
    std::printf("slowest view at 10 years: %.1f ms\n", slowest * 1000);
    return 0;
}
