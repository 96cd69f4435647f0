#include "main/CustomizeSheet.h"

#include <algorithm>

#include "platform/ui/DataExchange.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Services.h"

namespace {

constexpr COLORREF kPageBackground = RGB(232, 241, 250);

}  // namespace

// ---------------------------------------------------------------------------
// The sheet

CCustomizeSheet::CCustomizeSheet(ui::Wnd* frame, int role)
    : ui::Dialog(Template(), frame), m_nRole(role), m_settings(LoadCustomizeSettings()) {}

// The pages go before the tab window that shows them.
CCustomizeSheet::~CCustomizeSheet() {
    m_pCommands.reset();
    m_pOptions.reset();
}

const ui::DialogTemplate& CCustomizeSheet::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "自定义", {0, 0, 420, 226}, {
        {Kind::Static, IDC_TAB_FRAME, "", {7, 7, 406, 190}, SS_BLACKFRAME, {}, true},
        {Kind::PushButton, IDCANCEL, "关闭", {356, 204, 57, 15}, WS_TABSTOP},
    }};
    return t;
}

BOOL CCustomizeSheet::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    m_wndTab.Create(ui::TabWnd::STYLE_3D, GetItemRect(IDC_TAB_FRAME), this, IDC_TABWND, ui::TabWnd::LOCATION_TOP);
    m_pCommands = std::make_unique<CCustomizeCommandsPage>(*this, m_nRole);
    m_pCommands->Create(&m_wndTab);
    m_wndTab.AddTab(m_pCommands.get(), "命令", UINT(-1), FALSE);
    m_pOptions = std::make_unique<CCustomizeOptionsPage>(*this);
    m_pOptions->Create(&m_wndTab);
    m_wndTab.AddTab(m_pOptions.get(), "选项", UINT(-1), FALSE);
    m_wndTab.SetActiveTab(0);
    return TRUE;
}

void CCustomizeSheet::Change(const CustomizeSettings& settings) {
    m_settings = settings;
    if (!SaveCustomizeSettings(m_settings))
        ui::MessageBox("自定义设置保存失败！", "提示", MB_OK | MB_ICONWARNING);
    if (m_onChanged) m_onChanged(m_settings);
}

void CCustomizeSheet::Close() {
    ShowWindow(SW_HIDE);
    if (m_onClosed) m_onClosed();
}

// ---------------------------------------------------------------------------
// Page 命令

CCustomizeCommandsPage::CCustomizeCommandsPage(CCustomizeSheet& sheet, int role)
    : ui::Dialog(Template(), nullptr), m_sheet(sheet), m_nRole(role), m_categories(CustomizableCommands(role)) {
    MapCommand(IDC_CATEGORIES, LBN_SELCHANGE, [this] {
        ShowCategory(Item<ui::ListBox>(IDC_CATEGORIES)->GetCurSel());
    });
    MapClicked(IDC_ADD, [this] { OnAdd(); });
    MapClicked(IDC_REMOVE, [this] { OnRemove(); });
}

const ui::DialogTemplate& CCustomizeCommandsPage::Template() {
    using ui::Kind;
    constexpr DWORD kList = WS_TABSTOP | WS_BORDER | WS_VSCROLL;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 400, 170}, {
        {Kind::Static, IDC_STATIC, "类别：", {6, 6, 70, 10}},
        {Kind::ListBox, IDC_CATEGORIES, "", {6, 18, 70, 146}, kList},
        {Kind::Static, IDC_STATIC, "命令：", {82, 6, 130, 10}},
        {Kind::ListBox, IDC_COMMANDS, "", {82, 18, 130, 146}, kList},
        {Kind::PushButton, IDC_ADD, "添加 >>", {218, 60, 44, 15}, WS_TABSTOP},
        {Kind::PushButton, IDC_REMOVE, "<< 移除", {218, 84, 44, 15}, WS_TABSTOP},
        {Kind::Static, IDC_STATIC, "自定义菜单：", {268, 6, 126, 10}},
        {Kind::ListBox, IDC_USER_MENU, "", {268, 18, 126, 146}, kList},
    }, WS_CHILD};
    return t;
}

BOOL CCustomizeCommandsPage::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kPageBackground);
    auto* categories = Item<ui::ListBox>(IDC_CATEGORIES);
    for (const MenuSpec& category : m_categories) categories->AddString(category.title);
    ShowCategory(0);
    FillUserMenu();
    return TRUE;
}

void CCustomizeCommandsPage::ShowCategory(int category) {
    auto* commands = Item<ui::ListBox>(IDC_COMMANDS);
    commands->ResetContent();
    if (category < 0 || category >= int(m_categories.size())) return;
    Item<ui::ListBox>(IDC_CATEGORIES)->SetCurSel(category);
    for (const MenuItemSpec& item : m_categories[category].items) {
        const int row = commands->AddString(item.text);
        commands->SetItemData(row, DWORD_PTR(item.command));
    }
}

void CCustomizeCommandsPage::FillUserMenu() {
    auto* menu = Item<ui::ListBox>(IDC_USER_MENU);
    menu->ResetContent();
    for (int command : UserMenuForRole(m_sheet.Settings(), m_nRole)) {
        const int row = menu->AddString(CommandText(m_nRole, command));
        menu->SetItemData(row, DWORD_PTR(command));
    }
}

void CCustomizeCommandsPage::OnAdd() {
    auto* commands = Item<ui::ListBox>(IDC_COMMANDS);
    const int row = commands->GetCurSel();
    if (row < 0) return;
    const int command = int(commands->GetItemData(row));
    CustomizeSettings settings = m_sheet.Settings();
    if (std::find(settings.userMenu.begin(), settings.userMenu.end(), command) != settings.userMenu.end()) return;
    settings.userMenu.push_back(command);
    m_sheet.Change(settings);
    FillUserMenu();
}

void CCustomizeCommandsPage::OnRemove() {
    auto* menu = Item<ui::ListBox>(IDC_USER_MENU);
    const int row = menu->GetCurSel();
    if (row < 0) return;
    const int command = int(menu->GetItemData(row));
    CustomizeSettings settings = m_sheet.Settings();
    settings.userMenu.erase(std::remove(settings.userMenu.begin(), settings.userMenu.end(), command),
                            settings.userMenu.end());
    m_sheet.Change(settings);
    FillUserMenu();
}

// ---------------------------------------------------------------------------
// Page 选项

CCustomizeOptionsPage::CCustomizeOptionsPage(CCustomizeSheet& sheet) : ui::Dialog(Template(), nullptr), m_sheet(sheet) {
    for (int id : {IDC_SHADOWS, IDC_TEXT_LABELS, IDC_ANIMATIONS}) MapClicked(id, [this] { OnOptionClicked(); });
}

const ui::DialogTemplate& CCustomizeOptionsPage::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 400, 170}, {
        {Kind::GroupBox, IDC_STATIC, "菜单", {6, 6, 288, 58}},
        {Kind::CheckBox, IDC_SHADOWS, "菜单阴影", {16, 20, 120, 12}, WS_TABSTOP},
        {Kind::CheckBox, IDC_ANIMATIONS, "菜单动画", {16, 40, 120, 12}, WS_TABSTOP},
        {Kind::GroupBox, IDC_STATIC, "导航栏", {6, 72, 288, 38}},
        {Kind::CheckBox, IDC_TEXT_LABELS, "显示文本标签", {16, 88, 120, 12}, WS_TABSTOP},
    }, WS_CHILD};
    return t;
}

BOOL CCustomizeOptionsPage::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kPageBackground);
    const CustomizeSettings& settings = m_sheet.Settings();
    m_bShadows = settings.menuShadows;
    m_bTextLabels = settings.textLabels;
    m_bAnimations = settings.menuAnimations;
    UpdateData(FALSE);
    return TRUE;
}

void CCustomizeOptionsPage::DoDataExchange(ui::DataExchange& dx) {
    dx.Check(IDC_SHADOWS, m_bShadows);
    dx.Check(IDC_TEXT_LABELS, m_bTextLabels);
    dx.Check(IDC_ANIMATIONS, m_bAnimations);
}

void CCustomizeOptionsPage::OnOptionClicked() {
    UpdateData(TRUE);
    CustomizeSettings settings = m_sheet.Settings();
    settings.menuShadows = m_bShadows != FALSE;
    settings.textLabels = m_bTextLabels != FALSE;
    settings.menuAnimations = m_bAnimations != FALSE;
    m_sheet.Change(settings);
}
