#include "review/DlgWait.h"

#include "platform/text/Text.h"
#include "platform/ui/Controls.h"

inline namespace review_library {

CDlgWait::CDlgWait() : ui::Dialog(Template(), nullptr) {
    MapMessage(WM_WAIT_SETPROGRESS, [this](WPARAM wParam, LPARAM lParam) { return OnSetProgress(wParam, lParam); });
}

const ui::DialogTemplate& CDlgWait::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "请稍后...", {0, 0, 243, 63}, {
        {Kind::Progress, IDC_PROGRESS, "", {14, 14, 215, 14}},
        {Kind::Static, IDC_DONE, "已输出：", {14, 38, 215, 10}},
    }};
    return tpl;
}

BOOL CDlgWait::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    return TRUE;
}

LRESULT CDlgWait::OnSetProgress(WPARAM, LPARAM lParam) {
    auto* bar = Item<ui::ProgressCtrl>(IDC_PROGRESS);
    return bar ? LRESULT(bar->SetPos(int(lParam))) : 0;
}

void CDlgWait::ShowProgress(int done, int total) {
    if (total <= 0) return;
    SendMessage(WM_WAIT_SETPROGRESS, 0, LPARAM(done * 100 / total));
    SetDlgItemText(IDC_DONE, text::Format("已输出：%d/%d", done, total));
}

}  // namespace review_library
