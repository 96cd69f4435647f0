// The project export view: only the expert-fee and export-condition buttons
// act; every export and browse button does nothing.
#include <memory>

#include <gtest/gtest.h>

#include "exchange/export/DlgProjectExport.h"
#include "platform/ui/App.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"
#include "platform/ui/TestDriverGTest.h"

namespace {

class ProjectExport : public ::testing::Test {
protected:
    void SetUp() override {
        ui::EnsureApplication();
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        view_ = std::make_unique<CDlgProjectExport>();
        view_->CreateView(host_.get(), {0, 0, 1000, 700});
        view_->OnInitialUpdate();
    }
    ui::TestDriver driver;
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<CDlgProjectExport> view_;
};

TEST_F(ProjectExport, ExportAndBrowseButtonsDoNothing) {
    // The driver fails the test on any message box or modal dialog.
    for (int id : {4083, 4084, 4087, 4088, 4090, 4091, 4093, 4094, 4097, 4099, 4104, 4105}) view_->Click(id);
    EXPECT_TRUE(view_->IsWindow());
}

TEST_F(ProjectExport, ExpertCostShowsTheEmptyTwoColumnList) {
    bool shown = false;
    driver.OnModal<CDlgExpertCost>([&](CDlgExpertCost& dialog) {
        shown = true;
        EXPECT_EQ(dialog.GetWindowText(), "专家评审费计算方法");
        ui::ListCtrl& list = *dialog.Item<ui::ListCtrl>(CDlgExpertCost::IDC_LIST);
        ASSERT_EQ(list.GetColumnCount(), 2);
        EXPECT_EQ(list.GetColumnWidth(0), 80);
        EXPECT_EQ(list.GetItemCount(), 0);
        dialog.Click(IDOK);
    });
    view_->Click(CDlgProjectExport::IDC_BTN_EXPERTCOST);
    EXPECT_TRUE(shown);
}

TEST_F(ProjectExport, BothConditionButtonsShowThreeEmptyLists) {
    for (int button : {CDlgProjectExport::IDC_BTN_CONDITION, CDlgProjectExport::IDC_BTN_CONDITION2}) {
        bool shown = false;
        driver.OnModal<CDlgConditionSetup>([&](CDlgConditionSetup& dialog) {
            shown = true;
            for (int id : {CDlgConditionSetup::IDC_UNITS, CDlgConditionSetup::IDC_FUNDS, CDlgConditionSetup::IDC_ITEMS})
                EXPECT_EQ(dialog.Item<ui::ListBox>(id)->GetCount(), 0);
            dialog.Click(IDCANCEL);
        });
        view_->Click(button);
        EXPECT_TRUE(shown) << button;
    }
}

}  // namespace
