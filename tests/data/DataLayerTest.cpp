#include "FreshDatabase.h"

#include "data/DataSet.h"
#include "data/Database.h"
#include "data/DatabaseError.h"
#include "data/NextId.h"
#include "data/RuntimeSql.h"
#include "data/Statement.h"
#include "data/Transaction.h"

#include <QFile>
#include <QTest>

// Data sets, statements and the database connection over a fresh copy of the
// bundled database.
class DataLayerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FreshDatabase> m_fresh;
    std::unique_ptr<Database> m_db;

    void addMeasure(int id, int type, double value, double when, const QString& comment = QString())
    {
        Statement add(*m_db, QStringLiteral("AddQuery"),
                      QStringLiteral("INSERT INTO MEASURES\n(ID, REF_P_TYPE, VALUE, WHEN, COMMENT)\nVALUES\n(:ID, "
                                     ":REF_P_TYPE, :VALUE, :WHEN, :COMMENT)"));
        add.setParam(QStringLiteral("ID"), id);
        add.setParam(QStringLiteral("REF_P_TYPE"), type);
        add.setParam(QStringLiteral("VALUE"), value);
        add.setParam(QStringLiteral("WHEN"), DateTime(when));
        add.setParam(QStringLiteral("COMMENT"), comment);
        add.execute();
    }

private Q_SLOTS:
    void init()
    {
        m_fresh = std::make_unique<FreshDatabase>();
        QVERIFY(m_fresh->isValid());
        m_db = std::make_unique<Database>(m_fresh->path());
    }
    void cleanup()
    {
        m_db.reset();
        m_fresh.reset();
    }

    void nextId_followsLargestIdentifier()
    {
        DataSet temp(*m_db, QStringLiteral("TempQuery"));
        QCOMPARE(NextId(temp, QStringLiteral("JOURNAL")), 1);
        m_db->execute(QStringLiteral("INSERT INTO JOURNAL (ID, EVENTMEMO) VALUES (1, 'a')"));
        QCOMPARE(NextId(temp, QStringLiteral("JOURNAL")), 2);
        m_db->execute(QStringLiteral("INSERT INTO JOURNAL (ID, EVENTMEMO) VALUES (2, 'b')"));
        m_db->execute(QStringLiteral("DELETE FROM JOURNAL WHERE ID=2"));
        QCOMPARE(NextId(temp, QStringLiteral("JOURNAL")), 2); // the largest identifier is reused
        QCOMPARE(temp.sql(), QStringLiteral("SELECT MAX(ID) AS ID FROM JOURNAL"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, NextId(temp, QStringLiteral("JOURNAL; DROP TABLE MEMOS")));
    }

    void open_runsNotificationsInOrder()
    {
        for (int i = 1; i <= 3; ++i)
            addMeasure(i, 1, i * 1.5, 100 + i);
        DataSet ds(*m_db, QStringLiteral("MeasuresQuery"),
                   QStringLiteral("SELECT * FROM MEASURES WHERE (REF_P_TYPE=:REF_P_TYPE)AND(WHEN>=:FROMDATE)AND(WHEN<=:"
                                  "TODATE) ORDER BY WHEN DESC"));
        QStringList events;
        ds.onBeforeOpen([&] { events << QStringLiteral("before"); });
        ds.onCurrentRowChanged([&] { events << QStringLiteral("current %1").arg(ds.asInt(QStringLiteral("ID"))); });
        ds.onAfterOpen([&] { events << QStringLiteral("after"); });
        ds.setParam(QStringLiteral("REF_P_TYPE"), 1);
        ds.setParam(QStringLiteral("FROMDATE"), DateTime(102));
        ds.setParam(QStringLiteral("TODATE"), DateTime(200));
        ds.open();
        QCOMPARE(events, (QStringList{"before", "current 3", "after"}));
        QCOMPARE(ds.count(), 2);
        events.clear();
        ds.open(); // already open: nothing happens
        QVERIFY(events.isEmpty());
        ds.close();
        ds.close();
        QVERIFY(events.isEmpty());
        QVERIFY(!ds.isOpen());

        // Parameters keep their values across re-opens.
        addMeasure(4, 1, 9, 150);
        ds.reopen();
        QCOMPARE(ds.count(), 3);
        QCOMPARE(ds.asInt(QStringLiteral("ID")), 4);
    }

    void locate_movesOrKeepsRow()
    {
        for (int i = 1; i <= 3; ++i)
            addMeasure(i, 1, i, 100 + i);
        DataSet ds(*m_db, QStringLiteral("List"), QStringLiteral("SELECT * FROM MEASURES ORDER BY ID"));
        int changes = 0;
        ds.onCurrentRowChanged([&] { ++changes; });
        ds.open();
        QCOMPARE(changes, 1);
        QVERIFY(ds.locate(2));
        QCOMPARE(ds.asInt(QStringLiteral("ID")), 2);
        QVERIFY(ds.locate(2)); // onto the row already current: still a notification
        QCOMPARE(changes, 3);
        QVERIFY(!ds.locate(99));
        QCOMPARE(ds.asInt(QStringLiteral("ID")), 2);
        QCOMPARE(changes, 3);
        ds.next();
        QCOMPARE(ds.asInt(QStringLiteral("ID")), 3);
        ds.next(); // past the end: stays
        QCOMPARE(ds.asInt(QStringLiteral("ID")), 3);
        ds.prior();
        ds.first();
        QCOMPARE(ds.currentIndex(), 0);
        ds.close();
        QVERIFY(!ds.locate(1));
        QCOMPARE(changes, 6);
    }

    void reads_nullColumnsGiveDefaults()
    {
        m_db->execute(QStringLiteral("INSERT INTO RAZREM (ID) VALUES (1)"));
        DataSet ds(*m_db, QStringLiteral("RazRemQuery"), QStringLiteral("SELECT * FROM RAZREM"));
        ds.open();
        QCOMPARE(ds.asInt(QStringLiteral("DONE")), 0);
        QCOMPARE(ds.asBool(QStringLiteral("DONE")), false);
        QCOMPARE(ds.asString(QStringLiteral("REMINDER")), QString());
        QCOMPARE(ds.asFloat(QStringLiteral("REMINDEDATE")), 0.0);
        QCOMPARE(ds.asDateTime(QStringLiteral("DONEDATE")).toQDateTime(), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
        QVERIFY(ds.isNull(QStringLiteral("REMINDER")));
        // On an empty result every read is its default too.
        DataSet max(*m_db, QStringLiteral("TempQuery"), QStringLiteral("SELECT MAX(ID) AS ID FROM PERREM"));
        max.open();
        QCOMPARE(max.count(), 1);
        QCOMPARE(max.asInt(QStringLiteral("ID")), 0);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, ds.asInt(QStringLiteral("NOSUCHFIELD")));
    }

    void computeHook_fillsEveryRowAtRead()
    {
        for (int i = 1; i <= 3; ++i)
            addMeasure(i, 1, i, 100 + i);
        DataSet ds(*m_db, QStringLiteral("List"), QStringLiteral("SELECT * FROM MEASURES ORDER BY ID"));
        ds.addComputedField(QStringLiteral("DOUBLED"));
        ds.setComputeHook([&] { ds.setComputed(QStringLiteral("DOUBLED"), ds.asFloat(QStringLiteral("VALUE")) * 2); });
        ds.open();
        ds.locate(3);
        QCOMPARE(ds.asFloat(QStringLiteral("DOUBLED")), 6.0);
        QVERIFY(ds.fields().last().computed);
    }

    void displayProperties_surviveReopen()
    {
        DataSet ds(*m_db, QStringLiteral("List"), QStringLiteral("SELECT * FROM MEASURES"));
        ds.setDisplayLabel(QStringLiteral("VALUE"), QStringLiteral("Значение"));
        ds.setVisible(QStringLiteral("ID"), false);
        ds.open();
        ds.reopen();
        const int value = ds.fieldIndex(QStringLiteral("VALUE"));
        QCOMPARE(ds.fields()[value].displayLabel, QStringLiteral("Значение"));
        QVERIFY(!ds.fields()[ds.fieldIndex(QStringLiteral("ID"))].visible);
        QCOMPARE(ds.fields()[ds.fieldIndex(QStringLiteral("WHEN"))].displayLabel, QStringLiteral("WHEN"));
    }

    void parameters_carryHostileTextExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("quotes") << QStringLiteral("it's \"quoted\" ' OR 1=1 --");
        QTest::newRow("semicolons") << QStringLiteral("a; DROP TABLE JOURNAL; b");
        QTest::newRow("line breaks") << QStringLiteral("first\nsecond\r\nthird\ttab");
        QTest::newRow("non-Latin") << QStringLiteral("Петушок 鱼 🐠 Fisch ü");
        QTest::newRow("empty") << QString();
        QTest::newRow("100000 characters") << QString(100000, QChar(0x0416));
    }
    void parameters_carryHostileTextExactly()
    {
        QFETCH(QString, text);
        Statement add(*m_db, QStringLiteral("AddJournalQuery"),
                      QStringLiteral("INSERT INTO JOURNAL (ID, EVENTTIME, EVENTMEMO, PHOTOFILE) VALUES  (:ID, "
                                     ":EVENTTIME, :EVENTMEMO, :PHOTOFILE)"));
        add.setParam(QStringLiteral("ID"), 1);
        add.setParam(QStringLiteral("EVENTTIME"), DateTime(46000.5));
        add.setParam(QStringLiteral("EVENTMEMO"), text);
        add.setParam(QStringLiteral("PHOTOFILE"), text);
        add.execute();
        DataSet ds(*m_db, QStringLiteral("JournalQuery"),
                   QStringLiteral("SELECT * FROM JOURNAL ORDER BY EVENTTIME DESC"));
        ds.open();
        QCOMPARE(ds.count(), 1);
        QCOMPARE(ds.asString(QStringLiteral("EVENTMEMO")), text);
        QCOMPARE(ds.asString(QStringLiteral("PHOTOFILE")), text);
        QCOMPARE(ds.asDateTime(QStringLiteral("EVENTTIME")).days(), 46000.5);
    }

    void failingStatement_raisesAndKeepsEarlierWrites()
    {
        addMeasure(1, 1, 5, 100);
        Statement bad(*m_db, QStringLiteral("Bad"), QStringLiteral("INSERT INTO NOSUCHTABLE (ID) VALUES (:ID)"));
        bad.setParam(QStringLiteral("ID"), 1);
        try {
            bad.execute();
            QFAIL("no error raised");
        } catch (const DatabaseError& e) {
            QVERIFY(e.message().contains(QStringLiteral("NOSUCHTABLE")));
        }
        DataSet ds(*m_db, QStringLiteral("List"), QStringLiteral("SELECT * FROM MEASURES"));
        ds.open();
        QCOMPARE(ds.count(), 1); // no transaction: the earlier insert stays
        // A duplicate identifier fails at step time, not at prepare time.
        QVERIFY_THROWS_EXCEPTION(DatabaseError, addMeasure(1, 1, 6, 101));
        ds.reopen();
        QCOMPARE(ds.asFloat(QStringLiteral("VALUE")), 5.0);
    }

    void transaction_isAllOrNothing()
    {
        addMeasure(1, 1, 5, 100);
        addMeasure(2, 2, 6, 100);
        try {
            Transaction t(*m_db);
            Statement(*m_db, QStringLiteral("A"),
                      RuntimeSql("UPDATE measures set REF_P_TYPE=0 WHERE REF_P_TYPE=").id(1).text())
                .execute();
            Statement(*m_db, QStringLiteral("B"), QStringLiteral("UPDATE NOSUCHTABLE SET X=1")).execute();
            t.commit();
            QFAIL("no error raised");
        } catch (const DatabaseError&) {
        }
        QVERIFY(!m_db->inTransaction());
        DataSet ds(*m_db, QStringLiteral("List"), QStringLiteral("SELECT * FROM MEASURES WHERE REF_P_TYPE=0"));
        ds.open();
        QCOMPARE(ds.count(), 0); // rolled back
        {
            Transaction t(*m_db);
            Statement(*m_db, QStringLiteral("A"), QStringLiteral("UPDATE MEASURES SET REF_P_TYPE=0 WHERE ID=1"))
                .execute();
            t.commit();
        }
        ds.reopen();
        QCOMPARE(ds.count(), 1);
    }

    void database_refusesWhatIsNotADatabase_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing file") << QByteArray() << false;
        QTest::newRow("random bytes") << QByteArray("\x13\x37garbage that is no database at all").repeated(200)
                                      << true;
        QTest::newRow("text file") << QByteArray("ID;NAME\n1;Fish\n") << true;
    }
    void database_refusesWhatIsNotADatabase()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        const QString path = m_fresh->folder() + QStringLiteral("other.db");
        if (exists) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QVERIFY_THROWS_EXCEPTION(DatabaseError, Database{path});
        if (exists) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), content); // nothing was written into it
        } else {
            QVERIFY(!QFile::exists(path)); // nothing was created
        }
    }

    void readOnlyDatabase_refusesWritesAndKeepsData()
    {
        addMeasure(1, 1, 5, 100);
        m_db.reset();
        Database readOnly(m_fresh->path(), Database::Access::ReadOnly);
        Statement update(readOnly, QStringLiteral("UpdateMeasuresQuery"),
                         QStringLiteral("UPDATE MEASURES  SET VALUE=:VALUE, COMMENT=:COMMENT  WHERE ID=:ID"));
        update.setParam(QStringLiteral("VALUE"), 7.0);
        update.setParam(QStringLiteral("COMMENT"), QStringLiteral("x"));
        update.setParam(QStringLiteral("ID"), 1);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, update.execute());
        DataSet ds(readOnly, QStringLiteral("List"), QStringLiteral("SELECT * FROM MEASURES"));
        ds.open();
        QCOMPARE(ds.asFloat(QStringLiteral("VALUE")), 5.0);
    }

    void tableSql_readsWholeTableInIdentifierOrder()
    {
        DataSet sections(*m_db, QStringLiteral("DBISAMTable1"),
                         DataSet::tableSql(QStringLiteral("REFERENCE"), QStringLiteral("REF_DIC=4")));
        sections.open();
        QVERIFY(sections.count() >= 1);
        int previous = 0;
        for (sections.first(); sections.currentIndex() < sections.count() - 1; sections.next()) {
            QCOMPARE(sections.asInt(QStringLiteral("REF_DIC")), 4);
            QVERIFY(sections.asInt(QStringLiteral("ID")) > previous);
            previous = sections.asInt(QStringLiteral("ID"));
        }
    }
};

QTEST_GUILESS_MAIN(DataLayerTest)
#include "DataLayerTest.moc"
