#include "tables/nofocusstyleditemdelegate.h"

namespace ZCORVANEBASE {

NoFocusStyledItemDelegate::NoFocusStyledItemDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

NoFocusStyledItemDelegate::~NoFocusStyledItemDelegate() = default;

void NoFocusStyledItemDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem withoutFocus(option);
    withoutFocus.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, withoutFocus, index);
}

} // namespace ZCORVANEBASE
