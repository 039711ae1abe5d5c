#pragma once

#include "data/DataSet.h"
#include "data/Statement.h"

#include <QString>

// The water parameter definitions as the editor changes them: its list
// (p_type_Query, by identifier, which is also the display order), its add and
// change statements and its scratch query. Every operation ends with the list
// read again and the main window's parameter list closed and re-opened, so
// both show what the database now holds.
class ParameterDefinitions {
public:
    ParameterDefinitions(Database& db, DataSet& mainParameterList);

    DataSet& list() { return m_list; }
    DataSet& tempQuery() { return m_temp; }

    // Adds a parameter under the next free identifier and returns it. The list
    // is re-opened on its first row.
    int AddParameter(const QString& name, const QString& comment, double def, double step,
                     const QString& journalTemplate);
    // Changes the parameter; the list is re-opened and stands on it again.
    void UpdateParameter(int id, const QString& name, const QString& comment, double def, double step,
                         const QString& journalTemplate);
    // Deletes the parameter together with all of its measurements, or nothing
    // at all when a statement fails. The list is re-opened on its first row.
    void DeleteParameter(int id);
    // Swaps the identifiers of two parameters, in p_type and in every
    // measurement, all or nothing. The list then stands on neighbourId, which
    // is where the moved parameter now is.
    void MoveParameter(int id, int neighbourId);

    // The window's data sets, for the main window's exit sequence.
    void closeDataSets();

private:
    void runBuilt(const QString& text);
    void reopenMainList();

    Database& m_db;
    DataSet& m_mainList;
    DataSet m_list;
    Statement m_add;
    Statement m_update;
    DataSet m_temp;
};
