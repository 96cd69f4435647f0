// 选择专业组/实验室: the specialty group or key laboratory a new five-year
// guide is written for.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Dialog.h"

class CDlgSelectGroupLab : public ui::Dialog {
public:
    static constexpr int IDD = 6038;
    static constexpr int IDC_LIST = 6039;
    static constexpr const char* kGroup = "专业组";
    static constexpr const char* kLab = "实验室";

    explicit CDlgSelectGroupLab(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // Given before the dialog opens, in step: names, codes and kinds
    // (kGroup or kLab), groups first.
    std::vector<std::string> m_arrNames, m_arrCodes, m_arrKinds;
    // The choice of OK: the code and the kind.
    std::string m_strCode, m_strKind;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
