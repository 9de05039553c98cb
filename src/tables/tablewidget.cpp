#include "tables/tablewidget.h"

#include "frame/constants.h"
#include "frame/hostaccess_p.h"
#include "tables/rowitems_p.h"
#include "tables/tablekeyindex_p.h"

#include <QHeaderView>
#include <QScrollBar>

namespace ZCORVANEBASE {

namespace {
// The background of the row the mouse leaves and of the row under it: client type 1, then types 0 and 2 (whose row
// under the mouse is the palette's raised colour).
const char* const type1RowLeft = "#172133";
const char* const type1RowHovered = "#222e44";
const char* const type0And2RowLeft = "#0b121e";
} // namespace

class TableWidget::Private
{
public:
    TableKeyIndex* keyIndex = nullptr; // made on the first key lookup; a child of the table
};

TableWidget::TableWidget(QWidget* parent)
    : ZTableWidget(parent)
    , d(new Private)
{
    connectSignalsWithSlots();
}

TableWidget::~TableWidget() = default;

void TableWidget::connectSignalsWithSlots()
{
    connect(this, &ZTableWidget::signalHoverRowChanged, this, &TableWidget::slotHoverRowChanged);
}

void TableWidget::setHeaderViewColumnName(const QStringList& names)
{
    setColumnCount(names.size());
    setHorizontalHeaderLabels(names);
}

void TableWidget::insertBack(const QStringList& values, const QString& key, const QSet<int>& intColumns)
{
    insertRowByIndex(rowCount(), values, key, intColumns);
}

void TableWidget::insertRowByIndex(int row, const QStringList& values, const QString& key, const QSet<int>& intColumns)
{
    if (row < 0 || row > rowCount())
        return;
    ZTableWidget::insertRow(row);

    // Each item is complete (value, alignment, key) before it enters the table, so that the model reports it once.
    const int columns = qMin(values.size(), columnCount());
    const int sortColumn = isSortingEnabled() ? horizontalHeader()->sortIndicatorSection() : -1;
    QTableWidgetItem* sortItem = nullptr;
    for (int column = 0; column < columns; ++column) {
        auto* cell = new QTableWidgetItem(QTableWidgetItem::Type);
        if (intColumns.contains(column))
            cell->setData(Qt::DisplayRole, values.at(column).toInt(nullptr, 10));
        else
            cell->setData(Qt::DisplayRole, values.at(column));
        cell->setTextAlignment(Qt::AlignCenter);
        if (column == 0)
            cell->setData(Qt::UserRole, key);
        if (column == sortColumn)
            sortItem = cell; // set last: it moves the row to its sorted place
        else
            setItem(row, column, cell);
    }
    if (sortItem)
        setItem(row, sortColumn, sortItem);
}

void TableWidget::setRowKeyValue(int row, const QString& key)
{
    if (QTableWidgetItem* cell = item(row, 0))
        cell->setData(Qt::UserRole, key);
}

int TableWidget::getRowIndexByKeyValue(const QString& key)
{
    // Tables whose keys are never looked up pay nothing for the index.
    if (!d->keyIndex)
        d->keyIndex = new TableKeyIndex(this);
    return d->keyIndex->rowOf(key);
}

QStringList TableWidget::getRowValues(int row)
{
    QStringList values;
    if (row < 0 || row >= rowCount())
        return values;
    const int columns = columnCount();
    for (int column = 0; column < columns; ++column) {
        if (const QTableWidgetItem* cell = item(row, column))
            values.append(cell->text());
    }
    return values;
}

void TableWidget::setRowTextColor(int row, const QColor& color)
{
    const QBrush brush(color);
    forEachItemInRow(this, row, [&brush](QTableWidgetItem* cell) { cell->setForeground(brush); });
}

void TableWidget::setTextColor(int row, int column, const QColor& color)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    if (QTableWidgetItem* cell = item(row, column))
        cell->setForeground(QBrush(color));
}

void TableWidget::setVerticalScrollBarNotAtTheBottom()
{
    QScrollBar* bar = verticalScrollBar();
    if (bar->value() == bar->maximum())
        bar->setValue(bar->maximum() - 1);
}

void TableWidget::slotHoverRowChanged(int preRow, int curRow)
{
    switch (hostClientType()) {
    case 1:
        setRowBackgroundColor(preRow, QColor(QLatin1String(type1RowLeft)));
        setRowBackgroundColor(curRow, QColor(QLatin1String(type1RowHovered)));
        break;
    case 0:
    case 2:
        setRowBackgroundColor(preRow, QColor(QLatin1String(type0And2RowLeft)));
        setRowBackgroundColor(curRow, QColor(colorRaised));
        break;
    default:
        break;
    }
}

} // namespace ZCORVANEBASE
