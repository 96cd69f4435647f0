// The unit file of 单位信息管理 批量导入 and the plan files of 导入计划草案 /
// 项目计划 导入 at two sizes each, into a fresh installed folder: the time
// per unit and per plan row at the larger size against the smaller one. A
// ratio near 1 means the import is linear. The plan rows go into a table
// that already holds as many rows of other projects, so the cost of a row
// does not grow with what is stored either.
//
//   bench_import_scale [small] [large]     (defaults 1000 and 10000)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/BenchFolder.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ProjectRowsImport.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "sysmanage/UnitFile.h"

namespace {

void Connect(CAdoConnection& db, const std::string& folder) {
    if (!db.ConnectAccess(sys::JoinPath(folder, "project.mdb"), "5081")) std::exit(2);
}

void Save(CAdoConnection& db, const std::string& sql, const std::string& path) {
    CAdoRecordSet rs;
    rs.SetConnection(&db);
    rs.SetCursorLocation(adUseClient);
    if (!rs.Open(sql) || !rs.Save(path)) std::exit(2);
}

template <class Work>
double Seconds(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Seconds 批量导入 takes for a file of `count` new units.
double UnitSeconds(int count) {
    const std::string folder = bench::InstalledProgramFolder();
    CAdoConnection db;
    Connect(db, folder);
    db.Execute("delete from corvane_unit");
    db.BeginTrans();
    for (int i = 0; i < count; ++i)
        db.Execute(text::Format("insert into corvane_unit (DWDM, DWMC, SSBM, TXDZ) values ('U%05d', '单位%d', '部门', '地址')",
                                i, i));
    db.CommitTrans();
    const std::string file = sys::JoinPath(folder, "单位信息.uif");
    Save(db, "select * from corvane_unit", file);
    db.Execute("delete from corvane_unit");
    MasterFileImport result;
    const double seconds = Seconds([&] { result = ImportUnitFile(file, sysmanage::Overwrite, false, db); });
    if (result.imported != count) std::fprintf(stderr, "units: %d of %d imported\n", result.imported, count);
    db.Close();
    sys::SetProgramFolder("");
    sys::RemoveAll(folder);
    return seconds;
}

// Seconds the plan import takes for `rows` new plan rows (two plan years per
// project, one file each) beside `rows` stored rows of other projects.
double PlanSeconds(int rows) {
    const std::string folder = bench::InstalledProgramFolder();
    const std::string in = sys::JoinPath(folder, "收到");
    sys::MakeDir(in);
    CAdoConnection db;
    Connect(db, folder);
    db.BeginTrans();
    for (int p = 0; p < rows; ++p) {  // projects 0 .. rows/2-1 are imported, the others only stored
        const std::string number = text::Format("G010000000108A001%05d", p);
        db.Execute("insert into corvane_itemappinfo (XMBH) values ('" + number + "')");
        for (const char* year : {"第一年度", "第二年度"})
            db.Execute("insert into corvane_itemyearplan (XMBH, NF, JDYQ, NDYJMUYNR, NDWCXS, YBJJXGBCSM, NDJF, BZ) values ('" +
                       number + "', '" + year + "', '进度', X'7B5C727466317D', X'7B5C727466317D', X'AABB', '5', '备注')");
    }
    db.CommitTrans();
    for (int p = 0; p < rows / 2; ++p) {
        const std::string number = text::Format("G010000000108A001%05d", p);
        Save(db, "select * from corvane_itemyearplan where XMBH = '" + number + "'", sys::JoinPath(in, number + ".proplan"));
    }
    db.Execute("delete from corvane_itemyearplan where XMBH < " + text::Format("'G010000000108A001%05d'", rows / 2));
    std::string report;
    const double seconds = Seconds([&] {
        report = ProjectRowsImport(db, YearPlanFormat()).ImportFolder(in, [](const std::string&) { return true; });
    });
    if (report != text::Format("共导入了%d条数据！", rows / 2)) std::fprintf(stderr, "plans: %s\n", report.c_str());
    db.Close();
    sys::SetProgramFolder("");
    sys::RemoveAll(folder);
    return seconds;
}

void Print(const char* what, const char* unit, int small, double smallSeconds, int large, double largeSeconds) {
    const double smallPer = smallSeconds / small * 1000, largePer = largeSeconds / large * 1000;
    std::printf("%s: %d %s %.2f s (%.3f ms each); %d %s %.2f s (%.3f ms each); ratio %.2f (linear: about 1)\n", what,
                small, unit, smallSeconds, smallPer, large, unit, largeSeconds, largePer, largePer / smallPer);
}

}  // namespace

int main(int argc, char** argv) {
    ui::EnsureApplication();
    const int small = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int large = argc > 2 ? std::atoi(argv[2]) : 10000;
    Print("unit import (批量导入)", "units", small, UnitSeconds(small), large, UnitSeconds(large));
    Print("plan import (导入计划草案)", "plan rows", small, PlanSeconds(small), large, PlanSeconds(large));
    return 0;
}
