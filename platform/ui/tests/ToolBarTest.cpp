// The tool bar: buttons from a registered resource, commands to the owner,
// check and enabled states from the owner's update-UI handlers, showing and
// hiding.
#include <gtest/gtest.h>

#include "platform/ui/ToolBar.h"
#include "platform/ui/tests/ControlHost.h"

using namespace ui;
using ui::testing::ControlHost;

namespace {

constexpr int kBold = 32799, kItalic = 32800, kLeft = 32803, kNoHandler = 32810;

const bool registered = [] {
    QImage strip(16 * 4, 16, QImage::Format_ARGB32);
    strip.fill(Qt::gray);
    RegisterToolBar(9139, {{kBold, kItalic, ID_SEPARATOR, kLeft, kNoHandler}, strip});
    return true;
}();

class ToolBarTest : public ::testing::Test {
protected:
    ToolBarTest() {
        host.MapCommand(kBold, BN_CLICKED, [this] { bold = !bold; });
        host.MapCommand(kItalic, BN_CLICKED, [this] { ++italics; });
        host.MapCommand(kLeft, BN_CLICKED, [] {});
        host.MapUpdateUI(kBold, [this](CmdUI& ui) { ui.SetCheck(bold); });
        host.MapUpdateUI(kItalic, [this](CmdUI& ui) { ui.Enable(italicAllowed); });
        bar.Create(&host, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM);
        bar.MoveWindow(6, 30, 300, 26);
    }
    ControlHost host;
    ToolBar bar;
    bool bold = false, italicAllowed = true;
    int italics = 0;
};

TEST_F(ToolBarTest, LoadsTheButtonsOfAResource) {
    EXPECT_FALSE(bar.LoadToolBar(424242));
    ASSERT_TRUE(bar.LoadToolBar(9139));
    EXPECT_EQ(bar.GetCount(), 5);
    EXPECT_EQ(bar.GetItemID(2), ID_SEPARATOR);
    EXPECT_EQ(bar.CommandToIndex(kLeft), 3);
    EXPECT_EQ(bar.CommandToIndex(12345), -1);
    EXPECT_EQ(bar.GetOwner(), &host);
}

TEST_F(ToolBarTest, APressedButtonSendsItsCommandAndTheCheckFollowsTheHandler) {
    ASSERT_TRUE(bar.LoadToolBar(9139));
    PumpMessages();
    ui::testing::ClickChild(bar, bar.GetItemRect(bar.CommandToIndex(kBold)).CenterPoint());
    EXPECT_TRUE(bold);
    EXPECT_TRUE(bar.IsButtonChecked(kBold));
    ui::testing::ClickChild(bar, bar.GetItemRect(bar.CommandToIndex(kBold)).CenterPoint());
    EXPECT_FALSE(bold);
    EXPECT_FALSE(bar.IsButtonChecked(kBold));
    ui::testing::ClickChild(bar, bar.GetItemRect(bar.CommandToIndex(kItalic)).CenterPoint());
    EXPECT_EQ(italics, 1);
}

TEST_F(ToolBarTest, UpdateEnablesAndDisablesButtons) {
    ASSERT_TRUE(bar.LoadToolBar(9139));
    italicAllowed = false;
    bar.OnUpdateCmdUI();
    EXPECT_FALSE(bar.IsButtonEnabled(kItalic));
    EXPECT_TRUE(bar.IsButtonEnabled(kLeft));        // a handler, no update handler
    EXPECT_FALSE(bar.IsButtonEnabled(kNoHandler));  // no handler at all
    ui::testing::ClickChild(bar, bar.GetItemRect(bar.CommandToIndex(kItalic)).CenterPoint());
    EXPECT_EQ(italics, 0);
    italicAllowed = true;
    bar.OnUpdateCmdUI();
    EXPECT_TRUE(bar.IsButtonEnabled(kItalic));
}

TEST_F(ToolBarTest, CommandsGoToTheOwnerAndTheBarCanBeHidden) {
    ControlHost other;
    int heard = 0;
    other.MapCommand(kLeft, BN_CLICKED, [&] { ++heard; });
    bar.SetOwner(&other);
    ASSERT_TRUE(bar.LoadToolBar(9139));
    ui::testing::ClickChild(bar, bar.GetItemRect(bar.CommandToIndex(kLeft)).CenterPoint());
    EXPECT_EQ(heard, 1);
    bar.ShowWindow(SW_HIDE);
    EXPECT_FALSE(bar.IsWindowVisible());
    bar.ShowWindow(SW_SHOW);
    EXPECT_TRUE(bar.IsWindowVisible());
}

}  // namespace
