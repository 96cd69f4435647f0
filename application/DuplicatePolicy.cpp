#include "application/DuplicatePolicy.h"

#include "platform/ui/Services.h"

bool ShouldOverwriteExisting(DuplicatePolicy policy, const std::string& projectCode) {
    switch (policy) {
    case duplicate_policy::KeepExisting: return false;
    case duplicate_policy::AskEach:
        return ui::MessageBox("项目编号" + projectCode + "已存在，是否覆盖原有记录？", "提示",
                              MB_YESNO | MB_ICONQUESTION) == IDYES;
    default: return true;
    }
}
