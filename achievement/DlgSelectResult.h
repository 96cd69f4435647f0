// 新增: the picker with which an achievement-transfer form starts a record:
// a stored record chosen from the list, or a typed number, and a name.
#pragma once

#include <string>

#include "foundation/AdoConnection.h"
#include "platform/ui/Dialog.h"

namespace ui {
class ListCtrl;
}

class CDlgSelectResult : public ui::Dialog {
public:
    static constexpr int IDD = 5530;
    static constexpr int IDC_LIST = 5555;
    static constexpr int IDC_XMBH = 5536;  // 或输入项目编号：
    static constexpr int IDC_XMMC = 5522;  // 项目名称：

    explicit CDlgSelectResult(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // After OK: the number and the name, both non-empty.
    std::string m_strXMBH;
    std::string m_strXMMC;
    // The list's query; the set-up puts its own in place.
    std::string m_strSQL;
    // The caller's open connection, set before the dialog opens; not owned.
    CAdoConnection* m_pConnection = nullptr;

    ui::ListCtrl& List() const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;

private:
    void FillList();
    void OnClickList(int item);
};
