#include "review/ApprovalReorder.h"

#include "platform/ui/Services.h"
#include "review/ApprovalRenumbering.h"
#include "review/DlgProTree.h"
#include "review/DlgYearBar.h"
#include "review/WorkflowView.h"

namespace approval {

projectnumber::Renames ReorderProjects(CWorkflowView& view, bool keyProjects) {
    projectnumber::Renames renames;
    if (ui::MessageBox("对项目编号进行重新排序吗？", "提示", MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return renames;
    CDlgYearBar& bar = view.YearBar();
    const std::string kind = CDlgProTree::ProjectKind(bar.GetCategory() == 0, keyProjects);
    std::vector<std::string> caseVariants;
    const std::string refused = projectnumber::RefusedRenumberingMessage(
        RenumberProjects(view.Connection(), bar.GetYear(), kind, &renames, &caseVariants), caseVariants);
    bar.OnYearChanged();
    if (!refused.empty()) ui::MessageBox(refused, "提示", MB_OK | MB_ICONEXCLAMATION);
    else ui::MessageBox(projectnumber::RenumberingDoneMessage(renames), "提示", MB_OK | MB_ICONINFORMATION);
    return renames;
}

}  // namespace approval
