// The edit control: single or multi-line, password, read-only, upper-case, a
// length limit counted in GBK bytes, a set of allowed characters, and a hook
// after each typed character. Rules on typing hold for what the user types
// or pastes; text set by the program is taken as it is.
#pragma once

#include <functional>

#include "platform/ui/Control.h"

namespace ui {

class Edit : public Control {
    DECLARE_DYNAMIC(Edit)
public:
    Kind KindForStyle(DWORD) const override { return Kind::Edit; }
    void Build(const ControlTemplate& entry, QWidget* parent) override;

    void SetWindowText(const std::string& text) override;  // multi-line: "\r\n" between lines
    std::string GetWindowText() const override;
    int GetWindowTextLength() const;

    // Most GBK bytes the user can type; 0 lifts the limit.
    void LimitText(int maxBytes);
    void SetLimitText(int maxBytes) { LimitText(maxBytes); }
    int GetLimitText() const { return limit_; }
    // Most characters the user can type, as a database counts a text column's
    // length (a line break of a multi-line box counts as the two it is
    // stored as); 0 lifts the limit.
    void LimitChars(int maxChars);
    int GetLimitChars() const { return charLimit_; }
    void SetReadOnly(BOOL readOnly = TRUE);
    bool IsReadOnly() const;
    void SetPasswordChar(char ch);  // 0 shows the text again
    // Only these characters can be typed; empty allows every character.
    void SetValidChars(const std::string& chars);
    const std::string& GetValidChars() const { return validUtf8_; }
    // Called after the control has taken each typed character.
    void SetCharHook(std::function<void(Edit&, UINT)> hook) { charHook_ = std::move(hook); }

    void SetSel(int start, int end);
    void GetSel(int& start, int& end) const;
    void ReplaceSel(const std::string& text);
    bool IsMultiLine() const { return (GetStyle() & ES_MULTILINE) != 0; }

    // The text as the typing rules leave it (upper case, allowed characters,
    // length limit).
    QString ApplyTypingRules(const QString& typed) const;

protected:
    void OnChar(UINT ch) override;
    void OnSetFocus() override { NotifyParent(EN_SETFOCUS); }
    void OnKillFocus() override { NotifyParent(EN_KILLFOCUS); }

private:
    void OnUserEdit();
    int limit_ = 0;
    int charLimit_ = 0;
    std::string validUtf8_;
    std::function<void(Edit&, UINT)> charHook_;
};

}  // namespace ui
