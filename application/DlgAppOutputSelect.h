// 选择输出: which parts of the open application the Word document carries.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Dialog.h"

class CDlgAppOutputSelect : public ui::Dialog {
public:
    static constexpr int IDD = 5502;
    static constexpr int IDC_SELECT_ALL = 5535;  // 全选

    explicit CDlgAppOutputSelect(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // The check box of part n ("1" 申请书基本信息 to "7" 推荐意见).
    static int PartBoxId(int part);

    // After OK: the numbers "1" to "7" of the ticked parts, in that order.
    std::vector<std::string> m_arrOutput;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void OnPartBoxClicked(int id);
};
