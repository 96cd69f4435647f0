#include "platform/ui/Controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QFontMetrics>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "platform/text/Text.h"
#include "platform/ui/Resources.h"

namespace ui {

IMPLEMENT_DYNAMIC(Static, Control)
IMPLEMENT_DYNAMIC(GroupBox, Control)
IMPLEMENT_DYNAMIC(Button, Control)
IMPLEMENT_DYNAMIC(ProgressCtrl, Control)

namespace {
Qt::Alignment StaticAlignment(DWORD style) {
    Qt::Alignment a = (style & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop;
    switch (style & 0x3) {
    case SS_CENTER: return a | Qt::AlignHCenter;
    case SS_RIGHT: return a | Qt::AlignRight;
    default: return a | Qt::AlignLeft;
    }
}

// "#174" in a picture's text names its bitmap or icon resource.
int ResourceIdOf(const std::string& text) {
    return text.size() > 1 && text[0] == '#' ? int(text::Atol(text.substr(1))) : 0;
}
}  // namespace

// ---- Static ----

Kind Static::KindForStyle(DWORD style) const {
    const DWORD type = style & 0x1F;
    return type == SS_BITMAP || type == SS_ICON ? Kind::Picture : Kind::Static;
}

void Static::Build(const ControlTemplate& entry, QWidget* parent) {
    auto* label = new detail::Bridged<QLabel>(parent);
    Attach(label, false);
    SetDlgCtrlID(entry.id);
    SetStyle(entry.style);
    const DWORD type = entry.style & 0x1F;
    if (type == SS_BLACKFRAME || type == SS_ETCHEDFRAME) {
        label->setFrameStyle(QFrame::Box | (type == SS_ETCHEDFRAME ? QFrame::Sunken : QFrame::Plain));
        return;
    }
    label->setAlignment(StaticAlignment(entry.style));
    if (entry.kind == Kind::Picture) {
        if (const int id = ResourceIdOf(entry.text)) {
            if (type == SS_ICON) SetIcon(LoadIcon(id));
            else SetBitmap(LoadBitmap(id));
        }
        return;
    }
    label->setWordWrap(!(entry.style & SS_CENTERIMAGE));
    label->setText(QString::fromStdString(entry.text));
}

void Static::SetWindowText(const std::string& text) {
    if (auto* label = qobject_cast<QLabel*>(GetWidget())) label->setText(QString::fromStdString(text));
    FitWrap();
}

void Static::OnSize(int, int) { FitWrap(); }

void Static::FitWrap() {
    auto* label = qobject_cast<QLabel*>(GetWidget());
    if (!label || label->text().isEmpty() || (GetStyle() & SS_CENTERIMAGE)) return;
    // Qt would break a line whose width is exactly the label's.
    label->setWordWrap(label->text().contains('\n') ||
                       QFontMetrics(label->font()).horizontalAdvance(label->text()) > label->contentsRect().width());
}

std::string Static::GetWindowText() const {
    auto* label = qobject_cast<QLabel*>(GetWidget());
    return label ? label->text().toStdString() : std::string();
}

void Static::SetBitmap(const Bitmap& bitmap) {
    if (auto* label = qobject_cast<QLabel*>(GetWidget())) label->setPixmap(QPixmap::fromImage(bitmap.image));
}

void Static::SetIcon(const Icon& icon) {
    if (auto* label = qobject_cast<QLabel*>(GetWidget())) label->setPixmap(QPixmap::fromImage(icon.image));
}

// ---- GroupBox ----

void GroupBox::Build(const ControlTemplate& entry, QWidget* parent) {
    auto* box = new detail::Bridged<QGroupBox>(QString::fromStdString(entry.text), parent);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    Attach(box, false);
    SetDlgCtrlID(entry.id);
    SetStyle(entry.style);
}

void GroupBox::SetWindowText(const std::string& text) {
    if (auto* box = qobject_cast<QGroupBox*>(GetWidget())) box->setTitle(QString::fromStdString(text));
}

std::string GroupBox::GetWindowText() const {
    auto* box = qobject_cast<QGroupBox*>(GetWidget());
    return box ? box->title().toStdString() : std::string();
}

// ---- Button ----

Kind Button::KindForStyle(DWORD style) const {
    switch (style & BS_TYPEMASK) {
    case BS_DEFPUSHBUTTON: return Kind::DefPushButton;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE: return Kind::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return Kind::RadioButton;
    default: return Kind::PushButton;
    }
}

void Button::Build(const ControlTemplate& entry, QWidget* parent) {
    const QString caption = QString::fromStdString(entry.text);
    QAbstractButton* button = nullptr;
    DWORD type = BS_PUSHBUTTON;
    switch (entry.kind) {
    case Kind::CheckBox:
        button = new detail::Bridged<QCheckBox>(caption, parent);
        type = BS_AUTOCHECKBOX;
        break;
    case Kind::RadioButton:
        button = new detail::Bridged<QRadioButton>(caption, parent);
        type = BS_AUTORADIOBUTTON;
        break;
    default: {
        auto* push = new detail::Bridged<QPushButton>(caption, parent);
        push->setAutoDefault(false);  // Enter is the dialog's business
        button = push;
        type = entry.kind == Kind::DefPushButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    }
    }
    Attach(button, false);
    SetDlgCtrlID(entry.id);
    SetStyle((entry.style & ~BS_TYPEMASK) | type);
    QObject::connect(button, &QAbstractButton::clicked, [button] {
        if (Button* driver = Driver<Button>(button)) driver->HandleClick();
    });
}

void Button::HandleClick() {
    if (!OnClicked()) NotifyParent(BN_CLICKED);
}

bool Button::IsPushButton() const {
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    return button && !button->isCheckable();
}

int Button::GetCheck() const {
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    return button && button->isChecked() ? 1 : 0;
}

void Button::SetCheck(int check) {
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    if (!button || !button->isCheckable()) return;
    // A radio button of an exclusive group can only be cleared with the
    // group's exclusiveness lifted for a moment.
    QButtonGroup* group = button->group();
    const bool exclusive = group && group->exclusive();
    if (exclusive && !check) group->setExclusive(false);
    const bool autoExclusive = button->autoExclusive();
    if (!check) button->setAutoExclusive(false);
    button->setChecked(check != 0);
    button->setAutoExclusive(autoExclusive);
    if (exclusive && !check) group->setExclusive(true);
}

void Button::Click() {
    if (auto* button = qobject_cast<QAbstractButton*>(GetWidget()); button && button->isEnabled()) button->click();
}

LRESULT Button::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == BM_GETCHECK) return GetCheck();
    // The dialog makes a push button its default one (or no longer).
    if (message == BM_SETSTYLE) {
        ModifyStyle(BS_TYPEMASK, DWORD(wParam) & BS_TYPEMASK);
        if (auto* push = qobject_cast<QPushButton*>(GetWidget())) push->setDefault(IsDefault());
        if (lParam) GetWidget()->update();
        return 0;
    }
    if (message == WM_GETDLGCODE) {
        const DWORD type = GetStyle() & BS_TYPEMASK;
        return type == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : type == BS_PUSHBUTTON ? DLGC_UNDEFPUSHBUTTON : 0;
    }
    if (message == BM_SETCHECK) {
        SetCheck(int(wParam));
        return 0;
    }
    return Control::DefWindowProc(message, wParam, lParam);
}

// ---- ProgressCtrl ----

void ProgressCtrl::Build(const ControlTemplate& entry, QWidget* parent) {
    auto* bar = new detail::Bridged<QProgressBar>(parent);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    Attach(bar, false);
    SetDlgCtrlID(entry.id);
    SetStyle(entry.style);
}

void ProgressCtrl::SetRange(int lower, int upper) {
    if (auto* bar = qobject_cast<QProgressBar*>(GetWidget())) bar->setRange(lower, upper);
}

void ProgressCtrl::GetRange(int& lower, int& upper) const {
    if (auto* bar = qobject_cast<QProgressBar*>(GetWidget())) {
        lower = bar->minimum();
        upper = bar->maximum();
    }
}

int ProgressCtrl::SetPos(int pos) {
    auto* bar = qobject_cast<QProgressBar*>(GetWidget());
    if (!bar) return 0;
    const int previous = GetPos();
    bar->setValue(std::clamp(pos, bar->minimum(), bar->maximum()));
    return previous;
}

int ProgressCtrl::GetPos() const {
    auto* bar = qobject_cast<QProgressBar*>(GetWidget());
    return bar ? std::max(bar->value(), bar->minimum()) : 0;
}

int ProgressCtrl::SetStep(int step) {
    std::swap(step_, step);
    return step;
}

int ProgressCtrl::StepIt() {
    auto* bar = qobject_cast<QProgressBar*>(GetWidget());
    if (!bar) return 0;
    const int previous = GetPos();
    int next = previous + step_;
    if (next > bar->maximum()) next = bar->minimum() + (next - bar->maximum());
    bar->setValue(next);
    return previous;
}

}  // namespace ui
