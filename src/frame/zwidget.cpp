#include "frame/zwidget.h"

#include <QTimer>
#include <QUuid>

namespace ZCORVANEBASE {

ZWidget::ZWidget(QWidget* parent)
    : QWidget(parent)
    , uuidFlag(QUuid::createUuid().toString())
    , singleClickTimer(new QTimer(this))
    , clickState(0)
{
    setAutoFillBackground(true);
    setAttribute(Qt::WA_StyledBackground);
    singleClickTimer->setSingleShot(true);
    connect(singleClickTimer, SIGNAL(timeout()), this, SLOT(slotSingleClickTimeout()));
}

ZWidget::~ZWidget() = default;

void ZWidget::setBackgroundColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

const QString& ZWidget::getUuidFlag() const
{
    return uuidFlag;
}

const QString& ZWidget::regenerateUuidFlag()
{
    uuidFlag = QUuid::createUuid().toString();
    return uuidFlag;
}

void ZWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (clickState == 0) {
        clickState = 1;
        singleClickTimer->start(200);
    } else if (clickState == 2) {
        clickState = 0;
    }
    QWidget::mouseReleaseEvent(event);
}

void ZWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    singleClickTimer->stop();
    clickState = 2;
    QWidget::mouseDoubleClickEvent(event);
}

void ZWidget::slotSingleClickTimeout()
{
    if (clickState != 1)
        return;
    clickState = 0;
    emit signalWtClicked();
}

} // namespace ZCORVANEBASE
