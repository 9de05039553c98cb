#pragma once

#include "frame/zcorvanebase_global.h"

#include <QTableWidget>
#include <functional>

namespace ZCORVANEBASE {

// A row table with whole-row single selection, no editing and no grid, which follows the mouse.
//
// It tracks the row under the mouse and the selected row as plain view rows (-1 for none) and reports changes of
// either as (previous, current) pairs. While the table changes its own rows (insertRow, removeRow,
// selectAndScrollTopToRow) the view's selection changes are not reported as the user's: those members keep the
// selected row on the same record and report the move themselves. It also answers questions about a check-box
// column and reports when its vertical scroll bar is shown or hidden while the table is visible.
//
// Call insertRow, removeRow and setRowHidden through a ZTableWidget pointer: they hide the QTableWidget members of
// the same names, which bypass this bookkeeping.
//
// The row under the mouse is the row of the item there: a cell without an item (say, a bare cell widget) hovers no
// row, so give such cells an empty item.
//
// Choices of ours:
// - insertRow, removeRow and setRowHidden ignore a row outside the table (insertRow accepts 0 to rowCount()):
//   nothing changes and nothing is emitted, so a stale row number cannot shift the selection bookkeeping.
// - The queries read the view by model index, never by searching for an item, so they cost the same on a table of
//   100,000 rows whatever rows were inserted before. getRowIndexByCellWt first tries the row the cell widget is
//   laid out on and scans only when the layout is stale.
// - removeCheckedRows removes the rows one by one, bottom up, each with its own signals, so that every signal sees
//   the table as it reports it. Each removal costs what QTableWidget::removeRow costs (it grows with the table), so
//   removing tens of thousands of rows this way takes seconds; a host that clears most of a large table is better
//   served by removeAllRows and a refill.
class ZCORVANEBASE_EXPORT ZTableWidget : public QTableWidget
{
    Q_OBJECT

public:
    explicit ZTableWidget(QWidget* parent = nullptr);
    ~ZTableWidget() override;

    int getHoverRow();
    int getCurSelRow();

    QList<int> getCheckedRows(int column);
    bool isAllRowsChecked(int column);
    bool isNoRowChecked(int column);

    int getRowIndexByCellWt(QWidget* widget, int column);
    void setRowBackgroundColor(int row, const QColor& color);

    void removeAllRows();
    void removeCheckedRows(int column);
    void removeRow(int row);
    void insertRow(int row);
    void setRowHidden(int row, bool hide);
    void selectAndScrollTopToRow(int row);

signals:
    void signalHoverRowChanged(int preRow, int curRow);
    void signalSelRowChanged(int preRow, int curRow);
    void signalVerticalScrollBarVisible(bool visible);
    void signalAddRow(int rowCnt);
    void signalDelRow(int rowCnt);
    void signalSetRowHidden(int row, bool hide);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Calls `apply` on every item of `row`; rows out of range are ignored.
    void forEachItemInRow(int row, const std::function<void(QTableWidgetItem*)>& apply);

private slots:
    void slotItemSelectionChanged();

private:
    void init();
    void connectSignalsWithSlots();
    void selectWholeRow(int row);
    bool isRowChecked(int row, int column) const;

    int hoverRow;
    int selRow;
    bool rowsChanging;
};

} // namespace ZCORVANEBASE
