#include "FreshDatabase.h"

#include "data/DataSet.h"
#include "data/Database.h"
#include "data/DatabaseError.h"
#include "parameters/ParameterDefinitions.h"
#include "parameters/ParameterStatements.h"

#include <QTest>

// Adding, changing, deleting and ordering parameter definitions on a fresh
// copy of the bundled database, which holds the parameters 1 to 6.
class ParameterDefinitionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FreshDatabase> m_fresh;
    std::unique_ptr<Database> m_db;
    // Stands for the main window's parameter list.
    std::unique_ptr<DataSet> m_main;
    std::unique_ptr<ParameterDefinitions> m_defs;
    int m_mainOpens = 0;

    // Rows of a query as "a|b|c" texts, for comparing whole tables.
    QStringList rows(const QString& sql) const
    {
        DataSet ds(*m_db, QStringLiteral("Check"), sql);
        ds.open();
        QStringList out;
        for (int r = 0; r < ds.count(); ++r) {
            ds.moveTo(r);
            QStringList cells;
            for (int c = 0; c < ds.fields().size(); ++c)
                cells << SqlValues::toText(ds.valueAt(r, c));
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }
    QStringList snapshot() const
    {
        return rows(QStringLiteral("SELECT * FROM p_type ORDER BY ID")) +
               rows(QStringLiteral("SELECT ID, REF_P_TYPE, VALUE FROM MEASURES ORDER BY ID"));
    }
    // Which parameter (by name) each measurement belongs to.
    QStringList measuresByName() const
    {
        QStringList out;
        DataSet ds(*m_db, QStringLiteral("Check"), QStringLiteral("SELECT ID, REF_P_TYPE FROM MEASURES ORDER BY ID"));
        ds.open();
        for (int r = 0; r < ds.count(); ++r) {
            ds.moveTo(r);
            out << QStringLiteral("%1:%2")
                       .arg(ds.asInt(QStringLiteral("ID")))
                       .arg(nameOf(ds.asInt(QStringLiteral("REF_P_TYPE"))));
        }
        return out;
    }
    QString nameOf(int id) const
    {
        const QStringList found = rows(QStringLiteral("SELECT PARAM FROM p_type WHERE ID=%1").arg(id));
        return found.isEmpty() ? QStringLiteral("<none>") : found.first();
    }
    // Checks the stored row field by field, each read as its kind.
    void verifyStored(int id, const QString& name, const QString& comment, double def, double step,
                      const QString& journalTemplate) const
    {
        DataSet ds(*m_db, QStringLiteral("Check"), QStringLiteral("SELECT * FROM p_type WHERE ID=%1").arg(id));
        ds.open();
        QCOMPARE(ds.count(), 1);
        QCOMPARE(ds.asString(QStringLiteral("PARAM")), name);
        QCOMPARE(ds.asString(QStringLiteral("COMMENT")), comment);
        QCOMPARE(ds.asFloat(QStringLiteral("DEF")), def);
        QCOMPARE(ds.asFloat(QStringLiteral("STEP")), step);
        QCOMPARE(ds.asString(QStringLiteral("TEMPLATE")), journalTemplate);
    }
    int measuresOf(int id) const
    {
        return rows(QStringLiteral("SELECT ID FROM MEASURES WHERE REF_P_TYPE=%1").arg(id)).size();
    }

    static void textCases()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("journalTemplate");
        QTest::newRow("plain") << "Ca"
                               << "Кальций"
                               << "$$ = %% мг/л";
        QTest::newRow("quotes") << "O'Neil \"x\""
                                << "it's \"quoted\""
                                << "'$$' = \"%%\"";
        QTest::newRow("statement pieces") << "a; DROP"
                                          << "'); DELETE FROM p_type; --"
                                          << ":ID :PARAM ?";
        QTest::newRow("line breaks") << "a\nb"
                                     << "one\r\ntwo"
                                     << "$$\n%%\t(##)";
        QTest::newRow("non-Latin") << "NO₃ °dH"
                                   << "Ñandú 日本 ✓"
                                   << "$$ ≈ %% µS";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }

private Q_SLOTS:
    void init()
    {
        m_fresh = std::make_unique<FreshDatabase>();
        QVERIFY(m_fresh->isValid());
        m_db = std::make_unique<Database>(m_fresh->path());
        // Two measurements for each of the first three parameters: 11, 12 of 1; 21, 22 of 2; ...
        for (int p = 1; p <= 3; ++p) {
            for (int n = 1; n <= 2; ++n)
                m_db->execute(QStringLiteral("INSERT INTO MEASURES (ID, REF_P_TYPE, \"VALUE\", \"WHEN\") "
                                             "VALUES (%1, %2, %3, 45000)")
                                  .arg(p * 10 + n)
                                  .arg(p)
                                  .arg(p + n / 10.0));
        }
        m_main = std::make_unique<DataSet>(*m_db, QStringLiteral("MeasuresTypeQuery"),
                                           QString::fromUtf8(ParameterSql::MeasuresTypeQuery));
        m_main->onAfterOpen([this] { ++m_mainOpens; });
        m_main->open();
        m_mainOpens = 0;
        m_defs = std::make_unique<ParameterDefinitions>(*m_db, *m_main);
        m_defs->list().open();
    }
    void cleanup()
    {
        m_defs.reset();
        m_main.reset();
        m_db.reset();
        m_fresh.reset();
    }

    void add_storesTextExactlyUnderNextIdentifier_data() { textCases(); }
    void add_storesTextExactlyUnderNextIdentifier()
    {
        QFETCH(QString, name);
        QFETCH(QString, comment);
        QFETCH(QString, journalTemplate);
        const QStringList before = snapshot();

        const int id = m_defs->AddParameter(name, comment, 2.5, 0.125, journalTemplate);

        QCOMPARE(id, 7);
        verifyStored(7, name, comment, 2.5, 0.125, journalTemplate);
        QCOMPARE(snapshot().mid(0, 6), before.mid(0, 6));
        // The list is read again and stands on its first row; the main list follows.
        DataSet& list = m_defs->list();
        QCOMPARE(list.count(), 7);
        QCOMPARE(list.currentIndex(), 0);
        QCOMPARE(m_main->count(), 7);
        QCOMPARE(m_mainOpens, 1);
    }

    void update_storesTextExactly_data() { textCases(); }
    void update_storesTextExactly()
    {
        QFETCH(QString, name);
        QFETCH(QString, comment);
        QFETCH(QString, journalTemplate);
        QStringList others = snapshot();
        others.removeAt(2);

        m_defs->UpdateParameter(3, name, comment, -1.5, 0.0, journalTemplate);

        verifyStored(3, name, comment, -1.5, 0.0, journalTemplate);
        QStringList after = snapshot();
        after.removeAt(2);
        QCOMPARE(after, others);
        DataSet& list = m_defs->list();
        QVERIFY(list.isOpen());
        QCOMPARE(list.asInt(QStringLiteral("ID")), 3);
        QCOMPARE(list.asString(QStringLiteral("PARAM")), name);
        QCOMPARE(m_mainOpens, 1);
    }

    void delete_removesParameterWithItsMeasurementsOnly()
    {
        m_defs->list().locate(2);

        m_defs->DeleteParameter(2);

        QCOMPARE(nameOf(2), QStringLiteral("<none>"));
        QCOMPARE(measuresOf(2), 0);
        QCOMPARE(measuresOf(1), 2);
        QCOMPARE(measuresOf(3), 2);
        QCOMPARE(rows(QStringLiteral("SELECT ID FROM p_type ORDER BY ID")), (QStringList{"1", "3", "4", "5", "6"}));
        QCOMPARE(m_defs->tempQuery().sql(), QStringLiteral("DELETE FROM p_type  WHERE ID=2"));
        QCOMPARE(m_defs->list().count(), 5);
        QCOMPARE(m_defs->list().currentIndex(), 0);
        QCOMPARE(m_main->count(), 5);
        QCOMPARE(m_mainOpens, 1);
    }

    void move_swapsWithNeighbourAndMeasurementsFollow_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::newRow("down") << 2 << 3;
        QTest::newRow("up") << 3 << 2;
        QTest::newRow("up to the first") << 2 << 1;
        QTest::newRow("down onto one without measurements") << 3 << 4;
        QTest::newRow("down to the last") << 5 << 6;
    }
    void move_swapsWithNeighbourAndMeasurementsFollow()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        const QString moved = nameOf(a);
        const QString neighbour = nameOf(b);
        const QStringList owners = measuresByName();
        const int ownMeasures = measuresOf(a);

        m_defs->MoveParameter(a, b);

        QCOMPARE(nameOf(b), moved);
        QCOMPARE(nameOf(a), neighbour);
        QCOMPARE(measuresByName(), owners);
        QCOMPARE(measuresOf(b), ownMeasures);
        QCOMPARE(rows(QStringLiteral("SELECT ID FROM p_type WHERE ID=0")).size(), 0);
        QCOMPARE(measuresOf(0), 0);
        // The moved parameter stays current in the re-read list.
        DataSet& list = m_defs->list();
        QCOMPARE(list.asInt(QStringLiteral("ID")), b);
        QCOMPARE(list.asString(QStringLiteral("PARAM")), moved);
        QCOMPARE(m_mainOpens, 1);
        m_main->locate(b);
        QCOMPARE(m_main->asString(QStringLiteral("PARAM")), moved);
    }

    void move_ontoItself_changesNothing()
    {
        const QStringList before = snapshot();
        m_defs->MoveParameter(1, 1);
        QCOMPARE(snapshot(), before);
        QCOMPARE(m_defs->list().asInt(QStringLiteral("ID")), 1);
        m_defs->MoveParameter(6, 6);
        QCOMPARE(snapshot(), before);
        QCOMPARE(m_defs->list().asInt(QStringLiteral("ID")), 6);
    }

    // A fault raised by a statement in the middle of the swap (moving 2 onto 3).
    void move_failingHalfWay_leavesEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("2nd statement: parking the measurements") << "BEFORE UPDATE ON MEASURES WHEN NEW.REF_P_TYPE=0";
        QTest::newRow("3rd statement: the neighbour's new identifier") << "BEFORE UPDATE ON p_type WHEN NEW.ID=2";
        QTest::newRow("4th statement: the neighbour's measurements")
            << "BEFORE UPDATE ON MEASURES WHEN NEW.REF_P_TYPE=2";
        QTest::newRow("5th statement: unparking the parameter") << "BEFORE UPDATE ON p_type WHEN NEW.ID=3";
        QTest::newRow("6th statement: unparking the measurements") << "BEFORE UPDATE ON MEASURES WHEN NEW.REF_P_TYPE=3";
    }
    void move_failingHalfWay_leavesEverythingAsItWas()
    {
        QFETCH(QString, trigger);
        m_db->execute(QStringLiteral("CREATE TRIGGER fault ") + trigger +
                      QStringLiteral(" BEGIN SELECT RAISE(ABORT, 'boom'); END"));
        const QStringList before = snapshot();

        QVERIFY_THROWS_EXCEPTION(DatabaseError, m_defs->MoveParameter(2, 3));

        QVERIFY(!m_db->inTransaction());
        QCOMPARE(snapshot(), before);
        QCOMPARE(m_mainOpens, 0);
        // Nothing is left locked or half done: the same move works without the fault.
        m_db->execute(QStringLiteral("DROP TRIGGER fault"));
        m_defs->MoveParameter(2, 3);
        QCOMPARE(nameOf(3), QStringLiteral("KH"));
        QCOMPARE(measuresOf(3), 2);
    }

    void delete_failingHalfWay_keepsTheMeasurements()
    {
        m_db->execute(QStringLiteral("CREATE TRIGGER fault BEFORE DELETE ON p_type WHEN OLD.ID=2 "
                                     "BEGIN SELECT RAISE(ABORT, 'boom'); END"));
        const QStringList before = snapshot();

        QVERIFY_THROWS_EXCEPTION(DatabaseError, m_defs->DeleteParameter(2));

        QVERIFY(!m_db->inTransaction());
        QCOMPARE(snapshot(), before);
        QCOMPARE(measuresOf(2), 2);
        QCOMPARE(m_mainOpens, 0);
    }

    void update_failing_leavesListOpenOnTheRow()
    {
        m_db->execute(QStringLiteral("CREATE TRIGGER fault BEFORE UPDATE ON p_type "
                                     "BEGIN SELECT RAISE(ABORT, 'boom'); END"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 m_defs->UpdateParameter(4, QStringLiteral("x"), QString(), 1, 1, QString()));
        DataSet& list = m_defs->list();
        QVERIFY(list.isOpen());
        QCOMPARE(list.asInt(QStringLiteral("ID")), 4);
        QCOMPARE(list.asString(QStringLiteral("PARAM")), QStringLiteral("NO2"));
    }
};

QTEST_GUILESS_MAIN(ParameterDefinitionsTest)
#include "ParameterDefinitionsTest.moc"
