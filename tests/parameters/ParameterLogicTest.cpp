#include "FreshDatabase.h"

#include "data/DataSet.h"
#include "data/SqlValue.h"
#include "journal/AquariumJournal.h"
#include "journal/JournalStatements.h"
#include "parameters/HistoryBounds.h"
#include "parameters/JournalText.h"
#include "parameters/Measurements.h"
#include "parameters/ParameterStatements.h"

#include <QTest>

// Measurement logic: the journal sentence, the history period and the writes.
class ParameterLogicTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void composeJournalText_data()
    {
        QTest::addColumn<QString>("tmpl");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("text");
        QTest::newRow("all three") << "$$ = %% (##)"
                                   << "pH"
                                   << "7.25"
                                   << "abc"
                                   << "pH = 7.25 (abc)";
        QTest::newRow("comma separator") << "$$ = %% (##)"
                                         << "pH"
                                         << "7,25"
                                         << "abc"
                                         << "pH = 7,25 (abc)";
        QTest::newRow("comment ignored") << "$$ = %%"
                                         << "pH"
                                         << "7"
                                         << "abc"
                                         << "pH = 7";
        QTest::newRow("no name placeholder") << "= %%"
                                             << "KH"
                                             << "6"
                                             << ""
                                             << "KH= 6";
        QTest::newRow("no value placeholder") << "$$ measured"
                                              << "KH"
                                              << "6"
                                              << ""
                                              << "6KH measured";
        QTest::newRow("neither") << ""
                                 << "KH"
                                 << "6"
                                 << "x"
                                 << "6KH";
        QTest::newRow("only the first of each") << "$$ $$ %% %% ## ##"
                                                << "A"
                                                << "1"
                                                << "c"
                                                << "A $$ 1 %% c ##";
        QTest::newRow("name containing %%") << "$$ = %%"
                                            << "N%%O"
                                            << "5"
                                            << ""
                                            << "N5O = %%";
        QTest::newRow("comment containing ##") << "## and ##"
                                               << ""
                                               << ""
                                               << "x##"
                                               << "x## and ##";
    }
    void composeJournalText()
    {
        QFETCH(QString, tmpl);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, comment);
        QFETCH(QString, text);
        QCOMPARE(ComposeJournalText(tmpl, name, value, comment), text);
    }

    void numberText_generalFormat_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("trailing zeros dropped") << 7.250 << "7.25";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative") << -1.5 << "-1.5";
        QTest::newRow("no grouping") << 1234567.0 << "1234567";
        QTest::newRow("15 digits") << 0.1 + 0.2 << "0.3";
        QTest::newRow("tiny is scientific") << 0.000001 << "1E-06";
    }
    void numberText_generalFormat()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale::c());
        // The exponent's letter case is the locale's.
        QCOMPARE(SqlValues::formatNumber(value).toLower(), text.toLower());
        QLocale::setDefault(QLocale(QLocale::German));
        QCOMPARE(SqlValues::formatNumber(value).toLower(), QString(text).replace('.', ',').toLower());
        QLocale::setDefault(QLocale::system());
    }

    void historyBounds_data()
    {
        QTest::addColumn<bool>("whole");
        QTest::addColumn<QDateTime>("first");
        QTest::addColumn<QDateTime>("last");
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<QDateTime>("to");
        const QDateTime a(QDate(2026, 12, 1), QTime(15, 30));
        const QDateTime b(QDate(2026, 12, 11), QTime(9, 0));
        QTest::newRow("period") << false << a << b << QDateTime(QDate(2026, 12, 1), QTime(0, 0))
                                << QDateTime(QDate(2026, 12, 11), QTime(23, 59, 59));
        QTest::newRow("one day") << false << b << b << QDateTime(QDate(2026, 12, 11), QTime(0, 0))
                                 << QDateTime(QDate(2026, 12, 11), QTime(23, 59, 59));
        QTest::newRow("whole history") << true << a << b << QDateTime(QDate(1899, 12, 30), QTime(0, 0))
                                       << QDateTime(QDate(10000, 1, 2), QTime(0, 12));
    }
    void historyBounds()
    {
        QFETCH(bool, whole);
        QFETCH(QDateTime, first);
        QFETCH(QDateTime, last);
        QFETCH(QDateTime, from);
        QFETCH(QDateTime, to);
        const HistoryPeriod period =
            HistoryBounds(whole, DateTime::fromQDateTime(first), DateTime::fromQDateTime(last));
        QCOMPARE(period.from.toQDateTime(), from);
        QCOMPARE(period.to.toQDateTime(), to);
    }

    void addMeasurement_writesJournalAsAskedAndHistoryFollows()
    {
        FreshDatabase fresh;
        Database db(fresh.path());
        DataSet history(db, QStringLiteral("MeasuresQuery"), QString::fromUtf8(ParameterSql::MeasuresQuery));
        DataSet journalList(db, QStringLiteral("JournalQuery"), QString::fromUtf8(JournalSql::JournalQuery));
        DataSet temp(db, QStringLiteral("TempQuery"));
        AquariumJournal journal(db, journalList, temp);
        Measurements measures(db, history, temp, journal);
        const HistoryPeriod all = HistoryBounds(true, DateTime(), DateTime());
        history.setParam(QStringLiteral("REF_P_TYPE"), 1);
        history.setParam(QStringLiteral("FROMDATE"), all.from);
        history.setParam(QStringLiteral("TODATE"), all.to);
        history.open();
        journalList.open();

        Measurements::Entry e;
        e.parameterId = 1;
        e.value = 7.2;
        e.moment = DateTime(46000.5);
        e.comment = QStringLiteral("утро");
        e.toJournal = true;
        e.journalText = QStringLiteral("pH = 7.2");
        // Appending to an empty journal writes nothing there.
        e.journalMode = Measurements::JournalMode::AppendToLatest;
        QCOMPARE(measures.AddMeasurement(e), 1);
        QCOMPARE(journalList.count(), 0);
        QCOMPARE(history.asInt(QStringLiteral("ID")), 1);

        e.journalMode = Measurements::JournalMode::NewEntry;
        e.journalMoment = [] { return DateTime(46000.75); };
        measures.AddMeasurement(e);
        QCOMPARE(journalList.count(), 1);
        QCOMPARE(journalList.asDateTime(QStringLiteral("EVENTTIME")).days(), 46000.75);
        journal.SaveJournalEntry(journalList.asInt(QStringLiteral("ID")), QStringLiteral("pH = 7.2"),
                                 QStringLiteral("photo.jpg"));

        e.journalMode = Measurements::JournalMode::AppendToLatest;
        e.journalText = QStringLiteral("KH = 6");
        const int third = measures.AddMeasurement(e);
        QCOMPARE(journalList.count(), 1);
        QCOMPARE(journalList.asString(QStringLiteral("EVENTMEMO")), QStringLiteral("pH = 7.2 ; KH = 6"));
        QCOMPARE(journalList.asString(QStringLiteral("PHOTOFILE")), QStringLiteral("photo.jpg"));

        e.journalText.clear(); // nothing to write: the journal is left alone
        measures.AddMeasurement(e);
        QCOMPARE(journalList.asString(QStringLiteral("EVENTMEMO")), QStringLiteral("pH = 7.2 ; KH = 6"));
        QCOMPARE(history.count(), 4);

        measures.CorrectMeasurement(third, 8.5, QStringLiteral("исправлено"));
        QCOMPARE(history.asInt(QStringLiteral("ID")), third);
        QCOMPARE(history.asFloat(QStringLiteral("VALUE")), 8.5);
        QCOMPARE(history.asDateTime(QStringLiteral("WHEN")).days(), 46000.5);
        measures.DeleteMeasurement(third);
        QCOMPARE(history.count(), 3);
        QVERIFY(!history.locate(third));
    }
};

QTEST_GUILESS_MAIN(ParameterLogicTest)
#include "ParameterLogicTest.moc"
