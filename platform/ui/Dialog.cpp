#include "platform/ui/Dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>

#include "platform/ui/App.h"
#include "platform/ui/Control.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FormScroller.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Services.h"

namespace ui {

IMPLEMENT_DYNAMIC(Dialog, Wnd)
IMPLEMENT_DYNAMIC(FormView, Dialog)

namespace {
// The top-level window of a dialog: closing it is a Cancel of the dialog.
class DialogWindow : public detail::Bridged<QDialog> {
public:
    using Bridged::Bridged;

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        if (auto* dialog = dynamic_cast<Dialog*>(owner)) dialog->OnCommand(IDCANCEL, BN_CLICKED);
    }
    void reject() override {
        if (auto* dialog = dynamic_cast<Dialog*>(owner)) dialog->OnCommand(IDCANCEL, BN_CLICKED);
    }
};

// The template's font size in pixels at 96 dots per inch (9 points: 12).
int TemplateFontPixels(const DialogTemplate& t) { return ((t.fontSize > 0 ? t.fontSize : 9) * 96 + 36) / 72; }

// Dialog units are fixed by the template's font size, as the original
// platform's base units of its dialog font are (6 x 12 at 9 points), whatever
// font draws the text here; the drawing font is one whose glyphs keep to that
// cell: a CJK face with bitmap strikes at small sizes, as the dialog fonts of
// Chinese systems have.
QFont TemplateFont(const DialogTemplate& t) {
    QFont font;
    font.setFamilies({QString::fromStdString(t.font), "WenQuanYi Zen Hei Sharp", "WenQuanYi Zen Hei",
                      "Noto Sans CJK SC"});
    font.setPixelSize(TemplateFontPixels(t));
    return font;
}

UINT ColorKindOf(const Wnd& control) {
    if (dynamic_cast<const Edit*>(&control) || dynamic_cast<const ComboBox*>(&control)) return CTLCOLOR_EDIT;
    if (dynamic_cast<const ListBox*>(&control) || dynamic_cast<const ListCtrl*>(&control)) return CTLCOLOR_LISTBOX;
    if (auto* button = dynamic_cast<const Button*>(&control)) return button->IsPushButton() ? CTLCOLOR_BTN : CTLCOLOR_STATIC;
    return CTLCOLOR_STATIC;
}

std::vector<Wnd*> ControlsOf(const Wnd& dialog) {
    std::vector<Wnd*> controls;
    if (!dialog.GetWidget()) return controls;
    for (QWidget* child : dialog.GetWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (Wnd* control = Wnd::FromWidget(child)) controls.push_back(control);
    return controls;
}
}  // namespace

// The constructor is called by the derived dialog's constructor, in the
// module that defines the dialog: its return address names that module.
Dialog::Dialog(const DialogTemplate& tpl, Wnd* parent)
    : Dialog(tpl, parent, ModuleOf(__builtin_return_address(0))) {}

FormView::FormView(const DialogTemplate& tpl) : Dialog(tpl, nullptr, ModuleOf(__builtin_return_address(0))) {}

Dialog::Dialog(const DialogTemplate& tpl, Wnd* parent, Module resourceModule)
    : template_(tpl), parent_(parent), resourceModule_(resourceModule) {
    SetDlgCtrlID(tpl.id);
    for (const auto& c : tpl.controls)
        if (c.kind == Kind::DefPushButton) defId_ = c.id;
    styledDefault_ = defId_;
}

Dialog::~Dialog() = default;

Rect Dialog::MapDialogRect(const DluRect& r) const {
    const int x = r.x * baseUnits_.cx / 4, y = r.y * baseUnits_.cy / 8;
    return {x, y, x + r.cx * baseUnits_.cx / 4, y + r.cy * baseUnits_.cy / 8};
}

void Dialog::CreateFromTemplate(QWidget* parentWidget, bool asChild) {
    QWidget* window = asChild ? static_cast<QWidget*>(new detail::Bridged<QWidget>(parentWidget))
                              : new DialogWindow(parentWidget ? parentWidget->window() : nullptr);
    Attach(window, true);
    SetStyle(template_.style);
    const QFont font = TemplateFont(template_);
    window->setFont(font);
    const int pixels = TemplateFontPixels(template_);
    baseUnits_ = {pixels / 2, pixels};
    window->setWindowTitle(QString::fromStdString(template_.caption));
    const Rect size = MapDialogRect(template_.rect);
    if (asChild) window->setGeometry(size.left, size.top, size.Width(), size.Height());
    else window->resize(size.Width(), size.Height());

    const ResourceScope resources(resourceModule_);
    for (const ControlTemplate& entry : template_.controls) {
        std::unique_ptr<Control> control = MakeControl(entry.kind);
        if (!control) continue;
        control->Build(entry, window);
        Rect place = MapDialogRect(entry.rect);
        // A combo box's template height includes its dropped-down list.
        if (entry.kind == Kind::ComboBox) place.bottom = place.top + control->GetWidget()->sizeHint().height();
        control->MoveWindow(place);
        if (entry.style & WS_DISABLED) control->EnableWindow(FALSE);
        if (entry.hidden) control->GetWidget()->hide();
        if (entry.kind == Kind::GroupBox) control->GetWidget()->lower();
        Adopt(std::move(control));
    }
    BuildRadioGroups();
    if (background_) SetBackgroundColor(*background_);
}

void Dialog::BuildRadioGroups() {
    QButtonGroup* group = nullptr;
    for (const ControlTemplate& entry : template_.controls) {
        if (entry.kind != Kind::RadioButton) {
            group = nullptr;
            continue;
        }
        if (!group || (entry.style & WS_GROUP)) {
            group = new QButtonGroup(GetWidget());
            group->setExclusive(true);
        }
        if (Wnd* radio = GetDlgItem(entry.id))
            if (auto* button = qobject_cast<QAbstractButton*>(radio->GetWidget())) group->addButton(button);
    }
}

int Dialog::DoModal() {
    QWidget* parentWidget = parent_ ? parent_->GetWidget() : (AfxGetMainWnd() ? AfxGetMainWnd()->GetWidget() : nullptr);
    CreateFromTemplate(parentWidget, false);
    modal_ = true;
    ended_ = false;
    result_ = IDCANCEL;
    if (auto* window = qobject_cast<QDialog*>(GetWidget())) window->setModal(true);
    if (OnInitDialog()) {
        for (Wnd* control : ControlsOf(*this)) {
            QWidget* w = control->GetWidget();
            if (w->focusPolicy() != Qt::NoFocus && w->isEnabled() && !w->isHidden()) {
                w->setFocus();
                break;
            }
        }
    }
    RefreshColors();
    if (!ended_) result_ = CurrentServices().RunModal(*this);
    const int result = result_;
    DestroyWindow();
    modal_ = false;
    return result;
}

BOOL Dialog::Create(Wnd* parent) {
    if (parent) parent_ = parent;
    const bool asChild = (template_.style & WS_CHILD) != 0;
    CreateFromTemplate(parent_ ? parent_->GetWidget() : nullptr, asChild);
    modal_ = false;
    ended_ = false;
    OnInitDialog();
    RefreshColors();
    if (template_.style & WS_VISIBLE) ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL Dialog::CreateOver(Wnd* parent, int placeholderId) {
    if (!parent || !parent->GetDlgItem(placeholderId)) return FALSE;
    template_.style = (template_.style & ~WS_POPUP) | WS_CHILD;
    Rect place = parent->GetItemRect(placeholderId);
    Create(parent);
    // Large enough for its controls: a placeholder drawn smaller than the
    // dialog would cut off its right and bottom ones (the view scrolls to them).
    const QRect controls = GetWidget()->childrenRect();
    place.right = std::max(place.right, place.left + controls.right() + 1);
    place.bottom = std::max(place.bottom, place.top + controls.bottom() + 1);
    MoveWindow(place);
    ShowWindow(SW_SHOW);
    return TRUE;
}

void Dialog::EndDialog(int result) {
    result_ = result;
    ended_ = true;
    if (!GetWidget()) return;
    if (auto* window = qobject_cast<QDialog*>(GetWidget()); window && window->isVisible() && modal_) window->done(result);
    else if (!modal_) GetWidget()->hide();
}

BOOL Dialog::UpdateData(BOOL saveAndValidate) {
    DataExchange dx(*this, saveAndValidate != FALSE);
    try {
        DoDataExchange(dx);
        return TRUE;
    } catch (const DataExchange::Failure&) {
        return FALSE;
    }
}

BOOL Dialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void Dialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL Dialog::OnCommand(int id, int code, const NotifyInfo* info) {
    if (OnCmdMsg(id, code, info)) return TRUE;
    if (code != BN_CLICKED) return FALSE;
    if (id == IDOK) {
        OnOK();
        return TRUE;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    return FALSE;
}

namespace {
// Tells a push button of the dialog whether it is the default one.
void SetDefaultLook(Dialog& dialog, int id, bool isDefault) {
    auto* button = dynamic_cast<Button*>(dialog.GetDlgItem(id));
    if (!button || !button->IsPushButton()) return;
    const DWORD style = (button->GetStyle() & ~BS_TYPEMASK) | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    button->SendMessage(BM_SETSTYLE, WPARAM(style), TRUE);
}
}  // namespace

void Dialog::SetDefID(int id) {
    defId_ = id;
    if (!IsWindow()) return;
    if (styledDefault_ && styledDefault_ != id) SetDefaultLook(*this, styledDefault_, false);
    SetDefaultLook(*this, id, true);
    styledDefault_ = id;
}

void Dialog::OnChildSetFocus(Wnd& child) {
    auto* button = dynamic_cast<Button*>(&child);
    const int target = button && button->IsPushButton() ? child.GetDlgCtrlID() : defId_;
    if (target == styledDefault_) return;
    if (styledDefault_) SetDefaultLook(*this, styledDefault_, false);
    SetDefaultLook(*this, target, true);
    styledDefault_ = target;
}

bool Dialog::OnKeyDown(UINT vk) {
    if (vk == VK_ESCAPE) {
        OnCommand(IDCANCEL, BN_CLICKED);
        return true;
    }
    if (vk != VK_RETURN) return false;
    // The focused push button of this dialog, else the default button.
    int id = defId_;
    if (auto* focused = dynamic_cast<Button*>(Wnd::GetFocus()); focused && focused->IsPushButton() && focused->GetParent() == this)
        id = focused->GetDlgCtrlID();
    if (Wnd* button = GetDlgItem(id); button && !button->IsWindowEnabled()) return true;
    OnCommand(id, BN_CLICKED);
    return true;
}

void Dialog::Click(int id) {
    if (auto* button = Item<Button>(id)) button->Click();
}

void Dialog::NextDlgCtrl() {
    if (QWidget* w = QApplication::focusWidget(); w && GetWidget() && GetWidget()->isAncestorOf(w))
        w->nextInFocusChain()->setFocus(Qt::TabFocusReason);
}

void Dialog::GotoDlgCtrl(Wnd* control) {
    if (control) control->SetFocus();
}

void Dialog::SetBackgroundColor(COLORREF color) {
    background_ = color;
    if (QWidget* w = GetWidget()) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, QColor(GetRValue(color), GetGValue(color), GetBValue(color)));
        w->setPalette(palette);
        w->setAutoFillBackground(true);
    }
}

std::optional<CtlColor> Dialog::OnCtlColor(Wnd&, UINT) { return std::nullopt; }

void Dialog::ApplyColors(Wnd& target, UINT kind) {
    const std::optional<CtlColor> colors = OnCtlColor(target, kind);
    QWidget* w = target.GetWidget();
    if (!colors || !w) return;
    QPalette palette = w->palette();
    auto qcolor = [](COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); };
    if (colors->text) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, qcolor(*colors->text));
    }
    if (colors->background && !colors->transparent) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, qcolor(*colors->background));
        w->setAutoFillBackground(true);
    }
    if (colors->transparent) w->setAutoFillBackground(false);
    w->setPalette(palette);
    if (&target == this && colors->background) background_ = colors->background;
}

void Dialog::RefreshColors() {
    if (!GetWidget()) return;
    ApplyColors(*this, CTLCOLOR_DLG);
    for (Wnd* control : ControlsOf(*this)) ApplyColors(*control, ColorKindOf(*control));
}

void Dialog::UpdateDialogControls(CmdTarget* target, BOOL disableIfNoHandler) {
    if (!target) target = this;
    for (Wnd* control : ControlsOf(*this)) {
        const int id = control->GetDlgCtrlID();
        if (id <= 0) continue;
        CmdUI state(id);
        if (!target->OnUpdateCmdUI(state)) {
            if (disableIfNoHandler && dynamic_cast<Button*>(control) && !target->HasCommandHandler(id))
                control->EnableWindow(FALSE);
            continue;
        }
        control->EnableWindow(state.IsEnabled());
        if (state.Check()) control->SendMessage(BM_SETCHECK, WPARAM(*state.Check()));
        if (state.Text()) control->SetWindowText(*state.Text());
    }
}

BOOL FormView::CreateView(Wnd* parent, const Rect& rect) {
    if (!parent || !parent->GetWidget()) return FALSE;
    CreateFromTemplate(parent->GetWidget(), true);
    scroller_ = new FormScroller(GetWidget(), GetWidget()->size());
    MoveWindow(rect);
    ShowWindow(SW_SHOW);
    RefreshColors();
    return TRUE;
}

void FormView::OnInitialUpdate() { UpdateData(FALSE); }

Point FormView::GetScrollPosition() const {
    if (!scroller_) return {};
    const QPoint position = scroller_->Position();
    return {position.x(), position.y()};
}

}  // namespace ui
