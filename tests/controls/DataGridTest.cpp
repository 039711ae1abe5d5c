#include "FreshDatabase.h"
#include "ScriptedPrompter.h"

#include "controls/DataGrid.h"
#include "controls/DataSetModel.h"
#include "controls/HandlerGuard.h"
#include "data/DataSet.h"
#include "data/Database.h"

#include <QItemSelectionModel>
#include <QTest>

// The grid over a data set and the guard that wraps every handler.
class DataGridTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FreshDatabase> m_fresh;
    std::unique_ptr<Database> m_db;
    ScriptedPrompter m_prompter;

private Q_SLOTS:
    void init()
    {
        m_fresh = std::make_unique<FreshDatabase>();
        m_db = std::make_unique<Database>(m_fresh->path());
        for (int i = 1; i <= 4; ++i)
            m_db->execute(QStringLiteral("INSERT INTO JOURNAL (ID, EVENTTIME, EVENTMEMO) VALUES (%1, %2, 'entry %1')")
                              .arg(i)
                              .arg(46000 + i));
        m_prompter = ScriptedPrompter();
    }
    void cleanup()
    {
        m_db.reset();
        m_fresh.reset();
    }

    void fullStopRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "no such table: JOURNAL"
                                << "no such table: JOURNAL.";
        QTest::newRow("digit") << "error 5"
                               << "error 5.";
        QTest::newRow("full stop") << "Done."
                                   << "Done.";
        QTest::newRow("bracket sorts before") << "failed (x)"
                                              << "failed (x)";
        QTest::newRow("exclamation") << "failed!"
                                     << "failed!";
        QTest::newRow("space") << "failed "
                               << "failed ";
        QTest::newRow("empty") << ""
                               << "";
    }
    void fullStopRule()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(HandlerGuard::withFullStop(text), shown);
    }

    void guard_showsErrorAndSkipsRestOfHandler()
    {
        HandlerGuard guard(m_prompter);
        bool reachedEnd = false;
        const bool ok = guard.run([&] {
            DataSet ds(*m_db, QStringLiteral("Bad"), QStringLiteral("SELECT * FROM NOSUCHTABLE"));
            ds.open();
            reachedEnd = true;
        });
        QVERIFY(!ok);
        QVERIFY(!reachedEnd);
        QCOMPARE(m_prompter.errors.size(), 1);
        QVERIFY(m_prompter.errors[0].startsWith(QStringLiteral("no such table: NOSUCHTABLE")));
        QVERIFY(m_prompter.errors[0].endsWith(QLatin1Char('.')));
        QVERIFY(guard.run([] {}));
    }

    void grid_andCurrentRowFollowEachOther()
    {
        HandlerGuard guard(m_prompter);
        DataSet ds(*m_db, QStringLiteral("JournalQuery"),
                   QStringLiteral("SELECT * FROM JOURNAL ORDER BY EVENTTIME DESC"));
        ds.setDisplayKind(QStringLiteral("EVENTTIME"), FieldKind::DateTime);
        ds.setDisplayLabel(QStringLiteral("EVENTMEMO"), QStringLiteral("Запись"));
        ds.setVisible(QStringLiteral("ID"), false);
        QStringList seen;
        ds.onCurrentRowChanged([&] { seen << ds.asString(QStringLiteral("EVENTMEMO")); });
        DataGrid grid(guard);
        grid.setDataSet(&ds);
        ds.open();
        QCOMPARE(grid.model()->rowCount(), 4);
        QCOMPARE(grid.currentIndex().row(), 0);
        const int memo = ds.fieldIndex(QStringLiteral("EVENTMEMO"));
        QCOMPARE(grid.model()->headerData(memo, Qt::Horizontal).toString(), QStringLiteral("Запись"));
        QVERIFY(grid.isColumnHidden(ds.fieldIndex(QStringLiteral("ID"))));
        const int time = ds.fieldIndex(QStringLiteral("EVENTTIME"));
        QCOMPARE(grid.dataModel()->displayText(0, time), DateTime(46004).toText());

        // Choosing a row in the grid moves the data set.
        grid.selectionModel()->setCurrentIndex(grid.model()->index(2, memo),
                                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QCOMPARE(ds.currentIndex(), 2);
        QCOMPARE(seen.last(), QStringLiteral("entry 2"));
        // Moving the data set selects the row in the grid.
        ds.locate(4);
        QCOMPARE(grid.currentIndex().row(), 0);
        // A language change renames the column at once.
        ds.setDisplayLabel(QStringLiteral("EVENTMEMO"), QStringLiteral("Entry"));
        QCOMPARE(grid.model()->headerData(memo, Qt::Horizontal).toString(), QStringLiteral("Entry"));
        ds.close();
        QCOMPARE(grid.model()->rowCount(), 0);
    }

    void grid_errorInRowChangeIsShownAndGridStaysUsable()
    {
        HandlerGuard guard(m_prompter);
        DataSet ds(*m_db, QStringLiteral("JournalQuery"), QStringLiteral("SELECT * FROM JOURNAL ORDER BY ID"));
        DataSet dependent(*m_db, QStringLiteral("Dependent"), QStringLiteral("SELECT * FROM NOSUCHTABLE"));
        DataGrid grid(guard);
        grid.setDataSet(&ds);
        ds.open();
        ds.onCurrentRowChanged([&] { dependent.reopen(); });
        grid.selectionModel()->setCurrentIndex(grid.model()->index(1, 0),
                                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QCOMPARE(m_prompter.errors.size(), 1);
        QCOMPARE(ds.currentIndex(), 1);
    }
};

QTEST_MAIN(DataGridTest)
#include "DataGridTest.moc"
