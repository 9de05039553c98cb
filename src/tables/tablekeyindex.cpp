#include "tables/tablekeyindex_p.h"

#include <QTableWidget>

namespace ZCORVANEBASE {

namespace {
// A change to more rows than this at once is cheaper to handle by reading the mirror again.
const int maxRowsUpdatedInPlace = 256;
// Lookups by scanning, with no change in between, before the first-row table is rebuilt: a scan compares strings
// in one array, a rebuild hashes every key, so it pays off only for a run of lookups.
const int scansBeforeRebuild = 32;
} // namespace

TableKeyIndex::TableKeyIndex(QTableWidget* table)
    : QObject(table)
    , table(table)
    , dirty(true)
    , firstRowsStale(true)
    , staleLookups(0)
{
    connectSignalsWithSlots();
}

TableKeyIndex::~TableKeyIndex() = default;

void TableKeyIndex::connectSignalsWithSlots()
{
    QAbstractItemModel* model = table->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &TableKeyIndex::slotRowsInserted);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TableKeyIndex::slotRowsRemoved);
    connect(model, &QAbstractItemModel::columnsInserted, this, &TableKeyIndex::slotColumnsInsertedOrRemoved);
    connect(model, &QAbstractItemModel::columnsRemoved, this, &TableKeyIndex::slotColumnsInsertedOrRemoved);
    connect(model, &QAbstractItemModel::dataChanged, this, &TableKeyIndex::slotDataChanged);
    connect(model, &QAbstractItemModel::layoutChanged, this, &TableKeyIndex::slotInvalidate);
    connect(model, &QAbstractItemModel::modelReset, this, &TableKeyIndex::slotInvalidate);
    connect(model, &QAbstractItemModel::rowsMoved, this, &TableKeyIndex::slotInvalidate);
    connect(model, &QAbstractItemModel::columnsMoved, this, &TableKeyIndex::slotInvalidate);
}

QString TableKeyIndex::keyAt(int row) const
{
    const QTableWidgetItem* cell = table->item(row, 0);
    return cell ? cell->data(Qt::UserRole).toString() : QString();
}

int TableKeyIndex::rowOf(const QString& key)
{
    if (key.isEmpty()) {
        // An empty key matches a column-0 item without a key, which the mirror does not tell from a missing item.
        const int count = table->rowCount();
        for (int row = 0; row < count; ++row) {
            const QTableWidgetItem* cell = table->item(row, 0);
            if (cell && cell->data(Qt::UserRole).toString().isEmpty())
                return row;
        }
        return -1;
    }
    if (dirty || rowKeys.size() != table->rowCount())
        readKeys();
    if (!firstRowsStale)
        return firstRows.value(key, -1);
    if (++staleLookups > scansBeforeRebuild) {
        rebuildFirstRows();
        return firstRows.value(key, -1);
    }
    return scan(key);
}

int TableKeyIndex::scan(const QString& key) const
{
    const uint hash = qHash(key);
    const uint* hashes = rowHashes.constData();
    const int count = rowHashes.size();
    for (int row = 0; row < count; ++row) {
        if (hashes[row] == hash && rowKeys.at(row) == key)
            return row;
    }
    return -1;
}

void TableKeyIndex::readKeys()
{
    const int count = table->rowCount();
    rowKeys.resize(count);
    rowHashes.resize(count);
    for (int row = 0; row < count; ++row) {
        rowKeys[row] = keyAt(row);
        rowHashes[row] = qHash(rowKeys.at(row));
    }
    dirty = false;
    rebuildFirstRows();
}

void TableKeyIndex::rebuildFirstRows()
{
    firstRows.clear();
    firstRows.reserve(rowKeys.size());
    // Bottom up, so that the upper row of a duplicate key is the one kept.
    for (int row = rowKeys.size() - 1; row >= 0; --row) {
        if (!rowKeys.at(row).isEmpty())
            firstRows.insert(rowKeys.at(row), row);
    }
    firstRowsStale = false;
    staleLookups = 0;
}

void TableKeyIndex::updateRow(int row)
{
    QString key = keyAt(row);
    QString& mirrored = rowKeys[row];
    if (key == mirrored)
        return;
    const QString old = mirrored;
    mirrored = key;
    rowHashes[row] = qHash(key);
    if (firstRowsStale) {
        staleLookups = 0;
        return;
    }
    if (!old.isEmpty() && firstRows.value(old, -1) == row) {
        // The old key may live on in a lower row; the next lookups find it.
        markStale();
        return;
    }
    if (!key.isEmpty()) {
        auto it = firstRows.find(key);
        if (it == firstRows.end())
            firstRows.insert(key, row);
        else if (it.value() > row)
            it.value() = row;
    }
}

void TableKeyIndex::markStale()
{
    firstRowsStale = true;
    staleLookups = 0;
}

void TableKeyIndex::slotRowsInserted(const QModelIndex& parent, int first, int last)
{
    if (dirty || parent.isValid())
        return;
    const int count = last - first + 1;
    if (first < 0 || count < 1 || first > rowKeys.size()) {
        dirty = true;
        return;
    }
    const bool appended = first == rowKeys.size();
    rowKeys.insert(first, count, QString());
    rowHashes.insert(first, count, qHash(QString()));
    // New rows carry no key yet; only rows moved down change the first rows.
    if (!appended)
        markStale();
}

void TableKeyIndex::slotRowsRemoved(const QModelIndex& parent, int first, int last)
{
    if (dirty || parent.isValid())
        return;
    const int count = last - first + 1;
    if (first < 0 || count < 1 || last >= rowKeys.size()) {
        dirty = true;
        return;
    }
    const bool atEnd = last == rowKeys.size() - 1;
    if (!firstRowsStale) {
        if (atEnd) {
            // No row below the removed ones: a key whose first row was removed has no other row left.
            for (int row = first; row <= last; ++row) {
                const QString& key = rowKeys.at(row);
                if (!key.isEmpty() && firstRows.value(key, -1) == row)
                    firstRows.remove(key);
            }
        } else {
            markStale();
        }
    } else {
        markStale();
    }
    rowKeys.remove(first, count);
    rowHashes.remove(first, count);
}

void TableKeyIndex::slotColumnsInsertedOrRemoved(const QModelIndex& parent, int first, int)
{
    if (!parent.isValid() && first == 0)
        dirty = true;
}

void TableKeyIndex::slotDataChanged(
    const QModelIndex& topLeft, const QModelIndex& bottomRight, const QVector<int>& roles)
{
    if (dirty)
        return;
    if (!roles.isEmpty() && !roles.contains(Qt::UserRole))
        return;
    if (!topLeft.isValid() || !bottomRight.isValid()) {
        dirty = true;
        return;
    }
    if (topLeft.column() > 0 || bottomRight.column() < 0)
        return;
    const int first = topLeft.row();
    const int last = bottomRight.row();
    if (first < 0 || last >= rowKeys.size() || last - first >= maxRowsUpdatedInPlace) {
        dirty = true;
        return;
    }
    for (int row = first; row <= last; ++row)
        updateRow(row);
}

void TableKeyIndex::slotInvalidate()
{
    dirty = true;
}

} // namespace ZCORVANEBASE
