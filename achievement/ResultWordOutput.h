// The Word information table of one project's achievement-transfer record:
// the walk that fills the table of the template 由课题组填报的信息表.doc cell
// by cell. The record cells come from the stored rows; the three rich-text
// cells and the bounds of the staff and regulation sections come from the
// information page as it stands.
#pragma once

#include <array>
#include <string>

#include "achievement/ResultChangeRecord.h"
#include "platform/office/Word.h"

class CAdoConnection;

namespace resultchange {

struct ScreenValues {
    // Plain texts of the rich edits 项目研究前技术指标, 项目验收时技术指标, 军事应用前景.
    std::array<std::string, 3> richText;
    // Row counts of the five grids (ResultChangeRecord order).
    std::array<int, kChildCount> gridRows{};
};

// Types the record into the table; the selection stands in the table's
// second cell (after GoToNext to the table and one move right).
void TypeInformationTable(const office::word::Selection& selection, CAdoConnection& connection,
                          const std::string& number, const std::string& name, const ScreenValues& screen);

}  // namespace resultchange
