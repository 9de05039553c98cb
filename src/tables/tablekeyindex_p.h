#pragma once

// Library-internal: the key index behind TableWidget::getRowIndexByKeyValue.

#include "frame/zcorvanebase_global.h"

#include <QHash>
#include <QObject>
#include <QVector>

QT_BEGIN_NAMESPACE
class QModelIndex;
class QTableWidget;
QT_END_NAMESPACE

namespace ZCORVANEBASE {

// Finds the first row whose column-0 item carries a key (its Qt::UserRole data as a string) without reading the
// table's items on every lookup.
//
// It mirrors each row's key in rowKeys and keeps, for every key, its first row. The model's change signals keep
// both current: appended rows and changed keys are applied in place; rows inserted or removed in the middle only
// mark the first-row table stale (lookups then scan rowKeys, and a run of lookups rebuilds it); anything that
// reorders or resets the model marks the mirror itself dirty, to be read again on the next lookup.
// The index is a child of its table and lives as long as the table.
class TableKeyIndex : public QObject
{
    Q_OBJECT

public:
    explicit TableKeyIndex(QTableWidget* table);
    ~TableKeyIndex() override;

    int rowOf(const QString& key);

private slots:
    void slotRowsInserted(const QModelIndex& parent, int first, int last);
    void slotRowsRemoved(const QModelIndex& parent, int first, int last);
    void slotColumnsInsertedOrRemoved(const QModelIndex& parent, int first, int last);
    void slotDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QVector<int>& roles);
    void slotInvalidate();

private:
    void connectSignalsWithSlots();
    QString keyAt(int row) const;
    void updateRow(int row);
    void markStale(); // first rows unknown until rebuilt; counts lookups from now
    void readKeys();
    int scan(const QString& key) const;
    void rebuildFirstRows();

    QTableWidget* table;
    QVector<QString> rowKeys; // the key of each row; empty where column 0 has no item or no key
    QVector<uint> rowHashes; // qHash of each row's key: a scan compares these before any string
    QHash<QString, int> firstRows; // non-empty key -> its first row, while firstRowsStale is false
    bool dirty; // rowKeys no longer mirror the table
    bool firstRowsStale;
    int staleLookups; // lookups answered by scanning since the last change
};

} // namespace ZCORVANEBASE
