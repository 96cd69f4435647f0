// The columns of CORVANE_UNIT that the unit screens show, copy and print, in
// their fixed positions 0 to 14, with their labels.
#pragma once

#include <array>

struct UnitColumn {
    const char* name;
    const char* label;
};

constexpr std::array<UnitColumn, 15> kUnitColumns{{
    {"DWDM", "单位代码"},   {"DWMC", "单位名称"},         {"SSBM", "所属部门"}, {"DWJC", "机要地址名称"},
    {"KYGLBM", "科研管理部门名称"}, {"YZBM", "邮政编码"}, {"TXDZ", "通信地址"}, {"SZS", "省"},
    {"DWSZCS", "市"},      {"LXR", "联系人"},            {"DH", "电话"},       {"SJ", "手机"},
    {"KHYH", "开户银行"},   {"KHDW", "开户单位"},         {"ZH", "账号"},
}};

constexpr int kUnitCode = 0;
constexpr int kUnitName = 1;
constexpr int kUnitDepartment = 2;
