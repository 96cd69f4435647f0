// The road's master data, added as the administrator does: 添加 in the list
// dialog of system management, the editor's boxes typed, OK.
#pragma once

#include <string>

#include "platform/ui/TestDriver.h"

namespace roadscreens {

void AddUnit(ui::TestDriver& driver, const std::string& code, const std::string& name);
void AddSpecialtyGroup(ui::TestDriver& driver, const std::string& fund, const std::string& name,
                       const std::string& hostUnit);
void AddLaboratory(ui::TestDriver& driver, const std::string& code, const std::string& name,
                   const std::string& hostUnit);
// An expert of the first specialty group's fund category.
void AddExpert(ui::TestDriver& driver, const std::string& id, const std::string& name);

}  // namespace roadscreens
