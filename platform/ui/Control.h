// The base of the controls of a dialog, and the table that makes a control
// object of each template kind. Other control kinds register their own maker.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Wnd.h"

namespace ui {

class Control : public Wnd {
    DECLARE_DYNAMIC(Control)
public:
    // Makes the control's widget from a template entry as a child of `parent`
    // (geometry is set by the caller).
    virtual void Build(const ControlTemplate& entry, QWidget* parent) = 0;
    // The template kind of this class for a style given in code.
    virtual Kind KindForStyle(DWORD style) const = 0;
    // Creates the control in code: style, rectangle in pixels, parent, id.
    BOOL Create(DWORD style, const Rect& rect, Wnd* parent, int id, const std::string& text = {});

protected:
    // The control object that now drives `widget` (it may have been subclassed).
    template <class T>
    static T* Driver(QWidget* widget) { return dynamic_cast<T*>(Wnd::FromWidget(widget)); }
    // Whether a change comes from the program rather than the user.
    bool changingFromCode_ = false;
    struct CodeChange {
        explicit CodeChange(Control& c) : c_(c), was_(c.changingFromCode_) { c.changingFromCode_ = true; }
        ~CodeChange() { c_.changingFromCode_ = was_; }
        Control& c_;
        bool was_;
    };
};

using ControlMaker = std::function<std::unique_ptr<Control>()>;
void RegisterControlKind(Kind kind, ControlMaker maker);
// A new, not yet built control object for the kind; null for an unknown kind.
std::unique_ptr<Control> MakeControl(Kind kind);

}  // namespace ui
