// 请稍后...: the small modeless window that a long document output shows
// while it writes one file per unit: a progress bar and the count of the
// files written. The output creates it with itself as parent
// (Create(outputDialog), then ShowWindow), and reports each finished unit.
#pragma once

#include "platform/ui/Dialog.h"

// The percentage shown by the bar (lParam); wParam is not used.
constexpr UINT WM_WAIT_SETPROGRESS = WM_USER + 1777;

// The guide library, loaded into the same program, has a progress dialog of
// the same class name; the inline namespace keeps the two apart in the
// symbol tables while callers write CDlgWait.
inline namespace review_library {

class CDlgWait : public ui::Dialog {
public:
    static constexpr int IDD = 6046;
    static constexpr int IDC_PROGRESS = 6090;
    static constexpr int IDC_DONE = 6091;

    CDlgWait();
    static const ui::DialogTemplate& Template();

    // Sets the bar to lParam; the bar's previous position.
    LRESULT OnSetProgress(WPARAM wParam, LPARAM lParam);
    // After `done` of `total` units: the bar at done × 100 / total (through
    // the message) and the text "已输出：done/total". Nothing for no units.
    void ShowProgress(int done, int total);

protected:
    BOOL OnInitDialog() override;
};

}  // namespace review_library
