// Unit import of the exchange view at two sizes: the time per unit when the
// file holds 3,000 units against the time per unit when it holds 300, each
// into a fresh installed folder, through the real view with its file chooser
// and message box answered by the test driver. A ratio near 1 means the
// import is linear in the number of units.
//
//   bench_import [units-small] [units-large]     (defaults 300 and 3000)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/BenchFolder.h"
#include "exchange/import/DlgGuideImport.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/TestDriver.h"

namespace {

// Writes a unit file of `count` units and empties the unit table; the path.
std::string MakeUnitFile(const std::string& folder, int count) {
    CAdoConnection db;
    if (!db.ConnectAccess(sys::JoinPath(folder, "project.mdb"), "5081")) std::exit(2);
    db.Execute("delete from corvane_unit");
    db.BeginTrans();
    for (int i = 0; i < count; ++i)
        db.Execute(text::Format("insert into corvane_unit (DWDM, DWMC, SSBM, TXDZ) values ('U%04d', '单位%d', '部门', '地址')",
                                i, i));
    db.CommitTrans();
    CAdoRecordSet rs;
    rs.SetConnection(&db);
    rs.SetCursorLocation(adUseClient);
    const std::string file = sys::JoinPath(folder, "单位信息.uif");
    if (!rs.Open("select * from corvane_unit") || !rs.Save(file)) std::exit(2);
    rs.Close();
    db.Execute("delete from corvane_unit");
    return file;
}

// Seconds the import of a file of `count` units takes.
double ImportSeconds(int count) {
    const std::string folder = bench::InstalledProgramFolder();
    const std::string file = MakeUnitFile(folder, count);
    static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
    ui::Dialog host(hostTemplate);
    host.Create();
    CDlgGuideImport view;
    view.CreateView(&host, {0, 0, 900, 700});
    view.OnInitialUpdate();
    view.m_nPolicy = 0;
    view.UpdateData(FALSE);

    ui::TestDriver driver([](const std::string& failure) { std::fprintf(stderr, "driver: %s\n", failure.c_str()); });
    driver.AnswerFile(file);
    driver.ExpectMessageBox("提示", "共导入了" + std::to_string(count) + "条数据！");
    const auto start = std::chrono::steady_clock::now();
    view.Click(CDlgGuideImport::IDC_BTN_IMPORT_UNITINFO);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!driver.Finished()) std::fprintf(stderr, "the import did not end as expected\n");
    view.DestroyWindow();
    host.DestroyWindow();
    sys::SetProgramFolder("");
    sys::RemoveAll(folder);
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    ui::EnsureApplication();
    const int small = argc > 1 ? std::atoi(argv[1]) : 300;
    const int large = argc > 2 ? std::atoi(argv[2]) : 3000;
    const double smallSeconds = ImportSeconds(small);
    const double largeSeconds = ImportSeconds(large);
    const double smallPer = smallSeconds / small * 1000;
    const double largePer = largeSeconds / large * 1000;
    std::printf("unit import: %d units %.2f s (%.3f ms each); %d units %.2f s (%.3f ms each)\n", small, smallSeconds,
                smallPer, large, largeSeconds, largePer);
    std::printf("time per unit at %d against at %d: %.2fx (linear: about 1)\n", large, small, largePer / smallPer);
    return 0;
}
