#include "review/DlgFirstListLab.h"

void CDlgFirstListLab::FillTree() { FillByCategory("重点实验室基金——一般项目", "重点实验室基金——重点项目"); }
