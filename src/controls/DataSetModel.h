#pragma once

#include <QAbstractTableModel>

class DataSet;

// The rows of a data set as a read-only table; column titles are the fields'
// display labels, so a change of language renames them at once.
class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataSetModel(QObject* parent = nullptr);
    void setDataSet(DataSet* dataSet);
    DataSet* dataSet() const { return m_dataSet; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The text a cell shows.
    QString displayText(int row, int column) const;

private:
    DataSet* m_dataSet = nullptr;
    QList<QMetaObject::Connection> m_connections;
};
