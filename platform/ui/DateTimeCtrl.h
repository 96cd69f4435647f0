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
};

}  // namespace ui
