#include "ControlTests.h"

#include "controls/RunningClock.h"

#include <QSignalSpy>
#include <QTest>

namespace {
// A clock the test sets by hand.
struct FakeClock {
    QDateTime now;
    int reads = 0;
    RunningClock::Now function()
    {
        return [this] {
            ++reads;
            return now;
        };
    }
};

QDateTime at(int day, const QTime& time)
{
    return QDateTime(QDate(2024, 5, day), time);
}
} // namespace

class RunningClockTest : public QObject {
    Q_OBJECT
private slots:
    void showsLongTime_data();
    void showsLongTime();
    void alarm_data();
    void alarm();
    void newAlarmTimeMayFireSameDay();
    void clearedAlarmStaysQuiet();
    void runsOnItsOwn();
};

void RunningClockTest::showsLongTime_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    // Both locales put a time zone in the long format; the clock leaves it out.
    QTest::newRow("US English") << QLocale(QLocale::English, QLocale::UnitedStates) << "2:03:09 PM";
    QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia) << "14:03:09";
}

void RunningClockTest::showsLongTime()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);

    FakeClock clock{at(1, QTime(14, 3, 9))};
    RunningClock label(clock.function());
    label.setRunning(false);
    label.setLocale(locale);
    QCOMPARE(label.text(), expected);

    clock.now = at(1, QTime(14, 3, 10));
    label.tick();
    QVERIFY(label.text().contains("03:10"));
}

void RunningClockTest::alarm_data()
{
    QTest::addColumn<QTime>("alarmTime");
    QTest::addColumn<QList<QDateTime>>("ticks"); // the first is shown before the alarm is set
    QTest::addColumn<int>("alarms");

    const QTime eight(8, 0);
    QTest::newRow("second by second") << eight << QList{at(1, QTime(7, 59, 59)), at(1, eight)} << 1;
    QTest::newRow("skipped over") << eight << QList{at(1, QTime(7, 59, 58)), at(1, QTime(8, 0, 3))} << 1;
    QTest::newRow("not yet") << eight << QList{at(1, QTime(7, 0)), at(1, QTime(7, 59, 59))} << 0;
    QTest::newRow("already past when set") << eight << QList{at(1, QTime(9, 0)), at(1, QTime(9, 0, 1))} << 0;
    QTest::newRow("first shown time is no passing") << eight << QList{at(1, eight), at(1, QTime(8, 0, 1))} << 0;
    QTest::newRow("once while the day goes on")
        << eight << QList{at(1, QTime(7, 59, 59)), at(1, eight), at(1, QTime(8, 0, 1)), at(1, QTime(12, 0))} << 1;
    QTest::newRow("clock set back passes it again")
        << eight << QList{at(1, QTime(7, 59, 59)), at(1, eight), at(1, QTime(7, 59)), at(1, QTime(8, 0, 5))} << 1;
    QTest::newRow("again the next day") << eight
                                        << QList{at(1, QTime(7, 59, 59)), at(1, eight), at(2, QTime(7, 59, 59)),
                                                 at(2, eight)}
                                        << 2;
    QTest::newRow("asleep over several days") << eight << QList{at(1, QTime(7, 0)), at(4, QTime(9, 0))} << 1;
    QTest::newRow("asleep past it overnight") << eight << QList{at(1, QTime(9, 0)), at(2, QTime(8, 30))} << 1;
    QTest::newRow("alarm at midnight") << QTime(0, 0) << QList{at(1, QTime(23, 59, 59)), at(2, QTime(0, 0))} << 1;
}

void RunningClockTest::alarm()
{
    QFETCH(QTime, alarmTime);
    QFETCH(QList<QDateTime>, ticks);
    QFETCH(int, alarms);

    FakeClock clock{ticks.first()};
    RunningClock label(clock.function());
    label.setRunning(false);
    label.setAlarmTime(alarmTime);
    QSignalSpy alarmed(&label, &RunningClock::alarm);
    for (qsizetype i = 1; i < ticks.size(); ++i) {
        clock.now = ticks[i];
        label.tick();
    }
    QCOMPARE(alarmed.count(), alarms);
}

void RunningClockTest::newAlarmTimeMayFireSameDay()
{
    FakeClock clock{at(1, QTime(7, 59, 59))};
    RunningClock label(clock.function());
    label.setRunning(false);
    label.setAlarmTime(QTime(8, 0));
    QSignalSpy alarmed(&label, &RunningClock::alarm);

    clock.now = at(1, QTime(8, 0));
    label.tick();
    label.setAlarmTime(QTime(10, 0));
    for (const QTime& time : {QTime(9, 59, 59), QTime(10, 0)}) {
        clock.now = at(1, time);
        label.tick();
    }
    QCOMPARE(alarmed.count(), 2);
}

void RunningClockTest::clearedAlarmStaysQuiet()
{
    FakeClock clock{at(1, QTime(7, 59, 59))};
    RunningClock label(clock.function());
    label.setRunning(false);
    label.setAlarmTime(QTime(8, 0));
    label.clearAlarm();
    QSignalSpy alarmed(&label, &RunningClock::alarm);
    clock.now = at(1, QTime(8, 0, 1));
    label.tick();
    QCOMPARE(alarmed.count(), 0);
    QVERIFY(!label.alarmTime().isValid());
}

void RunningClockTest::runsOnItsOwn()
{
    FakeClock clock{at(1, QTime(12, 0, 0, 900))};
    RunningClock label(clock.function());
    QVERIFY(label.isRunning());
    const int atStart = clock.reads;
    // The next tick is due at the coming whole second, 100 ms away.
    QTRY_VERIFY_WITH_TIMEOUT(clock.reads > atStart, 2000);

    label.setRunning(false);
    const int whenStopped = clock.reads;
    QTest::qWait(1200);
    QCOMPARE(clock.reads, whenStopped);
}

int runRunningClockTest(int argc, char** argv)
{
    RunningClockTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RunningClockTest.moc"
