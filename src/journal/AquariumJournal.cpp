#include "journal/AquariumJournal.h"

#include "data/DataSet.h"
#include "data/NextId.h"
#include "journal/JournalStatements.h"

AquariumJournal::AquariumJournal(Database& db, DataSet& journalQuery, DataSet& tempQuery)
    : m_journalQuery(journalQuery)
    , m_tempQuery(tempQuery)
    , m_add(db, QStringLiteral("AddJournalQuery"), QString::fromUtf8(JournalSql::AddJournalQuery))
    , m_update(db, QStringLiteral("UpdateJournalQuery"), QString::fromUtf8(JournalSql::UpdateJournalQuery))
    , m_delete(db, QStringLiteral("DeleteJournalQuery"), QString::fromUtf8(JournalSql::DeleteJournalQuery))
{}

int AquariumJournal::AddJournalEntry(DateTime eventTime, const QString& text)
{
    const int id = NextId(m_tempQuery, QStringLiteral("JOURNAL"));
    m_add.setParam(QStringLiteral("ID"), id);
    m_add.setParam(QStringLiteral("EVENTTIME"), eventTime);
    m_add.setParam(QStringLiteral("EVENTMEMO"), text);
    m_add.setParam(QStringLiteral("PHOTOFILE"), QString());
    m_add.execute();
    m_journalQuery.reopen();
    return id;
}

void AquariumJournal::SaveJournalEntry(int id, const QString& text, const QString& photoReference)
{
    m_update.setParam(QStringLiteral("EVENTMEMO"), text);
    m_update.setParam(QStringLiteral("PHOTOFILE"), photoReference);
    m_update.setParam(QStringLiteral("ID"), id);
    m_update.execute();
}

void AquariumJournal::DeleteJournalEntry(int id)
{
    m_delete.setParam(QStringLiteral("ID"), id);
    m_delete.execute();
    m_journalQuery.reopen();
}
