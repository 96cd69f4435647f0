// 成果转化2(单位): the second data page of the unit record, groups
// 培育研究方向, 培养研究队伍, 协调管理保障 (seven yes/no questions over their
// counts) and 联系人信息, with the note on filling in the form at its foot.
#pragma once

#include "achievement/UnitChangePage.h"

class CDlgUCGHZPage2 : public UnitChangePage {
public:
    static constexpr int IDD = 5612;

    CDlgUCGHZPage2();
    static const ui::DialogTemplate& Template();
};
