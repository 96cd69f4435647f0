#include "sysmanage/DlgExpertManage.h"

#include "sysmanage/DlgExpertInfo.h"
#include "sysmanage/MasterDataStore.h"

const MasterListSpec& CDlgExpertManage::ListSpec() {
    static const MasterListSpec layout{
        IDD, "专家信息管理", "所属基金类别：", IDC_CATEGORY, "姓名：", IDC_NAME,
        IDC_QUERY, IDC_ADD, IDC_DELETE, IDC_IMPORT, IDC_EXPORT, IDC_EXCEL,
        {{"所属基金类别", 110}, {"ID", 80}, {"姓名", 80}, {"性别", 80}, {"年龄", 60}, {"职称", 100},
         {"专业特长", 180}, {"工作单位", 250}, {"通信地址", 250}, {"邮政编码", 100}, {"电话", 120}, {"手机", 120}},
        "corvane_expertinfo", "id", 1, "ID", "专家ID：", "专家信息文件", kExpertExport, masterstore::OpenExpertList, false,
        {0, "所属基金类别：", true,
         {"专家编号", "姓名", "性别", "年龄", "职称", "专业特长", "工作单位", "通信地址", "邮政编码", "电话", "手机"}, 1},
    };
    return layout;
}

const ui::DialogTemplate& CDlgExpertManage::Template() {
    static const ui::DialogTemplate tpl = MakeTemplate(ListSpec());
    return tpl;
}

CDlgExpertManage::CDlgExpertManage(ui::Wnd* parent) : CMasterListDialog(ListSpec(), Template(), parent) {}

int CDlgExpertManage::RunEditor(const std::string& key) { return RunEditorOf<CDlgExpertInfo>(key); }
