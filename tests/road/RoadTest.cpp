// The road across two offices: a fund office (role 2) and an applicant unit
// (role 1), each with its own installed program folder, exchange nothing but
// files. The office publishes its guides, the applicant writes applications
// in the form and reports them, and the office finds them in first review.
// Each step checks what the user is told and what is stored.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "application/ApplicationBundleCommands.h"
#include "application/ApplicationDb.h"
#include "application/Dlgproappl.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Options.h"
#include "guide_annual/GuideBundle.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"
#include "platform/ui/TestDriverGTest.h"
#include "platform/ui/TreeCtrl.h"
#include "review/DlgFirstAPPR.h"
#include "review/FirstReviewChecks.h"
#include "review/tests/FirstReviewTestSupport.h"
#include "testsupport/InstalledFolder.h"

namespace {

// Statements, row reads and tree lines on project.mdb of the current program
// folder, shared with the first-review tests.
using firsttest::Exec;
using firsttest::Q;
using firsttest::Query;
using firsttest::Rows;
using firsttest::TreeLines;
using B = CDlgAppBasicInfo;

constexpr int kApplicantUnit = 1, kFundOffice = 2;
const std::string kYear = "2008", kPeriod = "2006-2010", kUnit = "0001";
const std::string kGroup = "9140A01", kLab = "9140C01";  // a specialty group and a key laboratory
// Names as users type them, quotes included.
const std::string kLabProjectName = "微纳\"传感\"器件的'可靠性'研究";
const std::string kCommonProjectName = "O'Brien型\"通用\"接口技术";

// Rows of a table given as data: the columns once, then the values.
void Seed(const std::string& table, const std::vector<std::string>& columns, const Rows& rows) {
    std::string names;
    for (const std::string& c : columns) names += (names.empty() ? "" : ", ") + c;
    for (const auto& row : rows) {
        std::string values;
        for (const std::string& v : row) values += (values.empty() ? "" : ", ") + Q(v);
        Exec("insert into " + table + " (" + names + ") values (" + values + ")");
    }
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
            options.Save();
        }
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        host_->ShowWindow(SW_SHOW);
    }
    void TearDown() override {
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
        form_.reset();
        firstReview_.reset();
        CDlgproappl::m_strPublishYear.clear();
        CDlgFirstAPPR::m_strPublishYear.clear();
    }

    CDlgproappl& OpenForm() {
        CDlgproappl::m_strPublishYear = kPeriod;
        form_ = std::make_unique<CDlgproappl>();
        form_->CreateView(host_.get(), {0, 0, 1300, 900});
        form_->OnInitialUpdate();
        return *form_;
    }
    CDlgFirstAPPR& OpenFirstReview(int category) {
        COptions options;
        options.SetCategory(category);
        options.Save();
        CDlgFirstAPPR::m_strPublishYear = kPeriod;
        firstReview_ = std::make_unique<CDlgFirstAPPR>();
        firstReview_->CreateView(host_.get(), {0, 0, 1200, 800});
        firstReview_->OnInitialUpdate();
        return *firstReview_;
    }

    // ---- the steps ----

    // The office's master data and its two annual guides, each with a general
    // and a key direction issued to the unit; the guide bundles go out.
    void OfficePublishesGuides() {
        At(office_);
        Seed("CORVANE_UNIT", {"DWDM", "DWMC"}, {{kUnit, "北方\"精密\"研究所"}});
        Seed("CORVANE_SPECGROUP", {"JJBH", "ZYZMC"}, {{kGroup, "通用技术专业组"}});
        Seed("CORVANE_LAB", {"sysdm", "sysqc"}, {{kLab, "微纳器件重点实验室"}});
        Seed("CORVANE_EXPERTINFO", {"SSJJLB", "ID", "XM"}, {{"J01", "E1", "甲专家"}, {"J01", "E2", "乙专家"},
                                                             {"J01", "E3", "丙专家"}});
        for (const std::string& fund : {kGroup, kLab}) {
            Seed("CORVANE_YEARFUNDGUIDE", {"JJBH", "ZNMC", "FBNF"}, {{fund, fund + "年度指南", kYear}});
            Seed("CORVANE_YEAR_STUDYSUBJECT", {"ZTBH", "JJBH", "FBNF", "ZTMC"}, {{fund + "01", fund, kYear, "主题"}});
            Seed("CORVANE_YEAR_STUDYASPECT", {"YJFXBH", "JJBH", "FBNF", "ZTBH", "DWDM", "YJFXMC", "SFZDYJFX"},
                 {{fund + "0101", fund, kYear, fund + "01", kUnit, "一般方向", "0"},
                  {fund + "0102", fund, kYear, fund + "01", kUnit, "重点方向", "1"}});
            CAdoConnection connection;
            ASSERT_TRUE(appdb::Connect(connection));
            ASSERT_TRUE(GuideBundle::Export(connection, fund, kYear, mail_, "2008-03-01")) << fund;
        }
    }

    void ApplicantImportsGuides() {
        At(applicant_);
        Seed("CORVANE_UNIT", {"DWDM", "DWMC"}, {{kUnit, "北方\"精密\"研究所"}});
        const std::vector<std::string> bundles = sys::ListFiles(mail_, GuideBundle::kExtension);
        ASSERT_EQ(bundles.size(), 2u);
        CAdoConnection connection;
        ASSERT_TRUE(appdb::Connect(connection));
        for (const std::string& name : bundles)
            EXPECT_EQ(GuideBundle::Import(connection, sys::JoinPath(mail_, name), 0),
                      GuideBundle::ImportResult::Imported)
                << name;
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
        CDlgproappl& form = OpenForm();
        WriteApplication(form, {kLab + "0101", "一般项目", kLabProjectName, "张'三", {"张'三", "李\"四\""}, "12.5",
                                "设备费的理由", "实验室课题的研究目标"});
        WriteApplication(form, {kGroup + "0102", "重点项目", kCommonProjectName, "王五", {"王五"}, "30",
                                "材料费的理由", "专业组课题的研究目标"});
        const std::string labNumber = kLab + "0101" + "08" + kUnit + "001";
        const std::string commonNumber = kGroup + "0102" + "08" + kUnit + "001";
        EXPECT_EQ(Query("select XMBH, XMLB, XMMC, SQJE from corvane_itemappinfo order by XMBH"),
                  (Rows{{commonNumber, "共性技术基金——重点项目", kCommonProjectName, "30"},
                        {labNumber, "重点实验室基金——一般项目", kLabProjectName, "12.5"}}));
        // The key-laboratory application carries its review row from the start.
        EXPECT_EQ(Query("select XMBH, PSJG from corvane_itempf"), (Rows{{labNumber, "+"}}));

        // Both are ticked in the list and reported.
        ui::ListCtrl& list = form.m_dlgOutputList.List();
        ASSERT_EQ(list.GetItemCount(), 2);
        for (int row = 0; row < list.GetItemCount(); ++row) list.SetCheck(row, TRUE);
        driver_.AnswerFolder(mail_);
        driver_.ExpectMessageBox("提示", "上报文件导出完成！");
        form.OnBtnProexp();
    }

    // The folder of today's report that the applicant's export made.
    std::string ReportFolder() const {
        return ApplicationBundleCommands::ExportFolder(mail_, text::DateTime::Now().Format("%Y-%m-%d"));
    }

    void OfficeImportsApplications() {
        At(office_);
        const std::string folder = ReportFolder();
        ASSERT_FALSE(sys::ListFiles(folder, "proapp").empty()) << folder;
        CDlgproappl& form = OpenForm();
        driver_.AnswerFolder(folder);
        driver_.ExpectMessageBox("提示", "共导入了2条数据！");
        form.OnBtnImport();
        EXPECT_TRUE(driver_.ShellOpens().empty()) << "the import log was opened: a check failed";
        EXPECT_EQ(Query("select XMLB, XMMC, SQRXM from corvane_itemappinfo order by XMBH"),
                  (Rows{{"共性技术基金——重点项目", kCommonProjectName, "王五"},
                        {"重点实验室基金——一般项目", kLabProjectName, "张'三"}}));
        EXPECT_EQ(Query("select XM from corvane_project_sqcy order by XM"),
                  (Rows{{"张'三"}, {"李\"四\""}, {"王五"}}));
    }

    void OfficeFindsThemInFirstReview() {
        At(office_);
        const std::string labNumber = kLab + "0101" + "08" + kUnit + "001";
        const std::string commonNumber = kGroup + "0102" + "08" + kUnit + "001";
        CDlgFirstAPPR& common = OpenFirstReview(0);
        EXPECT_EQ(TreeLines(common.CommonPage()->Tree()),
                  (std::vector<std::string>{"一般基金", "重点基金", " " + kGroup, "  " + commonNumber}));
        CDlgFirstAPPR& lab = OpenFirstReview(1);
        EXPECT_EQ(TreeLines(lab.LabPage()->Tree()),
                  (std::vector<std::string>{"一般基金", " " + kLab, "  " + labNumber, "重点基金"}));
        CAdoConnection connection;
        ASSERT_TRUE(appdb::Connect(connection));
        const FirstReviewChecks checks(&connection, kYear);
        for (const std::string& number : {labNumber, commonNumber}) {
            EXPECT_FALSE(checks.IsGuideCodeWrong(number)) << number;
            EXPECT_FALSE(checks.IsUnitNotDirected(number)) << number;
            EXPECT_FALSE(checks.IsCategoryWrong(number)) << number;
        }
    }

    ui::TestDriver driver_;
    std::string office_, applicant_, mail_;
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<CDlgproappl> form_;
    std::unique_ptr<CDlgFirstAPPR> firstReview_;
};

TEST_F(Road, AnApplicationWrittenInTheFormReachesTheFundOfficesFirstReview) {
    OfficePublishesGuides();
    ASSERT_FALSE(HasFatalFailure());
    ApplicantImportsGuides();
    ASSERT_FALSE(HasFatalFailure());
    ApplicantWritesAndReports();
    ASSERT_FALSE(HasFatalFailure());
    OfficeImportsApplications();
    ASSERT_FALSE(HasFatalFailure());
    OfficeFindsThemInFirstReview();
}
