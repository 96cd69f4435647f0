// The masked edit: free text limited to allowed characters and a length,
// masks with a template and prompt character, switching between the two, and
// a mask edit that takes over an edit of a dialog template.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "platform/ui/MaskEdit.h"
#include "platform/ui/Simulate.h"
#include "platform/ui/tests/ControlHost.h"

using namespace ui;
using ui::testing::ControlHost;

namespace {

const std::string kAlnum = "1234567890abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

class MaskEditTest : public ::testing::Test {
protected:
    MaskEditTest() { edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, {5, 5, 200, 25}, &host, 3106); }
    ControlHost host;
    MaskEdit edit;
};

TEST_F(MaskEditTest, FreeTextKeepsToTheAllowedCharactersAndLength) {
    struct Case {
        std::string valid;
        int limit;
        std::string typed, expected;
    };
    const Case cases[] = {
        {kAlnum, 2, "a_1b", "a1"},               // suffix of a direction number
        {"1234567890.", 7, "12a.5x678", "12.5678"},  // an amount
        {"", 0, "任意 text", "任意 text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        edit.SetWindowText("");
        edit.SetValidChars(c.valid);
        edit.LimitText(c.limit);
        sim::Type(edit, c.typed);
        EXPECT_EQ(edit.GetWindowText(), c.expected);
    }
}

TEST_F(MaskEditTest, TypingFillsThePromptPlacesOfTheTemplate) {
    struct Case {
        std::string mask, tpl, valid, typed, expected;
    };
    const Case cases[] = {
        {"DDDD DD DD", "____/__/__", "", "20240315", "2024/03/15"},
        {"DDDD DD DD", "____/__/__", "", "20x4", "204_/__/__"},          // a letter is refused
        {"A A A A A A", "_ _ _ _ _ _", "ABCDEFXabcdefx", "ABgX", "A B X _ _ _"},
        {"DD", "__", "", "12345", "12"},                                 // no place left
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        edit.EnableMask(c.mask, c.tpl, '_', c.valid);
        edit.SetWindowText(c.tpl);
        edit.SetSel(0, 0);
        sim::Type(edit, c.typed);
        EXPECT_EQ(edit.GetWindowText(), c.expected);
    }
}

TEST_F(MaskEditTest, BackspaceAndDeletePutThePromptBack) {
    edit.EnableMask("DDDD DD DD", "____/__/__", '_');
    edit.SetWindowText("2024/03/15");
    edit.SetSel(10, 10);
    sim::PressKey(edit, VK_BACK);
    sim::PressKey(edit, VK_BACK);
    EXPECT_EQ(edit.GetWindowText(), "2024/03/__");
    sim::PressKey(edit, VK_BACK);  // skips the fixed '/'
    EXPECT_EQ(edit.GetWindowText(), "2024/0_/__");
    edit.SetSel(0, 0);
    sim::PressKey(edit, VK_DELETE);
    EXPECT_EQ(edit.GetWindowText(), "_024/0_/__");
    sim::Type(edit, "1");
    EXPECT_EQ(edit.GetWindowText(), "1024/0_/__");
}

TEST_F(MaskEditTest, SwitchingToFreeTextKeepsTheAllowedCharacters) {
    edit.EnableMask("A A A", "_ _ _", '_', "ABCDEFXabcdefx");
    edit.SetWindowText("_ _ _");
    edit.SetSel(0, 0);
    sim::Type(edit, "AB");
    EXPECT_EQ(edit.GetWindowText(), "A B _");
    edit.DisableMask();
    EXPECT_FALSE(edit.IsMaskEnabled());
    edit.SetWindowText("");
    sim::Type(edit, "AZx");
    EXPECT_EQ(edit.GetWindowText(), "Ax");
    edit.SetValidChars("");  // a loaded text is edited freely
    edit.SetWindowText("A B C");
    edit.SetSel(5, 5);
    sim::Type(edit, "Zx");
    EXPECT_EQ(edit.GetWindowText(), "A B CZx");
}

// Only the template, nothing filled in, is an empty edit: its text is "", and
// "" shows the template again; one place filled is the text with its prompts.
TEST_F(MaskEditTest, AnEditHoldingOnlyItsTemplateIsEmpty) {
    edit.EnableMask("A A A", "_ _ _", '_', "ABCDEFXabcdefx");
    edit.SetWindowText("_ _ _");
    EXPECT_EQ(edit.GetWindowText(), "");
    EXPECT_EQ(edit.GetWindowTextLength(), 0);
    edit.SetSel(0, 0);
    sim::Type(edit, "B");
    EXPECT_EQ(edit.GetWindowText(), "B _ _");
    edit.SetSel(1, 1);
    sim::PressKey(edit, VK_BACK);
    EXPECT_EQ(edit.GetWindowText(), "") << "the one place erased again";
    edit.SetWindowText("");
    EXPECT_EQ(qobject_cast<QLineEdit*>(edit.GetWidget())->text().toStdString(), "_ _ _") << "shown as the template";
    edit.DisableMask();
    edit.SetWindowText("_ _ _");
    EXPECT_EQ(edit.GetWindowText(), "_ _ _") << "free text is what it holds";
}

TEST_F(MaskEditTest, TheCharacterHookRunsAfterEachTypedCharacter) {
    std::string seen;
    edit.SetCharHook([&](Edit& e, UINT) { seen += "[" + e.GetWindowText() + "]"; });
    edit.EnableMask("DD", "__", '_');
    edit.SetWindowText("__");
    edit.SetSel(0, 0);
    sim::Type(edit, "4a2");
    EXPECT_EQ(seen, "[4_][42]");
}

TEST(MaskEditSubclassTest, TakesOverAnEditOfATemplate) {
    static const DialogTemplate t{3000, "研究方向", {0, 0, 200, 60}, {{Kind::Edit, 3106, "", {5, 5, 40, 12}}}};
    Dialog dlg(t);
    dlg.Create();
    MaskEdit suffix;
    ASSERT_TRUE(suffix.SubclassDlgItem(3106, &dlg));
    suffix.SetValidChars(kAlnum);
    suffix.LimitText(2);
    sim::Type(suffix, "0-1x");
    EXPECT_EQ(dlg.GetDlgItemText(3106), "01");
    suffix.EnableMask("DD DD", "__-__", '_');
    suffix.SetWindowText("__-__");
    suffix.SetSel(0, 0);
    sim::Type(suffix, "1234");
    EXPECT_EQ(dlg.GetDlgItemText(3106), "12-34");
}

}  // namespace
