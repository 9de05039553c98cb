#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QStyledItemDelegate>

namespace ZCORVANEBASE {

// The standard styled delegate without the keyboard-focus frame around the current item: the current item of a
// focused view looks exactly like any other item; selection and hover looks are unchanged. Each view makes its own,
// parented to itself; it has no data of its own.
class ZCORVANEBASE_EXPORT NoFocusStyledItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit NoFocusStyledItemDelegate(QObject* parent = nullptr);
    ~NoFocusStyledItemDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace ZCORVANEBASE
