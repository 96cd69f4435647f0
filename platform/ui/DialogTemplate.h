// Dialog templates as data: the kind, id, text, rectangle in dialog units and
// style of every control, in tab order, as a resource script lists them.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Geometry.h"
#include "platform/ui/WinDefs.h"

namespace ui {

enum class Kind {
    Static,         // text label; with SS_BLACKFRAME/SS_ETCHEDFRAME a frame (placeholder)
    Picture,        // bitmap or icon (SS_BITMAP / SS_ICON), set by id through `text` "#<id>" or in code
    GroupBox,
    PushButton,
    DefPushButton,  // the dialog's default button (Enter)
    CheckBox,
    RadioButton,    // a group starts at WS_GROUP or after any other control
    Edit,
    ComboBox,       // CBS_DROPDOWN or CBS_DROPDOWNLIST, CBS_SORT
    ListBox,        // LBS_SORT, LBS_MULTIPLESEL, LBS_EXTENDEDSEL
    ListCtrl,       // report view
    Progress,
    DateTimePicker,
    TreeCtrl,
    RichEdit,
    EditListBox,    // a list of texts with a bar of new, delete, move and browse buttons
};

struct ControlTemplate {
    Kind kind = Kind::Static;
    int id = IDC_STATIC;
    std::string text;
    DluRect rect;
    DWORD style = 0;                 // WS_DISABLED, WS_GROUP and the kind's own styles
    std::vector<std::string> items;  // initial items of a combo box or list box
    bool hidden = false;             // created without WS_VISIBLE
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    DluRect rect;
    std::vector<ControlTemplate> controls;
    DWORD style = WS_POPUP;  // WS_CHILD: a child dialog or form placed inside another window
    std::string font = "宋体";
    int fontSize = 9;
};

}  // namespace ui
