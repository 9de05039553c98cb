#include "frame/zcombobox.h"

#include "frame/popuplist_p.h"
#include "tables/nofocusstyleditemdelegate.h"

#include <QListWidget>

namespace ZCORVANEBASE {

class ZComboBox::Private
{
public:
    QListWidget* listWt = nullptr;
};

ZComboBox::ZComboBox(QWidget* parent)
    : QComboBox(parent)
    , d(new Private)
{
    d->listWt = new QListWidget(this);
    init();
}

ZComboBox::~ZComboBox() = default;

QListWidget* ZComboBox::getListWt()
{
    return d->listWt;
}

void ZComboBox::init()
{
    d->listWt->setItemDelegate(new NoFocusStyledItemDelegate(this));
    setModel(d->listWt->model());
    setView(d->listWt);
    keepPopupRowsLaidOut(d->listWt);
}

} // namespace ZCORVANEBASE
