#include "tables/ztablewidget.h"
#include "frame/qtcompat_p.h"

#include "tables/nofocusstyleditemdelegate.h"
#include "tables/rowitems_p.h"

#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace ZCORVANEBASE {

class ZTableWidget::Private
{
public:
    int hoverRow = -1; // the row under the mouse
    int selRow = -1; // the row last reported as selected
    bool rowsChanging = false; // the table is changing its own rows or selection: not the user's selection
};

ZTableWidget::ZTableWidget(QWidget* parent)
    : QTableWidget(parent)
    , d(new Private)
{
    init();
}

ZTableWidget::~ZTableWidget()
{
    // The base classes still tear down the view and its selection after this destructor; none of that is the
    // user's selection.
    disconnect(this, &QTableWidget::itemSelectionChanged, this, &ZTableWidget::slotItemSelectionChanged);
}

void ZTableWidget::init()
{
    setItemDelegate(new NoFocusStyledItemDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setMouseTracking(true);
    verticalScrollBar()->installEventFilter(this);
    connectSignalsWithSlots();
}

void ZTableWidget::connectSignalsWithSlots()
{
    connect(this, &QTableWidget::itemSelectionChanged, this, &ZTableWidget::slotItemSelectionChanged);
}

int ZTableWidget::getHoverRow()
{
    return d->hoverRow;
}

int ZTableWidget::getCurSelRow()
{
    // The first selected item, as selectedItems() would list it, without building that list or searching the
    // table for the item's row.
    const QModelIndexList indexes = selectionModel()->selectedIndexes();
    for (const QModelIndex& index : indexes) {
        if (!isIndexHidden(index) && itemFromIndex(index))
            return index.row();
    }
    return -1;
}

bool ZTableWidget::isRowChecked(int row, int column) const
{
    const QTableWidgetItem* cell = item(row, column);
    return cell && cell->checkState() == Qt::Checked;
}

QList<int> ZTableWidget::getCheckedRows(int column)
{
    QList<int> rows;
    if (column < 0 || column >= columnCount())
        return rows;
    const int count = rowCount();
    for (int row = 0; row < count; ++row) {
        if (!isRowHidden(row) && isRowChecked(row, column))
            rows.append(row);
    }
    return rows;
}

bool ZTableWidget::isAllRowsChecked(int column)
{
    if (column < 0 || column >= columnCount())
        return false;
    const int count = rowCount();
    for (int row = 0; row < count; ++row) {
        if (!isRowHidden(row) && !isRowChecked(row, column))
            return false;
    }
    return true;
}

bool ZTableWidget::isNoRowChecked(int column)
{
    if (column < 0 || column >= columnCount())
        return true;
    const int count = rowCount();
    for (int row = 0; row < count; ++row) {
        if (!isRowHidden(row) && isRowChecked(row, column))
            return false;
    }
    return true;
}

int ZTableWidget::getRowIndexByCellWt(QWidget* widget, int column)
{
    if (!widget || column < 0 || column >= columnCount())
        return -1;
    // A cell widget sits where the view last laid it out, so the row at its centre is almost always the answer;
    // the scan below is only needed while the layout is stale (rows inserted or removed since).
    if (widget->parentWidget() == viewport()) {
        const int candidate = rowAt(widget->geometry().center().y());
        if (candidate >= 0 && cellWidget(candidate, column) == widget)
            return candidate;
    }
    const int count = rowCount();
    for (int row = 0; row < count; ++row) {
        if (cellWidget(row, column) == widget)
            return row;
    }
    return -1;
}

void ZTableWidget::setRowBackgroundColor(int row, const QColor& color)
{
    const QBrush brush(color);
    forEachItemInRow(this, row, [&brush](QTableWidgetItem* cell) { cell->setBackground(brush); });
}

void ZTableWidget::removeAllRows()
{
    d->hoverRow = -1;
    d->selRow = -1;
    clearContents();
    setRowCount(0);
    emit signalDelRow(0);
}

void ZTableWidget::removeCheckedRows(int column)
{
    // From the bottom up, so that the rows still to remove keep their numbers.
    const QList<int> rows = getCheckedRows(column);
    for (int i = rows.size() - 1; i >= 0; --i)
        removeRow(rows.at(i));
}

void ZTableWidget::removeRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    QScopedValueRollback<bool> changing(d->rowsChanging, true);
    QTableWidget::removeRow(row);

    if (row == d->hoverRow)
        d->hoverRow = -1;
    int prev = -1;
    if (row == d->selRow) {
        d->selRow = -1;
    } else if (row < d->selRow) {
        prev = d->selRow;
        --d->selRow;
    }
    setCurrentCell(-1, -1);
    if (d->selRow >= 0) {
        selectWholeRow(d->selRow);
        if (prev != d->selRow)
            emit signalSelRowChanged(prev, d->selRow);
    }
    emit signalDelRow(rowCount());
}

void ZTableWidget::insertRow(int row)
{
    if (row < 0 || row > rowCount())
        return;
    QScopedValueRollback<bool> changing(d->rowsChanging, true);
    QTableWidget::insertRow(row);

    const int prev = d->selRow;
    if (row <= d->selRow)
        ++d->selRow;
    if (d->selRow >= 0 && d->selRow < rowCount()) {
        selectWholeRow(d->selRow);
        if (prev != d->selRow)
            emit signalSelRowChanged(prev, d->selRow);
    }
    emit signalAddRow(rowCount());
}

void ZTableWidget::setRowHidden(int row, bool hide)
{
    if (row < 0 || row >= rowCount())
        return;
    QTableWidget::setRowHidden(row, hide);
    emit signalSetRowHidden(row, hide);
}

void ZTableWidget::selectAndScrollTopToRow(int row)
{
    QScopedValueRollback<bool> changing(d->rowsChanging, true);
    setCurrentCell(-1, -1);
    if (row < 0 || row >= rowCount())
        return;
    selectWholeRow(row);
    scrollTo(model()->index(row, 0), QAbstractItemView::PositionAtTop);
    if (d->selRow != row) {
        emit signalSelRowChanged(d->selRow, row);
        d->selRow = row;
    }
}

void ZTableWidget::selectWholeRow(int row)
{
    // Straight to the selection model: the view's selectRow() would deselect instead while Ctrl is held.
    const QModelIndex index = model()->index(row, 0);
    if (index.isValid())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ZTableWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(QtCompat::eventPos(event));
    const int row = index.isValid() && itemFromIndex(index) ? index.row() : -1;
    if (row != d->hoverRow) {
        emit signalHoverRowChanged(d->hoverRow, row);
        d->hoverRow = row;
    }
    QTableWidget::mouseMoveEvent(event);
}

void ZTableWidget::leaveEvent(QEvent* event)
{
    emit signalHoverRowChanged(d->hoverRow, -1);
    d->hoverRow = -1;
    QTableWidget::leaveEvent(event);
}

bool ZTableWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == verticalScrollBar() && isVisible()) {
        if (event->type() == QEvent::Show)
            emit signalVerticalScrollBarVisible(true);
        else if (event->type() == QEvent::Hide)
            emit signalVerticalScrollBarVisible(false);
    }
    return QTableWidget::eventFilter(watched, event);
}

void ZTableWidget::slotItemSelectionChanged()
{
    if (d->rowsChanging)
        return;
    const int cur = getCurSelRow();
    if (cur != d->selRow) {
        emit signalSelRowChanged(d->selRow, cur);
        d->selRow = cur;
    }
}

} // namespace ZCORVANEBASE
