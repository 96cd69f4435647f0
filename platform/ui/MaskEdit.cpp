#include "platform/ui/MaskEdit.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace ui {

IMPLEMENT_DYNAMIC(MaskEdit, Edit)

// Gives the user's keys to the mask before the line edit sees them.
class MaskKeyFilter : public QObject {
public:
    explicit MaskKeyFilter(QObject* parent) : QObject(parent) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* edit = dynamic_cast<MaskEdit*>(Wnd::FromWidget(qobject_cast<QWidget*>(watched)));
        return edit && edit->IsMaskEnabled() && edit->OnMaskKey(*static_cast<QKeyEvent*>(event));
    }
};

void MaskEdit::Build(const ControlTemplate& entry, QWidget* parent) {
    Edit::Build(entry, parent);
    InstallKeyFilter();
}

void MaskEdit::SetWindowText(const std::string& text) {
    Edit::SetWindowText(text.empty() && IsMaskEnabled() ? template_.toStdString() : text);
}

std::string MaskEdit::GetWindowText() const {
    std::string text = Edit::GetWindowText();
    if (IsMaskEnabled() && QString::fromStdString(text) == template_) text.clear();
    return text;
}

void MaskEdit::PreSubclassWindow() { InstallKeyFilter(); }

void MaskEdit::InstallKeyFilter() {
    QWidget* widget = GetWidget();
    static const QString name = "MaskKeyFilter";
    if (!widget || widget->findChild<QObject*>(name, Qt::FindDirectChildrenOnly)) return;
    auto* filter = new MaskKeyFilter(widget);
    filter->setObjectName(name);
    widget->installEventFilter(filter);
}

void MaskEdit::EnableMask(const std::string& mask, const std::string& inputTemplate, char prompt,
                          const std::string& valid) {
    mask_ = QString::fromStdString(mask);
    template_ = QString::fromStdString(inputTemplate);
    prompt_ = QChar(prompt);
    valid_ = QString::fromStdString(valid);
    Edit::SetValidChars({});  // the mask checks every key itself
    if (mask_.isEmpty()) DisableMask();
}

void MaskEdit::DisableMask() {
    mask_.clear();
    template_.clear();
    Edit::SetValidChars(valid_.toStdString());
}

void MaskEdit::SetValidChars(const std::string& valid) {
    valid_ = QString::fromStdString(valid);
    if (!IsMaskEnabled()) Edit::SetValidChars(valid);
}

bool MaskEdit::IsPlace(int index) const {
    return index >= 0 && index < template_.size() && template_[index] == prompt_;
}

bool MaskEdit::Accepts(int place, QChar ch) const {
    if (!valid_.isEmpty() && !valid_.contains(ch)) return false;
    const QChar kind = place < mask_.size() ? mask_[place] : QChar('*');
    const bool blank = ch == ' ';
    switch (kind.unicode()) {
    case 'D': return ch.isDigit();
    case 'd': return ch.isDigit() || blank;
    case 'C': return ch.isLetter();
    case 'c': return ch.isLetter() || blank;
    case 'A': return ch.isLetterOrNumber();
    case 'a': return ch.isLetterOrNumber() || blank;
    case '+': return ch == '+' || ch == '-' || blank;
    default: return ch.isPrint();
    }
}

bool MaskEdit::TypeMasked(QString& text, int& caret, QChar ch) const {
    int place = std::max(0, caret);
    while (place < template_.size() && !IsPlace(place)) ++place;
    if (place >= template_.size() || place >= text.size() || !Accepts(place, ch)) return false;
    text[place] = ch;
    caret = place + 1;
    while (caret < template_.size() && !IsPlace(caret)) ++caret;
    return true;
}

void MaskEdit::EraseMasked(QString& text, int& caret, bool back) const {
    int place = back ? caret - 1 : caret;
    while (place >= 0 && place < template_.size() && !IsPlace(place)) place += back ? -1 : 1;
    if (place < 0 || place >= template_.size() || place >= text.size()) return;
    text[place] = prompt_;
    if (back) caret = place;
}

bool MaskEdit::OnMaskKey(QKeyEvent& key) {
    auto* line = qobject_cast<QLineEdit*>(GetWidget());
    if (!line || line->isReadOnly()) return false;
    QString text = line->text();
    if (text.size() != template_.size()) text = template_;  // the shape is restored first
    int caret = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
    QString typed;
    if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete) {
        EraseMasked(text, caret, key.key() == Qt::Key_Backspace);
    } else if (key.matches(QKeySequence::Cut) || key.matches(QKeySequence::Paste) ||
               key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo)) {
        return true;  // these would break the shape
    } else {
        for (QChar ch : key.text())
            if (ch.unicode() >= 0x20 && TypeMasked(text, caret, ch)) typed += ch;
        if (key.text().isEmpty() || key.text()[0].unicode() < 0x20) return false;  // moves, Enter, Tab
    }
    line->setText(text);  // the line edit tells the parent of the change
    line->setCursorPosition(caret);
    for (QChar ch : typed) OnChar(ch.unicode());
    return true;
}

}  // namespace ui
