#include "sysmanage/ShowDialog.h"

#include <array>
#include <memory>

#include "platform/ui/App.h"
#include "platform/ui/Dialog.h"
#include "sysmanage/DlgModifyPassword.h"
#include "sysmanage/DlgScoreIndex.h"
#include "sysmanage/DlgUnitManage.h"
#include "sysmanage/ManageCommon.h"

namespace {

// Titles of the dialogs by code (1-7).
constexpr std::array<const char*, 7> kTitles{
    "单位信息管理", "专业组信息管理", "专家信息管理", "评分指标管理",
    "登录密码修改", "专业组/实验室信息管理", "实验室信息管理",
};

// Codes whose screens are not built yet open an empty dialog with their title.
ui::DialogTemplate EmptyDialogTemplate(int code, const std::string& title) {
    return {10000 + code, title, {0, 0, 240, 80}, {
        {ui::Kind::Static, IDC_STATIC, title + "（此功能尚未建成）", {10, 10, 220, 14}},
        {ui::Kind::DefPushButton, IDOK, "确定", {180, 58, 50, 14}},
    }};
}

// The dialog of a code, owned by the main window.
std::unique_ptr<ui::Dialog> MakeDialog(int code) {
    ui::Wnd* owner = ui::AfxGetMainWnd();
    switch (code) {
    case 1: return std::make_unique<CDlgUnitManage>(owner);
    case 4: return std::make_unique<CDlgScoreIndex>(owner);
    case 5: return std::make_unique<CDlgModifyPassword>(owner);
    default: return std::make_unique<ui::Dialog>(EmptyDialogTemplate(code, kTitles[code - 1]), owner);
    }
}

}  // namespace

extern "C" int ShowDialog(int code, std::string userName) {
    SetCurrentUserName(userName);
    if (code < 1 || code > int(kTitles.size())) return 1;
    ui::EnsureApplication();
    MakeDialog(code)->DoModal();
    return 1;
}
