#include "data/Dialect.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QVariant>

#include <sqlite3.h>

namespace {

// An in-memory database with the program's schema. Double-quoted text that names
// no column is an error here instead of a string, so a wrongly quoted name shows.
class SchemaDb {
public:
    SchemaDb()
    {
        sqlite3_open(":memory:", &m_db);
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
        QFile schema(QStringLiteral(REEFNOTE_SOURCE_DIR "/db/schema.sql"));
        if (!schema.open(QIODevice::ReadOnly)) {
            m_error = QStringLiteral("cannot read ") + schema.fileName();
            return;
        }
        char* message = nullptr;
        if (sqlite3_exec(m_db, schema.readAll().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
            m_error = QString::fromUtf8(message);
            sqlite3_free(message);
        }
    }
    ~SchemaDb() { sqlite3_close(m_db); }
    SchemaDb(const SchemaDb&) = delete;
    SchemaDb& operator=(const SchemaDb&) = delete;

    sqlite3* handle() const { return m_db; }
    const QString& error() const { return m_error; }

private:
    sqlite3* m_db = nullptr;
    QString m_error;
};

// One statement, translated from the program's dialect before it is prepared.
class Query {
public:
    Query(const SchemaDb& db, const QString& programSql)
        : m_db(db.handle())
    {
        const QByteArray sql = Dialect::toSqlite(programSql).toUtf8();
        if (sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &m_stmt, nullptr) != SQLITE_OK)
            m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
        else if (!m_stmt)
            m_error = QStringLiteral("no statement in the text");
    }
    ~Query() { sqlite3_finalize(m_stmt); }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    sqlite3_stmt* handle() const { return m_stmt; }

    Query& bind(const char* name, const QVariant& value)
    {
        const int index = m_stmt ? sqlite3_bind_parameter_index(m_stmt, name) : 0;
        if (index == 0) {
            fail(QStringLiteral("no parameter ") + QLatin1String(name));
            return *this;
        }
        int rc = SQLITE_OK;
        if (value.typeId() == QMetaType::Int) {
            rc = sqlite3_bind_int(m_stmt, index, value.toInt());
        } else if (value.typeId() == QMetaType::Double) {
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
        } else {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text(m_stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK)
            fail(QString::fromUtf8(sqlite3_errmsg(m_db)));
        return *this;
    }

    // Runs to the end; the rows, each column by its name.
    QList<QVariantMap> run()
    {
        QList<QVariantMap> rows;
        if (!ok())
            return rows;
        int rc;
        while ((rc = sqlite3_step(m_stmt)) == SQLITE_ROW) {
            QVariantMap row;
            for (int c = 0; c < sqlite3_column_count(m_stmt); ++c)
                row.insert(QString::fromUtf8(sqlite3_column_name(m_stmt, c)), column(c));
            rows.append(row);
        }
        if (rc != SQLITE_DONE)
            fail(QString::fromUtf8(sqlite3_errmsg(m_db)));
        return rows;
    }

private:
    void fail(const QString& message)
    {
        if (m_error.isEmpty())
            m_error = message;
    }

    QVariant column(int c) const
    {
        switch (sqlite3_column_type(m_stmt, c)) {
        case SQLITE_INTEGER:
            return QVariant(qlonglong(sqlite3_column_int64(m_stmt, c)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(m_stmt, c));
        case SQLITE_NULL:
            return QVariant();
        default:
            return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, c))));
        }
    }

    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
    QString m_error;
};

QList<qlonglong> ids(const QList<QVariantMap>& rows)
{
    QList<qlonglong> result;
    for (const QVariantMap& row : rows)
        result.append(row.value(QStringLiteral("ID")).toLongLong());
    return result;
}

const QString kHydrobionts =
    QStringLiteral("SELECT *, (LATINNAME+' ('+NAME+')' ) AS N1, (NAME+' ('+LATINNAME+')' ) AS N2 FROM Hydrobionts");
const QString kHydrobiontsSqlite = QStringLiteral(
    "SELECT *, (LATINNAME||' ('||NAME||')' ) AS N1, (NAME||' ('||LATINNAME||')' ) AS N2 FROM Hydrobionts");

// Statements stored as several lines, with their lines joined as the program joins them.
QString lines(std::initializer_list<const char*> parts)
{
    QStringList list;
    for (const char* part : parts)
        list.append(QString::fromUtf8(part));
    return list.join(u'\n');
}

} // namespace

class DialectTest : public QObject {
    Q_OBJECT

private slots:
    void vocabulary_data();
    void vocabulary();

    void concatenationJoinsNames();
    void booleanLiteralsMatchStoredFlags();
    void whenRangeWithBoundParameters();

    void edgeCases_data();
    void edgeCases();
    void longAndDeeplyNestedInput();
};

// Every statement text the program runs, with the text SQLite is to get.
void DialectTest::vocabulary_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    const auto same = [](const char* name, const QString& sql) { QTest::newRow(name) << sql << sql; };
    const auto row = [](const char* name, const QString& sql, const QString& expected) {
        QTest::newRow(name) << sql << expected;
    };

    // Data sets.
    same("RLanguageQuery", "SELECT ID, RUSSIAN FROM resource");
    same("ELanguageQuery", "SELECT ID,ENGLISH FROM resource");
    same("DLanguageQuery", "SELECT ID, GERMAN FROM resource");
    same("MeasuresTypeQuery, p_type_Query", "SELECT * FROM p_type order by ID");
    row("MeasuresQuery",
        "SELECT * FROM MEASURES WHERE (REF_P_TYPE=:REF_P_TYPE)AND(WHEN>=:FROMDATE)AND(WHEN<=:TODATE)"
        " ORDER BY WHEN DESC",
        "SELECT * FROM MEASURES WHERE (REF_P_TYPE=:REF_P_TYPE)AND(\"WHEN\">=:FROMDATE)AND(\"WHEN\"<=:TODATE)"
        " ORDER BY \"WHEN\" DESC");
    row("HydrobiontsQuery", kHydrobionts, kHydrobiontsSqlite);
    same("CatQuery", "select * from REFERENCE where REF_DIC=1 ORDER BY ID");
    same("StatusQuery", "select * from REFERENCE where REF_DIC=2 ORDER BY ID");
    same("CatEditQuery", "SELECT * FROM REFERENCE WHERE REF_DIC=1 ORDER BY ID");
    same("StatusEditQuery", "SELECT * FROM REFERENCE WHERE REF_DIC=2 ORDER BY ID");
    same("PhotoAlbumCategoryQuery", "SELECT * FROM REFERENCE WHERE REF_DIC=4 ORDER BY ID");
    same("PhotoalbumQuery", "SELECT * FROM PHOTOALBUM WHERE REF_REFERENCE=:REF_REFERENCE ORDER BY PHOTODATE DESC");
    same("table REFERENCE with its filter", "SELECT * FROM REFERENCE WHERE REF_DIC=4");
    same("table memos", "SELECT * FROM memos");
    same("table DIC", "SELECT * FROM DIC");
    row("RazRemQuery", "SELECT * FROM RAZREM WHERE DONE=FALSE ORDER BY REMINDEDATE",
        "SELECT * FROM RAZREM WHERE DONE=0 ORDER BY REMINDEDATE");
    row("RazRemDoneQuery", "SELECT * FROM RAZREM WHERE DONE=TRUE ORDER BY DONEDATE",
        "SELECT * FROM RAZREM WHERE DONE=1 ORDER BY DONEDATE");
    same("PerRemQuery", "SELECT *  FROM PERREM  ORDER BY REMINDEDATE");
    same("PerRemDoneQuery", "SELECT * FROM PERREMDONE ORDER BY REMINDEDATE DESC");
    same("JournalQuery", "SELECT * FROM JOURNAL ORDER BY EVENTTIME DESC");
    same("ReferenceQuery", "SELECT * FROM REFERENCE WHERE REF_DIC=:REF_DIC ORDER BY ID");
    same("HJournalQuery", "SELECT * FROM HJOURNAL WHERE REF_HYDROBIONTS=:REF_HYDROBIONTS ORDER BY EVENTTIME DESC");

    // Statements that change data.
    row("AddQuery of p_type",
        lines({"INSERT INTO p_type", "(ID, PARAM, COMMENT, DEF, STEP, TEMPLATE)", "VALUES",
               "(:ID, :PARAM, :COMMENT, :DEF, :STEP, :TEMPLATE)"}),
        lines({"INSERT INTO p_type", "(ID, PARAM, \"COMMENT\", DEF, STEP, TEMPLATE)", "VALUES",
               "(:ID, :PARAM, :COMMENT, :DEF, :STEP, :TEMPLATE)"}));
    row("UpdateQuery of p_type",
        "UPDATE p_type SET PARAM=:PARAM, COMMENT=:COMMENT, DEF=:DEF, STEP=:STEP, TEMPLATE=:TEMPLATE"
        " WHERE ID=:ID",
        "UPDATE p_type SET PARAM=:PARAM, \"COMMENT\"=:COMMENT, DEF=:DEF, STEP=:STEP,"
        " TEMPLATE=:TEMPLATE WHERE ID=:ID");
    row("AddQuery of MEASURES",
        lines({"INSERT INTO MEASURES", "(ID, REF_P_TYPE, VALUE, WHEN, COMMENT)", "VALUES",
               "(:ID, :REF_P_TYPE, :VALUE, :WHEN, :COMMENT)"}),
        lines({"INSERT INTO MEASURES", "(ID, REF_P_TYPE, \"VALUE\", \"WHEN\", \"COMMENT\")", "VALUES",
               "(:ID, :REF_P_TYPE, :VALUE, :WHEN, :COMMENT)"}));
    row("UpdateMeasuresQuery", "UPDATE MEASURES  SET VALUE=:VALUE, COMMENT=:COMMENT  WHERE ID=:ID",
        "UPDATE MEASURES  SET \"VALUE\"=:VALUE, \"COMMENT\"=:COMMENT  WHERE ID=:ID");
    row("AddRazRemQuery",
        "INSERT INTO RAZREM (ID, REMINDER, REMINDEDATE, DONE) VALUES  (:ID, :REMINDER, :REMINDEDATE, FALSE)",
        "INSERT INTO RAZREM (ID, REMINDER, REMINDEDATE, DONE) VALUES  (:ID, :REMINDER, :REMINDEDATE, 0)");
    same("UpdateRazRemQuery", "UPDATE RAZREM SET REMINDER=:REMINDER, REMINDEDATE=:REMINDEDATE WHERE ID=:ID");
    same("RazRemBeforeTimeQuery, DBISAMQuery1", "UPDATE RAZREM SET DONE=:DONE, DONEDATE=:DONEDATE   WHERE ID=:ID");
    same("DeleteRazRemQuery, DeleteRazRemDoneQuery", "DELETE FROM RAZREM WHERE ID=:ID");
    row("AddPerRemQuery",
        lines({"INSERT INTO PERREM", "(ID, REMINDER,REMINDEDATE,  INTERVAL, JOURNALRECORD,LASTDONE,CRITICALINTERVAL)",
               "VALUES", "(:ID, :REMINDER,:REMINDEDATE, :INTERVAL, :JOURNALRECORD,:LASTDONE,:CRITICALINTERVAL)"}),
        lines({"INSERT INTO PERREM",
               "(ID, REMINDER,REMINDEDATE,  \"INTERVAL\", JOURNALRECORD,LASTDONE,CRITICALINTERVAL)", "VALUES",
               "(:ID, :REMINDER,:REMINDEDATE, :INTERVAL, :JOURNALRECORD,:LASTDONE,:CRITICALINTERVAL)"}));
    row("UpdatePerRemQuery of the main window",
        "UPDATE perrem SET REMINDER=:REMINDER, INTERVAL=:INTERVAL, CRITICALINTERVAL=:CRITICALINTERVAL,"
        " REMINDEDATE=:REMINDEDATE, LASTDONE=:LASTDONE,  JOURNALRECORD=:JOURNALRECORD   WHERE ID=:ID",
        "UPDATE perrem SET REMINDER=:REMINDER, \"INTERVAL\"=:INTERVAL, CRITICALINTERVAL=:CRITICALINTERVAL,"
        " REMINDEDATE=:REMINDEDATE, LASTDONE=:LASTDONE,  JOURNALRECORD=:JOURNALRECORD   WHERE ID=:ID");
    same("DeletePerRemQuery", "DELETE FROM PERREM WHERE ID=:ID");
    same("DeletePerRemDoneQuery", "DELETE FROM PERREMDONE WHERE ID=:ID");
    same("DBISAMQuery2", "UPDATE RAZREM SET  REMINDEDATE=:REMINDEDATE   WHERE ID=:ID");
    same("AddJournalQuery", "INSERT INTO JOURNAL (ID, EVENTTIME, EVENTMEMO, PHOTOFILE) VALUES  (:ID, :EVENTTIME,"
                            " :EVENTMEMO, :PHOTOFILE)");
    same("RemindLaterQuery", "UPDATE PERREM SET REMINDEDATE=:REMINDEDATE WHERE ID=:ID");
    same("UpdatePerRemQuery of TPerRemForm",
         "UPDATE PERREM SET REMINDEDATE=:REMINDEDATE,  LASTDONE=:LASTDONE WHERE ID=:ID");
    same("InsertPerRemDoneQuery",
         lines({"INSERT INTO PERREMDONE", "(ID, REMINDER, JOURNALRECORD,REMINDEDATE, DAYS, HOURS)", "VALUES",
                "(:ID, :REMINDER, :JOURNALRECORD , :REMINDEDATE, :DAYS, :HOURS)"}));
    same("UpdateJournalQuery", "UPDATE JOURNAL SET EVENTMEMO=:EVENTMEMO, PHOTOFILE=:PHOTOFILE WHERE ID=:ID");
    same("DeleteJournalQuery", "DELETE FROM JOURNAL WHERE ID=:ID");
    same("AddHJournalQuery", "INSERT INTO HJOURNAL (ID, REF_HYDROBIONTS, EVENTTIME, EVENTMEMO, PHOTOFILE) VALUES "
                             " (:ID, :REF_HYDROBIONTS, :EVENTTIME, :EVENTMEMO, :PHOTOFILE)");
    same("UpdateHJournalQuery", "UPDATE HJOURNAL SET EVENTMEMO=:EVENTMEMO, PHOTOFILE=:PHOTOFILE WHERE ID=:ID");
    same("DeleteHJournalQuery", "DELETE FROM HJOURNAL WHERE ID=:ID");
    row("AddHydrobiontQuery",
        lines({"INSERT INTO HYDROBIONTS",
               "(ID, CAT,LATINNAME, NAME, FIRSTDATE, STATUS, COMMENT, PHOTOFILE, HYPERLINK) VALUES "
               " (:ID, :CAT,:LATINNAME, :NAME, :FIRSTDATE, :STATUS, :COMMENT, :PHOTOFILE, :HYPERLINK)"}),
        lines({"INSERT INTO HYDROBIONTS",
               "(ID, CAT,LATINNAME, NAME, FIRSTDATE, STATUS, \"COMMENT\", PHOTOFILE, HYPERLINK) VALUES "
               " (:ID, :CAT,:LATINNAME, :NAME, :FIRSTDATE, :STATUS, :COMMENT, :PHOTOFILE, :HYPERLINK)"}));
    row("UpdateHydrobiontQuery",
        "UPDATE HYDROBIONTS SET CAT=:CAT, LATINNAME=:LATINNAME, NAME=:NAME, FIRSTDATE=:FIRSTDATE,"
        " STATUS=:STATUS, COMMENT=:COMMENT, PHOTOFILE=:PHOTOFILE, HYPERLINK=:HYPERLINK WHERE ID=:ID",
        "UPDATE HYDROBIONTS SET CAT=:CAT, LATINNAME=:LATINNAME, NAME=:NAME, FIRSTDATE=:FIRSTDATE,"
        " STATUS=:STATUS, \"COMMENT\"=:COMMENT, PHOTOFILE=:PHOTOFILE, HYPERLINK=:HYPERLINK WHERE ID=:ID");
    same("DeleteHydrobiontQuery", "DELETE FROM HYDROBIONTS WHERE ID=:ID");
    same("AddQuery of REFERENCE", "INSERT INTO REFERENCE (ID, REF_DIC, WORD) VALUES  (:ID, :REF_DIC, :WORD)");
    same("UpdateQuery of REFERENCE", "UPDATE REFERENCE SET WORD=:WORD WHERE ID=:ID");
    same("DeleteQuery of REFERENCE", "DELETE FROM REFERENCE WHERE ID=:ID");
    same("AddPhotoalbumQuery", "INSERT INTO PHOTOALBUM (ID, REF_REFERENCE, PHOTOFILE, PHOTONAME, PHOTODATE, MEMORIES)"
                               " VALUES  (:ID, :REF_REFERENCE, :PHOTOFILE, :PHOTONAME, :PHOTODATE, :MEMORIES)");
    same("UpdatePhotoalbumQuery", "UPDATE PHOTOALBUM SET REF_REFERENCE=:REF_REFERENCE, PHOTOFILE=:PHOTOFILE,"
                                  " PHOTONAME=:PHOTONAME, PHOTODATE=:PHOTODATE, MEMORIES=:MEMORIES WHERE ID=:ID");
    same("DeletePhotoalbumQuery", "DELETE FROM PHOTOALBUM WHERE ID=:ID");
    same("AddMemosQuery", "INSERT INTO memos (ID, MEMONAME, MEMOS, LASTMODIFY) VALUES  (:ID, :MEMONAME, :MEMOS,"
                          " :LASTMODIFY)");
    same("UpdateMemosQuery", "UPDATE MEMOS SET MEMOS=:MEMOS, LASTMODIFY=:LASTMODIFY WHERE ID=:ID");
    same("UpdateMemonameQuery", "UPDATE MEMOS SET MEMONAME=:MEMONAME WHERE ID=:ID");
    same("DeleteMemosQuery", "DELETE FROM MEMOS WHERE ID=:ID");

    // Identifier allocation.
    for (const char* table : {"p_type", "MEASURES", "HYDROBIONTS", "REFERENCE", "PHOTOALBUM", "MEMOS", "RAZREM",
                              "PERREM", "PERREMDONE", "JOURNAL", "HJOURNAL"}) {
        const QString sql = QStringLiteral("SELECT MAX(ID) AS ID FROM ") + QLatin1String(table);
        QTest::newRow(qPrintable(QStringLiteral("NextId ") + QLatin1String(table))) << sql << sql;
    }

    // Built at run time, with sample identifiers.
    same("measurement delete", "DELETE FROM MEASURES WHERE ID=5");
    same("parameter's measurements delete", "DELETE FROM MEASURES WHERE REF_P_TYPE=3");
    same("parameter delete", "DELETE FROM p_type  WHERE ID=3");
    same("parameter park", "UPDATE p_type set ID=0 WHERE ID=3");
    same("parameter move", "UPDATE p_type set ID=3 WHERE ID=2");
    same("parameter unpark", "UPDATE p_type set ID=2 WHERE ID=0");
    same("measurements park", "UPDATE measures set REF_P_TYPE=0 WHERE REF_P_TYPE=3");
    same("measurements move", "UPDATE measures set REF_P_TYPE=3 WHERE REF_P_TYPE=2");
    same("measurements unpark", "UPDATE measures set REF_P_TYPE=2 WHERE REF_P_TYPE=0");
    same("word park", "UPDATE reference set ID=0 WHERE ID=7");
    same("word move", "UPDATE reference set ID=7 WHERE ID=8");
    same("word unpark", "UPDATE reference set ID=8 WHERE ID=0");
    same("category park", "UPDATE hydrobionts set CAT=0 WHERE CAT=7");
    same("category move", "UPDATE hydrobionts set CAT=7 WHERE CAT=8");
    same("category unpark", "UPDATE hydrobionts set CAT=8 WHERE CAT=0");
    same("status park", "UPDATE hydrobionts set STATUS=0 WHERE STATUS=7");
    same("status move", "UPDATE hydrobionts set STATUS=7 WHERE STATUS=8");
    same("status unpark", "UPDATE hydrobionts set STATUS=8 WHERE STATUS=0");
    same("section park", "UPDATE photoalbum set REF_REFERENCE=0 WHERE REF_REFERENCE=7");
    same("section move", "UPDATE photoalbum set REF_REFERENCE=7 WHERE REF_REFERENCE=8");
    same("section unpark", "UPDATE photoalbum set REF_REFERENCE=8 WHERE REF_REFERENCE=0");
    same("dictionary words", "SELECT * FROM REFERENCE WHERE REF_DIC=1");
    same("inhabitants of a word", "SELECT * FROM HYDROBIONTS WHERE (CAT=2)OR(STATUS=5)");
    same("photos of a word", "SELECT * FROM PHOTOALBUM WHERE REF_REFERENCE=9");
    same("inhabitant's journal", "SELECT * FROM HJOURNAL WHERE REF_HYDROBIONTS=4");
    row("inhabitants filtered by both", kHydrobionts + " WHERE (CAT=1) AND (STATUS=2) ORDER BY LATINNAME",
        kHydrobiontsSqlite + " WHERE (CAT=1) AND (STATUS=2) ORDER BY LATINNAME");
    row("inhabitants filtered by category", kHydrobionts + " WHERE (CAT=1) ORDER BY NAME",
        kHydrobiontsSqlite + " WHERE (CAT=1) ORDER BY NAME");
    row("inhabitants unfiltered", kHydrobionts + " ORDER BY NAME", kHydrobiontsSqlite + " ORDER BY NAME");
}

void DialectTest::vocabulary()
{
    QFETCH(QString, source);
    QFETCH(QString, expected);

    const QString translated = Dialect::toSqlite(source);
    QCOMPARE(translated, expected);
    // A text that is put together from translated pieces may pass twice.
    QCOMPARE(Dialect::toSqlite(translated), translated);

    SchemaDb db;
    QVERIFY2(db.error().isEmpty(), qPrintable(db.error()));
    Query query(db, source);
    QVERIFY2(query.ok(), qPrintable(query.error() + QStringLiteral(" in: ") + translated));

    // Every named parameter of the program's text is still there to be set.
    static const QRegularExpression parameter(QStringLiteral(":[A-Za-z_][A-Za-z0-9_]*"));
    int named = 0;
    for (const QRegularExpressionMatch& m : parameter.globalMatch(source)) {
        ++named;
        const QByteArray name = m.captured().toUtf8();
        QVERIFY2(sqlite3_bind_parameter_index(query.handle(), name.constData()) > 0, name.constData());
    }
    QCOMPARE(sqlite3_bind_parameter_count(query.handle()), named);
}

void DialectTest::concatenationJoinsNames()
{
    SchemaDb db;
    QVERIFY2(db.error().isEmpty(), qPrintable(db.error()));
    const QString add =
        lines({"INSERT INTO HYDROBIONTS",
               "(ID, CAT,LATINNAME, NAME, FIRSTDATE, STATUS, COMMENT, PHOTOFILE, HYPERLINK) VALUES "
               " (:ID, :CAT,:LATINNAME, :NAME, :FIRSTDATE, :STATUS, :COMMENT, :PHOTOFILE, :HYPERLINK)"});
    const auto insert = [&](int id, int cat, const QString& latin, const QString& name) {
        Query q(db, add);
        q.bind(":ID", id).bind(":CAT", cat).bind(":LATINNAME", latin).bind(":NAME", name);
        q.bind(":FIRSTDATE", 45000.0).bind(":STATUS", 2).bind(":COMMENT", QStringLiteral("+ WHEN"));
        q.bind(":PHOTOFILE", QString()).bind(":HYPERLINK", QString());
        q.run();
        return q.error();
    };
    QCOMPARE(insert(1, 1, QStringLiteral("Betta splendens"), QStringLiteral("Петушок")), QString());
    QCOMPARE(insert(2, 1, QStringLiteral("Ancistrus dolichopterus"), QStringLiteral("Анциструс")), QString());
    QCOMPARE(insert(3, 2, QStringLiteral("Anubias nana"), QStringLiteral("Анубиас")), QString());

    Query all(db, kHydrobionts + QStringLiteral(" WHERE (CAT=1) AND (STATUS=2) ORDER BY LATINNAME"));
    const QList<QVariantMap> rows = all.run();
    QVERIFY2(all.ok(), qPrintable(all.error()));
    QCOMPARE(ids(rows), (QList<qlonglong>{2, 1}));
    QCOMPARE(rows[1].value("N1").toString(), QStringLiteral("Betta splendens (Петушок)"));
    QCOMPARE(rows[1].value("N2").toString(), QStringLiteral("Петушок (Betta splendens)"));
    QCOMPARE(rows[1].value("COMMENT").toString(), QStringLiteral("+ WHEN"));
    QCOMPARE(rows[0].value("N1").toString(), QStringLiteral("Ancistrus dolichopterus (Анциструс)"));
}

void DialectTest::booleanLiteralsMatchStoredFlags()
{
    SchemaDb db;
    QVERIFY2(db.error().isEmpty(), qPrintable(db.error()));
    {
        Query pending(db, QStringLiteral("INSERT INTO RAZREM (ID, REMINDER, REMINDEDATE, DONE) VALUES "
                                         " (:ID, :REMINDER, :REMINDEDATE, FALSE)"));
        pending.bind(":ID", 1).bind(":REMINDER", QStringLiteral("Change filter")).bind(":REMINDEDATE", 45001.5);
        pending.run();
        QVERIFY2(pending.ok(), qPrintable(pending.error()));
        Query done(db, QStringLiteral("INSERT INTO RAZREM (ID, REMINDER, REMINDEDATE, DONE) VALUES "
                                      " (2, 'Feed fry', 45000.5, TRUE)"));
        done.run();
        QVERIFY2(done.ok(), qPrintable(done.error()));
    }

    Query open(db, QStringLiteral("SELECT * FROM RAZREM WHERE DONE=FALSE ORDER BY REMINDEDATE"));
    QCOMPARE(ids(open.run()), QList<qlonglong>{1});
    QVERIFY2(open.ok(), qPrintable(open.error()));

    Query closed(db, QStringLiteral("SELECT * FROM RAZREM WHERE DONE=TRUE ORDER BY DONEDATE"));
    const QList<QVariantMap> rows = closed.run();
    QVERIFY2(closed.ok(), qPrintable(closed.error()));
    QCOMPARE(ids(rows), QList<qlonglong>{2});
    QCOMPARE(rows[0].value("DONE"), QVariant(qlonglong(1)));
}

void DialectTest::whenRangeWithBoundParameters()
{
    SchemaDb db;
    QVERIFY2(db.error().isEmpty(), qPrintable(db.error()));
    const QString add = lines({"INSERT INTO MEASURES", "(ID, REF_P_TYPE, VALUE, WHEN, COMMENT)", "VALUES",
                               "(:ID, :REF_P_TYPE, :VALUE, :WHEN, :COMMENT)"});
    struct Measure {
        int id;
        int type;
        double value;
        double when;
    };
    // Type 1 at 9 May 10:00, 10 May 08:00, 12 May 00:00, 20 May; type 2 inside the range.
    for (const Measure& m : {Measure{1, 1, 7.9, 45421.0 + 10.0 / 24}, Measure{2, 1, 8.1, 45422.0 + 8.0 / 24},
                             Measure{3, 1, 8.0, 45424.0}, Measure{4, 1, 8.3, 45432.0}, Measure{5, 2, 26.5, 45422.5}}) {
        Query q(db, add);
        q.bind(":ID", m.id).bind(":REF_P_TYPE", m.type).bind(":VALUE", m.value).bind(":WHEN", m.when);
        q.bind(":COMMENT", QStringLiteral("'quoted' TRUE"));
        q.run();
        QVERIFY2(q.ok(), qPrintable(q.error()));
    }

    const QString history =
        QStringLiteral("SELECT * FROM MEASURES WHERE (REF_P_TYPE=:REF_P_TYPE)AND(WHEN>=:FROMDATE)AND(WHEN<=:TODATE)"
                       " ORDER BY WHEN DESC");
    Query inRange(db, history);
    inRange.bind(":REF_P_TYPE", 1).bind(":FROMDATE", 45421.5).bind(":TODATE", 45424.0);
    const QList<QVariantMap> rows = inRange.run();
    QVERIFY2(inRange.ok(), qPrintable(inRange.error()));
    QCOMPARE(ids(rows), (QList<qlonglong>{3, 2}));
    QCOMPARE(rows[1].value("VALUE").toDouble(), 8.1);
    QCOMPARE(rows[1].value("COMMENT").toString(), QStringLiteral("'quoted' TRUE"));

    Query update(db, QStringLiteral("UPDATE MEASURES  SET VALUE=:VALUE, COMMENT=:COMMENT  WHERE ID=:ID"));
    update.bind(":VALUE", 8.2).bind(":COMMENT", QStringLiteral("after water change")).bind(":ID", 2);
    update.run();
    QVERIFY2(update.ok(), qPrintable(update.error()));

    Query all(db, history);
    all.bind(":REF_P_TYPE", 1).bind(":FROMDATE", 0.0).bind(":TODATE", 1e6);
    const QList<QVariantMap> after = all.run();
    QVERIFY2(all.ok(), qPrintable(all.error()));
    QCOMPARE(ids(after), (QList<qlonglong>{4, 3, 2, 1}));
    QCOMPARE(after[2].value("VALUE").toDouble(), 8.2);
    QCOMPARE(after[2].value("COMMENT").toString(), QStringLiteral("after water change"));
}

void DialectTest::edgeCases_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* sql, const char* expected) {
        QTest::newRow(name) << QString::fromUtf8(sql) << QString::fromUtf8(expected);
    };
    const auto same = [&](const char* name, const char* sql) { row(name, sql, sql); };

    same("empty", "");
    same("only spaces", " \n\t ");
    // Literal text and names already quoted are never looked into.
    same("string with the words", "SELECT 'WHEN TRUE + VALUE' FROM t");
    same("string with doubled quotes", "SELECT * FROM t WHERE NAME='it''s WHEN, TRUE'");
    same("double-quoted names", "SELECT \"WHEN\", \"value\", \"TRUE\" FROM t");
    same("other quoted names", "SELECT [WHEN], `COMMENT` FROM t");
    same("quoted name with doubled quotes", "SELECT \"a\"\"WHEN\" FROM t");
    row("comments", "-- it's WHEN\nSELECT WHEN /* TRUE 'x */ FROM t",
        "-- it's WHEN\nSELECT \"WHEN\" /* TRUE 'x */ FROM t");
    // Parameters keep their names.
    same("parameters", "WHERE A=:WHEN AND B=:VALUE AND C=:INTERVAL AND D=:COMMENT AND E=:TRUE");
    same("other parameter forms", "WHERE A=@WHEN AND B=$TRUE AND C=?1 AND D=#VALUE");
    row("lone colon", "WHERE A = : WHEN", "WHERE A = : \"WHEN\"");
    // Only the four whole words are quoted; VALUES is the keyword.
    row("any case", "order by when desc, Value, interVal, comment",
        "order by \"when\" desc, \"Value\", \"interVal\", \"comment\"");
    same("VALUES", "INSERT INTO t (A) VALUES (1)");
    same("longer names", "SELECT TRUEVALUE, WHENEVER, COMMENTS, VALUE_2, MYVALUE, FALSE1, WHENЯ FROM t");
    row("qualified name", "SELECT m.WHEN, m.TRUE FROM MEASURES m", "SELECT m.\"WHEN\", m.TRUE FROM MEASURES m");
    row("quoted name right beside", "SELECT \"a\"WHEN\"b\" FROM t", "SELECT \"a\" \"WHEN\" \"b\" FROM t");
    row("whitespace kept", "SELECT\n\tWHEN\r\n  FROM t", "SELECT\n\t\"WHEN\"\r\n  FROM t");
    // Booleans.
    row("booleans in any case", "WHERE A=true OR B=False", "WHERE A=1 OR B=0");
    same("booleans as names", "SELECT t.TRUE, FALSE.x, 1 AS TRUE FROM t");
    same("not ASCII case folding", "WHERE A=FALſE");
    row("after a sign", "SELECT e-TRUE, 2+FALSE", "SELECT e-1, 2+0");
    // A digit in place of the word would join what stands before it.
    same("glued to a number or parameter", "SELECT 1TRUE, 0xFALSE, 0e-TRUE, 1E+FALSE, ?TRUE, ?2FALSE");
    // Once the "+" has become "||" nothing joins, as a second translation would find.
    row("after a number's sign that becomes concatenation", "SELECT 1E+TRUE+'x'", "SELECT 1E||1||'x'");
    // Concatenation chains.
    row("chain with a literal", "SELECT A+'x'+B FROM t", "SELECT A||'x'||B FROM t");
    same("numeric chain", "SELECT A+B+1, ID + 1 FROM t");
    row("commas part chains", "SELECT A+1, 'x'+B FROM t", "SELECT A+1, 'x'||B FROM t");
    same("comparison parts chains", "SELECT * FROM t WHERE A+B='x'");
    row("right of a comparison", "WHERE NAME=LATINNAME+'x'", "WHERE NAME=LATINNAME||'x'");
    row("LIKE pattern", "WHERE NAME LIKE :NAME+'%'", "WHERE NAME LIKE :NAME||'%'");
    row("text group is text", "SELECT ('a'+B)+C FROM t", "SELECT ('a'||B)||C FROM t");
    row("call result and literal", "SELECT UPPER(NAME)+' '+t.LATINNAME FROM t",
        "SELECT UPPER(NAME)||' '||t.LATINNAME FROM t");
    same("call arguments are apart", "SELECT COALESCE(A, 'x')+1 FROM t");
    same("tighter operator beside", "SELECT A*B+'x', 'x'+A*B, A-B+'x', 'x'+A-B FROM t");
    same("stray plus", "SELECT 'x'+ +A, +'x'+A FROM t");
    row("comments inside a chain", "SELECT A/**/+/**/'x' FROM t", "SELECT A/**/||/**/'x' FROM t");
    // CASE keeps its WHEN.
    row("CASE", "SELECT CASE WHEN A=1 THEN 'x' END, WHEN FROM t", "SELECT CASE WHEN A=1 THEN 'x' END, \"WHEN\" FROM t");
    // Broken texts pass through.
    same("unterminated string", "SELECT 'WHEN + TRUE");
    same("unterminated quoted name", "SELECT \"WHEN");
    same("unterminated bracket", "SELECT [WHEN");
    same("unterminated comment", "SELECT /* WHEN");
    row("unbalanced parentheses", "((WHEN))) TRUE+'a'", "((\"WHEN\"))) 1||'a'");
    row("unclosed group", "SELECT ('a'+B, WHEN", "SELECT ('a'||B, \"WHEN\"");
    row("trailing plus", "SELECT 'a'+B+", "SELECT 'a'+B+");
}

void DialectTest::edgeCases()
{
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QCOMPARE(Dialect::toSqlite(source), expected);
}

// Nothing recurses or rescans: deep nesting and long chains come back at once.
void DialectTest::longAndDeeplyNestedInput()
{
    constexpr int depth = 200000;
    const QString nested = QString(depth, u'(') + QStringLiteral("WHEN") + QString(depth, u')');
    QCOMPARE(Dialect::toSqlite(nested), QString(depth, u'(') + QStringLiteral("\"WHEN\"") + QString(depth, u')'));

    const QString chain = QStringLiteral("A") + QStringLiteral("+'x'").repeated(depth);
    QCOMPARE(Dialect::toSqlite(chain), QStringLiteral("A") + QStringLiteral("||'x'").repeated(depth));

    const QString open = QStringLiteral("('x'+").repeated(depth);
    QCOMPARE(Dialect::toSqlite(open), open);
}

QTEST_APPLESS_MAIN(DialectTest)
#include "DialectTest.moc"
