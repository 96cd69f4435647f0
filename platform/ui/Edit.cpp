#include "platform/ui/Edit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QValidator>

#include "platform/text/Text.h"

namespace ui {

IMPLEMENT_DYNAMIC(Edit, Control)

namespace {
// Holds a single-line edit to the typing rules of its control object.
class RulesValidator : public QValidator {
public:
    explicit RulesValidator(QLineEdit* line) : QValidator(line), line_(line) {}
    State validate(QString& input, int& pos) const override {
        auto* edit = dynamic_cast<Edit*>(Wnd::FromWidget(line_));
        if (!edit) return Acceptable;
        const QString ruled = edit->ApplyTypingRules(input);
        if (ruled == input) return Acceptable;
        if (ruled.size() == input.size() && ruled.compare(input, Qt::CaseInsensitive) == 0) {
            input = ruled;  // only the case changed
            return Acceptable;
        }
        return Invalid;  // the keystroke is refused, as a beep would
    }

private:
    QLineEdit* line_;
};

QString FromText(const std::string& s) { return QString::fromStdString(text::ReplaceAll(s, "\r\n", "\n")); }
}  // namespace

void Edit::Build(const ControlTemplate& entry, QWidget* parent) {
    SetDlgCtrlID(entry.id);
    SetStyle(entry.style);
    if (entry.style & ES_MULTILINE) {
        auto* box = new detail::Bridged<QPlainTextEdit>(parent);
        box->setTabChangesFocus(true);
        box->setReadOnly(entry.style & ES_READONLY);
        box->setPlainText(FromText(entry.text));
        Attach(box, false);
        QObject::connect(box, &QPlainTextEdit::textChanged, [box] {
            if (Edit* edit = Driver<Edit>(box)) {
                if (!edit->changingFromCode_) edit->OnUserEdit();
                edit->NotifyParent(EN_CHANGE);
            }
        });
        return;
    }
    auto* line = new detail::Bridged<QLineEdit>(parent);
    line->setReadOnly(entry.style & ES_READONLY);
    if (entry.style & ES_PASSWORD) line->setEchoMode(QLineEdit::Password);
    if (entry.style & ES_CENTER) line->setAlignment(Qt::AlignHCenter);
    else if (entry.style & ES_RIGHT) line->setAlignment(Qt::AlignRight);
    line->setText(QString::fromStdString(entry.text));
    line->setValidator(new RulesValidator(line));
    Attach(line, false);
    if (entry.style & ES_NUMBER) validUtf8_ = "0123456789";
    QObject::connect(line, &QLineEdit::textChanged, [line] {
        if (Edit* edit = Driver<Edit>(line)) edit->NotifyParent(EN_CHANGE);
    });
}

QString Edit::ApplyTypingRules(const QString& typed) const {
    QString s = typed;
    if (GetStyle() & ES_UPPERCASE) s = s.toUpper();
    else if (GetStyle() & ES_LOWERCASE) s = s.toLower();
    if (!validUtf8_.empty()) {
        const QString valid = QString::fromStdString(validUtf8_);
        QString kept;
        for (QChar ch : s)
            if (valid.contains(ch) || (IsMultiLine() && ch == '\n')) kept += ch;
        s = kept;
    }
    if (limit_ > 0 && text::GbkLength(s.toStdString()) > size_t(limit_))
        s = QString::fromStdString(text::TruncateGbk(s.toStdString(), size_t(limit_)));
    if (charLimit_ > 0) {
        // Whole characters (a surrogate pair is one) up to the limit.
        int counted = 0, end = 0;
        while (end < s.size()) {
            const int width = s[end].isHighSurrogate() && end + 1 < s.size() ? 2 : 1;
            const int cost = s[end] == '\n' && IsMultiLine() ? 2 : 1;
            if (counted + cost > charLimit_) break;
            counted += cost;
            end += width;
        }
        s.truncate(end);
    }
    return s;
}

void Edit::OnUserEdit() {
    auto* box = qobject_cast<QPlainTextEdit*>(GetWidget());
    if (!box) return;
    const QString now = box->toPlainText();
    const QString ruled = ApplyTypingRules(now);
    if (ruled == now) return;
    CodeChange change(*this);
    const int pos = std::min(int(box->textCursor().position()), int(ruled.size()));
    box->setPlainText(ruled);
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(pos);
    box->setTextCursor(cursor);
}

void Edit::OnChar(UINT ch) {
    if (charHook_) charHook_(*this, ch);
}

void Edit::SetWindowText(const std::string& text) {
    CodeChange change(*this);
    if (auto* line = qobject_cast<QLineEdit*>(GetWidget())) line->setText(QString::fromStdString(text));
    else if (auto* box = qobject_cast<QPlainTextEdit*>(GetWidget())) box->setPlainText(FromText(text));
}

std::string Edit::GetWindowText() const {
    if (auto* line = qobject_cast<QLineEdit*>(GetWidget())) return line->text().toStdString();
    if (auto* box = qobject_cast<QPlainTextEdit*>(GetWidget()))
        return text::ReplaceAll(box->toPlainText().toStdString(), "\n", "\r\n");
    return {};
}

int Edit::GetWindowTextLength() const { return int(text::GbkLength(GetWindowText())); }

void Edit::LimitText(int maxBytes) { limit_ = std::max(0, maxBytes); }

void Edit::LimitChars(int maxChars) { charLimit_ = std::max(0, maxChars); }

void Edit::SetReadOnly(BOOL readOnly) {
    if (auto* line = qobject_cast<QLineEdit*>(GetWidget())) line->setReadOnly(readOnly);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(GetWidget())) box->setReadOnly(readOnly);
    ModifyStyle(readOnly ? 0 : ES_READONLY, readOnly ? ES_READONLY : 0);
}

bool Edit::IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0; }

void Edit::SetPasswordChar(char ch) {
    if (auto* line = qobject_cast<QLineEdit*>(GetWidget()))
        line->setEchoMode(ch ? QLineEdit::Password : QLineEdit::Normal);
}

void Edit::SetValidChars(const std::string& chars) { validUtf8_ = chars; }

void Edit::SetSel(int start, int end) {
    if (auto* line = qobject_cast<QLineEdit*>(GetWidget())) {
        if (start == 0 && end == -1) line->selectAll();
        else if (start < 0) line->deselect();
        else line->setSelection(start, end - start);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(GetWidget())) {
        QTextCursor cursor = box->textCursor();
        const int size = int(box->toPlainText().size());
        cursor.setPosition(std::clamp(start, 0, size));
        cursor.setPosition(end < 0 ? size : std::clamp(end, 0, size), QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
    }
}

void Edit::GetSel(int& start, int& end) const {
    start = end = 0;
    if (auto* line = qobject_cast<QLineEdit*>(GetWidget())) {
        if (line->hasSelectedText()) {
            start = line->selectionStart();
            end = start + int(line->selectedText().size());
        } else {
            start = end = line->cursorPosition();
        }
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(GetWidget())) {
        start = box->textCursor().selectionStart();
        end = box->textCursor().selectionEnd();
    }
}

void Edit::ReplaceSel(const std::string& text) {
    if (auto* line = qobject_cast<QLineEdit*>(GetWidget())) line->insert(QString::fromStdString(text));
    else if (auto* box = qobject_cast<QPlainTextEdit*>(GetWidget())) box->insertPlainText(FromText(text));
}

}  // namespace ui
