#pragma once

#include <ZCorvaneBase/tables/ztablewidget.h>

#include <QSet>
#include <QStringList>

#include <memory>

namespace ZCORVANEBASE {

// A ZTableWidget filled from string lists: one centred item per value, numbers stored as integers in the columns the
// caller names (so they sort numerically), a hidden key per row, and the row under the mouse painted in the colours
// of the host's client type. Owned by its parent like any widget.
class ZCORVANEBASE_EXPORT TableWidget : public ZTableWidget
{
    Q_OBJECT

public:
    explicit TableWidget(QWidget* parent = nullptr);
    ~TableWidget() override;

    void setHeaderViewColumnName(const QStringList& names);
    void insertBack(const QStringList& values, const QString& key, const QSet<int>& intColumns);
    void insertRowByIndex(int row, const QStringList& values, const QString& key, const QSet<int>& intColumns);

    void setRowKeyValue(int row, const QString& key); // the Qt::UserRole data of the row's column-0 item
    int getRowIndexByKeyValue(const QString& key); // the upper row of a key stored twice
    QStringList getRowValues(int row);

    void setRowTextColor(int row, const QColor& color);
    void setTextColor(int row, int column, const QColor& color);
    void setVerticalScrollBarNotAtTheBottom();

private slots:
    void slotHoverRowChanged(int preRow, int curRow);

private:
    void connectSignalsWithSlots();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
