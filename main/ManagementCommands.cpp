#include "main/ManagementCommands.h"

#include <array>

#include "main/Commands.h"
#include "platform/sys/Library.h"

namespace {

constexpr std::array<ManagementCommandSpec, 8> kCommands{{
    {cmd::kUnitManage, 0, 1, "Tessaly-系统管理-单位信息管理"},
    {cmd::kUnitManageGuideRole, 0, 1, "Tessaly-系统管理-单位信息管理"},
    {cmd::kSpecGroupManage, 1, 2, "Tessaly-系统管理-专业组信息管理"},
    {cmd::kExpertManage, 2, 3, "Tessaly-系统管理-专家信息管理"},
    {cmd::kScoreIndexManage, 3, 4, "Tessaly-系统管理-评分系数管理"},
    {cmd::kPasswordChange, 4, 5, "Tessaly-系统管理-登录密码修改"},
    {cmd::kSpecGroupEdit, 5, 6, "Tessaly-系统管理-专业组/实验室信息管理"},
    {cmd::kLabManage, 6, 7, "Tessaly-系统管理-实验室信息管理"},
}};

}  // namespace

const ManagementCommandSpec* FindManagementCommand(int command) {
    for (const auto& row : kCommands)
        if (row.command == command) return &row;
    return nullptr;
}

ManagementCall CallManagementDialog(int dialogCode, const std::string& userName) {
    sys::Library library;
    if (!library.Load(kManagementLibraryName)) return ManagementCall::NotLoaded;
    auto showDialog = reinterpret_cast<ShowDialogFunction>(library.Symbol(kShowDialogExport));
    if (!showDialog) return ManagementCall::MissingExport;
    showDialog(dialogCode, userName);
    return ManagementCall::Called;
}
