#include "review/DlgFirstListCommon.h"

void CDlgFirstListCommon::FillTree() { FillByCategory("共性技术基金——一般项目", "共性技术基金——重点项目"); }
