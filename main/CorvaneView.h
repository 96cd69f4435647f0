// The start view: it shows the start picture until the first module is
// opened; its context menu offers cut, copy and paste.
#pragma once

#include "platform/ui/Wnd.h"

class CCorvaneView : public ui::Wnd {
    DECLARE_DYNAMIC(CCorvaneView)
public:
    // Creates the view in the frame's view slot.
    BOOL Create(ui::Wnd* parent, int id);

protected:
    void OnPaint(ui::DC& dc) override;
};
