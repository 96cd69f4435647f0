#include "main/CustomizeSheet.h"

#include <QApplication>
#include <algorithm>

#include "platform/ui/Lists.h"

const ui::DialogTemplate& CCustomizeSheet::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "自定义", {0, 0, 330, 206}, {
        {Kind::GroupBox, IDC_STATIC, "命令", {5, 4, 320, 144}},
        {Kind::Static, IDC_STATIC, "类别：", {12, 16, 60, 10}},
        {Kind::ListBox, IDC_CATEGORIES, "", {12, 28, 80, 112}, WS_TABSTOP | WS_VSCROLL},
        {Kind::Static, IDC_STATIC, "命令：", {98, 16, 60, 10}},
        {Kind::ListBox, IDC_COMMANDS, "", {98, 28, 104, 112}, WS_TABSTOP | WS_VSCROLL},
        {Kind::PushButton, IDC_ADD, "添加 >", {206, 56, 40, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_REMOVE, "< 移除", {206, 76, 40, 14}, WS_TABSTOP},
        {Kind::Static, IDC_STATIC, "我的菜单：", {250, 16, 70, 10}},
        {Kind::ListBox, IDC_USER_MENU, "", {250, 28, 68, 112}, WS_TABSTOP | WS_VSCROLL},
        {Kind::GroupBox, IDC_STATIC, "选项", {5, 152, 320, 30}},
        {Kind::CheckBox, IDC_SHADOWS, "菜单阴影", {12, 165, 80, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_LABELS, "显示文本标签", {100, 165, 90, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_ANIMATIONS, "菜单动画", {200, 165, 80, 10}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "关闭", {275, 187, 50, 14}, WS_TABSTOP},
    }};
    return t;
}

CCustomizeSheet::CCustomizeSheet(std::vector<CommandCategory> categories, Customization current,
                                 std::function<void(const Customization&)> apply, std::function<void()> closed)
    : ui::Dialog(Template()), categories_(std::move(categories)), current_(std::move(current)),
      apply_(std::move(apply)), closed_(std::move(closed)) {
    MapCommand(IDC_CATEGORIES, LBN_SELCHANGE, [this] { FillCommands(); });
    MapClicked(IDC_ADD, [this] { OnAdd(); });
    MapClicked(IDC_REMOVE, [this] { OnRemove(); });
    MapClicked(IDC_SHADOWS, [this] { OnOption(IDC_SHADOWS, &Customization::menuShadows); });
    MapClicked(IDC_LABELS, [this] { OnOption(IDC_LABELS, &Customization::textLabels); });
    MapClicked(IDC_ANIMATIONS, [this] { OnOption(IDC_ANIMATIONS, &Customization::menuAnimations); });
}

BOOL CCustomizeSheet::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    auto* categories = Item<ui::ListBox>(IDC_CATEGORIES);
    for (const CommandCategory& category : categories_) categories->AddString(category.name);
    categories->SetCurSel(0);
    FillCommands();
    FillUserMenu();
    CheckDlgButton(IDC_SHADOWS, current_.menuShadows);
    CheckDlgButton(IDC_LABELS, current_.textLabels);
    CheckDlgButton(IDC_ANIMATIONS, current_.menuAnimations);
    return TRUE;
}

void CCustomizeSheet::FillCommands() {
    auto* commands = Item<ui::ListBox>(IDC_COMMANDS);
    commands->ResetContent();
    const int category = Item<ui::ListBox>(IDC_CATEGORIES)->GetCurSel();
    if (category < 0 || category >= int(categories_.size())) return;
    for (const CommandCategory::Command& command : categories_[category].commands)
        commands->SetItemData(commands->AddString(command.text), DWORD_PTR(command.id));
}

void CCustomizeSheet::FillUserMenu() {
    auto* menu = Item<ui::ListBox>(IDC_USER_MENU);
    menu->ResetContent();
    for (int id : current_.userMenu) menu->SetItemData(menu->AddString(CommandText(categories_, id)), DWORD_PTR(id));
}

void CCustomizeSheet::OnAdd() {
    auto* commands = Item<ui::ListBox>(IDC_COMMANDS);
    const int chosen = commands->GetCurSel();
    if (chosen < 0) return;
    const int id = int(commands->GetItemData(chosen));
    if (std::find(current_.userMenu.begin(), current_.userMenu.end(), id) != current_.userMenu.end()) return;
    current_.userMenu.push_back(id);
    FillUserMenu();
    apply_(current_);
}

void CCustomizeSheet::OnRemove() {
    auto* menu = Item<ui::ListBox>(IDC_USER_MENU);
    const int chosen = menu->GetCurSel();
    if (chosen < 0) return;
    current_.userMenu.erase(current_.userMenu.begin() + chosen);
    FillUserMenu();
    apply_(current_);
}

void CCustomizeSheet::OnOption(int id, bool Customization::*option) {
    current_.*option = IsDlgButtonChecked(id) != 0;
    apply_(current_);
}

void CCustomizeSheet::OnCancel() {
    DestroyWindow();
    // The owner frees the sheet; not from inside its own handler.
    QMetaObject::invokeMethod(qApp, closed_, Qt::QueuedConnection);
}
