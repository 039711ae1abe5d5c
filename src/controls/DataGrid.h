#pragma once

#include <QTableView>

class DataSet;
class DataSetModel;
class HandlerGuard;

// A read-only grid over a data set. Choosing a row makes it the data set's
// current row (whose notifications may run statements, so under the guard);
// moving the current row from the program selects it in the grid.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    DataGrid(HandlerGuard& guard, QWidget* parent = nullptr);
    void setDataSet(DataSet* dataSet);
    DataSet* dataSet() const;
    DataSetModel* dataModel() const { return m_model; }

private:
    void applyColumns();
    void selectCurrent();
    void onRowChosen(const QModelIndex& current);

    HandlerGuard& m_guard;
    DataSetModel* m_model;
    bool m_syncing = false;
};
