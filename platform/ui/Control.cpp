#include "platform/ui/Control.h"

#include <map>

#include "platform/ui/Controls.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"

namespace ui {

IMPLEMENT_DYNAMIC(Control, Wnd)

namespace {
template <class T>
ControlMaker Maker() {
    return [] { return std::unique_ptr<Control>(new T); };
}

std::map<Kind, ControlMaker>& Makers() {
    static std::map<Kind, ControlMaker> makers{
        {Kind::Static, Maker<Static>()},         {Kind::Picture, Maker<Static>()},
        {Kind::GroupBox, Maker<GroupBox>()},     {Kind::PushButton, Maker<Button>()},
        {Kind::DefPushButton, Maker<Button>()},  {Kind::CheckBox, Maker<Button>()},
        {Kind::RadioButton, Maker<Button>()},    {Kind::Edit, Maker<Edit>()},
        {Kind::ComboBox, Maker<ComboBox>()},     {Kind::ListBox, Maker<ListBox>()},
        {Kind::ListCtrl, Maker<ListCtrl>()},     {Kind::Progress, Maker<ProgressCtrl>()},
        {Kind::DateTimePicker, Maker<DateTimeCtrl>()},
    };
    return makers;
}

}  // namespace

void RegisterControlKind(Kind kind, ControlMaker maker) { Makers()[kind] = std::move(maker); }

std::unique_ptr<Control> MakeControl(Kind kind) {
    auto it = Makers().find(kind);
    return it == Makers().end() ? nullptr : it->second();
}

BOOL Control::Create(DWORD style, const Rect& rect, Wnd* parent, int id, const std::string& text) {
    if (!parent || !parent->GetWidget()) return FALSE;
    ControlTemplate entry;
    entry.kind = KindForStyle(style);
    entry.id = id;
    entry.text = text;
    entry.style = style;
    entry.hidden = !(style & WS_VISIBLE);
    Build(entry, parent->GetWidget());
    MoveWindow(rect);
    if (style & WS_DISABLED) EnableWindow(FALSE);
    ShowWindow(entry.hidden ? SW_HIDE : SW_SHOW);
    return TRUE;
}

}  // namespace ui
