#pragma once

#include "data/DateTime.h"
#include "data/Statement.h"

#include <functional>

class AquariumJournal;
class DataSet;

// Writing measurements, and the journal sentence that may go with them.
class Measurements {
public:
    enum class JournalMode { NewEntry, AppendToLatest };

    struct Entry {
        int parameterId = 0;
        double value = 0.0;
        DateTime moment;
        QString comment;
        bool toJournal = false;
        JournalMode journalMode = JournalMode::NewEntry;
        QString journalText;
        // The journal entry's moment, read again at that step when it is "now".
        std::function<DateTime()> journalMoment;
    };

    Measurements(Database& db, DataSet& history, DataSet& tempQuery, AquariumJournal& journal);

    // Stores the measurement, then (when asked and the text is not empty) the
    // journal sentence as a new entry or appended to the latest one; re-opens
    // the history positioned on the new measurement and returns its identifier.
    int AddMeasurement(const Entry& entry);
    void CorrectMeasurement(int id, double value, const QString& comment);
    void DeleteMeasurement(int id);

private:
    void writeToJournal(const Entry& entry);

    DataSet& m_history;
    DataSet& m_tempQuery;
    AquariumJournal& m_journal;
    Statement m_add;
    Statement m_update;
};
