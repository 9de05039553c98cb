#include "tables/editoperwt.h"

#include "ui_editoperwt.h"

namespace ZCORVANEBASE {

EditOperWt::EditOperWt(const QString& key, QWidget* parent)
    : TableOperWt(parent)
    , ui(new Ui::EditOperWt)
{
    ui->setupUi(this);
    setKey(key);
    init();
}

EditOperWt::EditOperWt(QWidget* parent)
    : EditOperWt(QString(), parent)
{
}

EditOperWt::~EditOperWt()
{
    delete ui;
}

void EditOperWt::init()
{
    ui->deleteBt->setProperty("DeleteBtn", true);
    ui->editBt->setProperty("EditBtn", true);
    retranslate();
    connectSignalsWithSlots();
}

void EditOperWt::retranslate()
{
    ui->retranslateUi(this);
    // The icon-only buttons are named as their tool tips say.
    ui->editBt->setAccessibleName(ui->editBt->toolTip());
    ui->deleteBt->setAccessibleName(ui->deleteBt->toolTip());
}

void EditOperWt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    TableOperWt::changeEvent(event);
}

void EditOperWt::connectSignalsWithSlots()
{
    connect(ui->editBt, SIGNAL(clicked()), this, SLOT(slotEditBtClicked()));
    connect(ui->deleteBt, SIGNAL(clicked()), this, SLOT(slotDeleteBtClicked()));
}

void EditOperWt::setEditBtVisible(bool visible)
{
    ui->editBt->setVisible(visible);
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
