#pragma once

#include <QDate>
#include <QDateTime>
#include <QLabel>
#include <QTime>
#include <QTimer>

#include <functional>

// A label showing the time of day in the long time format, renewed each second
// from the clock it is given. It can hold a daily alarm: alarm() is emitted when
// the shown time passes the alarm time, at most once a calendar day.
class RunningClock : public QLabel {
    Q_OBJECT
public:
    using Now = std::function<QDateTime()>;

    // Starts running at once.
    explicit RunningClock(Now now, QWidget* parent = nullptr);

    bool isRunning() const { return m_running; }
    void setRunning(bool running);

    // An invalid time means no alarm. A new alarm time may fire the same day
    // the old one did.
    QTime alarmTime() const { return m_alarmTime; }
    void setAlarmTime(const QTime& time);
    void clearAlarm() { setAlarmTime(QTime()); }

public slots:
    // Reads the clock, shows the time and checks the alarm.
    void tick();

signals:
    void alarm();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showMoment(const QDateTime& moment);
    void scheduleNextTick(const QDateTime& moment);

    Now m_now;
    QTimer m_timer;
    bool m_running = false;
    QDateTime m_shown;
    QTime m_alarmTime;
    QDate m_alarmDay; // the day whose alarm has fired
};
