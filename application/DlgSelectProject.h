// 新增: the picker with which a follow-up editor starts a new record: an
// existing application chosen from the list, or a typed project number,
// and the project name.
#pragma once

#include <string>

#include "foundation/AdoConnection.h"
#include "platform/ui/Dialog.h"

namespace ui {
class ListCtrl;
}

class CDlgSelectProject : public ui::Dialog {
public:
    static constexpr int IDD = 5522;
    static constexpr int IDC_LIST = 5555;
    static constexpr int IDC_XMBH = 5536;  // 或输入项目编号：
    static constexpr int IDC_XMMC = 5522;  // 项目名称：

    explicit CDlgSelectProject(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // Set by the caller before the dialog opens; not owned.
    CAdoConnection* m_pConnection = nullptr;
    // The list's query; the set-up puts its own in place.
    std::string m_strSQL;

    // After OK: the project number and name.
    std::string m_strXMBH;
    std::string m_strXMMC;

    ui::ListCtrl& List() const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;

private:
    void FillList();
    void OnClickList(int item);
};
