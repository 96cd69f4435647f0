// The guide and unit export view: the unit list, the unit file, and one
// five-year guide bundle per guide directed to a ticked unit.
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "exchange/export/DlgGuideExport.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/LengthPrefixedContainer.h"
#include "foundation/Options.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/ui/App.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/TestDriverGTest.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

namespace {

class GuideExport : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ui::EnsureApplication();
        ASSERT_TRUE(db.ConnectAccess(PathOf("project.mdb"), "5081"));
        out = PathOf("导出");
        testdb::Exec(db, "delete from corvane_unit");
        testdb::Seed(db, {"corvane_unit", {"DWDM", "DWMC"}, {{"U1", "第一所"}, {"U2", "第二所"}}});
        SetPeriod("2011-2015");
    }
    // The period the user works in, as the settings hold it.
    static void SetPeriod(const std::string& period) {
        COptions options;
        options.SetPeriod(period);
        options.Save();
    }
    void TearDown() override {
        view_.reset();
        host_.reset();
        db.Close();
        InstalledFolder::TearDown();
    }
    // A guide of the period with one subject and directions to `units`.
    void Guide(const std::string& fund, const std::string& period, const std::vector<std::string>& units) {
        testdb::Seed(db, {"corvane_fivefundguide", {"JJBH", "FBNF", "ZNMC"}, {{fund, period, "指南" + fund}}});
        testdb::Seed(db, {"corvane_five_studysubject", {"ZTBH", "JJBH", "FBNF"}, {{fund + "01", fund, period}}});
        testdb::Table aspects{"corvane_five_studyaspect", {"YJFXBH", "JJBH", "FBNF", "DWDM"}, {}};
        for (const std::string& unit : units)
            aspects.rows.push_back({fund + "010" + std::to_string(aspects.rows.size() + 1), fund, period, unit});
        testdb::Seed(db, aspects);
    }
    CDlgGuideExport& OpenView() {
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        view_ = std::make_unique<CDlgGuideExport>();
        view_->CreateView(host_.get(), {0, 0, 900, 700});
        view_->OnInitialUpdate();
        return *view_;
    }
    ui::ListCtrl& Units() { return *view_->Item<ui::ListCtrl>(CDlgGuideExport::IDC_UNITS); }
    void ExportGuides(const std::string& folder, int count) {
        view_->Item<ui::Wnd>(CDlgGuideExport::IDC_GUIDE_FOLDER)->SetWindowText(folder);
        driver.ExpectMessageBox("提示", "共导出了" + std::to_string(count) + "条指南数据！");
        view_->Click(CDlgGuideExport::IDC_BTN_EXPORT_GUIDE);
    }
    std::string BundleOf(const std::string& unitName, const std::string& fund) {
        return sys::JoinPath(sys::JoinPath(sys::JoinPath(out, "给各单位的指南"), unitName),
                             fund + "(" + text::DateTime::Now().Format("%Y-%m-%d") + ").fund");
    }

    CAdoConnection db;
    ui::TestDriver driver;
    std::string out;  // the export folder, inside the test folder
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<CDlgGuideExport> view_;
};

TEST_F(GuideExport, ListsEveryUnitWithCodeAndName) {
    OpenView();
    ASSERT_EQ(Units().GetItemCount(), 2);
    EXPECT_EQ(Units().GetItemText(0, 0), "U1");
    EXPECT_EQ(Units().GetItemText(1, 1), "第二所");
}

TEST_F(GuideExport, UnitFileHoldsEveryUnitAndAnEmptyPathFails) {
    OpenView();
    const std::string file = PathOf("单位信息.uif");
    view_->Item<ui::Wnd>(CDlgGuideExport::IDC_UNIT_FILE)->SetWindowText(file);
    driver.ExpectMessageBox("提示", "文件导出成功！");
    view_->Click(CDlgGuideExport::IDC_BTN_EXPORT_UNIT);
    CAdoRecordSet read;
    ASSERT_TRUE(read.OpenFromFile(file));
    EXPECT_EQ(read.GetRecordCount(), 2);

    view_->Item<ui::Wnd>(CDlgGuideExport::IDC_UNIT_FILE)->SetWindowText("");
    driver.ExpectMessageBox("提示", "文件导出失败！");
    view_->Click(CDlgGuideExport::IDC_BTN_EXPORT_UNIT);
}

TEST_F(GuideExport, BrowsingCreatesTheUnitsFolder) {
    OpenView();
    sys::MakeDir(out);
    driver.AnswerFolder(out);
    view_->Click(CDlgGuideExport::IDC_BTN_PATH2);
    EXPECT_EQ(view_->Item<ui::Wnd>(CDlgGuideExport::IDC_GUIDE_FOLDER)->GetWindowText(), out);
    EXPECT_TRUE(sys::FolderExists(sys::JoinPath(out, "给各单位的指南")));
}

TEST_F(GuideExport, WritesOneBundlePerGuideOfATickedUnit) {
    Guide("G001", "2011-2015", {"U1", "U1", "U2"});  // two directions to U1: one bundle
    Guide("G002", "2011-2015", {"U2"});
    Guide("G003", "2016-2020", {"U1"});  // another period: not exported
    OpenView();
    sys::MakeDirs(sys::JoinPath(out, "给各单位的指南"));

    ExportGuides(out, 0);  // nothing ticked
    EXPECT_FALSE(sys::FolderExists(sys::JoinPath(sys::JoinPath(out, "给各单位的指南"), "第一所")));

    Units().SetCheck(0);
    ExportGuides(out, 1);
    std::vector<std::string> parts;
    ASSERT_EQ(LengthPrefixedContainer::Read(BundleOf("第一所", "G001"), '0', 3, parts),
              LengthPrefixedContainer::ReadResult::Ok);
    const int rows[] = {1, 1, 3};  // guide row, subjects, every direction of the guide
    for (int i = 0; i < 3; ++i) {
        const std::string scratch = PathOf("part.xml");
        ASSERT_TRUE(sys::WriteFileAtomic(scratch, parts[i]));
        CAdoRecordSet read;
        ASSERT_TRUE(read.OpenFromFile(scratch)) << i;
        EXPECT_EQ(read.GetRecordCount(), rows[i]) << i;
    }
    EXPECT_FALSE(sys::FileExists(BundleOf("第一所", "G003")));
    for (const char* scratch : {"指南.xml", "专题.xml", "研究方向.xml"}) EXPECT_FALSE(sys::FileExists(sys::ScratchPath(scratch)));

    Units().SetCheck(1);
    ExportGuides(out, 3);
    EXPECT_TRUE(sys::FileExists(BundleOf("第二所", "G002")));
}

TEST_F(GuideExport, FundNumbersWithPathSeparatorsStayInTheUnitsFolder) {
    Guide("../../x", "2011-2015", {"U1"});
    OpenView();
    const std::string units = sys::JoinPath(out, "给各单位的指南");
    sys::MakeDirs(units);
    Units().SetCheck(0);
    ExportGuides(out, 1);
    const std::string today = text::DateTime::Now().Format("%Y-%m-%d");
    EXPECT_TRUE(sys::FileExists(
        sys::JoinPath(sys::JoinPath(units, "第一所"), sys::SafeFileName("../../x(" + today + ")") + ".fund")));
    for (const std::string& outside : {out, units}) EXPECT_TRUE(sys::ListFiles(outside, "fund").empty()) << outside;
}

}  // namespace

// The guides of the period the user works in leave the office, whichever it is.
TEST_F(GuideExport, ExportsTheGuidesOfThePeriodSet) {
    Guide("G001", "2011-2015", {"U1"});
    Guide("G004", "2021-2025", {"U1"});
    SetPeriod("2021-2025");
    OpenView();
    sys::MakeDirs(sys::JoinPath(out, "给各单位的指南"));
    Units().SetCheck(0);
    ExportGuides(out, 1);
    std::vector<std::string> parts;
    EXPECT_EQ(LengthPrefixedContainer::Read(BundleOf("第一所", "G004"), '0', 3, parts),
              LengthPrefixedContainer::ReadResult::Ok);
    EXPECT_NE(parts.at(0).find("2021-2025"), std::string::npos);
    EXPECT_FALSE(sys::FileExists(BundleOf("第一所", "G001")));
}
