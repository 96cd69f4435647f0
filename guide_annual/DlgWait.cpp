#include "guide_annual/DlgWait.h"

#include "guide_annual/AnnualGuideData.h"
#include "platform/text/Text.h"
#include "platform/ui/Controls.h"

CDlgWait::CDlgWait(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapMessage(WM_SETPROGRESS, [this](WPARAM, LPARAM percent) {
        if (auto* bar = Item<ui::ProgressCtrl>(IDC_PROGRESS)) bar->SetPos(int(percent));
        return LRESULT(0);
    });
}

const ui::DialogTemplate& CDlgWait::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "请稍候...", {0, 0, 220, 62}, {
        {Kind::Static, IDC_DONE, "已输出：", {12, 12, 196, 10}},
        {Kind::Progress, IDC_PROGRESS, "", {12, 28, 196, 12}},
    }};
    return t;
}

BOOL CDlgWait::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuideDialogBackground);
    return TRUE;
}

void CDlgWait::ShowProgress(int done, int total) {
    if (total <= 0) return;
    SendMessage(WM_SETPROGRESS, 0, LPARAM(100 * done / total));
    SetDlgItemText(IDC_DONE, text::Format("已输出：%d/%d", done, total));
}
