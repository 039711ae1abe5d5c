#include "controls/RunningClock.h"

#include "data/LocaleFormat.h"

#include <QEvent>

RunningClock::RunningClock(Now now, QWidget* parent)
    : QLabel(parent)
    , m_now(std::move(now))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RunningClock::tick);
    setRunning(true);
}

void RunningClock::setRunning(bool running)
{
    m_running = running;
    if (running)
        tick();
    else
        m_timer.stop();
}

void RunningClock::setAlarmTime(const QTime& time)
{
    m_alarmTime = time.isValid() ? QTime(time.hour(), time.minute(), time.second()) : QTime();
    m_alarmDay = QDate();
}

void RunningClock::tick()
{
    if (!m_now)
        return;
    const QDateTime moment = m_now().toLocalTime();
    const QDateTime previous = m_shown;
    showMoment(moment);

    if (m_alarmTime.isValid() && previous.isValid()) {
        // The latest alarm moment not after now; a long pause (a sleeping
        // computer) passes many, but the alarm sounds once.
        QDateTime due(moment.date(), m_alarmTime);
        if (due > moment)
            due = QDateTime(moment.date().addDays(-1), m_alarmTime);
        // A clock set back re-passes the alarm time; the day rule keeps it quiet.
        if (due > previous && due.date() != m_alarmDay) {
            m_alarmDay = due.date();
            emit alarm();
        }
    }
    if (m_running)
        scheduleNextTick(moment);
}

void RunningClock::showMoment(const QDateTime& moment)
{
    m_shown = moment;
    setText(locale().toString(moment.time(), LocaleFormat::longTime(locale())));
}

void RunningClock::scheduleNextTick(const QDateTime& moment)
{
    // Just after the next whole second, so the shown seconds turn on time.
    m_timer.start(1000 - moment.time().msec() + 5);
}

void RunningClock::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::LocaleChange && m_shown.isValid())
        showMoment(m_shown);
}
