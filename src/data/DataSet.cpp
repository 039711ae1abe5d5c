#include "data/DataSet.h"

#include "data/DatabaseError.h"

#include <sqlite3.h>

DataSet::DataSet(Database& db, QString name, QString sql, QObject* parent)
    : QObject(parent)
    , Statement(db, std::move(name), std::move(sql))
{
    setObjectName(Statement::name());
}

QString DataSet::tableSql(const QString& table, const QString& filter)
{
    QString sql = QStringLiteral("SELECT * FROM ") + table;
    if (!filter.isEmpty())
        sql += QStringLiteral(" WHERE ") + filter;
    return sql + QStringLiteral(" ORDER BY ID");
}

void DataSet::setSql(const QString& sql)
{
    close();
    Statement::setSql(sql);
}

void DataSet::open()
{
    if (m_open)
        return;
    for (auto& hook : m_beforeOpen)
        hook();
    readRows();
    m_open = true;
    m_current = m_rows.empty() ? -1 : 0;
    Q_EMIT rowsReset();
    Q_EMIT currentMoved(m_current);
    notifyCurrentChanged();
    for (auto& hook : m_afterOpen)
        hook();
}

void DataSet::close()
{
    if (!m_open)
        return;
    m_open = false;
    m_rows.clear();
    m_rowOfId.clear();
    m_current = -1;
    Q_EMIT rowsReset();
}

void DataSet::reopen()
{
    close();
    open();
}

void DataSet::readRows()
{
    sqlite3_stmt* st = bound();
    const int columns = sqlite3_column_count(st);
    QVector<Field> fields;
    fields.reserve(columns + m_computedNames.size());
    for (int c = 0; c < columns; ++c) {
        Field f;
        f.name = QString::fromUtf8(sqlite3_column_name(st, c));
        fields.push_back(f);
    }
    for (const QString& name : m_computedNames) {
        Field f;
        f.name = name;
        f.computed = true;
        fields.push_back(f);
    }
    for (Field& f : fields)
        applyDisplay(f);
    const bool layoutChanged = fields.size() != m_fields.size() ||
                               !std::equal(fields.begin(), fields.end(), m_fields.begin(),
                                           [](const Field& a, const Field& b) { return a.name == b.name; });
    m_fields = std::move(fields);
    m_idColumn = columnOf(QStringLiteral("ID"));

    std::vector<std::vector<SqlValue>> rows;
    const int width = int(m_fields.size());
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        std::vector<SqlValue> row(width);
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(st, c)) {
            case SQLITE_INTEGER:
                row[c] = qint64(sqlite3_column_int64(st, c));
                break;
            case SQLITE_FLOAT:
                row[c] = sqlite3_column_double(st, c);
                break;
            case SQLITE_NULL:
                break;
            default: {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
                row[c] = QString::fromUtf8(text, sqlite3_column_bytes(st, c));
            }
            }
        }
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        const QString message = database().lastError();
        sqlite3_reset(st);
        throw DatabaseError(message);
    }
    sqlite3_reset(st);
    m_rows = std::move(rows);

    m_rowOfId.clear();
    if (m_idColumn >= 0) {
        m_rowOfId.reserve(int(m_rows.size()));
        for (int r = int(m_rows.size()) - 1; r >= 0; --r)
            m_rowOfId.insert(SqlValues::toInt64(m_rows[r][m_idColumn]), r);
    }
    if (m_compute && !m_computedNames.isEmpty()) {
        for (m_computing = 0; m_computing < int(m_rows.size()); ++m_computing)
            m_compute();
        m_computing = -1;
    }
    if (layoutChanged)
        Q_EMIT fieldsChanged();
}

void DataSet::notifyCurrentChanged()
{
    for (auto& hook : m_currentRowChanged)
        hook();
}

void DataSet::first()
{
    moveTo(0);
}
void DataSet::next()
{
    moveTo(m_current + 1);
}
void DataSet::prior()
{
    moveTo(m_current - 1);
}

void DataSet::moveTo(int index)
{
    if (!m_open || index < 0 || index >= int(m_rows.size()))
        return;
    const bool moved = index != m_current;
    m_current = index;
    if (moved)
        Q_EMIT currentMoved(m_current);
    notifyCurrentChanged();
}

bool DataSet::locate(int id)
{
    if (!m_open)
        return false;
    auto it = m_rowOfId.constFind(id);
    if (it == m_rowOfId.constEnd())
        return false;
    m_current = it.value();
    Q_EMIT currentMoved(m_current);
    notifyCurrentChanged();
    return true;
}

int DataSet::columnOf(const QString& field) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int DataSet::fieldIndex(const QString& name) const
{
    return columnOf(name);
}

const std::vector<SqlValue>* DataSet::readRow() const
{
    // While computing, the rows are read but the data set is not open yet.
    const int row = m_computing >= 0 ? m_computing : m_current;
    if ((!m_open && m_computing < 0) || row < 0 || row >= int(m_rows.size()))
        return nullptr;
    return &m_rows[row];
}

SqlValue DataSet::value(const QString& field) const
{
    const int column = columnOf(field);
    if (column < 0) {
        if (m_open || m_computing >= 0)
            throw DatabaseError(QStringLiteral("%1: Field '%2' not found").arg(name(), field));
        return SqlValue();
    }
    const auto* row = readRow();
    return row ? (*row)[column] : SqlValue();
}

int DataSet::asInt(const QString& field) const
{
    return int(SqlValues::toInt64(value(field)));
}
double DataSet::asFloat(const QString& field) const
{
    return SqlValues::toDouble(value(field));
}
QString DataSet::asString(const QString& field) const
{
    return SqlValues::toText(value(field));
}
DateTime DataSet::asDateTime(const QString& field) const
{
    return DateTime(SqlValues::toDouble(value(field)));
}
bool DataSet::asBool(const QString& field) const
{
    return SqlValues::toBool(value(field));
}
bool DataSet::isNull(const QString& field) const
{
    return SqlValues::isNull(value(field));
}

SqlValue DataSet::valueAt(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()) || column < 0 || column >= int(m_rows[row].size()))
        return SqlValue();
    return m_rows[row][column];
}

void DataSet::applyDisplay(Field& f) const
{
    const QString key = f.name.toUpper();
    f.displayLabel = m_labels.value(key, f.name);
    f.displayWidth = m_widths.value(key, 0);
    f.visible = m_visible.value(key, true);
    f.kind = m_kinds.value(key, FieldKind::Plain);
}

void DataSet::setDisplayKind(const QString& field, FieldKind kind)
{
    m_kinds.insert(field.toUpper(), kind);
    const int c = columnOf(field);
    if (c >= 0) {
        m_fields[c].kind = kind;
        Q_EMIT fieldsChanged();
    }
}

void DataSet::setDisplayLabel(const QString& field, const QString& label)
{
    m_labels.insert(field.toUpper(), label);
    const int c = columnOf(field);
    if (c >= 0) {
        m_fields[c].displayLabel = label;
        Q_EMIT fieldsChanged();
    }
}

void DataSet::setDisplayWidth(const QString& field, int characters)
{
    m_widths.insert(field.toUpper(), characters);
    const int c = columnOf(field);
    if (c >= 0) {
        m_fields[c].displayWidth = characters;
        Q_EMIT fieldsChanged();
    }
}

void DataSet::setVisible(const QString& field, bool visible)
{
    m_visible.insert(field.toUpper(), visible);
    const int c = columnOf(field);
    if (c >= 0) {
        m_fields[c].visible = visible;
        Q_EMIT fieldsChanged();
    }
}

void DataSet::addComputedField(const QString& name)
{
    if (!m_computedNames.contains(name, Qt::CaseInsensitive))
        m_computedNames.push_back(name);
}

void DataSet::setComputed(const QString& field, const SqlValue& value)
{
    if (m_computing < 0)
        return;
    const int column = columnOf(field);
    if (column >= 0 && m_fields[column].computed)
        m_rows[m_computing][column] = value;
}
