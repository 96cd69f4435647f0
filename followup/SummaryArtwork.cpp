#include "followup/SummaryArtwork.h"

#include "foundation/ButtonST.h"
#include "platform/ui/IconTile.h"
#include "platform/ui/Resources.h"

namespace followup {

namespace {

using Mark = ui::TileMark;
constexpr auto Tile = ui::IconTile;

// Registered on first use, once the application exists.
void EnsureArtwork() {
    static const bool registered = [] {
        ui::RegisterIcon(kIconNew, Tile(QColor(46, 125, 50), Mark::Plus));
        ui::RegisterIcon(kIconSave, Tile(QColor(21, 101, 192), Mark::Disk));
        ui::RegisterIcon(kIconDelete, Tile(QColor(198, 40, 40), Mark::Cross));
        ui::RegisterIcon(kIconQuery, Tile(QColor(94, 53, 177), Mark::Lens));
        ui::RegisterIcon(kIconExport, Tile(QColor(0, 131, 143), Mark::ArrowOut));
        ui::RegisterIcon(kIconImport, Tile(QColor(230, 120, 20), Mark::ArrowIn));
        ui::RegisterCursor(kHandCursor, Qt::PointingHandCursor);
        return true;
    }();
    (void)registered;
}

}  // namespace

void StyleIconButton(CButtonST& button, int icon, const char* tooltip) {
    EnsureArtwork();
    button.SetIcon(icon, icon);
    button.SetHandCursor(kHandCursor);
    for (int index : {CButtonST::BTNST_COLOR_BK_IN, CButtonST::BTNST_COLOR_BK_OUT, CButtonST::BTNST_COLOR_BK_FOCUS})
        button.SetColor(index, RGB(242, 246, 255));
    button.SetTooltipText(tooltip);
}

}  // namespace followup
