#pragma once

#include "data/DateTime.h"
#include "data/Statement.h"

#include <QString>

class DataSet;

// The aquarium journal's writes. Every writer of a journal entry (the journal
// tab, the measurement entry, the reminders) goes through these operations, and
// each re-opens the journal list so every view of it follows.
class AquariumJournal {
public:
    AquariumJournal(Database& db, DataSet& journalQuery, DataSet& tempQuery);

    // Adds an entry without a photo; returns its identifier. The list is re-opened, not positioned.
    int AddJournalEntry(DateTime eventTime, const QString& text);
    // Stores the text and photo reference of an entry; its moment never changes.
    void SaveJournalEntry(int id, const QString& text, const QString& photoReference);
    // Deletes the entry (its picture file stays) and re-opens the list.
    void DeleteJournalEntry(int id);

    DataSet& list() { return m_journalQuery; }

private:
    DataSet& m_journalQuery;
    DataSet& m_tempQuery;
    Statement m_add;
    Statement m_update;
    Statement m_delete;
};
