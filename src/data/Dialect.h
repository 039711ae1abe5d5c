#pragma once

#include <QString>

// Turns the program's SQL texts into SQLite's: quotes the column names that
// SQLite reserves or that the program writes unquoted (WHEN, VALUE, INTERVAL,
// COMMENT), turns "+" beside a text into "||", TRUE and FALSE into 1 and 0.
// Named ":PARAM" parameters, string literals and everything else pass unchanged.
namespace Dialect {
QString toSqlite(const QString& sql);
}
