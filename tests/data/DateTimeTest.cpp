#include "data/DateTime.h"

#include <QTest>

class DateTimeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void conversions_data()
    {
        QTest::addColumn<double>("days");
        QTest::addColumn<QDateTime>("moment");
        QTest::newRow("epoch") << 0.0 << QDateTime(QDate(1899, 12, 30), QTime(0, 0));
        QTest::newRow("1900-01-01") << 2.0 << QDateTime(QDate(1900, 1, 1), QTime(0, 0));
        QTest::newRow("one hour") << 1.0 / 24 << QDateTime(QDate(1899, 12, 30), QTime(1, 0));
        QTest::newRow("noon") << 46367.5 << QDateTime(QDate(2026, 12, 11), QTime(12, 0));
        QTest::newRow("last second") << 46367.0 + 86399.0 / 86400 << QDateTime(QDate(2026, 12, 11), QTime(23, 59, 59));
        QTest::newRow("before the epoch") << -1.0 << QDateTime(QDate(1899, 12, 29), QTime(0, 0));
    }
    void conversions()
    {
        QFETCH(double, days);
        QFETCH(QDateTime, moment);
        QCOMPARE(DateTime(days).toQDateTime(), moment);
        QCOMPARE(DateTime::fromQDateTime(moment).days(), days);
    }

    void hoursAddUpToWholeTimes()
    {
        // 24 one-hour steps from midnight land on the next midnight, not a millisecond before.
        DateTime t = DateTime::fromDate(QDate(2026, 3, 1));
        for (int i = 0; i < 24; ++i)
            t = t.addHours(1);
        QCOMPARE(t.toQDateTime(), QDateTime(QDate(2026, 3, 2), QTime(0, 0)));
        QVERIFY(t.isMidnight());
    }

    void dateOfOneTimeOfAnother()
    {
        const DateTime date = DateTime::fromDateAndTime(QDate(2026, 5, 4), QTime(23, 0));
        const DateTime time = DateTime::fromDateAndTime(QDate(1999, 1, 1), QTime(7, 30, 15));
        QCOMPARE(date.withTimeOf(time).toQDateTime(), QDateTime(QDate(2026, 5, 4), QTime(7, 30, 15)));
        QCOMPARE(date.datePart().toQDateTime(), QDateTime(QDate(2026, 5, 4), QTime(0, 0)));
    }

    void text_leavesOutMidnight()
    {
        const DateTime midnight = DateTime::fromDate(QDate(2026, 5, 4));
        QCOMPARE(midnight.toText(), midnight.toShortDateText());
        const DateTime evening = DateTime::fromDateAndTime(QDate(2026, 5, 4), QTime(18, 5, 9));
        QCOMPARE(evening.toText(), evening.toShortDateText() + QLatin1Char(' ') + evening.toLongTimeText());
        QVERIFY(evening.toLongTimeText().contains(QStringLiteral("05")));
    }
};

QTEST_GUILESS_MAIN(DateTimeTest)
#include "DateTimeTest.moc"
