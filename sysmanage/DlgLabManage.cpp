#include "sysmanage/DlgLabManage.h"

#include "sysmanage/DlgLabInfo.h"
#include "sysmanage/MasterDataStore.h"

const MasterListSpec& CDlgLabManage::ListSpec() {
    static const MasterListSpec layout{
        IDD, "实验室信息管理", "实验室对外名称：", IDC_SYSDWMC, "主依托单位：", IDC_YTDW,
        IDC_QUERY, IDC_ADD, IDC_DELETE, IDC_IMPORT, IDC_EXPORT, IDC_EXCEL,
        {{"实验室代码", 100}, {"实验室全称", 250}, {"实验室对外名称", 200}, {"主依托单位", 250}, {"联系人", 80},
         {"固定电话", 120}, {"手机", 120}, {"通信地址", 250}, {"邮编", 80}, {"省", 80}, {"市", 80},
         {"开户单位", 200}, {"开户行", 200}, {"开户帐号", 150}},
        "corvane_lab", "sysdm", 0, "sysdm", "实验室代码：", "实验室信息文件", kLabExport, masterstore::OpenLabList, false,
        {0, "实验室信息管理", false,
         {"实验室代码", "实验室全称", "实验室对外名称", "主依托单位", "联系人", "固定电话", "手机", "通信地址", "邮编",
          "省", "市", "开户单位", "开户行", "开户账号"}, 0,
         {11, 30, 24, 30, 8, 14, 13, 30, 8, 6, 6, 26, 26, 24}},
    };
    return layout;
}

const ui::DialogTemplate& CDlgLabManage::Template() {
    static const ui::DialogTemplate tpl = MakeTemplate(ListSpec());
    return tpl;
}

CDlgLabManage::CDlgLabManage(ui::Wnd* parent) : CMasterListDialog(ListSpec(), Template(), parent) {}

int CDlgLabManage::RunEditor(const std::string& key) { return RunEditorOf<CDlgLabInfo>(key); }
