// 请稍候...: the progress dialog of the guide-issuing output. The message
// WM_USER+1777 sets the bar to its second parameter (a percentage).
#pragma once

#include "platform/ui/Dialog.h"

class CDlgWait : public ui::Dialog {
public:
    static constexpr int IDD = 7012;
    static constexpr int IDC_PROGRESS = 7035;
    static constexpr int IDC_DONE = 7036;
    static constexpr UINT WM_SETPROGRESS = WM_USER + 1777;

    explicit CDlgWait(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    // After `done` of `total` documents: the bar at 100 × done ÷ total (by
    // the message) and the label "已输出：done/total".
    void ShowProgress(int done, int total);

protected:
    BOOL OnInitDialog() override;
};
