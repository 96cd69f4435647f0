#include "review/DlgFirstListLabNo.h"

void CDlgFirstListLabNo::FillTree() {
    AddProjects({"重点实验室基金——一般项目", "重点实验室基金——重点项目"}, ui::TVI_ROOT);
}
