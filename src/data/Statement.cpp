#include "data/Statement.h"

#include "data/DatabaseError.h"
#include "data/Dialect.h"

#include <sqlite3.h>

Statement::Statement(Database& db, QString name, QString sql)
    : m_db(db)
    , m_name(std::move(name))
    , m_sql(std::move(sql))
{}

void Statement::setSql(const QString& sql)
{
    m_sql = sql;
    m_params.clear();
    m_prepared = PreparedStatement();
}

void Statement::raise() const
{
    m_db.raise();
}

sqlite3_stmt* Statement::bound()
{
    if (!m_prepared)
        m_prepared = PreparedStatement(m_db, m_db.prepare(Dialect::toSqlite(m_sql)));
    sqlite3_stmt* st = m_prepared.get();
    sqlite3_reset(st);
    sqlite3_clear_bindings(st);
    const int count = sqlite3_bind_parameter_count(st);
    for (int i = 1; i <= count; ++i) {
        const char* rawName = sqlite3_bind_parameter_name(st, i);
        if (!rawName)
            continue;
        // SQLite keeps the ':' in the name; the program's parameter names are case-insensitive.
        const QString name = QString::fromUtf8(rawName + 1);
        auto it = m_params.constFind(name);
        if (it == m_params.constEnd()) {
            for (auto p = m_params.constBegin(); p != m_params.constEnd(); ++p) {
                if (p.key().compare(name, Qt::CaseInsensitive) == 0) {
                    it = p;
                    break;
                }
            }
        }
        if (it == m_params.constEnd())
            continue; // an unset parameter binds as no value
        const SqlValue& v = it.value();
        int rc = SQLITE_OK;
        if (auto n = std::get_if<qint64>(&v)) {
            rc = sqlite3_bind_int64(st, i, *n);
        } else if (auto d = std::get_if<double>(&v)) {
            rc = sqlite3_bind_double(st, i, *d);
        } else if (auto s = std::get_if<QString>(&v)) {
            const QByteArray utf8 = s->toUtf8();
            rc = sqlite3_bind_text(st, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        } else {
            rc = sqlite3_bind_null(st, i);
        }
        if (rc != SQLITE_OK)
            raise();
    }
    return st;
}

void Statement::execute()
{
    sqlite3_stmt* st = bound();
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        const QString message = m_db.lastError();
        sqlite3_reset(st);
        throw DatabaseError(message);
    }
    m_rowsAffected = sqlite3_changes(sqlite3_db_handle(st));
    sqlite3_reset(st);
}
