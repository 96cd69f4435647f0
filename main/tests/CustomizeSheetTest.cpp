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
        CCustomizeCommandsPage& page = sheet.CommandsPage();
        auto* categories = page.Item<ui::ListBox>(CCustomizeCommandsPage::IDC_CATEGORIES);
        categories->SetCurSel(categories->FindStringExact(-1, category));
        page.OnCommand(CCustomizeCommandsPage::IDC_CATEGORIES, LBN_SELCHANGE);
        auto* commands = page.Item<ui::ListBox>(CCustomizeCommandsPage::IDC_COMMANDS);
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
    CCustomizeCommandsPage& page = sheet.CommandsPage();
    Choose(sheet, "数据交换", "导出指南");
    page.Click(CCustomizeCommandsPage::IDC_ADD);
    Choose(sheet, "系统管理", "时期设置");
    page.Click(CCustomizeCommandsPage::IDC_ADD);
    page.Click(CCustomizeCommandsPage::IDC_ADD);  // once only
    EXPECT_EQ(UserMenu(*main), (std::vector<std::string>{"导出指南", "时期设置"}));

    auto* userMenu = page.Item<ui::ListBox>(CCustomizeCommandsPage::IDC_USER_MENU);
    userMenu->SetCurSel(1);
    page.Click(CCustomizeCommandsPage::IDC_REMOVE);
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
    CCustomizeOptionsPage& options = sheet.OptionsPage();
    for (int option : {CCustomizeOptionsPage::IDC_TEXT_LABELS, CCustomizeOptionsPage::IDC_ANIMATIONS,
                       CCustomizeOptionsPage::IDC_SHADOWS}) {
        EXPECT_EQ(options.IsDlgButtonChecked(option), 1u) << option;  // all on at first
        options.Click(option);
    }
    const auto check = [](CMainFrame& frame) {
        EXPECT_FALSE(QApplication::isEffectEnabled(Qt::UI_AnimateMenu));
        for (QToolButton* button : frame.GetOutlookBar().GetWidget()->findChildren<QToolButton*>())
            if (!button->text().isEmpty()) EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
        EXPECT_FALSE(frame.GetMenuBar().HasMenuShadows());
    };
    check(*main);
    frame.reset();
    main = &OpenFrame(2, "jjb");
    check(*main);
}

TEST_F(CustomizeSheet, AHostileSettingsFileGivesOnlyTheRolesOwnCommands) {
    ASSERT_TRUE(sys::WriteFileAtomic(PathOf("customize.ini"), "[menu]\n32860\n99999\ngarbage\n\n32893\n32860\n-1\n"
                                                               "32896\n"));  // 32896 is the office's only
    CMainFrame& main = OpenFrame(1, "sbdw");  // the applicant's menus hold 32860 and 32893
    EXPECT_EQ(UserMenu(main), (std::vector<std::string>{"单位信息管理", "时期设置"}));
}

}  // namespace
