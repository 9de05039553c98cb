#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QTableWidget>

#include <memory>

namespace ZCORVANEBASE {

// A row table with whole-row single selection, no editing and no grid, which tracks the row under the mouse and the
// selected row (view rows, -1 for none) and reports changes of either as (previous, current) pairs; it keeps the
// selection on the same record while rows are inserted and removed. Owned by its parent like any widget.
class ZCORVANEBASE_EXPORT ZTableWidget : public QTableWidget
{
    Q_OBJECT

public:
    explicit ZTableWidget(QWidget* parent = nullptr);
    ~ZTableWidget() override;

    int getHoverRow();
    int getCurSelRow(); // read from the view

    // Queries of a check-box column; hidden rows do not count.
    QList<int> getCheckedRows(int column);
    bool isAllRowsChecked(int column);
    bool isNoRowChecked(int column);

    int getRowIndexByCellWt(QWidget* widget, int column);
    void setRowBackgroundColor(int row, const QColor& color);

    // insertRow, removeRow and setRowHidden hide the QTableWidget members of the same names, which bypass the
    // selection bookkeeping: call them through a ZTableWidget pointer.
    void removeAllRows();
    void removeCheckedRows(int column);
    void removeRow(int row);
    void insertRow(int row);
    void setRowHidden(int row, bool hide);
    void selectAndScrollTopToRow(int row);

signals:
    void signalHoverRowChanged(int preRow, int curRow);
    void signalSelRowChanged(int preRow, int curRow);
    void signalVerticalScrollBarVisible(bool visible); // only while the table is visible
    void signalAddRow(int rowCnt);
    void signalDelRow(int rowCnt);
    void signalSetRowHidden(int row, bool hide);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void slotItemSelectionChanged();

private:
    void init();
    void connectSignalsWithSlots();
    void selectWholeRow(int row);
    bool isRowChecked(int row, int column) const;

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
