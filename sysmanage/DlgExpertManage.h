// The expert list (专家信息管理): the experts of CORVANE_EXPERTINFO filtered by
// fund category and name, the expert editor, delete, .eif exchange and the
// Excel list by category.
#pragma once

#include "sysmanage/MasterListDialog.h"

class CDlgExpertManage : public CMasterListDialog {
public:
    static constexpr int IDD = 10001;
    static constexpr int IDC_CATEGORY = 10013, IDC_NAME = 10014, IDC_QUERY = 10004, IDC_ADD = 10008,
                         IDC_DELETE = 10053, IDC_IMPORT = 10010, IDC_EXPORT = 10011, IDC_EXCEL = 10054;

    explicit CDlgExpertManage(ui::Wnd* parent = nullptr);
    static const MasterListSpec& ListSpec();
    static const ui::DialogTemplate& Template();

protected:
    int RunEditor(const std::string& key) override;
};
