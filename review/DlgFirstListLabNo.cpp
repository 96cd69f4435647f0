#include "review/DlgFirstListLabNo.h"

void CDlgFirstListLabNo::FillTree() {
    AddProjects("select XMBH from corvane_itemappinfo where (XMLB = '重点实验室基金——一般项目' or XMLB = "
                "'重点实验室基金——重点项目') and NF = '" + QuotedYear() + "' order by XMBH",
                ui::TVI_ROOT);
}
