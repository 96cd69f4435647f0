#include "followup/SummaryArtwork.h"

#include "foundation/ButtonST.h"

namespace followup {

void StyleIconButton(CButtonST& button, int icon, const char* tooltip) {
    button.SetIcon(icon, icon);
    button.SetHandCursor(kHandCursor);
    for (int index : {CButtonST::BTNST_COLOR_BK_IN, CButtonST::BTNST_COLOR_BK_OUT, CButtonST::BTNST_COLOR_BK_FOCUS})
        button.SetColor(index, RGB(242, 246, 255));
    button.SetTooltipText(tooltip);
}

}  // namespace followup
