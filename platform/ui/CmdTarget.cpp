#include "platform/ui/CmdTarget.h"

namespace ui {

void CmdTarget::MapCommand(int id, int code, std::function<void()> handler) {
    commands_[{id, code}] = [h = std::move(handler)](const NotifyInfo&) { h(); };
}

void CmdTarget::MapNotify(int id, int code, std::function<void(const NotifyInfo&)> handler) {
    commands_[{id, code}] = std::move(handler);
}

void CmdTarget::MapCommandRange(int first, int last, std::function<void(int)> handler) {
    ranges_.push_back({{first, last}, std::move(handler)});
}

void CmdTarget::MapMessage(UINT message, std::function<LRESULT(WPARAM, LPARAM)> handler) {
    messages_[message] = std::move(handler);
}

void CmdTarget::MapUpdateUI(int id, std::function<void(CmdUI&)> handler) {
    updates_[id] = std::move(handler);
}

bool CmdTarget::OnCmdMsg(int id, int code, const NotifyInfo* info) {
    if (auto it = commands_.find({id, code}); it != commands_.end()) {
        NotifyInfo plain;
        plain.id = id;
        plain.code = code;
        auto handler = it->second;  // the handler may remap while it runs
        handler(info ? *info : plain);
        return true;
    }
    if (code == BN_CLICKED) {
        for (const auto& [range, handler] : ranges_) {
            if (id >= range.first && id <= range.second) {
                auto copy = handler;
                copy(id);
                return true;
            }
        }
    }
    return false;
}

bool CmdTarget::OnUpdateCmdUI(CmdUI& cmdUI) {
    auto it = updates_.find(cmdUI.Id());
    if (it == updates_.end()) return false;
    it->second(cmdUI);
    return true;
}

bool CmdTarget::HasCommandHandler(int id) const {
    if (commands_.count({id, BN_CLICKED})) return true;
    for (const auto& entry : ranges_)
        if (id >= entry.first.first && id <= entry.first.second) return true;
    return false;
}

const std::function<LRESULT(WPARAM, LPARAM)>* CmdTarget::FindMessageHandler(UINT message) const {
    auto it = messages_.find(message);
    return it == messages_.end() ? nullptr : &it->second;
}

}  // namespace ui
