#include "data/Transaction.h"

#include "data/DatabaseError.h"

Transaction::Transaction(Database& db)
    : m_db(db)
{
    // IMMEDIATE takes the write lock at once, so the first statement cannot
    // fail half-way for want of it.
    m_db.execute(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (m_finished)
        return;
    try {
        m_db.execute(QStringLiteral("ROLLBACK"));
    } catch (const DatabaseError&) {
        // SQLite may already have rolled back on its own (a full disk, say).
    }
}

void Transaction::commit()
{
    m_db.execute(QStringLiteral("COMMIT"));
    m_finished = true;
}
