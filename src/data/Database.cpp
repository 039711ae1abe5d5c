#include "data/Database.h"

#include "data/DatabaseError.h"

#include <QFileInfo>

#include <sqlite3.h>

Database::Database(const QString& path, Access access)
    : m_path(path)
{
    if (!QFileInfo(path).isFile())
        throw DatabaseError(QStringLiteral("The database file %1 does not exist").arg(path));
    const int flags = access == Access::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    const QByteArray utf8 = path.toUtf8();
    if (sqlite3_open_v2(utf8.constData(), &m_db, flags | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        const QString message = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
        sqlite3_close(m_db);
        m_db = nullptr;
        throw DatabaseError(QStringLiteral("Cannot open the database %1: %2").arg(path, message));
    }
    sqlite3_extended_result_codes(m_db, 1);
    // A double-quoted name that is no column must fail, not turn into a text.
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_busy_timeout(m_db, 2000);
    try {
        // Reading the schema is what tells a database from any other file.
        execute(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        // A write-protected file opens for reading only: the diary can still be
        // read, and each write then fails with the error box.
        if (access == Access::ReadWrite && sqlite3_db_readonly(m_db, "main") == 0) {
            // A committed statement survives a crash or a power cut; WAL keeps
            // single-row writes fast with that guarantee.
            execute(QStringLiteral("PRAGMA journal_mode=WAL"));
            execute(QStringLiteral("PRAGMA synchronous=FULL"));
        } else {
            execute(QStringLiteral("PRAGMA query_only=1"));
        }
    } catch (const DatabaseError& e) {
        sqlite3_close(m_db);
        m_db = nullptr;
        throw DatabaseError(QStringLiteral("%1 is not a usable database: %2").arg(path, e.message()));
    }
}

Database::~Database()
{
    if (m_db)
        sqlite3_close_v2(m_db);
}

QString Database::lastError() const
{
    return QString::fromUtf8(sqlite3_errmsg(m_db));
}

void Database::raise(const QString& context) const
{
    const QString text = lastError();
    throw DatabaseError(context.isEmpty() ? text : context + QStringLiteral(": ") + text);
}

void Database::execute(const QString& sql)
{
    char* error = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_exec(m_db, utf8.constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString text = error ? QString::fromUtf8(error) : lastError();
        sqlite3_free(error);
        throw DatabaseError(text);
    }
}

bool Database::hasTable(const QString& name)
{
    PreparedStatement st(
        *this, prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?1 COLLATE NOCASE")));
    const QByteArray utf8 = name.toUtf8();
    sqlite3_bind_text(st.get(), 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(st.get());
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        raise();
    return rc == SQLITE_ROW;
}

bool Database::inTransaction() const
{
    return sqlite3_get_autocommit(m_db) == 0;
}

sqlite3_stmt* Database::prepare(const QString& sqliteSql)
{
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sqliteSql.toUtf8();
    if (sqlite3_prepare_v2(m_db, utf8.constData(), int(utf8.size()), &stmt, nullptr) != SQLITE_OK)
        raise();
    if (!stmt)
        throw DatabaseError(QStringLiteral("Empty statement"));
    return stmt;
}

PreparedStatement::~PreparedStatement()
{
    if (m_stmt)
        sqlite3_finalize(m_stmt);
}

PreparedStatement::PreparedStatement(PreparedStatement&& other) noexcept
    : m_db(other.m_db)
    , m_stmt(other.m_stmt)
{
    other.m_stmt = nullptr;
}

PreparedStatement& PreparedStatement::operator=(PreparedStatement&& other) noexcept
{
    if (this != &other) {
        if (m_stmt)
            sqlite3_finalize(m_stmt);
        m_db = other.m_db;
        m_stmt = other.m_stmt;
        other.m_stmt = nullptr;
    }
    return *this;
}
