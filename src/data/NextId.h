#pragma once

#include <QString>

class DataSet;

// The identifier for a new row: the table's largest ID plus 1 (1 for an empty
// table), read through the window's scratch query. The caller runs its INSERT
// right after, before anything else can write.
int NextId(DataSet& tempQuery, const QString& table);
