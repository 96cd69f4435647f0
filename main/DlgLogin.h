// The login dialog shown before any other window: user name and password
// are checked against the user table; OK ends it only for a known user.
#pragma once

#include <string>

#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"

class CDlgLogin : public ui::Dialog {
public:
    static constexpr int IDD = 192;
    static constexpr int IDC_USER = 1044;
    static constexpr int IDC_PASSWORD = 1045;
    static constexpr int IDC_SETTINGS = 1046;

    explicit CDlgLogin(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // The role of the user row that matches, or -1 (after telling the user
    // when the database cannot be opened). A match sets the current user name.
    int CheckUser(const std::string& user, const std::string& password);

    std::string m_strUser;
    std::string m_strPassword;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;
    void OnPaint(ui::DC& dc) override;
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;

private:
    void OnSettings();

    CButtonST m_btnOK;
    CButtonST m_btnCancel;
    CButtonST m_btnSettings;
};
