// The 重排序 command of the approval panel (general projects) and the plan
// panel (key projects): the question before the renumbering, the store's
// renumbering in its one transaction (ApprovalRenumbering.h), the message
// after it, and the refilled tree.
#pragma once

#include "numbering/ProjectRows.h"

class CWorkflowView;

namespace approval {

// Asks first, renumbers the kind of the view's year and fund kind, tells when
// nothing could be changed, and refills the tree. The numbers moved, for the
// panel to follow its project.
projectnumber::Renames ReorderProjects(CWorkflowView& view, bool keyProjects);

}  // namespace approval
