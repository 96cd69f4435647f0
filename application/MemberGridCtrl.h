// The grid of the project's members on the members page: seven centred
// columns (姓名, 性别, 年龄, 职称, 工作单位, 参加月数, 工作分工). Ages and
// months typed by the user must be whole numbers.
#pragma once

#include "platform/ui/GridCtrl.h"

class CMemberGridCtrl : public ui::GridCtrl {
public:
    enum Column { kName, kSex, kAge, kTitle, kWorkUnit, kMonths, kDuty, kColumnCount };

protected:
    int OnCreate() override;
    void OnItemChanged(ui::GridItem* item, int row, int column) override;
};
