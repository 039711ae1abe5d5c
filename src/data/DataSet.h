#pragma once

#include "data/Statement.h"

#include <QObject>
#include <QStringList>
#include <QVector>

#include <functional>
#include <vector>

// A column of a data set as a grid shows it.
// How a grid shows a column's values.
enum class FieldKind { Plain, DateTime, Date, Time };

struct Field {
    QString name;
    FieldKind kind = FieldKind::Plain;
    QString displayLabel; // the column title; the field name until a label is set
    int displayWidth = 0; // in characters; 0 lets the grid choose
    bool visible = true;
    bool computed = false;
};

// A list the program shows or consults: the result of a SELECT (or a whole
// table with a fixed filter) with a current row.
//
// Opening runs the statement with the parameter values last set, reads every
// row (filling computed columns through the compute hook as each row is read)
// and makes the first row current. Notifications run in this order on every
// open: before open, (compute per row), current row changed, after open.
// Current row changed also runs on every move and on every locate, even onto
// the row already current; never while the data set is closed.
//
// Hooks are plain callbacks so that a database error raised inside one
// reaches the caller that triggered it (and its handler's guard) without
// unwinding through Qt. The Qt signals only tell views to redraw.
class DataSet : public QObject, public Statement {
    Q_OBJECT
public:
    using Hook = std::function<void()>;

    DataSet(Database& db, QString name, QString sql = QString(), QObject* parent = nullptr);
    // A whole table, optionally with a fixed filter, read in identifier order.
    static QString tableSql(const QString& table, const QString& filter = QString());

    void setSql(const QString& sql) override;

    void open();
    void close();
    void reopen();
    bool isOpen() const { return m_open; }

    int count() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    // Index of the current row, -1 when there is none.
    int currentIndex() const { return m_current; }
    void first();
    void next();
    void prior();
    // Moves to a row by index (the grids use it); out-of-range is ignored.
    void moveTo(int index);
    // Makes the first row with this ID current; a missing ID leaves the row where it was.
    bool locate(int id);

    // Reads of the current row (or of the row being computed inside the compute hook).
    SqlValue value(const QString& field) const;
    int asInt(const QString& field) const;
    double asFloat(const QString& field) const;
    QString asString(const QString& field) const;
    DateTime asDateTime(const QString& field) const;
    bool asBool(const QString& field) const;
    bool isNull(const QString& field) const;

    // Reads of any row, for the grids.
    SqlValue valueAt(int row, int column) const;

    // Columns: those of the result (known once opened) followed by the computed ones.
    const QVector<Field>& fields() const { return m_fields; }
    int fieldIndex(const QString& name) const;
    // Display properties outlive re-opens and may be set before the first open.
    void setDisplayLabel(const QString& field, const QString& label);
    void setDisplayWidth(const QString& field, int characters);
    void setVisible(const QString& field, bool visible);
    void setDisplayKind(const QString& field, FieldKind kind);

    // A column the program fills per row in the compute hook, through setComputed.
    void addComputedField(const QString& name);
    void setComputed(const QString& field, const SqlValue& value);

    void onBeforeOpen(Hook hook) { m_beforeOpen.push_back(std::move(hook)); }
    void onAfterOpen(Hook hook) { m_afterOpen.push_back(std::move(hook)); }
    void onCurrentRowChanged(Hook hook) { m_currentRowChanged.push_back(std::move(hook)); }
    void setComputeHook(Hook hook) { m_compute = std::move(hook); }

Q_SIGNALS:
    // The rows were replaced (opened, closed or re-opened).
    void rowsReset();
    void currentMoved(int index);
    void fieldsChanged();

private:
    void readRows();
    void applyDisplay(Field& field) const;
    void notifyCurrentChanged();
    int columnOf(const QString& field) const;
    const std::vector<SqlValue>* readRow() const;

    bool m_open = false;
    QVector<Field> m_fields;
    QStringList m_computedNames;
    std::vector<std::vector<SqlValue>> m_rows;
    int m_current = -1;
    int m_computing = -1;
    int m_idColumn = -1;
    QHash<qint64, int> m_rowOfId;
    QHash<QString, QString> m_labels;
    QHash<QString, int> m_widths;
    QHash<QString, bool> m_visible;
    QHash<QString, FieldKind> m_kinds;
    std::vector<Hook> m_beforeOpen, m_afterOpen, m_currentRowChanged;
    Hook m_compute;
};
