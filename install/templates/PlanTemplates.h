// The templates of the approval and plan outputs: the plan tables and plan
// lists (Excel, by paper size), the approval opinions (Word, by paper size)
// and the plan drafts (Word, by paper size).
#pragma once

#include <string>

namespace templates {

// Sheet "打印报表": the title cell B1 over B..K, the column headings in row 3
// with I3 and J3 left for the two years' fund headings.
bool PlanListA3(const std::string& path, std::string& error);
bool PlanListA4(const std::string& path, std::string& error);
bool PlanListB4(const std::string& path, std::string& error);

// An empty page typed from its start, with an empty footer per section.
bool ApprovalOpinionA4(const std::string& path, std::string& error);
bool ApprovalOpinionB5(const std::string& path, std::string& error);

// An empty title paragraph, then the plan table: a group row of two cells,
// the column headings with the 10th and 11th cells left for the two years'
// fund headings, and one row of ten cells that takes the subtotal and above
// which the project rows are inserted.
bool PlanDraftA3(const std::string& path, std::string& error);
bool PlanDraftA4(const std::string& path, std::string& error);
bool PlanDraftB4(const std::string& path, std::string& error);

}  // namespace templates
