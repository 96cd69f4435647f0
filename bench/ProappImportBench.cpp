// Import of application bundles (.proapp) under one number prefix: each
// import numbers its project anew after those already stored, so the store
// grows with every bundle. Prints the time per bundle of the first hundred
// against that of the last hundred: about 1 when the cost of an import does
// not grow with the number of projects under the prefix.
//
//   bench_proapp [bundles]     (default 1000)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "application/ProjectApplicationBundle.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/sys/Sys.h"
#include "platform/ui/App.h"
#include "platform/ui/TestDriver.h"
#include "testsupport/InstalledFolder.h"

namespace {

constexpr const char* kCode = "9140A010108080001001";

void Fail(const std::string& why) {
    std::fprintf(stderr, "bench_proapp: %s\n", why.c_str());
    std::exit(2);
}

// One stored application with two members, exported; the bundle's path.
std::string MakeBundle(CAdoConnection& db, const std::string& folder) {
    CAdoRecordSet rs;
    rs.SetConnection(&db);
    rs.SetCursorLocation(adUseClient);
    if (!rs.Open("select * from corvane_itemappinfo where 1 = 0") || !rs.AddNew() || !rs.SetString("XMBH", kCode) ||
        !rs.SetString("XMMC", "基准项目") || !rs.SetString("XMLB", "共性技术基金——一般项目") || !rs.Update())
        Fail("cannot store the project");
    for (const char* name : {"张三", "李四"}) {
        CAdoRecordSet member;
        member.SetConnection(&db);
        member.SetCursorLocation(adUseClient);
        if (!member.Open("select * from corvane_project_sqcy where 1 = 0") || !member.AddNew() ||
            !member.SetString("ITE_XMBH", kCode) || !member.SetString("XM", name) || !member.Update())
            Fail("cannot store a member");
    }
    if (!ProjectApplicationBundle(db).Export(kCode, folder)) Fail("cannot export");
    db.Execute("delete from corvane_itemappinfo");
    db.Execute("delete from corvane_project_sqcy");
    return sys::JoinPath(folder, ProjectApplicationBundle::FileName(kCode));
}

}  // namespace

int main(int argc, char** argv) {
    ui::EnsureApplication();
    const int bundles = argc > 1 ? std::atoi(argv[1]) : 1000;
    std::string error;
    const std::string folder = testsupport::MakeInstalledFolder(error);
    if (folder.empty()) Fail(error);
    sys::SetProgramFolder(folder);
    CAdoConnection db;
    if (!db.ConnectAccess(sys::JoinPath(folder, "project.mdb"), "5081")) Fail("cannot open project.mdb");
    const std::string bundle = MakeBundle(db, sys::JoinPath(folder, "out"));
    ui::TestDriver driver([](const std::string& failure) { std::fprintf(stderr, "driver: %s\n", failure.c_str()); });

    std::vector<double> seconds;
    for (int i = 0; i < bundles; ++i) {
        bool problem = false;
        const auto start = std::chrono::steady_clock::now();
        const int imported = ProjectApplicationBundle(db).Import(bundle, problem);
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (imported != 1) Fail("bundle " + std::to_string(i) + " was not imported");
    }
    const int window = std::min(100, bundles / 2);
    double first = 0, last = 0, total = 0;
    for (int i = 0; i < bundles; ++i) {
        total += seconds[i];
        if (i < window) first += seconds[i];
        if (i >= bundles - window) last += seconds[i];
    }
    std::printf(".proapp import: %d bundles in %.2f s; first %d %.2f ms each, last %d %.2f ms each\n", bundles, total,
                window, first / window * 1000, window, last / window * 1000);
    std::printf("time per bundle, last against first: %.2fx (no growth: about 1)\n", last / first);
    db.Close();
    sys::SetProgramFolder("");
    sys::RemoveAll(folder);
    return 0;
}
