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
    return picker ? picker->text().toStdString() : std::string();
}

}  // namespace ui
