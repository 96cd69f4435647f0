#include "main/Roles.h"

#include "main/Commands.h"

bool IsKnownRole(int role) { return role >= kRoleGuideManagement && role <= kRoleFundOffice; }

int DocumentTemplateForRole(int role) {
    switch (role) {
    case kRoleFundOffice: return 128;
    case kRoleGuideManagement: return 203;
    case kRoleApplicantUnit: return 204;
    default: return 0;
    }
}

bool IsCommandEnabledForRole(int command, int role) {
    switch (command) {
    case cmd::kSpecGroupManage:
    case cmd::kLabManage:
        return role != kRoleApplicantUnit;
    case cmd::kUnitManage:
        return role != kRoleGuideManagement;
    case cmd::kExpertManage:
    case cmd::kScoreIndexManage:
    case cmd::kGuideImport:
    case cmd::kGuideExport:
    case cmd::kProjectImport:
    case cmd::kProjectExport:
        return role == kRoleFundOffice;
    default:
        return true;
    }
}
