#pragma once

#include <QString>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// The one connection to the diary's database. The connection names the program
// uses for its data sets all reach this single connection.
class Database {
public:
    enum class Access { ReadWrite, ReadOnly };

    // Opens an existing database file and checks at once that it is one: SQLite
    // would otherwise accept any file and fail only at the first read.
    // Raises DatabaseError when the file is missing or is not a database.
    explicit Database(const QString& path, Access access = Access::ReadWrite);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& path() const { return m_path; }

    // Runs SQL that takes no parameters and returns no rows (pragmas, BEGIN/COMMIT).
    void execute(const QString& sql);
    bool hasTable(const QString& name);
    bool inTransaction() const;

    // Prepares a statement already in SQLite's dialect; raises DatabaseError on failure.
    sqlite3_stmt* prepare(const QString& sqliteSql);
    QString lastError() const;
    [[noreturn]] void raise(const QString& context = QString()) const;

private:
    QString m_path;
    sqlite3* m_db = nullptr;
};

// Owns one prepared statement; finalises it on destruction.
class PreparedStatement {
public:
    PreparedStatement() = default;
    PreparedStatement(Database& db, sqlite3_stmt* stmt)
        : m_db(&db)
        , m_stmt(stmt)
    {}
    ~PreparedStatement();
    PreparedStatement(PreparedStatement&& other) noexcept;
    PreparedStatement& operator=(PreparedStatement&& other) noexcept;
    PreparedStatement(const PreparedStatement&) = delete;
    PreparedStatement& operator=(const PreparedStatement&) = delete;

    sqlite3_stmt* get() const { return m_stmt; }
    Database& database() const { return *m_db; }
    explicit operator bool() const { return m_stmt != nullptr; }

private:
    Database* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};
