#include "data/Dialect.h"

namespace Dialect {
QString toSqlite(const QString& sql) { return sql; }
}
