// The frame's statistics-report commands: each opens its dialog on a
// connection of its own with the current period, or says that the database
// cannot be reached.
#include "ReportTestSupport.h"

#include "foundation/Options.h"
#include "main/Commands.h"
#include "main/DlgExpertReview.h"
#include "main/DlgLabFundTable.h"
#include "main/DlgUnfunded.h"
#include "main/DlgUnitInfoTable.h"

namespace {

using ReportCommands = ReportTest;

// Checks what the frame gave the dialog, then cancels it.
template <class Dialog>
void ExpectModalReport(ui::TestDriver& driver, const std::string& caption) {
    driver.OnModal<Dialog>([caption](Dialog& dlg) {
        EXPECT_EQ(dlg.GetWindowText(), caption);
        EXPECT_EQ(dlg.GetPeriod(), "2011-2015");
        ASSERT_NE(dlg.GetConnection(), nullptr);
        EXPECT_TRUE(dlg.GetConnection()->IsOpen());
        dlg.Click(IDCANCEL);
    });
}

TEST_F(ReportCommands, EachMenuItemOpensItsDialogWithThePeriod) {
    COptions options;
    options.SetPeriod("2011-2015");
    options.Save();
    CMainFrame& main = OpenFrame(2);
    ExpectModalReport<CDlgExpertReview>(driver, "专家评议情况");
    ExpectModalReport<CDlgLabFundTable>(driver, "重点实验室经费表");
    ExpectModalReport<CDlgUnfunded>(driver, "未资助项目表");
    ExpectModalReport<CDlgUnitPlanTable>(driver, "单位信息表(年度计划)");
    ExpectModalReport<CDlgUnitFundTable>(driver, "单位信息表(年度经费表)");
    for (int id : {cmd::kExpertReviewTable, cmd::kLabFundTable, cmd::kUnfundedTable, cmd::kUnitPlanTable,
                   cmd::kUnitFundTable})
        EXPECT_TRUE(main.GetMenuBar().ChooseItem(id)) << id;
    EXPECT_TRUE(driver.Finished());
}

TEST_F(ReportCommands, UnreachableDatabaseOpensNoDialog) {
    CMainFrame& main = OpenFrame(2);
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    driver.ExpectMessageBox("Tessaly", "数据库连接失败");
    main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kLabFundTable, 0));
    EXPECT_TRUE(driver.Finished());
}

}  // namespace
