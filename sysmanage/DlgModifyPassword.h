// The password change of the logged-in user (the user name given to
// ShowDialog): the old password must match the stored one exactly, the new
// one must be typed twice alike and may not be empty; it is written in one
// transaction.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

class CDlgModifyPassword : public ui::Dialog {
public:
    static constexpr int IDD = 10009;
    static constexpr int IDC_OLD = 10017;
    static constexpr int IDC_NEW = 10018;
    static constexpr int IDC_CONFIRM = 10019;

    explicit CDlgModifyPassword(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;

private:
    std::string m_strOld, m_strNew, m_strConfirm;
};
