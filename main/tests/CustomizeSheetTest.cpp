// The customisation sheet: opened from the menu bar's context menu, it puts
// commands on the user menu and takes them off, switches the menu options,
// keeps all of it for the next session and is freed when closed.
#include "MainTestSupport.h"

#include <QApplication>
#include <QMenuBar>
#include <QToolButton>

#include "exchange/export/DlgGuideExport.h"
#include "main/Commands.h"
#include "main/CustomizeSheet.h"
#include "platform/ui/Lists.h"

namespace {

class CustomizeSheet : public MainWindowTest {
protected:
    CCustomizeSheet& Open(CMainFrame& main) {
        EXPECT_TRUE(main.GetMenuBar().ChooseItem(cmd::kViewCustomize));
        CCustomizeSheet* sheet = main.GetCustomizeSheet();
        EXPECT_NE(sheet, nullptr);
        EXPECT_FALSE(sheet->IsModal());
        return *sheet;
    }
    // Chooses the command with this text in the category with this name.
    static void Choose(CCustomizeSheet& sheet, const std::string& category, const std::string& command) {
        auto* categories = sheet.Item<ui::ListBox>(CCustomizeSheet::IDC_CATEGORIES);
        categories->SetCurSel(categories->FindStringExact(-1, category));
        sheet.OnCommand(CCustomizeSheet::IDC_CATEGORIES, LBN_SELCHANGE);
        auto* commands = sheet.Item<ui::ListBox>(CCustomizeSheet::IDC_COMMANDS);
        commands->SetCurSel(commands->FindStringExact(-1, command));
    }
    // The user menu's items on the bar, as the user sees them.
    static std::vector<std::string> UserMenu(CMainFrame& main) {
        ui::MenuBar& bar = main.GetMenuBar();
        for (int menu = 0; menu < bar.GetMenuCount(); ++menu)
            if (bar.GetMenuTitle(menu) == kUserMenuTitle) {
                std::vector<std::string> texts;
                for (const ui::MenuBar::Item& item : bar.GetItems(menu)) texts.push_back(item.text);
                return texts;
            }
        return {};
    }
    // Triggers the user menu's item as a click on it would.
    static void TriggerUserMenuItem(CMainFrame& main, const std::string& text) {
        auto* bar = qobject_cast<QMenuBar*>(main.GetMenuBar().GetWidget());
        for (QAction* menu : bar->actions())
            if (menu->text().toStdString() == kUserMenuTitle)
                for (QAction* item : menu->menu()->actions())
                    if (item->text().toStdString() == text) item->trigger();
        QCoreApplication::processEvents();
    }
};

TEST_F(CustomizeSheet, ACommandPutOnTheUserMenuStaysThereAfterARestartAndRuns) {
    CMainFrame* main = &OpenFrame(2, "jjb");
    EXPECT_TRUE(UserMenu(*main).empty());  // no user menu until something is put on it
    CCustomizeSheet& sheet = Open(*main);
    Choose(sheet, "数据交换", "导出指南");
    sheet.Click(CCustomizeSheet::IDC_ADD);
    Choose(sheet, "系统管理", "时期设置");
    sheet.Click(CCustomizeSheet::IDC_ADD);
    sheet.Click(CCustomizeSheet::IDC_ADD);  // once only
    EXPECT_EQ(UserMenu(*main), (std::vector<std::string>{"导出指南", "时期设置"}));

    auto* userMenu = sheet.Item<ui::ListBox>(CCustomizeSheet::IDC_USER_MENU);
    userMenu->SetCurSel(1);
    sheet.Click(CCustomizeSheet::IDC_REMOVE);
    EXPECT_EQ(UserMenu(*main), (std::vector<std::string>{"导出指南"}));

    sheet.Click(IDCANCEL);
    QCoreApplication::processEvents();
    EXPECT_EQ(main->GetCustomizeSheet(), nullptr);  // freed once closed

    frame.reset();  // the next session
    main = &OpenFrame(2, "jjb");
    EXPECT_EQ(UserMenu(*main), (std::vector<std::string>{"导出指南"}));
    TriggerUserMenuItem(*main, "导出指南");
    ASSERT_NE(main->GetPaneView(), nullptr);
    EXPECT_EQ(main->GetPaneView()->GetRuntimeClass(), RUNTIME_CLASS(CDlgGuideExport));
}

TEST_F(CustomizeSheet, OptionsApplyToTheMenusAndOutlookBarAndAreKept) {
    CMainFrame* main = &OpenFrame(2, "jjb");
    CCustomizeSheet& sheet = Open(*main);
    for (int option : {CCustomizeSheet::IDC_LABELS, CCustomizeSheet::IDC_ANIMATIONS, CCustomizeSheet::IDC_SHADOWS}) {
        EXPECT_EQ(sheet.IsDlgButtonChecked(option), 1u) << option;  // all on at first
        sheet.Click(option);
    }
    const auto check = [](CMainFrame& frame) {
        EXPECT_FALSE(QApplication::isEffectEnabled(Qt::UI_AnimateMenu));
        for (QToolButton* button : frame.GetOutlookBar().GetWidget()->findChildren<QToolButton*>())
            if (!button->text().isEmpty()) EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
        EXPECT_TRUE(frame.GetCustomization().menuShadows == false);
    };
    check(*main);
    frame.reset();
    main = &OpenFrame(2, "jjb");
    check(*main);
}

TEST_F(CustomizeSheet, AHostileSettingsFileGivesOnlyTheRolesOwnCommands) {
    ASSERT_TRUE(sys::WriteFileAtomic(CustomizationPath(), "command=32860\ncommand=99999\ngarbage\ncommand=\n"
                                                          "command=32893\ncommand=32860\ncommand=-1\n"));
    CMainFrame& main = OpenFrame(1, "sbdw");  // the applicant's menus hold 32860 and 32893
    EXPECT_EQ(UserMenu(main), (std::vector<std::string>{"单位信息管理", "时期设置"}));
}

}  // namespace
