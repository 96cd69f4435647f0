// The database settings dialog reached from the login dialog. It keeps three
// texts in the settings record; nothing connects with them.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

class CDlgDbSetting : public ui::Dialog {
public:
    static constexpr int IDD = 199;
    explicit CDlgDbSetting(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    std::string m_strDataSource;
    std::string m_strUserId;
    std::string m_strPassword;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;
};
