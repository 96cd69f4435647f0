// The list actions of the fund office's views at the scale of a real office:
// one year's applications (2,000) acted on with one year and with ten years
// stored. Each action runs through its view as a user starts it (buttons,
// lists and the answers to its message boxes scripted by the test driver)
// and is timed; the time per project with ten years stored against one year
// shows whether its cost grows with the size of the tables (about 1 when it
// does not). Actions over every stored project (the application list,
// 重排序 of all numbers) are counted per stored project.
//
//   bench_list_actions [applications-per-year] [repeats] [view]   (defaults 2000, 3, every view)
//
// A view's name (项目申请, 项目初审, 项目函审, ...) runs its actions only, for a profile.
//
// The office is bench::MakeOfficeAtScale's: every application reviewed, a
// tenth of them planned, reported on, accepted and transferred, so the
// follow-up and achievement lists act on a tenth of a year.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "achievement/DlgSCGZH.h"
#include "application/DlgProQuery.h"
#include "application/Dlgproappl.h"
#include "followup/DlgProSum.h"
#include "followup/DlgProSum1.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/DatabaseIndexes.h"
#include "foundation/Options.h"
#include "platform/office/Office.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"
#include "platform/ui/TestDriver.h"
#include "platform/ui/TreeCtrl.h"
#include "review/ApprovalReorder.h"
#include "review/DlgAccept.h"
#include "review/DlgFirstAPPR.h"
#include "review/DlgHanS.h"
#include "review/DlgHuiS.h"
#include "review/DlgJinZ.h"
#include "review/DlgPF.h"
#include "review/DlgPlan.h"
#include "review/WorkflowSupport.h"
#include "bench/OfficeAtScale.h"

namespace {

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "bench_list_actions: %s\n", why.c_str());
    std::exit(2);
}

// ---- timing ----

struct Result {
    std::string name;
    int projects = 0;             // projects the action went over
    std::vector<double> seconds;  // one per run
    double Median() const {
        std::vector<double> s = seconds;
        std::sort(s.begin(), s.end());
        return s.empty() ? 0 : s[s.size() / 2];
    }
};

class Runner {
public:
    Runner(std::string folder, int years, int perYear)
        : folder_(std::move(folder)),
          perYear_(perYear),
          year_(std::to_string(bench::kFirstYear + years - 1)) {
        sys::CopyFile(Db(), Db() + ".filled");
        CAdoConnection db;
        if (!db.ConnectAccess(Db(), "5081")) Fail("cannot open project.mdb");
        CAdoRecordSet rs;
        rs.SetConnection(&db);
        rs.SetCursorLocation(adUseClient);
        if (!rs.Open("select count(*) from corvane_itemappinfo") || rs.IsEOF()) Fail("cannot count applications");
        std::string count;
        rs.GetFieldText(0, count);
        stored_ = std::atoi(count.c_str());
        std::fprintf(stderr, "%d years: %d applications, project.mdb %.0f MB\n", years, stored_,
                     double(std::filesystem::file_size(Db())) / 1e6);
    }

    std::string Year() const { return year_; }
    int Stored() const { return stored_; }
    int PerYear() const { return perYear_; }

    // The database as filled, before a group of actions that may change it.
    // Written through to the disk before the actions, whose first commit
    // would otherwise wait for the whole copy.
    void Restore() {
        if (!sys::CopyFile(Db() + ".filled", Db())) Fail("cannot restore project.mdb");
        const int file = ::open(Db().c_str(), O_RDONLY);
        if (file < 0 || ::fsync(file) != 0) Fail("cannot write project.mdb through");
        ::close(file);
    }

    // Times `action` and records it under `name` over `projects` projects.
    void Time(std::vector<Result>& results, const std::string& name, int projects,
              const std::function<void()>& action) {
        const auto start = std::chrono::steady_clock::now();
        action();
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        auto found = std::find_if(results.begin(), results.end(), [&](const Result& r) { return r.name == name; });
        if (found == results.end()) found = results.insert(results.end(), Result{name, projects, {}});
        found->projects = projects;
        found->seconds.push_back(s);
    }

    // What the program sets before it opens a view: the fund office's role
    // and the common-technology funds in the settings, the period (the
    // office's, holding its last year) in the views' shared texts.
    void Settings() {
        COptions options;
        options.SetRole(2);
        options.SetCategory(0);
        options.Save();
        workflow::PublishYear() = options.GetPeriod();
        CDlgproappl::m_strPublishYear = options.GetPeriod();
    }

    template <class View>
    View& Open() {
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        view_.reset();
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        host_->ShowWindow(SW_SHOW);
        auto view = std::make_unique<View>();
        View& ref = *view;
        view->CreateView(host_.get(), {0, 0, 1300, 900});
        view_ = std::move(view);
        ref.OnInitialUpdate();
        return ref;
    }
    void Close() {
        view_.reset();
        host_.reset();
    }

private:
    std::string Db() const { return sys::JoinPath(folder_, "project.mdb"); }
    std::string folder_;
    int perYear_;
    std::string year_;
    int stored_ = 0;
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<ui::FormView> view_;
};

int TreeLeaves(const ui::TreeCtrl& tree) {
    int leaves = 0;
    std::function<void(ui::HTREEITEM)> walk = [&](ui::HTREEITEM item) {
        for (; item; item = tree.GetNextSiblingItem(item)) {
            const ui::HTREEITEM child = tree.GetChildItem(item);
            if (child)
                walk(child);
            else
                ++leaves;
        }
    };
    walk(tree.GetRootItem());
    return leaves;
}

void Choose(ui::Wnd& dialog, int listId, int index) {
    auto* list = dialog.Item<ui::ComboBox>(listId);
    if (!list) Fail("no list " + std::to_string(listId));
    list->SetCurSel(index);
    dialog.OnCommand(listId, CBN_SELCHANGE);
}

// 查询 narrowed to one year, answered as the user would.
void ScriptYearQuery(ui::TestDriver& driver, const std::string& year) {
    driver.OnModal<CDlgProQuery>([year](CDlgProQuery& dialog) {
        dialog.SetDlgItemText(CDlgProQuery::IDC_YEAR, year);
        dialog.Click(IDOK);
    });
    driver.AnswerMessageBox(IDOK);  // the condition shown
}

int Checked(const ui::ListCtrl& list) {
    int checked = 0;
    for (int row = 0; row < list.GetItemCount(); ++row) checked += list.GetCheck(row) ? 1 : 0;
    return checked;
}

// ---- the actions, view by view ----

void ApplicationActions(Runner& run, std::vector<Result>& results) {
    ui::TestDriver driver;
    run.Restore();
    run.Settings();
    CDlgproappl* view = nullptr;
    run.Time(results, "项目申请  打开 (every application)", run.Stored(), [&] { view = &run.Open<CDlgproappl>(); });
    CDlgOutputList& list = view->m_dlgOutputList;
    run.Time(results, "项目申请  查询 a year", run.PerYear(), [&] {
        ScriptYearQuery(driver, run.Year());
        view->OnBtnProquery();
    });
    if (list.List().GetItemCount() != run.PerYear())
        Fail("the year's query lists " + std::to_string(list.List().GetItemCount()));
    run.Time(results, "项目申请  全选", run.PerYear(), [&] { list.Click(CDlgOutputList::IDC_SELECT_ALL); });
    run.Time(results, "项目申请  反选 twice", run.PerYear(), [&] {
        list.Click(CDlgOutputList::IDC_INVERT);
        list.Click(CDlgOutputList::IDC_INVERT);
    });
    if (Checked(list.List()) != run.PerYear()) Fail("全选 left rows unticked");
    run.Time(results, "项目申请  导出Excel of the year", run.PerYear(),
             [&] { list.Click(CDlgOutputList::IDC_EXPORT_EXCEL); });
    run.Time(results, "项目申请  重排序 (every application)", run.Stored(), [&] {
        driver.ExpectMessageBox("提示", "对项目编号进行重新排序吗？", IDOK);
        view->OnButtonSort();
    });
    // 重排序 lists every application again: the year's rows are ticked anew.
    ScriptYearQuery(driver, run.Year());
    view->OnBtnProquery();
    list.Click(CDlgOutputList::IDC_SELECT_ALL);
    run.Time(results, "项目申请  删除 the year's ticked", run.PerYear(), [&] {
        driver.ExpectMessageBox("系统提示", "确定要删除所选纪录吗？", IDOK);
        view->OnBtnProdel();
    });
    run.Close();
    if (!driver.Finished()) Fail("application view: unused answers");
}

void FirstReviewActions(Runner& run, std::vector<Result>& results) {
    ui::TestDriver driver;
    run.Restore();
    run.Settings();
    CDlgFirstAPPR* view = nullptr;
    run.Time(results, "项目初审  打开 (所有项目)", run.PerYear(), [&] { view = &run.Open<CDlgFirstAPPR>(); });
    const char* filters[] = {"所有项目", "所有正确项目", "指南代码错误", "项目类别错误", "不在发布单位之列"};
    for (int filter = 1; filter < 5; ++filter)
        run.Time(results, std::string("项目初审  ") + filters[filter], run.PerYear(),
                 [&] { Choose(view->m_dlgSelect, CDlgFirstSelect::IDC_FILTER, filter); });
    run.Close();
}

template <class View>
void TreeActions(Runner& run, std::vector<Result>& results, const char* name, int reorder) {
    ui::TestDriver driver;
    run.Restore();
    run.Settings();
    View* view = nullptr;
    run.Time(results, std::string(name) + "  打开", run.PerYear(), [&] { view = &run.Open<View>(); });
    run.Time(results, std::string(name) + "  选择年份", run.PerYear(), [&] { view->YearBar().OnYearChanged(); });
    if (TreeLeaves(view->ProTree().Tree()) == 0) Fail(std::string(name) + " shows no project");
    if (reorder >= 0) {
        run.Time(results, std::string(name) + "  重排序", run.PerYear(), [&] {
            driver.ExpectMessageBox("提示", "对项目编号进行重新排序吗？", IDOK);
            approval::ReorderProjects(*view, reorder == 1);
        });
    }
    run.Close();
}

template <class View>
void SummaryActions(Runner& run, std::vector<Result>& results, const std::string& name) {
    ui::TestDriver driver;
    run.Restore();
    run.Settings();
    View* view = nullptr;
    // Documents exist for a tenth of the applications.
    const int stored = run.Stored() / 10, year = run.PerYear() / 10;
    run.Time(results, name + "  打开 (every document)", stored, [&] { view = &run.Open<View>(); });
    CSummaryListPage& list = view->ListPage();
    if (list.List().GetItemCount() != stored) Fail(name + ": lists " + std::to_string(list.List().GetItemCount()));
    run.Time(results, name + "  查询 a year", year, [&] {
        ScriptYearQuery(driver, run.Year());
        list.OnBtnQuery();
    });
    if (list.List().GetItemCount() != year)
        Fail(name + ": the year's query lists " + std::to_string(list.List().GetItemCount()));
    run.Time(results, name + "  全选", year, [&] { list.Click(CSummaryListPage::IDC_SELECT_ALL); });
    run.Time(results, name + "  导出Excel of the year", year, [&] { list.Click(CSummaryListPage::IDC_EXPORT_EXCEL); });
    run.Time(results, name + "  删除 the year's ticked", year, [&] {
        driver.ExpectMessageBox("系统提示", "确定要删除所选纪录吗？", IDOK);
        list.Click(CSummaryListPage::IDC_BTN_DELETE);
    });
    if (list.List().GetItemCount() != stored - year) Fail(name + ": the year's documents are still listed");
    run.Close();
    if (!driver.Finished()) Fail(name + ": unused answers");
}

void AchievementActions(Runner& run, std::vector<Result>& results) {
    ui::TestDriver driver;
    run.Restore();
    run.Settings();
    CDlgSCGZH* view = nullptr;
    // Records exist for a tenth of the applications; the list shows them all.
    const int stored = run.Stored() / 10, year = run.PerYear() / 10;
    run.Time(results, "成果转化  打开 (every record)", stored, [&] { view = &run.Open<CDlgSCGZH>(); });
    CDlgSCGZHList& list = view->m_dlgList;
    if (list.List().GetItemCount() != stored) Fail("成果转化: lists " + std::to_string(list.List().GetItemCount()));
    run.Time(results, "成果转化  全选 (every record)", stored, [&] { list.Click(CDlgSCGZHList::IDC_SELECT_ALL); });
    run.Time(results, "成果转化  反选 twice (every record)", stored, [&] {
        list.Click(CDlgSCGZHList::IDC_INVERT);
        list.Click(CDlgSCGZHList::IDC_INVERT);
    });
    // A year's records ticked: the list holds them in the order they were stored, a year after another.
    list.Click(CDlgSCGZHList::IDC_INVERT);
    for (int row = stored - year; row < stored; ++row) list.List().SetCheck(row, TRUE);
    run.Time(results, "成果转化  导出Excel of a year", year, [&] { list.Click(CDlgSCGZHList::IDC_EXPORT_EXCEL); });
    run.Time(results, "成果转化  删除 a year's ticked", year, [&] {
        driver.ExpectMessageBox("系统提示", "确定要删除所选纪录吗？", IDOK);
        list.Click(CDlgSCGZHList::IDC_BTN_DELETE);
    });
    if (list.List().GetItemCount() != stored - year) Fail("成果转化: the year's records are still listed");
    run.Close();
    if (!driver.Finished()) Fail("achievement view: unused answers");
}

std::string g_only;  // the one view to run, when given

bool Runs(const char* view) { return g_only.empty() || g_only == view; }

std::vector<Result> MeasureAll(int years, int perYear, int repeats) {
    bench::OfficeSize size;
    size.years = years;
    size.applicationsPerYear = perYear;
    const std::string folder = bench::MakeOfficeAtScale(size);
    {
        CAdoConnection db;
        if (!db.ConnectAccess(sys::JoinPath(folder, "project.mdb"), "5081") || !EnsureIndexes(db))
            Fail("cannot add the indexes");  // as the program does at start
    }
    std::vector<Result> results;
    Runner run(folder, years, perYear);
    for (int r = 0; r < repeats; ++r) {
        if (Runs("项目申请")) ApplicationActions(run, results);
        if (Runs("项目初审")) FirstReviewActions(run, results);
        if (Runs("项目函审")) TreeActions<CDlgHanS>(run, results, "项目函审", -1);
        if (Runs("项目会审")) TreeActions<CDlgHuiS>(run, results, "项目会审", -1);
        if (Runs("项目计划")) TreeActions<CDlgPlan>(run, results, "项目计划", 1);
        if (Runs("项目批复")) TreeActions<CDlgPF>(run, results, "项目批复", 0);
        if (Runs("项目进展")) TreeActions<CDlgJinZ>(run, results, "项目进展", -1);
        if (Runs("项目验收")) TreeActions<CDlgAccept>(run, results, "项目验收", -1);
        if (Runs("阶段进展报告")) SummaryActions<CDlgProSum1>(run, results, "阶段进展报告");
        if (Runs("项目验收总结")) SummaryActions<CDlgProSum>(run, results, "项目验收总结");
        if (Runs("成果转化")) AchievementActions(run, results);
    }
    sys::SetProgramFolder("");
    sys::RemoveAll(folder);
    return results;
}

}  // namespace

int main(int argc, char** argv) {
    const int perYear = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int repeats = argc > 2 ? std::atoi(argv[2]) : 3;
    if (argc > 3) g_only = argv[3];
    ui::EnsureApplication();
    // Workbooks handed to the desktop are kept, not opened.
    office::SetShellOpenHook([](const std::string&) {});
    const std::vector<Result> one = MeasureAll(1, perYear, repeats);
    const std::vector<Result> ten = MeasureAll(10, perYear, repeats);
    std::printf("list actions over one year's %d applications, median of %d runs\n", perYear, repeats);
    std::printf("%-40s %9s %9s %10s %10s %7s\n", "action", "1 year s", "10 yrs s", "1y ms/prj", "10y ms/prj", "ratio");
    for (const Result& a : one) {
        const auto b = std::find_if(ten.begin(), ten.end(), [&](const Result& r) { return r.name == a.name; });
        if (b == ten.end()) continue;
        const double perA = a.Median() / std::max(a.projects, 1), perB = b->Median() / std::max(b->projects, 1);
        std::printf("%-40s %9.3f %9.3f %10.4f %10.4f %6.2fx%s\n", a.name.c_str(), a.Median(), b->Median(), perA * 1000,
                    perB * 1000, perB / perA, b->Median() > 1 && b->projects <= perYear ? "  over 1 s" : "");
    }
    return 0;
}
