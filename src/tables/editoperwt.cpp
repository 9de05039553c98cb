#include "tables/editoperwt.h"

#include "ui_editoperwt.h"

namespace ZCORVANEBASE {

class EditOperWt::Private
{
public:
    const std::unique_ptr<Ui::EditOperWt> ui = std::make_unique<Ui::EditOperWt>();
};

EditOperWt::EditOperWt(const QString& key, QWidget* parent)
    : TableOperWt(parent)
    , d(new Private)
{
    d->ui->setupUi(this);
    setKey(key);
    init();
}

EditOperWt::EditOperWt(QWidget* parent)
    : EditOperWt(QString(), parent)
{
}

EditOperWt::~EditOperWt() = default;

void EditOperWt::init()
{
    d->ui->deleteBt->setProperty("DeleteBtn", true);
    d->ui->editBt->setProperty("EditBtn", true);
    retranslate();
    connectSignalsWithSlots();
}

void EditOperWt::retranslate()
{
    d->ui->retranslateUi(this);
    // The icon-only buttons are named as their tool tips say.
    d->ui->editBt->setAccessibleName(d->ui->editBt->toolTip());
    d->ui->deleteBt->setAccessibleName(d->ui->deleteBt->toolTip());
}

void EditOperWt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    TableOperWt::changeEvent(event);
}

void EditOperWt::connectSignalsWithSlots()
{
    connect(d->ui->editBt, &QPushButton::clicked, this, &EditOperWt::slotEditBtClicked);
    connect(d->ui->deleteBt, &QPushButton::clicked, this, &EditOperWt::slotDeleteBtClicked);
}

void EditOperWt::setEditBtVisible(bool visible)
{
    d->ui->editBt->setVisible(visible);
}

void EditOperWt::slotEditBtClicked()
{
    emit signalEditBtClicked(getKey());
}

void EditOperWt::slotDeleteBtClicked()
{
    emit signalDeleteBtClicked(getKey());
}

} // namespace ZCORVANEBASE
