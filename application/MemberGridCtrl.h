// The grid of the project's members on the members page: seven centred
// columns (姓名, 性别, 年龄, 职称, 工作单位, 参加月数, 工作分工). Ages and
// months, typed by the user or read from a file, must be whole numbers.
#pragma once

#include "platform/ui/GridCtrl.h"

class CMemberGridCtrl : public ui::GridCtrl {
public:
    enum Column { kName, kSex, kAge, kTitle, kWorkUnit, kMonths, kDuty, kColumnCount };

    // Whether a column's value can stand in the grid: an age or a number of
    // months is a whole number not negative, written the plain way ("12a",
    // "012" and "-5" are not); other columns take any text.
    static bool IsValidValue(int column, const std::string& value);

protected:
    int OnCreate() override;
    void OnItemChanged(ui::GridItem* item, int row, int column) override;
};
