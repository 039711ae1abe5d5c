#include "data/NextId.h"

#include "data/DataSet.h"
#include "data/DatabaseError.h"

int NextId(DataSet& tempQuery, const QString& table)
{
    // Table names are the program's own constants; refuse anything else
    // rather than splice it into statement text.
    for (QChar c : table) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('_'))
            throw DatabaseError(QStringLiteral("Invalid table name: %1").arg(table));
    }
    tempQuery.close();
    tempQuery.setSql(QStringLiteral("SELECT MAX(ID) AS ID FROM ") + table);
    tempQuery.open();
    return tempQuery.asInt(QStringLiteral("ID")) + 1;
}
