#include "sysmanage/ShowDialog.h"

#include <array>

#include "platform/ui/App.h"
#include "platform/ui/Dialog.h"

namespace {

// Titles of the dialogs by code (1-7).
constexpr std::array<const char*, 7> kTitles{
    "单位信息管理", "专业组信息管理", "专家信息管理", "评分指标管理",
    "登录密码修改", "专业组/实验室信息管理", "实验室信息管理",
};

// Until the management screens are built, each code opens an empty dialog
// with its title.
ui::DialogTemplate EmptyDialogTemplate(int code, const std::string& title) {
    return {10000 + code, title, {0, 0, 240, 80}, {
        {ui::Kind::Static, IDC_STATIC, title + "（此功能尚未建成）", {10, 10, 220, 14}},
        {ui::Kind::DefPushButton, IDOK, "确定", {180, 58, 50, 14}},
    }};
}

}  // namespace

extern "C" int ShowDialog(int code, std::string userName) {
    if (code < 1 || code > int(kTitles.size())) return 0;
    ui::EnsureApplication();
    ui::Dialog dialog(EmptyDialogTemplate(code, kTitles[code - 1]), ui::AfxGetMainWnd());
    return dialog.DoModal();
}
