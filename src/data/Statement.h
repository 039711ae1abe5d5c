#pragma once

#include "data/Database.h"
#include "data/DateTime.h"
#include "data/SqlValue.h"

#include <QHash>
#include <QString>

// A named statement: one SQL text in the program's dialect with ":NAME"
// parameters. Parameters keep their values until they are set again, so a
// re-run uses the values last set, wherever they were set.
class Statement {
public:
    Statement(Database& db, QString name, QString sql = QString());
    virtual ~Statement() = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    const QString& name() const { return m_name; }
    const QString& sql() const { return m_sql; }
    // Replaces the text; the previous result and parameter values are discarded.
    virtual void setSql(const QString& sql);

    void setParam(const QString& name, int value) { m_params.insert(name, qint64(value)); }
    void setParam(const QString& name, qint64 value) { m_params.insert(name, value); }
    void setParam(const QString& name, double value) { m_params.insert(name, value); }
    void setParam(const QString& name, bool value) { m_params.insert(name, qint64(value ? 1 : 0)); }
    void setParam(const QString& name, const QString& value) { m_params.insert(name, value); }
    void setParam(const QString& name, const char* value) = delete; // texts travel as QString
    void setParam(const QString& name, DateTime value) { m_params.insert(name, value.days()); }
    void setParamNull(const QString& name) { m_params.insert(name, SqlValue()); }
    SqlValue param(const QString& name) const { return m_params.value(name); }

    // Runs a statement that returns no rows (INSERT, UPDATE, DELETE).
    void execute();
    // Rows changed by the last execute().
    int rowsAffected() const { return m_rowsAffected; }

    Database& database() const { return m_db; }

protected:
    // The prepared statement with the current parameters bound, ready to step.
    sqlite3_stmt* bound();
    [[noreturn]] void raise() const;

private:
    Database& m_db;
    QString m_name;
    QString m_sql;
    QHash<QString, SqlValue> m_params;
    PreparedStatement m_prepared;
    int m_rowsAffected = 0;
};
