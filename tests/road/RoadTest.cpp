// The road across two offices: a fund office (role 2) and an applicant unit
// (role 1), each with its own installed program folder, exchange nothing but
// files. The office enters its master data and publishes units and guides;
// the applicant writes applications in the form and reports them; the office
// takes them through first review, letter review, meeting review, approval
// and plan; the applicant's acceptance summary, progress report and
// achievement transfer come back; the office's reports show the projects.
// Each step checks what the user is told and what is stored.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "achievement/DlgSCGZH.h"
#include "achievement/ResultChangeBundle.h"
#include "application/ApplicationBundleCommands.h"
#include "application/ApplicationDb.h"
#include "application/DlgAppOutputSelect.h"
#include "application/DlgImportPolicy.h"
#include "application/DlgSelectProject.h"
#include "application/Dlgproappl.h"
#include "exchange/export/DlgGuideExport.h"
#include "exchange/import/DlgGuideImport.h"
#include "followup/DlgProSum1.h"
#include "followup/ProYszj.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Options.h"
#include "guide_annual/DlgImportPolicy.h"
#include "guide_annual/DlgOneGuide.h"
#include "office_reports/DlgFirstExcel.h"
#include "office_reports/DlgLabStatExcel.h"
#include "office_reports/DlgPFOutput.h"
#include "office_reports/DlgPlanOutput.h"
#include "platform/office/Excel.h"
#include "platform/office/Office.h"
#include "platform/office/Word.h"
#include "platform/richtext/PlainText.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Simulate.h"
#include "platform/ui/TestDriverGTest.h"
#include "platform/ui/TreeCtrl.h"
#include "review/DLGPROJUDGE.h"
#include "review/DlgFirstAPPR.h"
#include "review/DlgJJBYS.h"
#include "review/DlgHanS.h"
#include "review/DlgHuiS.h"
#include "review/DlgPF.h"
#include "review/DlgPlan.h"
#include "review/FirstReviewChecks.h"
#include "review/OfficeReports.h"
#include "review/tests/FirstReviewTestSupport.h"
#include "review/tests/WorkflowTestSupport.h"
#include "tests/road/MasterDataScreens.h"
#include "testsupport/InstalledFolder.h"

namespace {

// Statements, row reads and tree lines on project.mdb of the current program
// folder, shared with the first-review tests.
using firsttest::Exec;
using firsttest::Query;
using firsttest::Rows;
using firsttest::TreeLines;
using workflowtest::Choose;
using workflowtest::SelectNode;
using B = CDlgAppBasicInfo;

constexpr int kApplicantUnit = 1, kFundOffice = 2;
// The five-year period is the one the guide export writes; the annual guides
// are of a year in it.
const std::string kPeriod = CDlgGuideExport::kPeriod, kYear = "2012", kUnit = "0001";
const std::string kUnitName = "北方\"精密\"研究所";
const std::string kGroup = "9140A01", kLab = "9140C01";  // a specialty group and a key laboratory
// Names as users type them, quotes included.
const std::string kLabProjectName = "微纳\"传感\"器件的'可靠性'研究";
const std::string kCommonProjectName = "O'Brien型\"通用\"接口技术";
// The numbers the applications get: guide code, year, unit, serial.
const std::string kLabNumber = kLab + "0102" + kYear.substr(2) + kUnit + "001";       // a key project
// Two general projects of the specialty group: the weaker one is written
// first and takes serial 001; the one that passes review takes 002 until the
// approval's renumbering puts the passed project first.
const std::string kCommonNumber = kGroup + "0101" + kYear.substr(2) + kUnit + "001";
const std::string kSecondCommonNumber = kGroup + "0101" + kYear.substr(2) + kUnit + "002";
const std::string kWeakProjectName = "常规课题";

// Rows of a table given as data: the columns once, then the values.
void Seed(const std::string& table, const std::vector<std::string>& columns, const Rows& rows) {
    firsttest::Seed({table, columns, rows});
}

// The bytes of a long binary column of the query's first row.
std::string Blob(const std::string& sql, const char* column) {
    CAdoConnection connection;
    EXPECT_TRUE(appdb::Connect(connection));
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    if (!rs.Open(sql) || rs.IsEOF()) return {};
    const long size = rs.GetFieldActualSize(column);
    std::string bytes(std::size_t(std::max(size, 0L)), '\0');
    if (size > 0) rs.GetChunk(column, bytes.data());
    return bytes;
}

// What the applicant types into the form for one application.
struct Application {
    std::string guideCode, kind, name, applicant;
    std::vector<std::string> members;
    std::string amount, reason, goals;
};

}  // namespace

class Road : public ::testing::Test {
protected:
    void SetUp() override {
        ui::EnsureApplication();
        std::string error;
        office_ = testsupport::MakeInstalledFolder(error);
        ASSERT_FALSE(office_.empty()) << error;
        applicant_ = testsupport::MakeInstalledFolder(error);
        ASSERT_FALSE(applicant_.empty()) << error;
        // The files between the offices: a folder beside the two.
        mail_ = office_ + "-mail";
        ASSERT_TRUE(sys::MakeDirs(mail_));
        for (const auto& [folder, role] : {std::pair{office_, kFundOffice}, std::pair{applicant_, kApplicantUnit}}) {
            sys::SetProgramFolder(folder);
            ASSERT_TRUE(sys::MakeDirs(sys::JoinPath(folder, "temp")));
            COptions options;
            options.SetRole(role);
            options.SetYear(kYear);
            // The office's letter-review scoring: eight indicators and their
            // weights, grades A 100 .. F 0.
            options.SetIndexCount(8);
            const int weights[] = {10, 10, 10, 10, 15, 15, 15, 15};
            options.SetIndexWeights(weights);
            const int grades[] = {100, 80, 60, 40, 20, 0};
            options.SetGradeScores(grades);
            options.Save();
        }
        // Workbooks and documents handed to the desktop are kept for reading.
        office::SetShellOpenHook([this](const std::string& path) { opened_.push_back(path); });
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        host_->ShowWindow(SW_SHOW);
    }
    void TearDown() override {
        office::SetShellOpenHook({});
        CloseViews();
        host_.reset();
        sys::SetProgramFolder("");
        for (const std::string& folder : {office_, applicant_, mail_})
            if (!folder.empty()) sys::RemoveAll(folder);
    }

    // Work at one office: its program folder, with no view of the other open.
    void At(const std::string& folder) {
        CloseViews();
        sys::SetProgramFolder(folder);
    }
    void CloseViews() {
        view_.reset();
        CDlgproappl::m_strPublishYear.clear();
        CDlgFirstAPPR::m_strPublishYear.clear();
        CDlgOneGuide::m_strPublishYear.clear();
    }

    // A view as the main program opens it, for the office's fund category
    // (0 specialty groups, 1 key laboratories) where the view follows one.
    template <class T>
    T& Open(int category = 0) {
        CloseViews();
        COptions options;
        options.SetCategory(category);
        options.SetPeriod(kPeriod);  // as the period dialog keeps it
        options.Save();
        CDlgproappl::m_strPublishYear = CDlgFirstAPPR::m_strPublishYear = CDlgOneGuide::m_strPublishYear = kPeriod;
        auto view = std::make_unique<T>();
        T& opened = *view;
        view->CreateView(host_.get(), {0, 0, 1300, 900});
        view_ = std::move(view);
        opened.OnInitialUpdate();
        return opened;
    }

    // ---- the steps ----

    // The office's master data, and for the key laboratory and the specialty
    // group a five-year guide and an annual guide, each with a general and a
    // key direction issued to the unit. The unit file and the guide bundles
    // go out.
    void OfficePublishesGuides() {
        At(office_);
        roadscreens::AddUnit(driver_, kUnit, kUnitName);
        roadscreens::AddSpecialtyGroup(driver_, kGroup, "通用技术专业组", kUnitName);
        roadscreens::AddLaboratory(driver_, kLab, "微纳器件重点实验室", kUnitName);
        for (const auto& [id, name] : {std::pair{"E1", "甲专家"}, {"E2", "乙专家"}, {"E3", "丙专家"}})
            roadscreens::AddExpert(driver_, id, name);
        EXPECT_EQ(Query("select SSJJLB, ID, XM from CORVANE_EXPERTINFO order by ID"),
                  (Rows{{"J01", "E1", "甲专家"}, {"J01", "E2", "乙专家"}, {"J01", "E3", "丙专家"}}))
            << "experts belong to the specialty group's fund category";
        for (const std::string& fund : {kGroup, kLab}) {
            Seed("CORVANE_FIVEFUNDGUIDE", {"JJBH", "FBNF", "ZNMC"}, {{fund, kPeriod, fund + "五年指南"}});
            Seed("CORVANE_FIVE_STUDYSUBJECT", {"ZTBH", "JJBH", "FBNF"}, {{fund + "01", fund, kPeriod}});
            Seed("CORVANE_FIVE_STUDYASPECT", {"YJFXBH", "JJBH", "FBNF", "DWDM"},
                 {{fund + "0101", fund, kPeriod, kUnit}, {fund + "0102", fund, kPeriod, kUnit}});
            Seed("CORVANE_YEARFUNDGUIDE", {"JJBH", "ZNMC", "FBNF"}, {{fund, fund + "年度指南", kYear}});
            Seed("CORVANE_YEAR_STUDYSUBJECT", {"ZTBH", "JJBH", "FBNF", "ZTMC"}, {{fund + "01", fund, kYear, "主题"}});
            Seed("CORVANE_YEAR_STUDYASPECT", {"YJFXBH", "JJBH", "FBNF", "ZTBH", "DWDM", "YJFXMC", "SFZDYJFX"},
                 {{fund + "0101", fund, kYear, fund + "01", kUnit, "一般方向", "0"},
                  {fund + "0102", fund, kYear, fund + "01", kUnit, "重点方向", "1"}});
        }

        // The annual guides go out through their view, both selected.
        {
            CDlgOneGuide& guides = Open<CDlgOneGuide>();
            ui::ListCtrl& list = guides.m_dlgList.List();
            ASSERT_EQ(list.GetItemCount(), 2);
            for (int row = 0; row < list.GetItemCount(); ++row) {
                list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
                list.SetSelectionMark(row);
            }
            driver_.AnswerFolder(mail_);
            driver_.ExpectMessageBox("提示", "上报文件已导出至" + AnnualGuideFolder() + "/");
            guides.OnBtnExport();
        }

        CDlgGuideExport& view = Open<CDlgGuideExport>();
        view.Item<ui::Wnd>(CDlgGuideExport::IDC_UNIT_FILE)->SetWindowText(UnitFile());
        driver_.ExpectMessageBox("提示", "文件导出成功！");
        view.Click(CDlgGuideExport::IDC_BTN_EXPORT_UNIT);
        driver_.AnswerFolder(mail_);
        view.Click(CDlgGuideExport::IDC_BTN_PATH2);
        auto* units = view.Item<ui::ListCtrl>(CDlgGuideExport::IDC_UNITS);
        const int row = RowOf(*units, kUnit);
        ASSERT_GE(row, 0);
        units->SetCheck(row, TRUE);
        driver_.ExpectMessageBox("提示", "共导出了2条指南数据！");
        view.Click(CDlgGuideExport::IDC_BTN_EXPORT_GUIDE);
    }
    std::string UnitFile() const { return sys::JoinPath(mail_, "单位信息.uif"); }
    std::string AnnualGuideFolder() const { return sys::JoinPath(mail_, "年度指南"); }

    // The applicant takes the unit file and the five-year guides through its
    // import view, and the annual guide bundles.
    void ApplicantImportsGuides() {
        At(applicant_);
        CDlgGuideImport& view = Open<CDlgGuideImport>();
        driver_.AnswerFile(UnitFile());
        driver_.ExpectMessageBox("提示", "共导入了1条数据！");
        view.Click(CDlgGuideImport::IDC_BTN_IMPORT_UNITINFO);
        EXPECT_EQ(Query("select DWDM, DWMC from CORVANE_UNIT"), (Rows{{kUnit, kUnitName}}));
        driver_.AnswerFolder(sys::JoinPath(sys::JoinPath(mail_, CDlgGuideExport::kUnitsFolder),
                                           sys::SafeFileName(kUnitName)));
        driver_.ExpectMessageBox("提示", "共导入了2条数据！");
        view.Click(CDlgGuideImport::IDC_BTN_IMPORT_GUIDEINFO);
        EXPECT_EQ(Query("select YJFXBH, FBNF, DWDM from CORVANE_FIVE_STUDYASPECT order by YJFXBH"),
                  (Rows{{kGroup + "0101", kPeriod, kUnit}, {kGroup + "0102", kPeriod, kUnit},
                        {kLab + "0101", kPeriod, kUnit}, {kLab + "0102", kPeriod, kUnit}}));

        CDlgOneGuide& guides = Open<CDlgOneGuide>();
        driver_.OnModal<annualguide::CDlgImportPolicy>([](annualguide::CDlgImportPolicy& dialog) {
            dialog.Click(IDOK);
        });
        driver_.AnswerFolder(AnnualGuideFolder());
        driver_.ExpectMessageBox("提示", "共导入了2条数据！");
        guides.OnBtnImport();
        EXPECT_EQ(guides.m_dlgList.List().GetItemCount(), 2);
        EXPECT_EQ(Query("select YJFXBH, DWDM, SFZDYJFX from CORVANE_YEAR_STUDYASPECT order by YJFXBH"),
                  (Rows{{kGroup + "0101", kUnit, "0"}, {kGroup + "0102", kUnit, "1"},
                        {kLab + "0101", kUnit, "0"}, {kLab + "0102", kUnit, "1"}}));
    }

    // Types one application into the form and saves it, as the user does.
    void WriteApplication(CDlgproappl& form, const Application& a) {
        form.OnBtnProadd();
        CDlgAppWriter& w = form.m_dlgAppWriter;
        CDlgAppBasicInfo& basic = w.m_dlgBasicInfo;
        basic.SetDlgItemText(B::IDC_GUIDE_CODE, a.guideCode);
        basic.SetDlgItemText(B::IDC_YEAR, kYear);
        basic.SetDlgItemText(B::IDC_UNIT_CODE, kUnit);
        basic.SetDlgItemText(B::IDC_NAME, a.name);
        basic.SetDlgItemText(B::IDC_APPLICANT, a.applicant);
        auto* category = basic.Item<ui::ComboBox>(B::IDC_CATEGORY);
        category->SetCurSel(category->FindStringExact(-1, a.kind));
        ASSERT_EQ(category->GetWindowText(), a.kind);
        for (const std::string& member : a.members) w.m_dlgMembers.AddMemberRow()->GetItem(0)->SetValue(member);
        w.m_dlgBudget.SetDlgItemText(proapp::BudgetItems()[0].amountId, a.amount);
        w.m_dlgBudget.SetDlgItemText(CDlgAppBudget::IDC_TOTAL, a.amount);
        w.m_dlgBudget.m_richReasons[0].SetWindowText(a.reason);
        form.SetTreeNodeSel("三、研究目标及研究内容");
        w.m_dlgChapter.m_richEdit.SetWindowText(a.goals);
        driver_.ExpectMessageBox("系统提示", "保存成功！");
        form.OnBtnSave();
    }

    void ApplicantWritesAndReports() {
        At(applicant_);
        CDlgproappl& form = Open<CDlgproappl>();
        WriteApplication(form, {kGroup + "0101", "一般项目", kWeakProjectName, "赵六", {"赵六"}, "5", "理由", "目标"});
        WriteApplication(form, {kLab + "0102", "重点项目", kLabProjectName, "张'三", {"张'三", "李\"四\""}, "12.5",
                                "设备费的理由", "实验室课题的研究目标"});
        WriteApplication(form, {kGroup + "0101", "一般项目", kCommonProjectName, "王五", {"王五"}, "30",
                                "材料费的理由", "专业组课题的研究目标"});
        EXPECT_EQ(Query("select XMBH, XMLB, XMMC, SQJE from corvane_itemappinfo order by XMBH"),
                  (Rows{{kCommonNumber, "共性技术基金——一般项目", kWeakProjectName, "5"},
                        {kSecondCommonNumber, "共性技术基金——一般项目", kCommonProjectName, "30"},
                        {kLabNumber, "重点实验室基金——重点项目", kLabProjectName, "12.5"}}));
        // The key-laboratory application carries its review row from the start.
        EXPECT_EQ(Query("select XMBH, PSJG from corvane_itempf"), (Rows{{kLabNumber, "+"}}));

        // The Word document of the application on the form names its full category.
        driver_.OnModal<CDlgAppOutputSelect>([](CDlgAppOutputSelect& dialog) { dialog.Click(IDOK); });
        form.OnBtnWord();
        ASSERT_FALSE(opened_.empty());
        word_ = office::word::Application::Create();
        const office::word::Document document = word_->Documents().Add(opened_.back());
        EXPECT_EQ(document.CellText(1, 1, 2), "共性技术基金——一般项目");

        // All are ticked in the list and reported.
        ui::ListCtrl& list = form.m_dlgOutputList.List();
        ASSERT_EQ(list.GetItemCount(), 3);
        for (int row = 0; row < list.GetItemCount(); ++row) list.SetCheck(row, TRUE);
        driver_.AnswerFolder(mail_);
        driver_.ExpectMessageBox("提示", "上报文件导出完成！\r\n文件保存在：" + ReportFolder());
        form.OnBtnProexp();
    }

    // The row of a list that shows the number in one of its columns, or -1.
    static int RowOf(const ui::ListCtrl& list, const std::string& number) {
        for (int row = 0; row < list.GetItemCount(); ++row)
            for (int column = 0; column < 4; ++column)
                if (list.GetItemText(row, column) == number) return row;
        return -1;
    }

    static std::string Today() { return text::DateTime::Now().Format("%Y-%m-%d"); }
    // The folder of today's report that the applicant's export made.
    std::string ReportFolder() const { return ApplicationBundleCommands::ExportFolder(mail_, Today()); }

    // Opens a project of the view's list by a double click, as the user does.
    template <class View>
    static void OpenFromList(View& view, ui::ListCtrl& list, const std::string& number) {
        const int found = RowOf(list, number);
        ASSERT_GE(found, 0) << number;
        list.SetSelectionMark(found);
        list.SetItemState(found, LVIS_SELECTED, LVIS_SELECTED);
        view.OnDblclkListProlist();
    }

    void OfficeImportsApplications() {
        At(office_);
        const std::string folder = ReportFolder();
        ASSERT_FALSE(sys::ListFiles(folder, "proapp").empty()) << folder;
        CDlgproappl& form = Open<CDlgproappl>();
        driver_.AnswerFolder(folder);
        driver_.ExpectMessageBox("提示", "共导入了3条数据！");
        form.OnBtnImport();
        EXPECT_TRUE(driver_.ShellOpens().empty()) << "the import log was opened: a check failed";
        EXPECT_EQ(Query("select XMBH, XMLB, XMMC, SQRXM from corvane_itemappinfo order by XMBH"),
                  (Rows{{kCommonNumber, "共性技术基金——一般项目", kWeakProjectName, "赵六"},
                        {kSecondCommonNumber, "共性技术基金——一般项目", kCommonProjectName, "王五"},
                        {kLabNumber, "重点实验室基金——重点项目", kLabProjectName, "张'三"}}));
        // The budget reason and the goals chapter arrived with the application.
        for (const auto& [column, typed] : {std::pair{"SJF_JSGJ", "设备费的理由"}, {"XMJJ", "实验室课题的研究目标"}}) {
            const std::string rtf =
                Blob("select * from corvane_itemappinfo where XMBH = " + db::QuoteLiteral(kLabNumber), column);
            EXPECT_EQ(text::Trim(richtext::PlainTextOfRtf(rtf)), typed) << column;
        }
        EXPECT_EQ(Query("select XM from corvane_project_sqcy order by XM"),
                  (Rows{{"张'三"}, {"李\"四\""}, {"王五"}, {"赵六"}}));
    }

    void OfficeFindsThemInFirstReview() {
        At(office_);
        CDlgFirstAPPR& common = Open<CDlgFirstAPPR>(0);
        EXPECT_EQ(TreeLines(common.CommonPage()->Tree()),
                  (std::vector<std::string>{"一般基金", " " + kGroup, "  " + kCommonNumber, "  " + kSecondCommonNumber,
                                            "重点基金"}));
        CDlgFirstAPPR& lab = Open<CDlgFirstAPPR>(1);
        EXPECT_EQ(TreeLines(lab.LabPage()->Tree()),
                  (std::vector<std::string>{"一般基金", "重点基金", " " + kLab, "  " + kLabNumber}));
        CAdoConnection connection;
        ASSERT_TRUE(appdb::Connect(connection));
        const FirstReviewChecks checks(&connection, kYear);
        for (const std::string& number : {kLabNumber, kCommonNumber, kSecondCommonNumber}) {
            EXPECT_FALSE(checks.IsGuideCodeWrong(number)) << number;
            EXPECT_FALSE(checks.IsUnitNotDirected(number)) << number;
            EXPECT_FALSE(checks.IsCategoryWrong(number)) << number;
        }
    }

    // Three experts grade each general project; the score is their mean.
    // The second project passes, the first does not.
    void OfficeLetterReview() {
        At(office_);
        CDlgHanS& view = Open<CDlgHanS>();
        CDlgHanSPanel& panel = view.m_dlgPanel;
        const struct {
            std::string number;
            std::array<const char*, 3> grades;
            const char *score, *result;
        } reviews[] = {
            {kSecondCommonNumber, {"A A A A A A A A", "A A B B C C D D", "B B B B B B B B"}, "82", "+"},  // 100, 66, 80
            {kCommonNumber, {"D D D D D D D D", "E E E E E E E E", "F F F F F F F F"}, "20", "-"},      // 40, 20, 0
        };
        for (const auto& review : reviews) {
            SCOPED_TRACE(review.number);
            SelectNode(view.m_dlgProTree, review.number);
            for (int i = 0; i < 3; ++i) {
                ui::GridItem* cell = panel.m_ctrlExpertGrid.GetItem(i, 0);
                cell->SetValue("E" + std::to_string(i + 1));
                panel.m_ctrlExpertGrid.OnCellChanged(cell, i, 0);
                panel.SetDlgItemText(CDlgHanSPanel::IDC_GRADES[i], review.grades[i]);
                panel.OnCommand(CDlgHanSPanel::IDC_GRADES[i], EN_KILLFOCUS);
            }
            EXPECT_EQ(panel.GetDlgItemText(CDlgHanSPanel::IDC_SCORE), review.score);
            Choose(panel, CDlgHanSPanel::IDC_RESULT, review.result);
            driver_.ExpectMessageBox("提示", "保存成功！");
            panel.Click(CDlgHanSPanel::IDC_SAVE);
            EXPECT_EQ(Query("select ZJ1, ZJ2, ZJ3, FS, PSJG from CORVANE_ITEMPF where XMBH = " +
                            db::QuoteLiteral(review.number)),
                      (Rows{{"E1", "E2", "E3", std::string(review.score) + ".0000", review.result}}));
        }
    }

    // The key-laboratory key project passes the meeting with a budget.
    void OfficeMeetingReview() {
        At(office_);
        CDlgHuiS& view = Open<CDlgHuiS>(1);
        SelectNode(view.m_dlgProTree, kLabNumber);
        CDlgHuiSPanel& panel = view.m_dlgPanel;
        EXPECT_EQ(panel.GetDlgItemText(CDlgHuiSPanel::IDC_AMOUNTS[0]), "12.5") << "the applied budget";
        panel.SetDlgItemText(CDlgHuiSPanel::IDC_AMOUNTS[0], "10");
        Choose(panel.m_dlgSummary, CDlgProSummary::IDC_RESULT, "+");
        driver_.ExpectMessageBox("提示", "保存成功！");
        panel.Click(CDlgHuiSPanel::IDC_SAVE);
        EXPECT_EQ(Query("select PSJG, PFJF from CORVANE_ITEMPF where XMBH = " + db::QuoteLiteral(kLabNumber)),
                  (Rows{{"+", "10.0000"}}));
    }

    // The passed general project is approved with its amounts and opinions;
    // renumbering then puts it first under its prefix, review row and all.
    void OfficeApproval() {
        At(office_);
        CDlgPF& view = Open<CDlgPF>();
        EXPECT_EQ(workflowtest::TreeLines(view.m_dlgProTree),
                  (std::vector<std::string>{"一般基金", "  " + kGroup, "    " + kSecondCommonNumber}))
            << "only the passed project is up for approval";
        SelectNode(view.m_dlgProTree, kSecondCommonNumber);
        CDlgPFPanel& panel = view.m_dlgPanel;
        panel.SetDlgItemText(CDlgPFPanel::IDC_SJF, "25");
        panel.m_richExpertOpinion.SetWindowText("同意立项");
        panel.m_richApprovalOpinion.SetWindowText("批准");
        driver_.ExpectMessageBox("提示", "保存成功！");
        panel.Click(CDlgPFPanel::IDC_SAVE);
        EXPECT_EQ(Query("select PSJG, PFJF, PFSJF, FS from CORVANE_ITEMPF where XMBH = " +
                        db::QuoteLiteral(kSecondCommonNumber)),
                  (Rows{{"+", "25.0000", "25.0000", "82.0000"}}));
        driver_.ExpectMessageBox("提示", "对项目编号进行重新排序吗？", IDOK);
        driver_.AnswerMessageBox();
        panel.Click(CDlgPFPanel::IDC_REORDER);
        EXPECT_EQ(driver_.MessageBoxes().back().text.rfind("项目编号重新排序完成", 0), 0u) << "the re-sort says it is done";
        EXPECT_EQ(Query("select XMBH, XMMC from corvane_itemappinfo order by XMBH"),
                  (Rows{{kCommonNumber, kCommonProjectName}, {kSecondCommonNumber, kWeakProjectName},
                        {kLabNumber, kLabProjectName}}));
        EXPECT_EQ(Query("select PFJF, FS from CORVANE_ITEMPF where XMBH = " + db::QuoteLiteral(kCommonNumber)),
                  (Rows{{"25.0000", "82.0000"}}));
        EXPECT_EQ(workflowtest::TreeLines(view.m_dlgProTree),
                  (std::vector<std::string>{"一般基金", "  " + kGroup, "    " + kCommonNumber}));
    }

    // The passed key project gets its plan.
    void OfficePlan() {
        At(office_);
        CDlgPlan& view = Open<CDlgPlan>(1);
        SelectNode(view.m_dlgProTree, kLabNumber);
        CDlgPlanPanel& panel = view.m_dlgPanel;
        panel.m_dlgSummary.SetDlgItemText(CDlgProSummary::IDC_PROGRESS, "每季度报告一次");
        panel.m_richTotalGoals.SetWindowText("总目标");
        driver_.ExpectMessageBox("提示", "保存成功！");
        panel.Click(CDlgPlanPanel::IDC_SAVE);
        EXPECT_EQ(Query("select XMBH, JDYQ from CORVANE_ITEMPLAN"), (Rows{{kLabNumber, "每季度报告一次"}}));
    }

    // The applicant writes the acceptance summary of the key project and
    // reports it; the office imports it and reads it in its own editor.
    void AcceptanceSummaryTravels() {
        At(applicant_);
        {
            CProYszj& view = Open<CProYszj>();
            OpenFromList(view, view.List(), kLabNumber);
            ASSERT_FALSE(HasFatalFailure());
            EXPECT_EQ(view.GetDlgItemText(CProYszj::IDC_NAME), kLabProjectName);
            view.m_editWCSJ.SetWindowText("2010/12/01");
            view.m_wndTab.m_richSections[0].SetWindowText("完成了\"全部\"研究内容");
            view.OnBtnSave();
            driver_.AnswerFolder(mail_);
            driver_.ExpectMessageBox("提示", "上报文件导出完成！\r\n文件保存在：" + sys::JoinPath(mail_, Today() + "上报项目验收总结报告"));
            view.OnBtnProexp();
        }
        const std::string folder = sys::JoinPath(mail_, Today() + "上报项目验收总结报告");
        EXPECT_EQ(sys::ListFiles(folder, "proys"), std::vector<std::string>{kLabNumber + ".proys"});

        At(office_);
        CProYszj& view = Open<CProYszj>();
        driver_.OnModal<CDlgImportPolicy>([](CDlgImportPolicy& dialog) { dialog.Click(CDlgImportPolicy::IDC_BTN_OK); });
        driver_.AnswerFolder(folder);
        driver_.ExpectMessageBox("提示", "共导入了1条数据！");
        view.OnBtnProimp();
        EXPECT_EQ(Query("select XMBH, WCSJ from corvane_itemcheckaccept"), (Rows{{kLabNumber, "2010/12/01"}}));
        OpenFromList(view, view.List(), kLabNumber);
        EXPECT_EQ(text::Trim(view.m_wndTab.m_richSections[0].GetWindowText()), "完成了\"全部\"研究内容");
    }

    // The applicant writes the key project's stage progress report and
    // reports it; the office imports it and sees it in its progress list.
    void ProgressReportTravels() {
        At(applicant_);
        {
            CDlgProSum1& view = Open<CDlgProSum1>();
            driver_.OnModal<CDlgSelectProject>([](CDlgSelectProject& picker) {
                const int row = RowOf(picker.List(), kLabNumber);
                ASSERT_GE(row, 0);
                ui::sim::ClickItem(picker.List(), row);
                picker.Click(IDOK);
            });
            view.Edit().Click(CSummaryEditPage::IDC_BTN_NEW);
            view.Edit().TextPage().Attach().SetDlgItemText(CSummaryAttachPage::IDC_SJWCR, "张'三");
            view.Edit().TextPage().m_richEdit.SetWindowText("样机完成\"初样\"");
            driver_.ExpectMessageBox("提示", "保存成功！");
            view.Edit().Click(CSummaryEditPage::IDC_BTN_SAVE);
            // With an attachment, which the office keeps as a file.
            const std::string attachment = sys::JoinPath(applicant_, "进展附件.pdf");
            ASSERT_TRUE(sys::WriteFileAtomic(attachment, "PDF progress"));
            driver_.AnswerFile(attachment);
            driver_.ExpectMessageBox("系统提示", "附件添加成功！");
            view.Edit().TextPage().Attach().Click(CSummaryAttachPage::IDC_BTN_ADD);
            const int row = RowOf(view.List().List(), kLabNumber);
            ASSERT_GE(row, 0);
            view.List().List().SetCheck(row, TRUE);
            driver_.AnswerFolder(mail_);
            driver_.ExpectMessageBox("提示", "阶段进展报告导出完成！\r\n文件保存在：" + sys::JoinPath(mail_, Today() + "阶段进展报告"));
            view.List().Click(CSummaryListPage::IDC_BTN_EXPORT);
        }
        // The office has never set its save folders: the attachment goes to
        // the program folder's own.
        At(office_);
        CDlgProSum1& view = Open<CDlgProSum1>();
        driver_.AnswerFolder(sys::JoinPath(mail_, Today() + "阶段进展报告"));
        driver_.ExpectMessageBox("提示", "共导入了1条数据！");
        view.List().Click(CSummaryListPage::IDC_BTN_IMPORT);
        EXPECT_EQ(Query("select XMBH, SJWCR, BACKUPNAME, ATTACHNAME from corvane_itemprogress"),
                  (Rows{{kLabNumber, "张'三", kLabProjectName, "进展附件.pdf"}}));
        std::vector<std::string> kept;
        std::error_code error;
        for (const auto& entry :
             std::filesystem::recursive_directory_iterator(sys::JoinPath(office_, "阶段进展报告"), error))
            if (entry.is_regular_file()) kept.push_back(entry.path().string());
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(sys::FileName(kept[0]), "进展附件.pdf");
        std::string bytes;
        EXPECT_TRUE(sys::ReadFile(kept[0], bytes) && bytes == "PDF progress");
        EXPECT_GE(RowOf(view.List().List(), kLabNumber), 0) << "the report is listed at the office";
    }

    // The project's achievement-transfer record, filled in at the applicant
    // unit, travels to the office.
    void AchievementTransferTravels() {
        At(applicant_);
        {
            CDlgSCGZH& view = Open<CDlgSCGZH>();
            view.Info().SetDlgItemText(CDlgSCGZHInfo::ControlOf(0), kLabNumber);
            view.Info().SetDlgItemText(CDlgSCGZHInfo::ControlOf(1), kLabProjectName);
            driver_.ExpectMessageBox("提示", "保存成功！");
            view.m_dlgForm.OnBtnSave();
            const int row = RowOf(view.m_dlgList.List(), kLabNumber);
            ASSERT_GE(row, 0);
            view.m_dlgList.List().SetCheck(row, TRUE);
            driver_.AnswerFolder(mail_);
            driver_.ExpectMessageBox("提示", "导出成功！\r\n文件保存在：" + resultchange::ExportFolder(mail_, text::DateTime::Now()));
            view.m_dlgList.OnBtnExport();
        }
        At(office_);
        CDlgSCGZH& view = Open<CDlgSCGZH>();
        driver_.AnswerFolder(resultchange::ExportFolder(mail_, text::DateTime::Now()));
        driver_.ExpectMessageBox("提示", "共导入了1条数据！");
        view.m_dlgList.OnBtnImport();
        EXPECT_EQ(Query("select XMBH, XMMC from CORVANE_NEW_RESULTCHANGE"), (Rows{{kLabNumber, kLabProjectName}}));
        EXPECT_GE(RowOf(view.m_dlgList.List(), kLabNumber), 0);
    }

    // The last workbook handed to the desktop, one of its sheets, and the
    // texts of the row that shows the text in the column (empty: none).
    office::excel::Worksheet OpenedSheet(const std::string& name) {
        EXPECT_FALSE(opened_.empty());
        if (opened_.empty()) return {};
        excel_ = office::excel::Application::Create();
        return excel_->Workbooks().Add(opened_.back()).Sheets().Item(name);
    }
    static std::vector<std::string> RowShowing(const office::excel::Worksheet& sheet, int column,
                                               const std::string& textShown, int lastColumn) {
        for (int row = 1; row <= 60; ++row) {
            if (sheet.Cells().Item(row, column).Value() != textShown) continue;
            std::vector<std::string> texts;
            for (int c = 1; c <= lastColumn; ++c) texts.push_back(sheet.Cells().Item(row, c).Value());
            return texts;
        }
        return {};
    }

    // Runs a plan output dialog as the approval and plan panels open it,
    // with every fund ticked.
    template <class OutputDialog>
    void RunOutputWithEveryFund(CAdoConnection& connection) {
        driver_.OnModal<OutputDialog>([](OutputDialog& dialog) {
            dialog.Click(OutputDialog::IDC_SELECT_ALL);
            dialog.Click(IDOK);
        });
        OutputDialog dialog;
        dialog.m_pConnection = &connection;
        dialog.m_nCategory = 0;
        dialog.DoModal();
    }

    // The office's reports from the road's data: the application list of
    // first review, the key-laboratory statistics, the approved plan table
    // and the plan draft.
    void OfficeReportsShowTheProjects() {
        At(office_);
        CDlgFirstAPPR::m_strPublishYear = kPeriod;
        CAdoConnection connection;
        ASSERT_TRUE(appdb::Connect(connection));

        driver_.OnModal<CDlgFirstExcel>([](CDlgFirstExcel& dialog) {
            dialog.Click(CDlgFirstExcel::IDC_SELECT_ALL);
            dialog.Click(IDOK);
        });
        officereports::RunFirstExcel(&connection, 0);
        const std::vector<std::string> listed = RowShowing(OpenedSheet("sheet1"), 2, kCommonNumber, 11);
        ASSERT_EQ(listed.size(), 11u) << "the common-technology project is in the application list";
        EXPECT_EQ(listed[2], kCommonProjectName);
        EXPECT_EQ(listed[9], "30");
        EXPECT_EQ(listed[10], "") << "no remark: it passed the checks";

        driver_.OnModal<CDlgLabStatExcel>([](CDlgLabStatExcel& dialog) { dialog.Click(IDOK); });
        officereports::RunLabStatExcel(&connection);
        EXPECT_EQ(RowShowing(OpenedSheet("sheet1"), 2, kLab, 7),
                  (std::vector<std::string>{"1", kLab, "微纳器件重点实验室", "1", "12.5", "0", "0"}));

        RunOutputWithEveryFund<CDlgPFOutput>(connection);
        const std::vector<std::string> planned = RowShowing(OpenedSheet("打印报表"), 3, kCommonNumber, 8);
        ASSERT_EQ(planned.size(), 8u) << "the approved project is in the plan table";
        EXPECT_EQ(planned[3], kCommonProjectName);
        EXPECT_EQ(planned[7], "25") << "the approved amount";

        // The key laboratories' plan draft holds the planned key project.
        COptions options;
        options.SetCategory(1);
        options.Save();
        RunOutputWithEveryFund<CDlgPlanOutput>(connection);
        ASSERT_FALSE(opened_.empty());
        word_ = office::word::Application::Create();
        const office::word::Document draft = word_->Documents().Add(opened_.back());
        EXPECT_EQ(draft.Text().rfind(kYear + "年国防科技重点实验室基金（重点项目）\r", 0), 0u);
        EXPECT_EQ(draft.CellText(1, 3, 1), kLab + " " + kLab + "年度指南  1项  经费小计：10.00万元");
        EXPECT_EQ(draft.CellText(1, 4, 1), kLabNumber);
        EXPECT_EQ(draft.CellText(1, 4, 5), "每季度报告一次");
    }

    // The office records the key project's meeting result in the management
    // table and then grades its acceptance.
    void OfficeGradesTheAcceptance() {
        At(office_);
        {
            CDLGPROJUDGE& view = Open<CDLGPROJUDGE>();
            OpenFromList(view, view.ProjectList(), kLabNumber);
            ASSERT_FALSE(HasFatalFailure());
            view.Click(CDLGPROJUDGE::IDC_RADIO_GROUP);
            view.Item<ui::ComboBox>(CDLGPROJUDGE::IDC_COMBO_OPINION)->SetCurSel(0);
            view.SetDlgItemText(CDLGPROJUDGE::IDC_EDIT_FUNDING, "10");
            driver_.ExpectMessageBox("提示", "项目管理信息保存成功！");
            view.OnBtnSaveDf();
        }
        CDlgJJBYS& view = Open<CDlgJJBYS>();
        OpenFromList(view, view.ProjectList(), kLabNumber);
        ASSERT_FALSE(HasFatalFailure());
        view.SetDlgItemText(CDlgJJBYS::IDC_EDIT_STATE, "通过验收");
        view.SetDlgItemText(CDlgJJBYS::IDC_EDIT_SCORE, "90");
        auto* grade = view.Item<ui::ComboBox>(CDlgJJBYS::IDC_COMBO_GRADE);
        grade->SetCurSel(grade->FindStringExact(-1, "优"));
        view.m_richConclusion.SetWindowText("同意通过验收");
        view.m_richRemarks.SetWindowText("无");
        driver_.ExpectMessageBox("提示", "数据入库保存成功！");
        view.OnBtnYsSave();
        EXPECT_EQ(Query("select PSYJ, PFJF, PFZT, YSFS, YSDJ from CORVANE_ITEMMANAGEINFO where XMBH = " +
                        db::QuoteLiteral(kLabNumber)),
                  (Rows{{"同意", "10", "通过验收", "90", "优"}}));
    }

    // The road's steps in the order users take them.
    using Step = std::pair<const char*, void (Road::*)()>;
    static std::vector<Step> Steps() {
        return {
            {"office publishes guides", &Road::OfficePublishesGuides},
            {"applicant imports guides", &Road::ApplicantImportsGuides},
            {"applicant writes and reports", &Road::ApplicantWritesAndReports},
            {"office imports applications", &Road::OfficeImportsApplications},
            {"first review", &Road::OfficeFindsThemInFirstReview},
            {"letter review", &Road::OfficeLetterReview},
            {"meeting review", &Road::OfficeMeetingReview},
            {"approval", &Road::OfficeApproval},
            {"plan", &Road::OfficePlan},
            {"acceptance summary", &Road::AcceptanceSummaryTravels},
            {"acceptance grading", &Road::OfficeGradesTheAcceptance},
            {"progress report", &Road::ProgressReportTravels},
            {"achievement transfer", &Road::AchievementTransferTravels},
            {"reports", &Road::OfficeReportsShowTheProjects},
        };
    }

    ui::TestDriver driver_;
    std::string office_, applicant_, mail_;
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<ui::FormView> view_;
    std::vector<std::string> opened_;
    std::unique_ptr<office::excel::Application> excel_;
    std::unique_ptr<office::word::Application> word_;
};

TEST_F(Road, TwoOfficesCarryApplicationsFromTheGuidesToTheReports) {
    // Each step starts from what the steps before it left in the two folders.
    for (const auto& [name, step] : Steps()) {
        SCOPED_TRACE(name);
        (this->*step)();
        ASSERT_FALSE(HasFatalFailure()) << "the road stops at: " << name;
    }
}
