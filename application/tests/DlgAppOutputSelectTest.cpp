// The output-choice dialog of the Word application document: all parts
// ticked at first, 全选 and the part boxes, and the chosen numbers in order.
#include <gtest/gtest.h>

#include "application/DlgAppOutputSelect.h"
#include "platform/ui/TestDriverGTest.h"

namespace {

using Dlg = CDlgAppOutputSelect;
using Parts = std::vector<std::string>;

bool Checked(Dlg& dlg, int id) { return dlg.IsDlgButtonChecked(id) != 0; }

TEST(DlgAppOutputSelect, OpensWithEveryBoxTickedAndReturnsThePartsInOrder) {
    ui::TestDriver driver;
    driver.OnModal<Dlg>([](Dlg& dlg) {
        EXPECT_EQ(dlg.GetWindowText(), "选择输出");
        for (int part = 1; part <= 7; ++part) EXPECT_TRUE(Checked(dlg, Dlg::PartBoxId(part))) << part;
        EXPECT_TRUE(Checked(dlg, Dlg::IDC_SELECT_ALL));
        dlg.Click(Dlg::PartBoxId(5));
        dlg.Click(Dlg::PartBoxId(2));
        dlg.Click(IDOK);
        EXPECT_EQ(dlg.m_arrOutput, (Parts{"1", "3", "4", "6", "7"}));
    });
    Dlg dlg(nullptr);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_arrOutput, (Parts{"1", "3", "4", "6", "7"}));
}

TEST(DlgAppOutputSelect, SelectAllAndThePartBoxes) {
    ui::TestDriver driver;
    driver.OnModal<Dlg>([](Dlg& dlg) {
        // Unticking a part unticks 全选; ticking it again leaves 全选 off.
        dlg.Click(Dlg::PartBoxId(3));
        EXPECT_FALSE(Checked(dlg, Dlg::IDC_SELECT_ALL));
        dlg.Click(Dlg::PartBoxId(3));
        EXPECT_TRUE(Checked(dlg, Dlg::PartBoxId(3)));
        EXPECT_FALSE(Checked(dlg, Dlg::IDC_SELECT_ALL));
        // Unticking 全选 changes no part; ticking it ticks them all.
        dlg.Click(Dlg::PartBoxId(7));
        dlg.Click(Dlg::PartBoxId(1));
        dlg.Click(Dlg::IDC_SELECT_ALL);
        EXPECT_TRUE(Checked(dlg, Dlg::IDC_SELECT_ALL));
        for (int part = 1; part <= 7; ++part) EXPECT_TRUE(Checked(dlg, Dlg::PartBoxId(part))) << part;
        dlg.Click(Dlg::IDC_SELECT_ALL);
        for (int part = 1; part <= 7; ++part) EXPECT_TRUE(Checked(dlg, Dlg::PartBoxId(part))) << part;
        // Nothing ticked is a valid, empty choice.
        for (int part = 1; part <= 7; ++part) dlg.Click(Dlg::PartBoxId(part));
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.m_arrOutput.empty());
    });
    Dlg dlg(nullptr);
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST(DlgAppOutputSelect, CancelChoosesNothing) {
    ui::TestDriver driver;
    driver.OnModal<Dlg>([](Dlg& dlg) { dlg.Click(IDCANCEL); });
    Dlg dlg(nullptr);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(dlg.m_arrOutput.empty());
}

}  // namespace
