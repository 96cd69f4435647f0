// 成果转化1(单位): the first data page of the unit record, groups
// 承担项目情况 and 成果推广应用 (unit code and name, the figures and three combos).
#pragma once

#include "achievement/UnitChangePage.h"

class CDlgUCGHZPage1 : public UnitChangePage {
public:
    static constexpr int IDD = 129;

    CDlgUCGHZPage1();
    static const ui::DialogTemplate& Template();

    // Sets 单位代码 and 单位名称 and shows every text of the page.
    void SetCodeAndName(std::string code, std::string name);
};
