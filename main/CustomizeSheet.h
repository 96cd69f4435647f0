// The customisation sheet of the main window (command 32770): modeless, made
// on the heap and freed when closed. Its commands section lists the commands
// of the menus by category, from which the user puts commands on the user
// menu of the menu bar or takes them off; its options section switches menu
// shadows, text labels and menu animations. Every change is applied to the
// frame at once and kept for the next session.
#pragma once

#include <functional>

#include "main/Customization.h"
#include "platform/ui/Dialog.h"

class CCustomizeSheet : public ui::Dialog {
public:
    static constexpr int IDD = 32770;
    static constexpr int IDC_CATEGORIES = 1001, IDC_COMMANDS = 1002, IDC_USER_MENU = 1003, IDC_ADD = 1004,
                         IDC_REMOVE = 1005, IDC_SHADOWS = 1006, IDC_LABELS = 1007, IDC_ANIMATIONS = 1008;

    // `apply` receives every change; `closed` is called once the sheet has
    // gone (from the event loop, so the owner may free it there).
    CCustomizeSheet(std::vector<CommandCategory> categories, Customization current,
                    std::function<void(const Customization&)> apply, std::function<void()> closed);

    const Customization& GetCustomization() const { return current_; }

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;

private:
    static const ui::DialogTemplate& Template();
    void FillCommands();
    void FillUserMenu();
    void OnAdd();
    void OnRemove();
    void OnOption(int id, bool Customization::*option);

    std::vector<CommandCategory> categories_;
    Customization current_;
    std::function<void(const Customization&)> apply_;
    std::function<void()> closed_;
};
