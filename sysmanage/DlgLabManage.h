// The laboratory list (实验室信息管理): the key laboratories of CORVANE_LAB
// filtered by external name and host unit, the laboratory editor, delete,
// .lif exchange and the Excel list.
#pragma once

#include "sysmanage/MasterListDialog.h"

class CDlgLabManage : public CMasterListDialog {
public:
    static constexpr int IDD = 10012;
    static constexpr int IDC_SYSDWMC = 10017, IDC_YTDW = 10018, IDC_QUERY = 10053, IDC_ADD = 10057,
                         IDC_DELETE = 10056, IDC_IMPORT = 10055, IDC_EXPORT = 10054, IDC_EXCEL = 10062;

    explicit CDlgLabManage(ui::Wnd* parent = nullptr);
    static const MasterListSpec& ListSpec();
    static const ui::DialogTemplate& Template();

protected:
    int RunEditor(const std::string& key) override;
};
