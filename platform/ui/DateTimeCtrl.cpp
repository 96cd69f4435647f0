#include "platform/ui/DateTimeCtrl.h"

#include <QDateTimeEdit>

namespace ui {

IMPLEMENT_DYNAMIC(DateTimeCtrl, Control)

void DateTimeCtrl::Build(const ControlTemplate& entry, QWidget* parent) {
    auto* picker = new detail::Bridged<QDateTimeEdit>(QDateTime::currentDateTime(), parent);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat("yyyy-MM-dd");
    Attach(picker, false);
    SetDlgCtrlID(entry.id);
    SetStyle(entry.style);
    QObject::connect(picker, &QDateTimeEdit::dateTimeChanged, [picker] {
        if (auto* ctrl = Driver<DateTimeCtrl>(picker); ctrl && !ctrl->changingFromCode_)
            ctrl->NotifyParent(DTN_DATETIMECHANGE);
    });
}

BOOL DateTimeCtrl::SetFormat(const std::string& format) {
    auto* picker = qobject_cast<QDateTimeEdit*>(GetWidget());
    if (!picker) return FALSE;
    picker->setDisplayFormat(QString::fromStdString(format));
    return TRUE;
}

BOOL DateTimeCtrl::SetTime(const text::DateTime& time) {
    auto* picker = qobject_cast<QDateTimeEdit*>(GetWidget());
    if (!picker || !time.IsValid()) return FALSE;
    CodeChange change(*this);
    keeping_ = false;
    picker->setSpecialValueText({});
    picker->setDateTime(QDateTime(QDate(time.year, time.month, time.day), QTime(time.hour, time.minute, time.second)));
    return TRUE;
}

BOOL DateTimeCtrl::GetTime(text::DateTime& time) const {
    auto* picker = qobject_cast<QDateTimeEdit*>(GetWidget());
    if (!picker) return FALSE;
    const QDateTime value = picker->dateTime();
    time = {value.date().year(), value.date().month(), value.date().day(),
            value.time().hour(), value.time().minute(), value.time().second()};
    return TRUE;
}

std::string DateTimeCtrl::GetWindowText() const {
    auto* picker = qobject_cast<QDateTimeEdit*>(GetWidget());
    if (!picker) return {};
    // The kept text stands while the picker rests on its lowest value.
    if (keeping_ && picker->dateTime() == picker->minimumDateTime()) return keptText_;
    return picker->text().toStdString();
}

void DateTimeCtrl::ShowStored(const std::string& stored, const text::DateTime& time) {
    if (!SetTime(time)) KeepText(stored);
}

void DateTimeCtrl::KeepText(const std::string& text) {
    auto* picker = qobject_cast<QDateTimeEdit*>(GetWidget());
    if (!picker) return;
    CodeChange change(*this);
    keeping_ = true;
    keptText_ = text;
    // Qt shows the special text while the value is the minimum; an empty
    // special text would switch the display off, so a blank stands in.
    picker->setSpecialValueText(text.empty() ? QStringLiteral(" ") : QString::fromStdString(text));
    picker->setDateTime(picker->minimumDateTime());
}

}  // namespace ui
