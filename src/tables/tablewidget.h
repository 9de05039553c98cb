#pragma once

#include "tables/ztablewidget.h"

#include <QSet>
#include <QStringList>

namespace ZCORVANEBASE {

// A ZTableWidget filled from string lists: one centred item per value, numbers stored as integers in the columns
// the caller names (so that they sort numerically), a hidden key string per row (the Qt::UserRole data of the
// row's column-0 item), and the row under the mouse painted in the colours of the host's client type
// (1: "#222e44", the row left "#172133"; 0 and 2: "#213147", the row left "#0b121e"; other types: unchanged).
//
// Choices of ours:
// - The client type is read at every hover change, so a host may switch it at run time. The library gives no
//   meaning to client types beyond the two colour pairs; a host that installed no worker counts as type 0.
// - insertRowByIndex ignores a row outside 0 to rowCount(), and values past the last column are dropped (the table
//   has no cell for them).
// - While the table is sorted, the sort column's item is set last, so that a row moves to its sorted place whole.
// - Key lookups use an index that the table builds on the first lookup and then keeps up to date from the model's
//   change signals: appending rows and changing keys keep it valid, so looking keys up while filling a table of
//   100,000 rows stays linear overall; inserting or removing rows in the middle costs one pass over the keys on the
//   next lookup. Tables whose keys are never looked up pay nothing for it.
class ZCORVANEBASE_EXPORT TableWidget : public ZTableWidget
{
    Q_OBJECT

public:
    explicit TableWidget(QWidget* parent = nullptr);
    ~TableWidget() override;

    void setHeaderViewColumnName(const QStringList& names);
    void insertBack(const QStringList& values, const QString& key, const QSet<int>& intColumns);
    void insertRowByIndex(int row, const QStringList& values, const QString& key, const QSet<int>& intColumns);

    void setRowKeyValue(int row, const QString& key);
    int getRowIndexByKeyValue(const QString& key);
    QStringList getRowValues(int row);

    void setRowTextColor(int row, const QColor& color);
    void setTextColor(int row, int column, const QColor& color);
    void setVerticalScrollBarNotAtTheBottom();

private slots:
    void slotHoverRowChanged(int preRow, int curRow);

private:
    void connectSignalsWithSlots();
};

} // namespace ZCORVANEBASE
