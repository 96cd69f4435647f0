// CFileEditListBox: files come in only through the file chooser, which the
// test driver answers; typing changes nothing and no blank item stays.
#include <gtest/gtest.h>

#include <QAbstractButton>

#include "widgets/FileEditListBox.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Simulate.h"
#include "platform/ui/TestDriverGTest.h"

using namespace ui;

namespace {

class Host : public Dialog {
public:
    Host() : Dialog(Template()) {
        Create();
        ShowWindow(SW_SHOW);
    }
    static const DialogTemplate& Template() {
        static const DialogTemplate t{5505, "", {0, 0, 300, 200}, {}};
        return t;
    }
};

class FileListTest : public ::testing::Test {
protected:
    FileListTest() {
        list.Create(WS_CHILD | WS_VISIBLE, {5, 5, 300, 200}, &host, 5552, "论文");
        list.EnableBrowseButton();
        list.AddItem("stored.doc");
    }
    void Press(UINT button) { list.GetButton(button)->click(); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (int i = 0; i < list.GetCount(); ++i) texts.push_back(list.GetItemText(i));
        return texts;
    }
    Host host;
    CFileEditListBox list;
    TestDriver driver;
};

using Paths = std::vector<std::string>;

TEST_F(FileListTest, NewThenBrowseAddsTheChosenPathLastAndSelectsIt) {
    Press(EditListBox::BTN_NEW);
    driver.AnswerFile("/home/u/papers/second.pdf");
    Press(EditListBox::BTN_BROWSE);
    EXPECT_EQ(Texts(), (Paths{"stored.doc", "/home/u/papers/second.pdf"}));
    EXPECT_EQ(list.GetSelItem(), 1);
    EXPECT_EQ(list.GetEditCtrl(), nullptr);
    ASSERT_EQ(driver.FileRequests().size(), 1u);
    const FileRequest& asked = driver.FileRequests()[0];
    EXPECT_TRUE(asked.open);
    EXPECT_EQ(asked.filter, "(*.*)|*.*||");
    EXPECT_EQ(asked.defaultName, "");
    EXPECT_EQ(asked.defaultExt, "");
    EXPECT_EQ(asked.flags, DWORD(OFN_HIDEREADONLY));
}

TEST_F(FileListTest, CancellingTheChooserAddsNothing) {
    Press(EditListBox::BTN_NEW);
    driver.CancelFile();
    Press(EditListBox::BTN_BROWSE);
    EXPECT_EQ(Texts(), (Paths{"stored.doc"}));
    EXPECT_TRUE(driver.Finished());
}

TEST_F(FileListTest, TheEditorOfANewItemTakesNoTyping) {
    Press(EditListBox::BTN_NEW);
    ASSERT_NE(list.GetEditCtrl(), nullptr);
    sim::Type(*list.GetEditCtrl(), "/typed/path.doc");
    EXPECT_EQ(list.GetEditCtrl()->GetWindowText(), "");
    sim::PressKey(*list.GetEditCtrl(), VK_RETURN);
    EXPECT_EQ(Texts(), (Paths{"stored.doc"}));  // the blank item is gone
    list.EditItem(0);
    sim::Type(*list.GetEditCtrl(), "x");
    list.EndEditItem(TRUE);
    EXPECT_EQ(Texts(), (Paths{"stored.doc"}));
}

TEST_F(FileListTest, BrowsingOnAFilledItemReplacesItWithTheChosenPath) {
    list.AddItem("/old/new.doc");
    list.SelectItem(1);
    driver.AnswerFile("/home/u/chosen.doc");
    Press(EditListBox::BTN_BROWSE);
    EXPECT_EQ(Texts(), (Paths{"stored.doc", "/home/u/chosen.doc"}));
    driver.CancelFile();
    Press(EditListBox::BTN_BROWSE);
    EXPECT_EQ(list.GetItemText(1), "/home/u/chosen.doc");
}

}  // namespace
