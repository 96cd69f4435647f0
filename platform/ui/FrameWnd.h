// The main window of a program: a top-level window with a menu bar, a
// status bar, bars docked at its left edge and one view slot. Commands from
// menus and bars go to the active view first, then to the frame, then to the
// application object. The frame owns the views created in its slot.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Wnd.h"

class QMainWindow;

namespace ui {

class FrameWnd : public Wnd {
    DECLARE_DYNAMIC(FrameWnd)
public:
    // Control id of the view that fills the slot.
    static constexpr int kPaneFirstId = 59648;

    FrameWnd();
    ~FrameWnd() override;

    // Creates the window (after PreCreateWindow may change the rectangle),
    // then runs OnCreate; -1 from OnCreate destroys the window and fails.
    BOOL Create(const std::string& title, const Rect& rect);

    // The parent window of the views, and the view now in the slot.
    Wnd* GetViewParent() const;
    Wnd* GetPaneView() const;
    Wnd* GetActiveView() const { return activeView_; }
    void SetActiveView(Wnd* view) { activeView_ = view; }
    // Hands a view (created as a child of GetViewParent) to the frame, and
    // destroys one: its window, then the object.
    void AdoptView(std::unique_ptr<Wnd> view);
    void DestroyView(Wnd* view);
    // The view in the slot fills it.
    void RecalcLayout();

    // Fixes the window's size, or lets the user change it.
    void SetResizable(bool resizable);

    // The close of the window's close button (and of the exit command where
    // a frame maps it): by default destroys the frame.
    virtual void OnClose();
    // Destroys the views and the window; the main window ends the event loop.
    BOOL DestroyWindow() override;

    bool OnCmdMsg(int id, int code, const NotifyInfo* info = nullptr) override;
    // The state of a command for menus and bars: the update handler of the
    // view, the frame or the application; without one, enabled when any of
    // them handles the command.
    void UpdateCommand(CmdUI& cmdUI);

    QMainWindow* MainWindow() const;

protected:
    virtual void PreCreateWindow(Rect& rect) {}
    virtual int OnCreate() { return 0; }

private:
    class ViewArea;
    std::unique_ptr<ViewArea> viewArea_;
    std::vector<std::unique_ptr<Wnd>> views_;
    Wnd* activeView_ = nullptr;
};

}  // namespace ui
