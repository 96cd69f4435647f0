// 自定义 (command 32770): the modeless customisation sheet of the main window.
// Page 命令 lists the role's commands by category (the menus, then the
// exchange commands) and puts a command on the user menu or takes it off;
// page 选项 sets menu shadows, text labels of the navigation bar and menu
// animations. Every change is saved at once and handed to the frame, which
// applies it; closing the sheet tells the frame, which frees it.
#pragma once

#include <functional>
#include <memory>

#include "main/Customization.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/TabWnd.h"

// Posted to the frame when the user closed the sheet.
constexpr UINT WM_CUSTOMIZE_CLOSED = WM_USER + 103;

class CCustomizeCommandsPage;
class CCustomizeOptionsPage;

class CCustomizeSheet : public ui::Dialog {
public:
    static constexpr int IDD = 9300;
    static constexpr int IDC_TAB_FRAME = 9301;
    static constexpr int IDC_TABWND = 9302;

    CCustomizeSheet(ui::Wnd* frame, int role);
    ~CCustomizeSheet() override;
    static const ui::DialogTemplate& Template();

    // Called with the settings after each change (already saved).
    std::function<void(const CustomizeSettings&)> m_onChanged;
    // Called once when the user closes the sheet.
    std::function<void()> m_onClosed;

    CCustomizeCommandsPage& CommandsPage() const { return *m_pCommands; }
    CCustomizeOptionsPage& OptionsPage() const { return *m_pOptions; }
    ui::TabWnd& Tabs() { return m_wndTab; }
    const CustomizeSettings& Settings() const { return m_settings; }

    // Stores and applies changed settings (the pages call this).
    void Change(const CustomizeSettings& settings);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override { Close(); }
    void OnCancel() override { Close(); }

private:
    void Close();

    int m_nRole;
    CustomizeSettings m_settings;
    std::unique_ptr<CCustomizeCommandsPage> m_pCommands;
    std::unique_ptr<CCustomizeOptionsPage> m_pOptions;
    ui::TabWnd m_wndTab;
};

// Page 命令: categories, their commands, and the user menu.
class CCustomizeCommandsPage : public ui::Dialog {
public:
    static constexpr int IDD = 9310;
    static constexpr int IDC_CATEGORIES = 9311;
    static constexpr int IDC_COMMANDS = 9312;
    static constexpr int IDC_ADD = 9313;
    static constexpr int IDC_REMOVE = 9314;
    static constexpr int IDC_USER_MENU = 9315;

    CCustomizeCommandsPage(CCustomizeSheet& sheet, int role);
    static const ui::DialogTemplate& Template();

    // Selects a category by its index and lists its commands.
    void ShowCategory(int category);
    // Puts the selected command on the user menu (once).
    void OnAdd();
    // Takes the selected user-menu command off.
    void OnRemove();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    void FillUserMenu();

    CCustomizeSheet& m_sheet;
    int m_nRole;
    std::vector<MenuSpec> m_categories;
};

// Page 选项: the looks of the menus and the navigation bar.
class CCustomizeOptionsPage : public ui::Dialog {
public:
    static constexpr int IDD = 9320;
    static constexpr int IDC_SHADOWS = 9321;
    static constexpr int IDC_TEXT_LABELS = 9322;
    static constexpr int IDC_ANIMATIONS = 9323;

    explicit CCustomizeOptionsPage(CCustomizeSheet& sheet);
    static const ui::DialogTemplate& Template();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    void OnOptionClicked();

    CCustomizeSheet& m_sheet;
    BOOL m_bShadows = TRUE, m_bTextLabels = TRUE, m_bAnimations = TRUE;
};
