// The About box of the help menu.
#pragma once

#include "platform/ui/Dialog.h"

class CAboutDlg : public ui::Dialog {
public:
    static constexpr int IDD = 100;
    explicit CAboutDlg(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

protected:
    BOOL OnInitDialog() override;
};
