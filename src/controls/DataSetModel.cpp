#include "controls/DataSetModel.h"

#include "data/DataSet.h"

DataSetModel::DataSetModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

void DataSetModel::setDataSet(DataSet* dataSet)
{
    beginResetModel();
    for (const auto& c : m_connections)
        disconnect(c);
    m_connections.clear();
    m_dataSet = dataSet;
    if (m_dataSet) {
        m_connections << connect(m_dataSet, &DataSet::rowsReset, this, [this] {
            beginResetModel();
            endResetModel();
        });
        m_connections << connect(m_dataSet, &DataSet::fieldsChanged, this, [this] {
            beginResetModel();
            endResetModel();
        });
        m_connections << connect(m_dataSet, &QObject::destroyed, this, [this] { setDataSet(nullptr); });
    }
    endResetModel();
}

int DataSetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_dataSet ? 0 : m_dataSet->count();
}

int DataSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_dataSet ? 0 : int(m_dataSet->fields().size());
}

QString DataSetModel::displayText(int row, int column) const
{
    if (!m_dataSet || column < 0 || column >= m_dataSet->fields().size())
        return QString();
    const SqlValue value = m_dataSet->valueAt(row, column);
    if (SqlValues::isNull(value))
        return QString();
    const DateTime moment(SqlValues::toDouble(value));
    switch (m_dataSet->fields()[column].kind) {
    case FieldKind::DateTime:
        return moment.toText();
    case FieldKind::Date:
        return moment.toShortDateText();
    case FieldKind::Time:
        return moment.toLongTimeText();
    case FieldKind::Plain:
        break;
    }
    return SqlValues::toText(value);
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return QVariant();
    return displayText(index.row(), index.column());
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || !m_dataSet)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < 0 || section >= m_dataSet->fields().size())
        return QVariant();
    return m_dataSet->fields()[section].displayLabel;
}
