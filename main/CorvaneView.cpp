#include "main/CorvaneView.h"

#include <QAction>
#include <QWidget>

#include "main/Artwork.h"
#include "main/Commands.h"
#include "platform/ui/DC.h"
#include "platform/ui/Resources.h"

IMPLEMENT_DYNAMIC(CCorvaneView, ui::Wnd)

BOOL CCorvaneView::Create(ui::Wnd* parent, int id) {
    if (!parent || !parent->GetWidget()) return FALSE;
    artwork::RegisterMainArtwork();
    auto* widget = new ui::detail::Bridged<QWidget>(parent->GetWidget());
    Attach(widget, true);
    SetDlgCtrlID(id);
    SetOwnerDraw(true);

    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
    const std::pair<const char*, int> edits[] = {{"剪切", cmd::kEditCut}, {"复制", cmd::kEditCopy}, {"粘贴", cmd::kEditPaste}};
    for (const auto& [label, command] : edits) {
        auto* action = new QAction(label, widget);
        QObject::connect(action, &QAction::triggered, [this, command] {
            if (ui::Wnd* frame = GetParent() ? GetParent()->GetParent() : nullptr)
                frame->PostMessage(WM_COMMAND, MAKEWPARAM(command, 0));
        });
        widget->addAction(action);
    }
    widget->show();
    return TRUE;
}

void CCorvaneView::OnPaint(ui::DC& dc) {
    dc.FillSolidRect(GetClientRect(), RGB(255, 255, 255));
    dc.DrawBitmap(ui::LoadBitmap(artwork::kStartPicture), 0, 0);
}
