// The three roles a user row gives, what each role's main window carries
// (document template, menu) and which commands a role may use.
#pragma once

enum UserRoleKind {
    kRoleGuideManagement = 0,
    kRoleApplicantUnit = 1,
    kRoleFundOffice = 2,
};

bool IsKnownRole(int role);

// Resource id of the document template (menu, title) of a role: 128, 203 or
// 204; 0 for a role outside 0-2.
int DocumentTemplateForRole(int role);

// False when the command's update rule disables it for the role; commands
// without a rule stay enabled.
bool IsCommandEnabledForRole(int command, int role);
