// The project plan form: the list without the 一般基金 projects, loading a
// project with its plans, saving the overall columns and the years that
// have goals, deleting a project's plans, the funding boxes, the tabs, the
// plan files through the buttons and the Word plan draft.
#include <memory>

#include "FollowupFilesTestSupport.h"
#include "application/DlgImportPolicy.h"
#include "application/DlgProQuery.h"
#include "followup/Dlgproplan.h"
#include "platform/office/Office.h"
#include "platform/office/Word.h"
#include "platform/sys/Process.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/Simulate.h"

namespace {

constexpr const char* kKey = "9140A01010108U001001";
constexpr const char* kGeneral = "9140A01010108U001002";

// Stored rich texts are RTF in the GBK code page.
std::string Rtf(const std::string& text) { return "{\\rtf1\\ansi\\ansicpg936 " + text::Utf8ToGbk(text) + "\\par}"; }

}  // namespace

class PlanForm : public FollowupFilesTest {
protected:
    void SetUp() override {
        FollowupFilesTest::SetUp();
        ui::EnsureApplication();
        office::SetShellOpenHook([this](const std::string& path) { opened.push_back(path); });
        StoreRow("corvane_itemappinfo",
                 {{"XMBH", kKey}, {"XMLB", "共性技术基金——重点项目"}, {"NF", "2008"}, {"SQZNDM", "A0101"},
                  {"DWDM", "U001"}, {"XMMC", "甲项目"}, {"GZDW", "研究所"}, {"HZDW", "合作所"}, {"PFJF", "10"},
                  {"YBJF", "5"}},
                 {{"YJMBNR", Rtf("总目标")}});
        StoreRow("corvane_itemappinfo", {{"XMBH", kGeneral}, {"XMLB", "一般基金"}, {"DWDM", "U002"}});
        StoreRow("corvane_unit", {{"DWDM", "U001"}, {"DWMC", "第一研究所"}});
    }
    void TearDown() override {
        view_.reset();
        host_.reset();
        office::SetShellOpenHook({});
        office::SetStartHook({});
        FollowupFilesTest::TearDown();
    }
    CDlgproplan& OpenView() {
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        host_->ShowWindow(SW_SHOW);
        view_ = std::make_unique<CDlgproplan>();
        view_->CreateView(host_.get(), {0, 0, 1100, 900});
        view_->OnInitialUpdate();
        return *view_;
    }
    static ui::ListCtrl& List(CDlgproplan& view) { return *view.Item<ui::ListCtrl>(CDlgproplan::IDC_LIST_PROLIST); }
    static std::vector<std::string> ListNumbers(CDlgproplan& view) {
        std::vector<std::string> numbers;
        for (int i = 0; i < List(view).GetItemCount(); ++i) numbers.push_back(List(view).GetItemText(i, 2));
        return numbers;
    }
    static int RowOf(CDlgproplan& view, const std::string& number) {
        for (int i = 0; i < List(view).GetItemCount(); ++i)
            if (List(view).GetItemText(i, 2) == number) return i;
        return -1;
    }
    static void Load(CDlgproplan& view, const std::string& number) {
        List(view).SetSelectionMark(RowOf(view, number));
        LRESULT result = -1;
        view.OnClickListProlistPlan(nullptr, &result);
        EXPECT_EQ(result, 0);
    }
    void StorePlan(const std::string& year, const std::string& goals) {
        StoreRow("corvane_itemyearplan",
                 {{"XMBH", kKey}, {"NF", year}, {"NDJF", "2"}, {"JDYQ", "进度" + year}, {"BZ", "保留"}},
                 {{"NDYJMUYNR", Rtf(goals)}, {"NDWCXS", Rtf("形式" + year)}, {"YBJJXGBCSM", Rtf("说明")}});
    }
    static std::string Trimmed(const std::string& text) { return text::Trim(text); }

    std::vector<std::string> opened;
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<CDlgproplan> view_;
};

TEST_F(PlanForm, ListLeavesOutTheGeneralFundWhichTheQueryFinds) {
    CDlgproplan& view = OpenView();
    EXPECT_EQ(ListNumbers(view), std::vector<std::string>{kKey});
    EXPECT_EQ(List(view).GetItemText(0, 0), "共性技术基金——重点项目");
    EXPECT_EQ(List(view).GetItemText(0, 3), "A0101");

    driver.OnModal<CDlgProQuery>([](CDlgProQuery& query) { query.Click(IDOK); });
    view.OnBtnProquery();
    EXPECT_EQ(ListNumbers(view), (std::vector<std::string>{kKey, kGeneral}));
    driver.OnModal<CDlgProQuery>([](CDlgProQuery& query) { query.Click(IDCANCEL); });
    view.OnBtnProquery();
    EXPECT_EQ(ListNumbers(view).size(), 2u);
}

TEST_F(PlanForm, LoadingShowsTheApplicationAndItsPlansByYear) {
    StorePlan("第二年度", "第二年目标");
    StorePlan("第九年度", "不显示");
    CDlgproplan& view = OpenView();
    Load(view, kKey);
    EXPECT_EQ(view.m_strXMBH, kKey);
    EXPECT_EQ(view.GetDlgItemText(CDlgproplan::IDC_GZDW), "研究所");
    EXPECT_EQ(view.GetDlgItemText(CDlgproplan::IDC_HZDW), "合作所");
    EXPECT_EQ(view.GetDlgItemText(CDlgproplan::IDC_TOTAL_FUNDING), "10");
    EXPECT_EQ(view.GetDlgItemText(CDlgproplan::IDC_ALLOCATED_FUNDING), "5");
    EXPECT_EQ(Trimmed(view.m_richGoals.GetWindowText()), "总目标");
    EXPECT_EQ(view.m_richCompletion.GetWindowText(), "");  // ZWCXS is empty
    EXPECT_EQ(view.YearPage(0).GoalsText(), "");
    EXPECT_EQ(view.YearPage(1).Funding(), "2");
    EXPECT_EQ(view.YearPage(1).Schedule(), "进度第二年度");
    EXPECT_EQ(Trimmed(view.YearPage(1).GoalsText()), "第二年目标");
    EXPECT_EQ(Trimmed(view.YearPage(1).CompletionText()), "形式第二年度");
    EXPECT_EQ(view.YearPage(2).Schedule(), "");

    // A click that hits no row leaves the form cleared.
    List(view).SetSelectionMark(-1);
    view.OnClickListProlistPlan();
    EXPECT_EQ(view.YearPage(1).GoalsText(), "");
    EXPECT_FALSE(sys::FileExists(sys::ScratchPath("计划_year2_研究目标.rtf")));
}

TEST_F(PlanForm, SavingWritesTheOverallColumnsAndOnlyTheYearsWithGoals) {
    StorePlan("第二年度", "旧目标");
    CDlgproplan& view = OpenView();
    view.OnBtnSave();  // no project loaded: nothing is written
    EXPECT_EQ(Query("select PFJF from corvane_itemappinfo where xmbh='" + std::string(kKey) + "'"), (Rows{{"10"}}));

    Load(view, kKey);
    view.SetDlgItemText(CDlgproplan::IDC_TOTAL_FUNDING, "12");
    view.SetDlgItemText(CDlgproplan::IDC_ALLOCATED_FUNDING, "");
    view.m_richCompletion.SetWindowText("总形式");
    CDlgPlanYear& second = view.YearPage(1);
    second.SetDlgItemText(second.GetIds().funding, "3");
    second.m_richGoals.SetWindowText("新目标");
    view.YearPage(2).SetDlgItemText(view.YearPage(2).GetIds().funding, "9");  // no goals: not written
    view.OnBtnSave();
    view.OnBtnSave();  // twice: the row is changed in place, not doubled
    EXPECT_TRUE(driver.Calls().empty());

    const std::string app = "select * from corvane_itemappinfo where xmbh='" + std::string(kKey) + "'";
    EXPECT_EQ(Query("select PFJF, YBJF from corvane_itemappinfo where xmbh='" + std::string(kKey) + "'"),
              (Rows{{"12", ""}}));
    EXPECT_NE(Blob(app, "ZWCXS").find("{\\rtf"), std::string::npos);
    EXPECT_EQ(Query("select NF, NDJF, JDYQ, BZ from corvane_itemyearplan"),
              (Rows{{"第二年度", "3", "进度第二年度", "保留"}}));
    const std::string plan = "select * from corvane_itemyearplan";
    const std::string goals = Blob(plan, "NDYJMUYNR");
    EXPECT_EQ(goals.find("{\\rtf"), 0u);
    EXPECT_EQ(goals.rfind("{\\rtf"), 0u);
    EXPECT_EQ(Blob(plan, "YBJJXGBCSM"), Rtf("说明"));

    // Reloaded, the form shows what was saved.
    Load(view, kKey);
    EXPECT_EQ(Trimmed(view.YearPage(1).GoalsText()), "新目标");
    EXPECT_EQ(Trimmed(view.m_richCompletion.GetWindowText()), "总形式");
}

TEST_F(PlanForm, DeletingRemovesThePlansAndEmptiesTheOverallColumns) {
    StorePlan("第一年度", "一");
    StorePlan("第三年度", "三");
    Exec("update corvane_itemappinfo set ZWCXS='x'");
    CDlgproplan& view = OpenView();
    driver.ExpectMessageBox("系统提示", "请先选中要删除的记录");
    view.OnBtnProdel();

    Load(view, kKey);
    driver.ExpectMessageBox("系统提示", "确定要删除该项目相关的所有计划信息吗？", IDCANCEL);
    view.OnBtnProdel();
    EXPECT_EQ(Query("select count(*) from corvane_itemyearplan").at(0).at(0), "2");

    driver.ExpectMessageBox("系统提示", "确定要删除该项目相关的所有计划信息吗？", IDOK);
    driver.ExpectMessageBox("系统提示", "删除成功！");
    view.OnBtnProdel();
    EXPECT_EQ(Query("select count(*) from corvane_itemyearplan").at(0).at(0), "0");
    EXPECT_EQ(Query("select XMMC, PFJF, YBJF, ZWCXS from corvane_itemappinfo where xmbh='" + std::string(kKey) + "'"),
              (Rows{{"甲项目", "", "", ""}}));
    EXPECT_EQ(view.YearPage(0).GoalsText(), "");
}

TEST_F(PlanForm, FundingBoxesTakeSevenDigitsOrPoints) {
    CDlgproplan& view = OpenView();
    ui::MaskEdit* boxes[] = {&view.m_editTotalFunding, &view.m_editAllocatedFunding, &view.YearPage(0).m_editFunding,
                             &view.YearPage(2).m_editFunding};
    for (ui::MaskEdit* box : boxes) {
        box->SetWindowText("");
        ui::sim::Type(*box, "12a3.4-5678");
        EXPECT_EQ(box->GetWindowText(), "123.456");
    }
}

TEST_F(PlanForm, TheActiveTabIsColouredAndTheOthersGetTheirColourBack) {
    CDlgproplan& view = OpenView();
    ASSERT_EQ(view.m_wndTab.GetTabsNum(), 3);
    std::string label;
    view.m_wndTab.GetTabLabel(2, label);
    EXPECT_EQ(label, "第三年度");
    EXPECT_FALSE(view.GetDlgItem(CDlgproplan::IDC_TAB_PLACE)->IsWindowVisible());
    view.m_wndTab.SetActiveTab(2);
    EXPECT_EQ(view.m_wndTab.GetTabBkColor(2), CDlgproplan::kActiveTab);
    view.m_wndTab.SetActiveTab(0);
    EXPECT_EQ(view.m_wndTab.GetTabBkColor(0), CDlgproplan::kActiveTab);
    EXPECT_EQ(view.m_wndTab.GetTabBkColor(2), view.m_crStdTab);
}

TEST_F(PlanForm, PlanFilesGoOutForTheSelectedRowsAndComeBack) {
    StorePlan("第一年度", "一");
    CDlgproplan& view = OpenView();
    List(view).SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    driver.AnswerFolder(files.Path());
    const std::string folder = files.File(Today() + "上报项目计划草案");
    driver.ExpectMessageBox("提示", "上报文件导出完成！\r\n文件保存在：" + folder);
    view.OnBtnProexp();
    EXPECT_TRUE(sys::FileExists(sys::JoinPath(folder, std::string(kKey) + ".proplan")));

    Exec("delete from corvane_itemyearplan");
    EXPECT_EQ(view.Import(sys::JoinPath(folder, std::string(kKey) + ".proplan")), 1);
    EXPECT_EQ(view.IsRecordExist(kKey, "第一年度"), 1);
    EXPECT_EQ(view.IsRecordExist(kKey, "第二年度"), 0);

    // The policy chosen in the dialog stays with the view.
    driver.OnModal<CDlgImportPolicy>([](CDlgImportPolicy& dialog) {
        dialog.CheckDlgButton(CDlgImportPolicy::IDC_RADIO_OVERWRITE, 0);
        dialog.CheckDlgButton(CDlgImportPolicy::IDC_RADIO_KEEP, 1);
        dialog.Click(CDlgImportPolicy::IDC_BTN_OK);
    });
    driver.AnswerFolder(folder);
    driver.ExpectMessageBox("提示", "共导入了0条数据！");
    view.OnButtonImport();
    EXPECT_EQ(view.m_nPolicy, duplicate_policy::KeepExisting);
}

TEST_F(PlanForm, WordDraftPrintsWhatTheFormShowsForTheMarkedProject) {
    CDlgproplan& view = OpenView();
    driver.ExpectMessageBox("系统提示", "请先选中要导出的记录");
    view.OnBtnWord();
    EXPECT_TRUE(opened.empty());

    Load(view, kKey);
    view.m_richCompletion.SetWindowText("总形式");
    for (int i = 0; i < 3; ++i) {
        CDlgPlanYear& page = view.YearPage(i);
        page.m_richGoals.SetWindowText(text::Format("目标%d", i + 1));
        page.m_richCompletion.SetWindowText(text::Format("形式%d", i + 1));
        page.SetDlgItemText(page.GetIds().schedule, text::Format("进度%d", i + 1));
        page.SetDlgItemText(page.GetIds().remark, text::Format("备注%d", i + 1));
    }
    view.OnBtnWord();
    ASSERT_EQ(opened.size(), 1u);
    auto word = office::word::Application::Create();
    office::word::Document doc = word->Documents().Add(opened[0]);
    ASSERT_TRUE(doc.IsValid());
    EXPECT_EQ(doc.CellText(1, 3, 1), kKey);
    EXPECT_EQ(doc.CellText(1, 3, 2), "甲项目");
    EXPECT_NE(doc.CellText(1, 3, 3).find("总目标"), std::string::npos);
    EXPECT_NE(doc.CellText(1, 3, 3).find("第三年度：\v目标3"), std::string::npos);
    EXPECT_NE(doc.CellText(1, 3, 4).find("总完成形式：\v总形式"), std::string::npos);
    EXPECT_EQ(doc.CellText(1, 3, 5), "第一年度：\v进度1\v第二年度：\v进度2\v第三年度：\v进度3");
    EXPECT_EQ(doc.CellText(1, 3, 6), "第一研究所");
    EXPECT_EQ(doc.CellText(1, 3, 7), "10");
    EXPECT_EQ(doc.CellText(1, 3, 8), "第一年度：\v备注1\v第二年度：\v备注2\v第三年度：\v备注3");

    office::SetStartHook([](std::string_view id) { return !text::EqualsNoCase(id, "word.Application"); });
    driver.ExpectMessageBox("提示", "Word服务程序启动失败！");
    view.OnBtnWord();
}
