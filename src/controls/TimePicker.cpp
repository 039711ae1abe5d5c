#include "controls/TimePicker.h"

#include "data/LocaleFormat.h"

#include <QEvent>

namespace {
const QDate kEpoch(1899, 12, 30);
}

TimePicker::TimePicker(QWidget* parent)
    : QTimeEdit(parent)
{
    setDisplayFormat(LocaleFormat::longTime(locale()));
}

DateTime TimePicker::dateTime() const
{
    const QTime shown = time();
    return DateTime::fromDateAndTime(kEpoch, QTime(shown.hour(), shown.minute(), shown.second()));
}

void TimePicker::setDateTime(DateTime moment)
{
    const QTime time = moment.time();
    setTime(QTime(time.hour(), time.minute(), time.second()));
}

void TimePicker::changeEvent(QEvent* event)
{
    QTimeEdit::changeEvent(event);
    if (event->type() == QEvent::LocaleChange)
        setDisplayFormat(LocaleFormat::longTime(locale()));
}
