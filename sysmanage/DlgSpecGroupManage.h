// The specialty-group list (专业组信息管理): the groups of CORVANE_SPECGROUP
// filtered by fund number (exactly) and host unit, the group editor, delete,
// .sif exchange and the Excel list.
#pragma once

#include "sysmanage/MasterListDialog.h"

class CDlgSpecGroupManage : public CMasterListDialog {
public:
    static constexpr int IDD = 10003;
    static constexpr int IDC_JJBH = 10015, IDC_YTDW = 10002, IDC_QUERY = 10004, IDC_ADD = 10008,
                         IDC_DELETE = 10053, IDC_IMPORT = 10010, IDC_EXPORT = 10011, IDC_EXCEL = 10054;

    explicit CDlgSpecGroupManage(ui::Wnd* parent = nullptr);
    static const MasterListSpec& ListSpec();
    static const ui::DialogTemplate& Template();

protected:
    int RunEditor(const std::string& key) override;
};
