#include "sysmanage/DlgSpecGroupManage.h"

#include "sysmanage/DlgSpecGroupInfo.h"
#include "sysmanage/MasterDataStore.h"

const MasterListSpec& CDlgSpecGroupManage::ListSpec() {
    static const MasterListSpec layout{
        IDD, "专业组信息管理", "基金编号：", IDC_JJBH, "挂靠单位：", IDC_YTDW,
        IDC_QUERY, IDC_ADD, IDC_DELETE, IDC_IMPORT, IDC_EXPORT, IDC_EXCEL,
        {{"基金编号", 150}, {"专业组名称", 300}, {"挂靠单位", 300}, {"联系人", 110}, {"电话", 150}, {"手机", 150}},
        "corvane_specgroup", "jjbh", 0, "JJBH", "基金编号：", "专业组信息文件", kSpecGroupExport, masterstore::OpenSpecGroupList, true,
        {1, "专业组信息管理", false, {"基金编号", "专业组名称", "挂靠单位", "联系人", "电话", "手机"}, 0,
         {12, 34, 34, 10, 14, 14}},
    };
    return layout;
}

const ui::DialogTemplate& CDlgSpecGroupManage::Template() {
    static const ui::DialogTemplate tpl = MakeTemplate(ListSpec());
    return tpl;
}

CDlgSpecGroupManage::CDlgSpecGroupManage(ui::Wnd* parent) : CMasterListDialog(ListSpec(), Template(), parent) {}

int CDlgSpecGroupManage::RunEditor(const std::string& key) { return RunEditorOf<CDlgSpecGroupInfo>(key); }
