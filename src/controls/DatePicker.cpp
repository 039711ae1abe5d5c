#include "controls/DatePicker.h"

#include "data/LocaleFormat.h"

#include <QEvent>

DatePicker::DatePicker(QWidget* parent)
    : QDateEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(LocaleFormat::shortDate(locale()));
}

DateTime DatePicker::dateTime() const
{
    return DateTime::fromDate(date());
}

void DatePicker::setDateTime(DateTime moment)
{
    setDate(moment.date());
}

void DatePicker::changeEvent(QEvent* event)
{
    QDateEdit::changeEvent(event);
    if (event->type() == QEvent::LocaleChange)
        setDisplayFormat(LocaleFormat::shortDate(locale()));
}
