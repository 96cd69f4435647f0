// Message maps: handlers registered by control id and notification code,
// by message number, by command range, and update-UI handlers that decide
// whether a command is enabled or checked.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Geometry.h"
#include "platform/ui/RuntimeClass.h"
#include "platform/ui/WinDefs.h"

namespace ui {

// Details of a control notification (list item, click position, states).
struct NotifyInfo {
    int id = 0;
    int code = 0;
    int item = -1;
    int subItem = -1;
    Point point;          // client coordinates of the control
    UINT oldState = 0, newState = 0;
};

// The state an update-UI handler gives a command (menu item, tool button,
// dialog control).
class CmdUI {
public:
    explicit CmdUI(int id) : id_(id) {}
    int Id() const { return id_; }
    void Enable(bool on = true) { enabled_ = on; }
    void SetCheck(int check = 1) { check_ = check; }
    void SetText(const std::string& text) { text_ = text; }
    bool IsEnabled() const { return enabled_; }
    std::optional<int> Check() const { return check_; }
    const std::optional<std::string>& Text() const { return text_; }

private:
    int id_;
    bool enabled_ = true;
    std::optional<int> check_;
    std::optional<std::string> text_;
};

// Anything that receives commands: windows and the application object.
class CmdTarget : public Object {
public:
    virtual ~CmdTarget() = default;

    // Runs the handler of command `id` with notification `code`; false when
    // this target has none. Frames override it to offer the command to
    // their active view first.
    virtual bool OnCmdMsg(int id, int code, const NotifyInfo* info = nullptr);
    // Asks the update-UI handler of the command; false when there is none.
    virtual bool OnUpdateCmdUI(CmdUI& cmdUI);
    // True when a handler of the command exists (menus grey out the rest).
    bool HasCommandHandler(int id) const;

protected:
    // ON_BN_CLICKED, ON_COMMAND and the like.
    void MapCommand(int id, int code, std::function<void()> handler);
    void MapClicked(int id, std::function<void()> handler) { MapCommand(id, BN_CLICKED, std::move(handler)); }
    // A notification handler that reads the details (list item, position).
    void MapNotify(int id, int code, std::function<void(const NotifyInfo&)> handler);
    // ON_COMMAND_RANGE: one handler for ids first..last, given the id.
    void MapCommandRange(int first, int last, std::function<void(int id)> handler);
    // ON_MESSAGE: a message number such as WM_USER+102.
    void MapMessage(UINT message, std::function<LRESULT(WPARAM, LPARAM)> handler);
    // ON_UPDATE_COMMAND_UI.
    void MapUpdateUI(int id, std::function<void(CmdUI&)> handler);

    // Handler of a mapped message, or null.
    const std::function<LRESULT(WPARAM, LPARAM)>* FindMessageHandler(UINT message) const;

private:
    std::map<std::pair<int, int>, std::function<void(const NotifyInfo&)>> commands_;
    std::vector<std::pair<std::pair<int, int>, std::function<void(int)>>> ranges_;
    std::map<UINT, std::function<LRESULT(WPARAM, LPARAM)>> messages_;
    std::map<int, std::function<void(CmdUI&)>> updates_;
};

}  // namespace ui
