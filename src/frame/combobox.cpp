#include "frame/combobox.h"

#include "frame/popuplist_p.h"
#include "tables/nofocusstyleditemdelegate.h"

#include <QAbstractItemView>
#include <QListWidget>
#include <QScrollBar>

namespace ZCORVANEBASE {

class ComboBox::Private
{
public:
    QListWidget* listWt = nullptr;
};

ComboBox::ComboBox(QWidget* parent)
    : QComboBox(parent)
    , d(new Private)
{
    d->listWt = new QListWidget(this);
    init();
}

ComboBox::~ComboBox() = default;

QListWidget* ComboBox::getListWt()
{
    return d->listWt;
}

void ComboBox::init()
{
    QListWidget* listWt = d->listWt;
    // The frame around the popup list is the parent of the current view.
    if (QWidget* frame = view() ? view()->parentWidget() : nullptr)
        frame->setStyleSheet(
            QStringLiteral("QWidget{border:1px solid #0f8bfd;border-radius:3px;background-color: #172335;}"));
    listWt->setItemDelegate(new NoFocusStyledItemDelegate(this));
    listWt->setProperty("common_comboBox_listWt_style1", true);
    listWt->setStyleSheet(QStringLiteral("QListWidget{border:0px;border-radius:3px;}"));
    listWt->verticalScrollBar()->setStyleSheet(
        QStringLiteral("QScrollBar:vertical{border:0px;} QScrollBar::handle:vertical{border:0px;}"));
    setModel(listWt->model());
    setView(listWt);
    keepPopupRowsLaidOut(listWt);
}

void ComboBox::setItemsData(const QList<QVariant>& data)
{
    for (int i = 0; i < count() && i < data.size(); ++i)
        setItemData(i, data[i], Qt::UserRole);
}

} // namespace ZCORVANEBASE
