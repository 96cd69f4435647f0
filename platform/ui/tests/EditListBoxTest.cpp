// The edit list box: the new, delete and move buttons, in-place editing kept,
// dropped and refused, the read-only editor, the browse button, clicks on the
// selected item, and the calls that tell a subclass what the user did.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QListWidget>

#include "platform/ui/Edit.h"
#include "platform/ui/EditListBox.h"
#include "platform/ui/Simulate.h"
#include "platform/ui/tests/ControlHost.h"

using namespace ui;
using ui::testing::ControlHost;

namespace {

// Records every call a subclass gets, as "name:item".
class RecordingList : public EditListBox {
public:
    std::vector<std::string> calls;
    bool refuseRemove = false;
    std::string textSeenByBrowse = "(not browsed)";

protected:
    void OnBrowse() override {
        textSeenByBrowse = GetItemText(GetSelItem());
        calls.push_back("browse:" + std::to_string(GetSelItem()));
    }
    BOOL OnBeforeRemoveItem(int item) override {
        calls.push_back("before-remove:" + std::to_string(item));
        return !refuseRemove;
    }
    void OnAfterRemoveItem(int item) override { calls.push_back("removed:" + std::to_string(item)); }
    void OnAfterAddItem(int item) override { calls.push_back("added:" + std::to_string(item)); }
    void OnAfterRenameItem(int item) override { calls.push_back("renamed:" + std::to_string(item)); }
    void OnAfterMoveItemUp(int item) override { calls.push_back("up:" + std::to_string(item)); }
    void OnAfterMoveItemDown(int item) override { calls.push_back("down:" + std::to_string(item)); }
};

class EditListTest : public ::testing::Test {
protected:
    EditListTest() {
        list.Create(WS_CHILD | WS_VISIBLE, {5, 5, 300, 200}, &host, 5551, "GF报告");
        for (const char* text : {"a.doc", "b.doc", "c.doc"}) list.AddItem(text);
        list.calls.clear();
    }
    void Press(UINT button) {
        QAbstractButton* b = list.GetButton(button);
        ASSERT_NE(b, nullptr);
        b->click();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> items;
        for (int i = 0; i < list.GetCount(); ++i) items.push_back(list.GetItemText(i));
        return items;
    }
    ControlHost host;
    RecordingList list;
};

using Items = std::vector<std::string>;
using Calls = std::vector<std::string>;

TEST_F(EditListTest, ProgramCallsChangeItemsSilently) {
    EXPECT_EQ(list.GetWindowText(), "GF报告");
    EXPECT_EQ(list.AddItem("first.doc", 7, 0), 0);
    EXPECT_EQ(list.AddItem("last.doc"), 4);
    EXPECT_EQ(list.GetItemData(0), 7u);
    EXPECT_EQ(list.GetSelItem(), -1);
    EXPECT_TRUE(list.SelectItem(2));
    EXPECT_EQ(list.GetSelItem(), 2);
    EXPECT_TRUE(list.SetItemText(2, "B.doc"));
    EXPECT_TRUE(list.RemoveItem(0));
    EXPECT_FALSE(list.RemoveItem(9));
    EXPECT_FALSE(list.SelectItem(9));
    EXPECT_EQ(Texts(), (Items{"a.doc", "B.doc", "c.doc", "last.doc"}));
    EXPECT_TRUE(list.calls.empty());
    list.RemoveAllItems();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(EditListTest, NewItemTypedAndKeptIsAdded) {
    Press(EditListBox::BTN_NEW);
    ASSERT_NE(list.GetEditCtrl(), nullptr);
    EXPECT_EQ(list.GetEditedItem(), 3);
    EXPECT_EQ(list.GetSelItem(), 3);
    sim::Type(*list.GetEditCtrl(), "d.doc");
    sim::PressKey(*list.GetEditCtrl(), VK_RETURN);
    EXPECT_EQ(list.GetEditCtrl(), nullptr);
    EXPECT_EQ(Texts(), (Items{"a.doc", "b.doc", "c.doc", "d.doc"}));
    EXPECT_EQ(list.calls, (Calls{"added:3"}));
}

TEST_F(EditListTest, NewItemLeftBlankOrDroppedGoesAway) {
    // Enter on a blank item, Esc after typing, and a second "new" while the
    // first is still open: each leaves no blank item behind.
    Press(EditListBox::BTN_NEW);
    sim::PressKey(*list.GetEditCtrl(), VK_RETURN);
    Press(EditListBox::BTN_NEW);
    sim::Type(*list.GetEditCtrl(), "x");
    sim::PressKey(*list.GetEditCtrl(), VK_ESCAPE);
    Press(EditListBox::BTN_NEW);
    Press(EditListBox::BTN_NEW);
    EXPECT_EQ(list.GetEditedItem(), 3);
    list.EndEditItem(TRUE);
    EXPECT_EQ(Texts(), (Items{"a.doc", "b.doc", "c.doc"}));
    EXPECT_EQ(list.GetSelItem(), -1);
    EXPECT_TRUE(list.calls.empty());
}

TEST_F(EditListTest, EditingAnItemRenamesItOnlyWhenKeptAndChanged) {
    ASSERT_TRUE(list.EditItem(1));
    sim::Type(*list.GetEditCtrl(), "x");  // the whole text was selected
    sim::PressKey(*list.GetEditCtrl(), VK_ESCAPE);
    EXPECT_EQ(list.GetItemText(1), "b.doc");
    list.EditItem(1);
    sim::PressKey(*list.GetEditCtrl(), VK_RETURN);  // unchanged
    list.EditItem(1);
    sim::Type(*list.GetEditCtrl(), "z.doc");
    list.EditItem(2);  // editing another item keeps the first edit
    EXPECT_EQ(list.GetEditedItem(), 2);
    EXPECT_EQ(list.GetItemText(1), "z.doc");
    EXPECT_EQ(list.calls, (Calls{"renamed:1"}));
}

TEST_F(EditListTest, ProgramChangesDuringANewItemsEditKeepPositionsRight) {
    // The blank item being edited goes before the program's change lands.
    Press(EditListBox::BTN_NEW);
    EXPECT_EQ(list.AddItem("chosen.doc"), 3);
    EXPECT_EQ(Texts(), (Items{"a.doc", "b.doc", "c.doc", "chosen.doc"}));
    Press(EditListBox::BTN_NEW);
    EXPECT_TRUE(list.SelectItem(3));
    EXPECT_EQ(list.GetItemText(list.GetSelItem()), "chosen.doc");
    EXPECT_EQ(list.GetCount(), 4);
}

TEST_F(EditListTest, ReadOnlyEditorTakesNoTyping) {
    list.SetReadOnlyEditor();
    Press(EditListBox::BTN_NEW);
    ASSERT_NE(list.GetEditCtrl(), nullptr);
    EXPECT_TRUE(list.GetEditCtrl()->IsReadOnly());
    sim::Type(*list.GetEditCtrl(), "typed");
    EXPECT_EQ(list.GetEditCtrl()->GetWindowText(), "");
    sim::PressKey(*list.GetEditCtrl(), VK_RETURN);
    list.EditItem(0);
    sim::Type(*list.GetEditCtrl(), "typed");
    list.EndEditItem(TRUE);
    EXPECT_EQ(Texts(), (Items{"a.doc", "b.doc", "c.doc"}));
    EXPECT_TRUE(list.calls.empty());
}

TEST_F(EditListTest, DeleteRemovesTheSelectedItemUnlessRefused) {
    EXPECT_FALSE(list.GetButton(EditListBox::BTN_DELETE)->isEnabled());  // nothing selected
    list.SelectItem(2);
    list.refuseRemove = true;
    Press(EditListBox::BTN_DELETE);
    EXPECT_EQ(list.GetCount(), 3);
    list.refuseRemove = false;
    Press(EditListBox::BTN_DELETE);  // the last item: the selection moves up
    EXPECT_EQ(Texts(), (Items{"a.doc", "b.doc"}));
    EXPECT_EQ(list.GetSelItem(), 1);
    EXPECT_EQ(list.calls, (Calls{"before-remove:2", "before-remove:2", "removed:2"}));
}

TEST_F(EditListTest, MovingStopsAtTheEnds) {
    struct Case {
        int selected;
        UINT button;
        Items items;
        int selectedAfter;
        Calls calls;
    };
    const Case cases[] = {
        {0, EditListBox::BTN_UP, {"a.doc", "b.doc", "c.doc"}, 0, {}},
        {2, EditListBox::BTN_DOWN, {"a.doc", "b.doc", "c.doc"}, 2, {}},
        {1, EditListBox::BTN_UP, {"b.doc", "a.doc", "c.doc"}, 0, {"up:0"}},
        {1, EditListBox::BTN_DOWN, {"a.doc", "c.doc", "b.doc"}, 2, {"down:2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        list.RemoveAllItems();
        for (const char* text : {"a.doc", "b.doc", "c.doc"}) list.AddItem(text);
        list.calls.clear();
        list.SelectItem(c.selected);
        Press(c.button);
        EXPECT_EQ(Texts(), c.items);
        EXPECT_EQ(list.GetSelItem(), c.selectedAfter);
        EXPECT_EQ(list.calls, c.calls);
    }
    list.SelectItem(0);
    EXPECT_FALSE(list.GetButton(EditListBox::BTN_UP)->isEnabled());
    EXPECT_TRUE(list.GetButton(EditListBox::BTN_DOWN)->isEnabled());
}

TEST_F(EditListTest, BrowseIsOffUntilEnabledAndSeesTheBlankNewItem) {
    EXPECT_EQ(list.GetButton(EditListBox::BTN_BROWSE), nullptr);
    list.EnableBrowseButton();
    Press(EditListBox::BTN_NEW);
    Press(EditListBox::BTN_BROWSE);
    EXPECT_EQ(list.calls, (Calls{"browse:3"}));
    EXPECT_EQ(list.textSeenByBrowse, "");
    EXPECT_EQ(list.GetEditCtrl(), nullptr);  // the edit ends after browsing
    EXPECT_EQ(list.GetCount(), 3);
    list.SetStandardButtons(EditListBox::BTN_NEW);
    EXPECT_EQ(list.GetButton(EditListBox::BTN_DELETE), nullptr);
    EXPECT_NE(list.GetButton(EditListBox::BTN_BROWSE), nullptr);
}

TEST_F(EditListTest, ClickingTheSelectedItemAgainEditsIt) {
    auto* view = list.GetWidget()->findChild<QListWidget*>();
    ASSERT_NE(view, nullptr);
    host.GetWidget()->activateWindow();
    PumpMessages();
    const QRect second = view->visualItemRect(view->item(1));
    const QPoint at = view->viewport()->mapTo(list.GetWidget(), second.center());
    ui::testing::ClickChild(list, {at.x(), at.y()});  // selects
    EXPECT_EQ(list.GetSelItem(), 1);
    EXPECT_EQ(list.GetEditCtrl(), nullptr);
    ui::testing::ClickChild(list, {at.x(), at.y()});  // selected and focused: edits
    EXPECT_EQ(list.GetEditedItem(), 1);
}

TEST(EditListTemplate, DialogsPlaceItFromTheirTemplates) {
    std::unique_ptr<Control> made = MakeControl(Kind::EditListBox);
    EXPECT_NE(dynamic_cast<EditListBox*>(made.get()), nullptr);
}

}  // namespace
