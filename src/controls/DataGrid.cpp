#include "controls/DataGrid.h"

#include "controls/DataSetModel.h"
#include "controls/HandlerGuard.h"
#include "data/DataSet.h"

#include <QHeaderView>

DataGrid::DataGrid(HandlerGuard& guard, QWidget* parent)
    : QTableView(parent)
    , m_guard(guard)
    , m_model(new DataSetModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { onRowChosen(current); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        applyColumns();
        selectCurrent();
    });
}

void DataGrid::setDataSet(DataSet* dataSet)
{
    if (DataSet* old = m_model->dataSet())
        disconnect(old, nullptr, this, nullptr);
    m_model->setDataSet(dataSet);
    if (dataSet)
        connect(dataSet, &DataSet::currentMoved, this, [this] { selectCurrent(); });
    applyColumns();
    selectCurrent();
}

DataSet* DataGrid::dataSet() const
{
    return m_model->dataSet();
}

void DataGrid::applyColumns()
{
    DataSet* ds = m_model->dataSet();
    if (!ds)
        return;
    const auto& fields = ds->fields();
    for (int c = 0; c < fields.size(); ++c) {
        setColumnHidden(c, !fields[c].visible);
        if (fields[c].displayWidth > 0)
            setColumnWidth(c, fields[c].displayWidth * fontMetrics().horizontalAdvance(QLatin1Char('0')) + 12);
    }
}

void DataGrid::selectCurrent()
{
    DataSet* ds = m_model->dataSet();
    if (!ds || m_syncing)
        return;
    m_syncing = true;
    const int row = ds->currentIndex();
    if (row >= 0 && row < m_model->rowCount()) {
        const QModelIndex index = m_model->index(row, 0);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(index);
    } else {
        selectionModel()->clearSelection();
    }
    m_syncing = false;
}

void DataGrid::onRowChosen(const QModelIndex& current)
{
    DataSet* ds = m_model->dataSet();
    if (m_syncing || !ds || !current.isValid() || current.row() == ds->currentIndex())
        return;
    m_syncing = true;
    m_guard.run([&] { ds->moveTo(current.row()); });
    m_syncing = false;
}
