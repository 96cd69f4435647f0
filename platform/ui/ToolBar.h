// The tool bar: a row of buttons with command ids and 16x16 images (a tool
// bar resource: the ids in order, 0 for a separator, and one picture strip),
// placed in a dialog or view. A pressed button sends its command to the
// owner (the parent unless SetOwner names another window) as WM_COMMAND.
// The owner's update-UI handlers enable and check the buttons: at idle time
// while the bar is shown, and whenever OnUpdateCmdUI is called.
#pragma once

#include <QImage>
#include <vector>

#include "platform/ui/Wnd.h"

namespace ui {

constexpr DWORD CBRS_TOOLTIPS = 0x0010, CBRS_FLYBY = 0x0020, CBRS_BORDER_BOTTOM = 0x0800,
                CBRS_ALIGN_TOP = 0x2000, TBSTYLE_FLAT = 0x0800;
constexpr int AFX_IDW_TOOLBAR = 0xE800;
constexpr int ID_SEPARATOR = 0;

// A tool bar resource: button ids (ID_SEPARATOR between groups) and a strip
// of `buttonSize` square pictures, one per button, left to right.
struct ToolBarResource {
    std::vector<int> buttons;
    QImage strip;
    int buttonSize = 16;
};
void RegisterToolBar(int id, const ToolBarResource& resource);
// The resource, or null when the id is unknown.
const ToolBarResource* FindToolBar(int id);

class ToolBar : public Wnd {
    DECLARE_DYNAMIC(ToolBar)
public:
    ToolBar();
    ~ToolBar() override;

    BOOL Create(Wnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, int id = AFX_IDW_TOOLBAR);
    BOOL CreateEx(Wnd* parent, DWORD ctrlStyle = TBSTYLE_FLAT,
                  DWORD style = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, Rect borders = {},
                  int id = AFX_IDW_TOOLBAR) {
        return Create(parent, style, id);
    }
    // Puts the buttons of a registered resource on the bar; FALSE when unknown.
    BOOL LoadToolBar(int resourceId);
    BOOL LoadToolBar(const ToolBarResource& resource);

    // The window that gets the commands and answers the update-UI handlers.
    void SetOwner(Wnd* owner) { owner_ = owner; }
    Wnd* GetOwner() const;

    int GetCount() const { return int(ids_.size()); }  // separators included
    int GetItemID(int index) const;
    int CommandToIndex(int id) const;  // -1 when absent
    // A button's rectangle in the bar's client coordinates.
    Rect GetItemRect(int index) const;
    bool IsButtonChecked(int id) const;
    bool IsButtonEnabled(int id) const;

    // Asks `target` (the owner when null) for every button's state.
    void OnUpdateCmdUI(CmdTarget* target = nullptr, BOOL disableIfNoHandler = TRUE);

private:
    class QAction* ActionOf(int id) const;
    std::vector<int> ids_;
    std::vector<class QAction*> actions_;
    Wnd* owner_ = nullptr;
};

}  // namespace ui
