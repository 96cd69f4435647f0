// Renumbering of the projects of one year and fund kind, used by the
// approval panel (general projects) and the plan panel (key projects). Each
// number keeps its first 17 characters (guide code, year digits, unit code)
// and gets a new serial from one count over the whole set: first the projects
// whose review result is "+", then the others, each group in the order of
// the old numbers. The number follows into the member, review and plan rows.
#pragma once

#include <string>

class CAdoConnection;
class CWorkflowView;

namespace approval {

// The review result PSJG of the project's review row; empty without a row.
std::string GetReviewResult(CAdoConnection& connection, const std::string& xmbh);

// The serial of a counter: "001" to "099", then the decimal digits as they are.
std::string SerialText(long counter);

enum class RenumberResult {
    Done,
    Collision,  // a new number belongs to a project outside the set; nothing changed
    Failed,     // a statement failed; nothing changed
};

// Renumbers the applications with NF = year and XMLB = kind in one
// transaction, so a failure or a clash leaves every number as it was.
RenumberResult RenumberProjects(CAdoConnection& connection, const std::string& year, const std::string& kind);

// The 重排序 command of the approval panel (general projects) and the plan
// panel (key projects): asks first, renumbers the kind of the view's year and
// fund kind, tells when nothing could be changed, and refills the tree.
void ReorderProjects(CWorkflowView& view, bool keyProjects);

}  // namespace approval
