#include "main/CurrentUser.h"

std::string g_strUserName;
int UserRole = -1;
