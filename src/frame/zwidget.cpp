#include "frame/zwidget.h"

#include <QTimer>
#include <QUuid>

namespace ZCORVANEBASE {

namespace {
// A click is reported this long after its release, so that a double click (press, release, double-click, release)
// can cancel it.
constexpr int singleClickDelayMs = 200;

enum ClickState
{
    Idle = 0,
    SingleClickPending = 1,
    DoubleClickSeen = 2,
};
} // namespace

class ZWidget::Private
{
public:
    QString uuidFlag = QUuid::createUuid().toString();
    QTimer* singleClickTimer = nullptr;
    int clickState = Idle;
};

ZWidget::ZWidget(QWidget* parent)
    : QWidget(parent)
    , d(new Private)
{
    d->singleClickTimer = new QTimer(this);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_StyledBackground);
    d->singleClickTimer->setSingleShot(true);
    connect(d->singleClickTimer, &QTimer::timeout, this, &ZWidget::slotSingleClickTimeout);
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
    return d->uuidFlag;
}

const QString& ZWidget::regenerateUuidFlag()
{
    d->uuidFlag = QUuid::createUuid().toString();
    return d->uuidFlag;
}

void ZWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (d->clickState == Idle) {
        d->clickState = SingleClickPending;
        d->singleClickTimer->start(singleClickDelayMs);
    } else if (d->clickState == DoubleClickSeen) {
        d->clickState = Idle;
    }
    QWidget::mouseReleaseEvent(event);
}

void ZWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    d->singleClickTimer->stop();
    d->clickState = DoubleClickSeen;
    QWidget::mouseDoubleClickEvent(event);
}

void ZWidget::slotSingleClickTimeout()
{
    if (d->clickState != SingleClickPending)
        return;
    d->clickState = Idle;
    emit signalWtClicked();
}

} // namespace ZCORVANEBASE
