#include "guide_annual/DlgUnitSelect.h"

#include "foundation/AdoConnection.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/AnnualGuideStore.h"
#include "guide_annual/UnitGridCtrl.h"
#include "platform/text/Text.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Services.h"

namespace {
enum { kCodeTimer = 2, kNameTimer = 1 };

struct UnitColumn {
    const char* heading;
    int width;
};
// Position i of a CORVANE_UNIT row shows in column i.
constexpr UnitColumn kUnitColumns[] = {
    {"单位代码", 100}, {"单位名称", 180}, {"所属部门", 100}, {"机要地址名称", 100}, {"科研管理部门名称", 100},
    {"邮政编码", 100}, {"通信地址", 100}, {"省", 100},       {"市", 100},           {"联系人", 100},
    {"电话", 100},     {"手机", 100},     {"开户银行", 100}, {"开户单位", 100},     {"账号", 100},
};
constexpr long kUnitColumnCount = long(std::size(kUnitColumns));

}  // namespace

void CUnitFilterEdit::SetRefresh(UINT_PTR timerId, std::function<void()> refresh) {
    timerId_ = timerId;
    refresh_ = std::move(refresh);
}

void CUnitFilterEdit::OnTimer(UINT_PTR id) {
    if (id != timerId_) return;
    KillTimer(id);
    if (refresh_) refresh_();
}

const ui::DialogTemplate& CDlgUnitSelect::Template() {
    using ui::Kind;
    constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL | WS_BORDER;
    static const ui::DialogTemplate tpl{IDD, "查看单位信息", {0, 0, 387, 237}, {
        {Kind::GroupBox, IDC_STATIC, "筛选条件：", {7, 4, 373, 30}},
        {Kind::Static, IDC_STATIC, "单位代码：", {16, 17, 42, 10}},
        {Kind::Edit, IDC_DWDM, "", {60, 15, 110, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "单位名称：", {190, 17, 42, 10}},
        {Kind::Edit, IDC_DWMC, "", {234, 15, 136, 13}, kEdit},
        {Kind::ListCtrl, IDC_UNITLIST, "", {7, 40, 373, 170}, WS_TABSTOP | WS_BORDER},
        {Kind::DefPushButton, IDOK, "添加为发布单位", {120, 216, 70, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {200, 216, 60, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgUnitSelect::CDlgUnitSelect(ui::Wnd* parent)
    : ui::Dialog(Template(), parent),
      m_pConnection(std::make_unique<CAdoConnection>()) {
    MapCommand(IDC_DWDM, EN_CHANGE, [this] { m_editCode.RestartTimer(); });
    MapCommand(IDC_DWMC, EN_CHANGE, [this] { m_editName.RestartTimer(); });
}

CDlgUnitSelect::~CDlgUnitSelect() = default;

BOOL CDlgUnitSelect::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuideDialogBackground);
    m_editCode.SubclassDlgItem(IDC_DWDM, this);
    m_editName.SubclassDlgItem(IDC_DWMC, this);
    m_editCode.SetRefresh(kCodeTimer, [this] { RefreshFrom(m_editCode); });
    m_editName.SetRefresh(kNameTimer, [this] { RefreshFrom(m_editName); });

    auto* list = Item<ui::ListCtrl>(IDC_UNITLIST);
    list->SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    // Behind a placeholder first column, so that column 0 is centred too.
    list->InsertColumn(0, "dummy", LVCFMT_LEFT, 0);
    for (long i = 0; i < kUnitColumnCount; ++i)
        list->InsertColumn(int(i) + 1, kUnitColumns[i].heading, LVCFMT_CENTER, kUnitColumns[i].width);
    list->DeleteColumn(0);

    if (!ConnectGuideDatabase(*m_pConnection)) {
        ui::AfxMessageBox("连接数据库失败！");
        return TRUE;
    }
    RefreshUnits();
    return TRUE;
}

void CDlgUnitSelect::RefreshFrom(CUnitFilterEdit& edit) {
    // A pause that ends while a refresh is still filling the list waits for it.
    if (m_bRefreshing) {
        edit.RestartTimer();
        return;
    }
    RefreshUnits();
    edit.SetFocus();
}

void CDlgUnitSelect::RefreshUnits() {
    m_bRefreshing = true;
    m_editCode.EnableWindow(FALSE);
    m_editName.EnableWindow(FALSE);
    auto* list = Item<ui::ListCtrl>(IDC_UNITLIST);
    list->DeleteAllItems();
    list->AppendRows(
        guidestore::FindUnits(*m_pConnection, GetDlgItemText(IDC_DWDM), GetDlgItemText(IDC_DWMC), kUnitColumnCount));
    m_editCode.EnableWindow(TRUE);
    m_editName.EnableWindow(TRUE);
    m_bRefreshing = false;
}

void CDlgUnitSelect::OnOK() {
    const auto* list = Item<ui::ListCtrl>(IDC_UNITLIST);
    std::vector<std::string> ticked;
    for (int row = 0; row < list->GetItemCount(); ++row)
        if (list->GetCheck(row)) ticked.push_back(list->GetItemText(row, 0));
    if (ticked.empty()) {
        GuidePrompt("请选择发布单位！");
        return;
    }
    if (m_pUnitGrid)
        for (const std::string& code : ticked) m_pUnitGrid->AddUnit(code);
    ui::Dialog::OnOK();
}
