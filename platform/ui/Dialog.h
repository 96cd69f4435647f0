// Dialogs built from templates: modal (DoModal, answered by the test driver in
// tests), modeless, and child dialogs placed over a placeholder control.
// Enter presses the focused push button or the default button, Esc cancels;
// OK and Cancel end the dialog after OnOK / OnCancel. Data exchange binds
// members to controls; update-UI handlers can enable and check controls.
#pragma once

#include <QPointer>
#include <optional>
#include <vector>

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/FormScroller.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Wnd.h"

namespace ui {

class DataExchange;

// Colours a dialog gives one of its controls (or itself) when asked.
struct CtlColor {
    std::optional<COLORREF> background;
    std::optional<COLORREF> text;
    bool transparent = false;  // the control shows the dialog's background
};

class Dialog : public Wnd {
    DECLARE_DYNAMIC(Dialog)
public:
    explicit Dialog(const DialogTemplate& tpl, Wnd* parent = nullptr);
    ~Dialog() override;
    // The module (program or library) whose code made this dialog: the
    // pictures its template names are found there first.
    Module GetResourceModule() const { return resourceModule_; }

    const DialogTemplate& GetTemplate() const { return template_; }

    // Creates the window, runs OnInitDialog and waits until the dialog ends;
    // the window is destroyed on return. IDOK, IDCANCEL or EndDialog's value.
    virtual int DoModal();
    // A modeless dialog, or a child dialog when the template has WS_CHILD.
    BOOL Create(Wnd* parent = nullptr);
    // A child dialog over the rectangle of `placeholderId` in `parent`, at
    // least as large as its controls need.
    BOOL CreateOver(Wnd* parent, int placeholderId);
    void EndDialog(int result);
    bool IsRunningModal() const { return modal_ && !ended_; }
    bool IsModal() const { return modal_; }
    int Result() const { return result_; }

    // Data exchange between controls and members; false (with the message
    // shown and the focus on the control) when a value is refused.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Presses a control as the user would (tests, and commands from code).
    void Click(int id);
    int GetDefID() const { return defId_; }
    // Makes `id` the default button: the old one is told it no longer is
    // (BM_SETSTYLE), the new one that it is, when they are push buttons.
    void SetDefID(int id);
    // Moves the focus to the next (or previous) control that takes it.
    void NextDlgCtrl();
    void GotoDlgCtrl(Wnd* control);

    // Background of the dialog; RGB(232, 241, 250) in most of the system.
    void SetBackgroundColor(COLORREF color);
    // Asks OnCtlColor again for the dialog and every control.
    void RefreshColors();

    // Asks the update-UI handlers of `target` (this dialog when null) for every
    // control: enabled state, check and text.
    void UpdateDialogControls(CmdTarget* target = nullptr, BOOL disableIfNoHandler = FALSE);

    // Dialog units to pixels with the template's font.
    Rect MapDialogRect(const DluRect& r) const;

    BOOL OnCommand(int id, int code, const NotifyInfo* info = nullptr) override;

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(DataExchange& dx) {}
    // Colours of a control (CTLCOLOR_EDIT, _STATIC, _BTN, _LISTBOX) or of the
    // dialog itself (CTLCOLOR_DLG); nothing keeps the default.
    virtual std::optional<CtlColor> OnCtlColor(Wnd& control, UINT kind);
    bool OnKeyDown(UINT vk) override;
    // A focused push button looks like the default button while it has the
    // focus; any other focused control gives that look back to the default.
    void OnChildSetFocus(Wnd& child) override;
    // Makes the window and its controls; `asChild` puts it inside the parent.
    void CreateFromTemplate(QWidget* parentWidget, bool asChild);
    Wnd* ParentWnd() const { return parent_; }

private:
    void BuildRadioGroups();
    void ApplyColors(Wnd& target, UINT kind);

    DialogTemplate template_;
    Wnd* parent_;
    std::optional<COLORREF> background_;
    int defId_ = IDOK;
    int styledDefault_ = 0;  // the button that has the default look now
    int result_ = IDCANCEL;
    bool modal_ = false;
    bool ended_ = false;
    Size baseUnits_{6, 12};
    Module resourceModule_ = nullptr;

protected:
    Dialog(const DialogTemplate& tpl, Wnd* parent, Module resourceModule);
};

// A view made from a template, created in the frame's view slot; the frame
// calls OnInitialUpdate once after creating it. Enter and Esc do nothing.
class FormView : public Dialog {
    DECLARE_DYNAMIC(FormView)
public:
    explicit FormView(const DialogTemplate& tpl);
    // Creates the view inside `parent` with the rectangle in pixels.
    // The view scrolls (bars and mouse wheel) when its pane is smaller than it.
    BOOL CreateView(Wnd* parent, const Rect& rect);
    virtual void OnInitialUpdate();
    // The scroll position in pixels; (0, 0) when the whole form shows.
    Point GetScrollPosition() const;

protected:
    BOOL OnInitDialog() override { return TRUE; }
    void OnOK() override {}
    void OnCancel() override {}

private:
    QPointer<FormScroller> scroller_;  // owned by the view's window
};

}  // namespace ui
