#include "tests/road/MasterDataScreens.h"

#include <utility>
#include <vector>

#include "sysmanage/DlgExpertInfo.h"
#include "sysmanage/DlgExpertManage.h"
#include "sysmanage/DlgLabInfo.h"
#include "sysmanage/DlgLabManage.h"
#include "sysmanage/DlgSpecGroupInfo.h"
#include "sysmanage/DlgSpecGroupManage.h"
#include "sysmanage/DlgUnitInfo.h"
#include "sysmanage/DlgUnitManage.h"

namespace roadscreens {
namespace {

using Boxes = std::vector<std::pair<int, std::string>>;

int AddButtonOf(CDlgUnitManage&) { return CDlgUnitManage::IDC_ADD; }
int AddButtonOf(CMasterListDialog& list) { return list.Spec().idAdd; }

// Opens the list, presses its add button, types the boxes into the editor
// and confirms; the editor says `saved`, and the list is left.
template <class ListDialog, class Editor>
void AddThroughList(ui::TestDriver& driver, const Boxes& boxes, const std::string& saved) {
    driver.OnModal<ListDialog>([](ListDialog& list) {
        list.Click(AddButtonOf(list));
        if (list.IsRunningModal()) list.Click(IDCANCEL);
    });
    driver.OnModal<Editor>([boxes](Editor& editor) {
        for (const auto& [id, value] : boxes) editor.SetDlgItemText(id, value);
        editor.Click(IDOK);
    });
    driver.ExpectMessageBox("提示", saved);
    ListDialog().DoModal();
}

}  // namespace

void AddUnit(ui::TestDriver& driver, const std::string& code, const std::string& name) {
    using U = CDlgUnitInfo;
    AddThroughList<CDlgUnitManage, U>(driver, {{U::IDC_CODE, code}, {U::IDC_NAME, name}}, "单位信息保存成功！");
}

void AddSpecialtyGroup(ui::TestDriver& driver, const std::string& fund, const std::string& name,
                       const std::string& hostUnit) {
    using G = CDlgSpecGroupInfo;
    AddThroughList<CDlgSpecGroupManage, G>(driver,
                                           {{G::IDC_JJBH, fund}, {G::IDC_ZYZMC, name}, {G::IDC_YTDW, hostUnit},
                                            {G::IDC_LXR, "孙'七"}, {G::IDC_DH, "010-1"}, {G::IDC_SJ, "13800000000"}},
                                           "专业组信息保存成功！");
}

void AddLaboratory(ui::TestDriver& driver, const std::string& code, const std::string& name,
                   const std::string& hostUnit) {
    using L = CDlgLabInfo;
    AddThroughList<CDlgLabManage, L>(driver,
                                     {{L::IDC_SYSDM, code}, {L::IDC_SYSQC, name}, {L::IDC_YTDW, hostUnit},
                                      {L::IDC_LXR, "周八"}, {L::IDC_DH, "010-2"}},
                                     "实验室信息保存成功！");
}

void AddExpert(ui::TestDriver& driver, const std::string& id, const std::string& name) {
    using E = CDlgExpertInfo;
    AddThroughList<CDlgExpertManage, E>(driver, {{E::IDC_ID, id}, {E::IDC_XM, name}}, "专家信息保存成功！");
}

}  // namespace roadscreens
