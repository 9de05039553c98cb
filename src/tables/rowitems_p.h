#pragma once

#include <QTableWidget>

namespace ZCORVANEBASE {

// Calls `apply` on every item of `row` of `table`; rows out of range are ignored.
template <typename Apply> void forEachItemInRow(QTableWidget* table, int row, const Apply& apply)
{
    if (row < 0 || row >= table->rowCount())
        return;
    const int columns = table->columnCount();
    for (int column = 0; column < columns; ++column) {
        if (QTableWidgetItem* cell = table->item(row, column))
            apply(cell);
    }
}

} // namespace ZCORVANEBASE
