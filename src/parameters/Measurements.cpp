#include "parameters/Measurements.h"

#include "data/DataSet.h"
#include "data/NextId.h"
#include "data/RuntimeSql.h"
#include "journal/AquariumJournal.h"
#include "parameters/ParameterStatements.h"

Measurements::Measurements(Database& db, DataSet& history, DataSet& tempQuery, AquariumJournal& journal)
    : m_history(history)
    , m_tempQuery(tempQuery)
    , m_journal(journal)
    , m_add(db, QStringLiteral("AddQuery"), QString::fromUtf8(ParameterSql::AddMeasureQuery))
    , m_update(db, QStringLiteral("UpdateMeasuresQuery"), QString::fromUtf8(ParameterSql::UpdateMeasuresQuery))
{}

int Measurements::AddMeasurement(const Entry& entry)
{
    const int id = NextId(m_tempQuery, QStringLiteral("MEASURES"));
    m_add.setParam(QStringLiteral("ID"), id);
    m_add.setParam(QStringLiteral("REF_P_TYPE"), entry.parameterId);
    m_add.setParam(QStringLiteral("VALUE"), entry.value);
    m_add.setParam(QStringLiteral("WHEN"), entry.moment);
    m_add.setParam(QStringLiteral("COMMENT"), entry.comment);
    m_add.execute();
    if (entry.toJournal && !entry.journalText.isEmpty())
        writeToJournal(entry);
    m_history.reopen();
    m_history.locate(id);
    return id;
}

void Measurements::writeToJournal(const Entry& entry)
{
    DataSet& list = m_journal.list();
    if (entry.journalMode == JournalMode::NewEntry) {
        const DateTime moment = entry.journalMoment ? entry.journalMoment() : entry.moment;
        const int id = m_journal.AddJournalEntry(moment, entry.journalText);
        list.locate(id);
        return;
    }
    list.reopen();
    list.first();
    if (list.isEmpty())
        return;
    const int id = list.asInt(QStringLiteral("ID"));
    const QString text = list.asString(QStringLiteral("EVENTMEMO")) + QStringLiteral(" ; ") + entry.journalText;
    m_journal.SaveJournalEntry(id, text, list.asString(QStringLiteral("PHOTOFILE")));
    list.reopen();
    list.locate(id);
}

void Measurements::CorrectMeasurement(int id, double value, const QString& comment)
{
    m_update.setParam(QStringLiteral("VALUE"), value);
    m_update.setParam(QStringLiteral("COMMENT"), comment);
    m_update.setParam(QStringLiteral("ID"), id);
    m_update.execute();
    m_history.reopen();
    m_history.locate(id);
}

void Measurements::DeleteMeasurement(int id)
{
    m_tempQuery.setSql(RuntimeSql("DELETE FROM MEASURES WHERE ID=").id(id).text());
    m_tempQuery.execute();
    m_history.reopen();
}
