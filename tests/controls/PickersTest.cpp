#include "ControlTests.h"

#include "controls/CombineDateAndTime.h"
#include "controls/DatePicker.h"
#include "data/LocaleFormat.h"
#include "controls/TimePicker.h"

#include <QTest>

namespace {
DateTime moment(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return DateTime::fromDateAndTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}
} // namespace

class PickersTest : public QObject {
    Q_OBJECT
private slots:
    void combineTakesDateOfOneTimeOfOther_data();
    void combineTakesDateOfOneTimeOfOther();
    void timePickerKeepsWholeSeconds();
    void shownInLocaleFormat_data();
    void shownInLocaleFormat();

    void withFullYear_data();
    void withFullYear();
    void withoutTimeZone_data();
    void withoutTimeZone();
};

void PickersTest::combineTakesDateOfOneTimeOfOther_data()
{
    QTest::addColumn<double>("dateSource"); // days, as DateTime holds them
    QTest::addColumn<double>("timeSource");
    QTest::addColumn<double>("expected");

    // 2024-03-05 is day 45356.
    QTest::newRow("afternoon") << moment(2024, 3, 5).days() << moment(1899, 12, 30, 13, 45, 30).days()
                               << 45356 + 49530.0 / 86400;
    QTest::newRow("midnight is the bare date") << moment(2024, 3, 5).days() << moment(1899, 12, 30).days() << 45356.0;
    QTest::newRow("last second stays on the day")
        << moment(2024, 3, 5).days() << moment(1899, 12, 30, 23, 59, 59).days() << 45356 + 86399.0 / 86400;
    QTest::newRow("date picker's time is dropped")
        << moment(2024, 3, 5, 18, 0).days() << moment(1899, 12, 30, 6, 0).days() << 45356.25;
    QTest::newRow("time picker's date is dropped")
        << moment(2024, 3, 5).days() << moment(2000, 1, 1, 6, 0).days() << 45356.25;
    QTest::newRow("midnight from a dated moment")
        << moment(2024, 3, 5, 9, 30).days() << moment(2010, 7, 7).days() << 45356.0;
}

void PickersTest::combineTakesDateOfOneTimeOfOther()
{
    QFETCH(double, dateSource);
    QFETCH(double, timeSource);
    QFETCH(double, expected);

    DatePicker datePicker;
    TimePicker timePicker;
    datePicker.setDateTime(DateTime(dateSource));
    timePicker.setDateTime(DateTime(timeSource));

    const DateTime combined = combineDateAndTime(datePicker, timePicker);
    QVERIFY2(combined.days() == expected, QByteArray::number(combined.days(), 'g', 17));
}

void PickersTest::timePickerKeepsWholeSeconds()
{
    // The field shows seconds; a hidden fraction would make equal-looking
    // times compare unequal.
    TimePicker picker;
    picker.setDateTime(moment(2024, 3, 5, 10, 0, 0, 600));
    QCOMPARE(picker.dateTime().time(), QTime(10, 0, 0));
    QCOMPARE(picker.dateTime().date(), QDate(1899, 12, 30));
}

void PickersTest::shownInLocaleFormat_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");

    // US English writes a two-digit year and the time zone in its formats.
    QTest::newRow("US English") << QLocale(QLocale::English, QLocale::UnitedStates) << "3/5/2024"
                                << "2:03:09 PM";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "05.03.2024"
                            << "14:03:09";
    QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia) << "05.03.2024"
                             << "14:03:09";
}

void PickersTest::shownInLocaleFormat()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, date);
    QFETCH(QString, time);

    // Set after construction, as a locale change reaches a live window.
    DatePicker datePicker;
    TimePicker timePicker;
    datePicker.setLocale(locale);
    timePicker.setLocale(locale);
    datePicker.setDateTime(moment(2024, 3, 5));
    timePicker.setDateTime(moment(2024, 3, 5, 14, 3, 9));
    QCOMPARE(datePicker.text(), date);
    QCOMPARE(timePicker.text(), time);
}

void PickersTest::withFullYear_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two-digit year") << "M/d/yy"
                                    << "M/d/yyyy";
    QTest::newRow("four-digit year kept") << "dd.MM.yyyy"
                                          << "dd.MM.yyyy";
    QTest::newRow("quoted text kept") << "d 'yy' yy"
                                      << "d 'yy' yyyy";
    QTest::newRow("escaped quote") << "yy''MM"
                                   << "yyyy''MM";
}

void PickersTest::withFullYear()
{
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(LocaleFormat::withFullYear(format), expected);
}

void PickersTest::withoutTimeZone_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zone at end") << "HH:mm:ss t"
                                 << "HH:mm:ss";
    QTest::newRow("zone after AM/PM") << "h:mm:ss AP t"
                                      << "h:mm:ss AP";
    QTest::newRow("zone at start") << "t HH:mm:ss"
                                   << "HH:mm:ss";
    QTest::newRow("long zone name") << "HH:mm:ss tttt"
                                    << "HH:mm:ss";
    QTest::newRow("no zone") << "HH:mm:ss"
                             << "HH:mm:ss";
    QTest::newRow("quoted t kept") << "H 'h' mm 'at' ss t"
                                   << "H 'h' mm 'at' ss";
}

void PickersTest::withoutTimeZone()
{
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(LocaleFormat::withoutTimeZone(format), expected);
}

int runPickersTest(int argc, char** argv)
{
    PickersTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PickersTest.moc"
