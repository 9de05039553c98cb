#include "frame/zcombobox.h"

#include "tables/nofocusstyleditemdelegate.h"

#include <QListWidget>

namespace ZCORVANEBASE {

ZComboBox::ZComboBox(QWidget* parent)
    : QComboBox(parent)
    , listWt(new QListWidget(this))
{
    init();
}

ZComboBox::~ZComboBox() = default;

QListWidget* ZComboBox::getListWt()
{
    return listWt;
}

void ZComboBox::init()
{
    listWt->setItemDelegate(new NoFocusStyledItemDelegate(this));
    setModel(listWt->model());
    setView(listWt);
}

} // namespace ZCORVANEBASE
