// The date-time picker with a display format ("yyyy/MM/dd", "yyyy/MM").
// DTN_DATETIMECHANGE reaches the parent when the user changes the date.
#pragma once

#include "platform/text/DateTime.h"
#include "platform/ui/Control.h"

namespace ui {

class DateTimeCtrl : public Control {
    DECLARE_DYNAMIC(DateTimeCtrl)
public:
    Kind KindForStyle(DWORD) const override { return Kind::DateTimePicker; }
    void Build(const ControlTemplate& entry, QWidget* parent) override;

    // Format letters: yyyy, yy, MM, M, dd, d, HH, H, mm, ss and literal text.
    BOOL SetFormat(const std::string& format);
    BOOL SetTime(const text::DateTime& time);
    BOOL GetTime(text::DateTime& time) const;
    std::string GetWindowText() const override;

    // Shows `time`; a stored value that gives no valid date (empty or
    // unreadable) is shown as the stored text instead, and GetWindowText
    // answers that text until the user picks a date, so that saving the
    // form writes it back unchanged rather than a date the picker held.
    void ShowStored(const std::string& stored, const text::DateTime& time);

private:
    void KeepText(const std::string& text);

    bool keeping_ = false;
    std::string keptText_;
};

}  // namespace ui
