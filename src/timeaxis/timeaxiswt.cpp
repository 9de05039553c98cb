#include "frame/qtcompat_p.h"
#include "timeaxis/timeaxiswt_p.h"

#include "timeaxis/recordingstimeaxisbox.h"
#include "timeaxis/timeaxisaccessible_p.h"
#include "timeaxis/timeaxiskeyboard_p.h"
#include "timeaxis/timeaxisstyle_p.h"
#include "ui_timeaxiswt.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace ZCORVANEBASE {

namespace {
constexpr int dragThreshold = 5; // pixels the pointer must travel before a press becomes a pan
constexpr int majorTickHeight = 9;
constexpr int minorTickHeight = 4;
}

TimeAxisWt::Private::Private(TimeAxisWt* q)
    : q(q)
    , ui(new Ui::TimeAxisWt)
    , degree(Degree24Hours)
    , beginDatetime(QDate::currentDate(), QTime(0, 0))
    , minBeginDatetime(beginDatetime)
    , maxEndDatetime(beginDatetime.addDays(1))
    , fixedDatetime(beginDatetime)
    , minTimePosX(0)
    , maxTimePosX(0)
    , isDragging(false)
    , isPressed(false)
    , pressPos(0, 0)
    , keyboardNavigator(nullptr)
{
}

TimeAxisWt::Private::~Private()
{
    delete ui;
}

TimeAxisWt::TimeAxisWt(QWidget* parent)
    : ZWidget(parent)
    , d(new Private(this))
{
    d->ui->setupUi(this);
    init();
}

TimeAxisWt::~TimeAxisWt()
{
    delete d->keyboardNavigator; // it watches the form's strip: it goes first
}

void TimeAxisWt::init()
{
    setProperty("WidgetBK", 1);
    Ui::TimeAxisWt* ui = d->ui;
    d->timeLabels << ui->timeLabel1 << ui->timeLabel2 << ui->timeLabel3 << ui->timeLabel4 << ui->timeLabel5
                  << ui->timeLabel6 << ui->timeLabel7 << ui->timeLabel8 << ui->timeLabel9 << ui->timeLabel10
                  << ui->timeLabel11 << ui->timeLabel12 << ui->timeLabel13;
    ui->timeAxis->setMouseTracking(true);
    ui->timeAxis->installEventFilter(this);
}

void TimeAxisWt::updateTimeAxisDegreeAtFixedDatetime(TimeAxisDegree degree, const QDateTime& fixedDatetime)
{
    if (!TimeAxisMapping::isValidDegree(degree) || !fixedDatetime.isValid())
        return;
    d->degree = degree;
    d->fixedDatetime = fixedDatetime;
    d->beginDatetime = TimeAxisMapping::zoomBegin(degree, fixedDatetime, d->minBeginDatetime);
    d->updateTimeLabels();
    emit signalBeginTimeAndDegreeChanged(degree, d->beginDatetime);
}

void TimeAxisWt::setMinBeginDatetime(const QDateTime& datetime)
{
    if (!datetime.isValid())
        return;
    d->minBeginDatetime = datetime;
    d->maxEndDatetime = datetime.addSecs(TimeAxisMapping::daySecs);
    d->beginDatetime = datetime;
    d->fixedDatetime = datetime;
    updateTimeAxisDegreeAtFixedDatetime(Degree24Hours, datetime);
}

const QDateTime& TimeAxisWt::getBeginDatetime() const
{
    return d->beginDatetime;
}

const QDateTime& TimeAxisWt::getFixedDatetime() const
{
    return d->fixedDatetime;
}

void TimeAxisWt::slotZoomInTimeAxis(const QDateTime& fixedDatetime)
{
    if (d->degree == Degree1Hour)
        return;
    updateTimeAxisDegreeAtFixedDatetime(
        static_cast<TimeAxisDegree>(TimeAxisMapping::zoomInDegree(d->degree)), fixedDatetime);
}

void TimeAxisWt::slotZoomOutTimeAxis(const QDateTime& fixedDatetime)
{
    if (d->degree == Degree24Hours)
        return;
    updateTimeAxisDegreeAtFixedDatetime(
        static_cast<TimeAxisDegree>(TimeAxisMapping::zoomOutDegree(d->degree)), fixedDatetime);
}

QDateTime TimeAxisWt::getDatetimeAtPos(const QPoint& pos)
{
    return TimeAxisMapping::rulerDatetimeAtPosX(d->beginDatetime, d->degree, pos.x(), d->minTimePosX, d->maxTimePosX);
}

QWidget* TimeAxisWt::Private::strip() const
{
    return ui->timeAxis;
}

void TimeAxisWt::Private::updateTimeLabels()
{
    const qint64 stepSecs = qint64(TimeAxisMapping::labelStepMinutes(degree)) * 60;
    for (int i = 0; i < timeLabels.size(); ++i)
        timeLabels.at(i)->setText(beginDatetime.addSecs(i * stepSecs).toString(QStringLiteral("hh:mm")));
    TimeAxisAccessible::notifyValueChanged(q, accessibleValueClock);
}

void TimeAxisWt::Private::paintTicks()
{
    QWidget* strip = ui->timeAxis;
    QPainter painter(strip);
    painter.setPen(QPen(TimeAxisStyle::ticks(), 1));
    const int bottom = strip->height() - 1;
    const int spacing = ui->timeLabel2->geometry().center().x() - ui->timeLabel1->geometry().center().x();
    for (int i = 0; i < timeLabels.size(); ++i) {
        const QRect rect = timeLabels.at(i)->geometry();
        const int x = rect.center().x();
        painter.drawLine(x, bottom - majorTickHeight, x, bottom);
        if (i == 0)
            continue;
        // Three minor ticks between two labels: in the middle of the gap and a quarter of the spacing either side.
        const QRect previous = timeLabels.at(i - 1)->geometry();
        const int mid = static_cast<int>((previous.right() + rect.left()) * 0.5);
        const int minorXs[] = { mid, static_cast<int>(mid - spacing * 0.25), static_cast<int>(mid + spacing * 0.25) };
        for (int minorX : minorXs)
            painter.drawLine(minorX, bottom - minorTickHeight, minorX, bottom);
    }
    painter.drawLine(0, bottom, strip->width(), bottom);
    if (keyboardNavigator)
        keyboardNavigator->paintFocusFrame(painter, strip->rect());
}

void TimeAxisWt::Private::updateTimePosX()
{
    QWidget* strip = ui->timeAxis;
    const QRect first = ui->timeLabel1->geometry();
    minTimePosX = static_cast<int>((first.left() + first.right()) * 0.5);
    emit q->signalMinTimePosX(strip->mapToParent(QPoint(minTimePosX, q->height())).x());
    const QRect last = ui->timeLabel13->geometry();
    maxTimePosX = static_cast<int>((last.left() + last.right()) * 0.5);
    emit q->signalMaxTimePosX(strip->mapToParent(QPoint(maxTimePosX, q->height())).x());
}

bool TimeAxisWt::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != d->ui->timeAxis)
        return ZWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::Paint:
        d->paintTicks();
        return true;
    case QEvent::Resize:
        d->updateTimePosX();
        break;
    case QEvent::MouseButtonPress: {
        auto* mouseEvent = static_cast<QMouseEvent*>(event);
        const int x = QtCompat::eventPos(mouseEvent).x();
        if (mouseEvent->button() == Qt::LeftButton && d->minTimePosX <= x && x <= d->maxTimePosX) {
            d->isPressed = true;
            d->pressPos = QtCompat::eventPos(mouseEvent);
        }
        break;
    }
    case QEvent::MouseMove: {
        auto* mouseEvent = static_cast<QMouseEvent*>(event);
        const QPoint pos = QtCompat::eventPos(mouseEvent);
        if (d->isPressed && !d->isDragging && d->degree != Degree24Hours
            && qAbs(pos.x() - d->pressPos.x()) > dragThreshold) {
            d->isDragging = true;
            d->ui->timeAxis->setCursor(Qt::ClosedHandCursor);
        }
        if (d->isDragging && d->maxTimePosX > d->minTimePosX) {
            // Dragging to the right moves the begin earlier: the content follows the pointer.
            const auto offset = static_cast<qint64>(static_cast<double>(d->pressPos.x() - pos.x())
                / static_cast<double>(d->maxTimePosX - d->minTimePosX) * d->degree * 3600);
            d->pressPos = pos;
            d->applyPanBegin(d->clampedPanBegin(d->beginDatetime.addSecs(offset)));
        }
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouseEvent = static_cast<QMouseEvent*>(event);
        if (d->isPressed && !d->isDragging) {
            const QDateTime datetime = getDatetimeAtPos(QtCompat::eventPos(mouseEvent));
            if (datetime.isValid())
                emit signalBatchAppointPlaybackTime(datetime);
        }
        d->ui->timeAxis->setCursor(Qt::ArrowCursor);
        d->isPressed = false;
        d->isDragging = false;
        break;
    }
    case QEvent::Wheel: {
        auto* wheelEvent = static_cast<QWheelEvent*>(event);
        const QDateTime datetime = getDatetimeAtPos(wheelEvent->position().toPoint());
        if (!datetime.isValid())
            break;
        const int delta = wheelEvent->angleDelta().y();
        if (delta >= 1)
            slotZoomInTimeAxis(datetime);
        else if (delta < 0)
            slotZoomOutTimeAxis(datetime);
        wheelEvent->accept();
        return true;
    }
    default:
        break;
    }
    return ZWidget::eventFilter(watched, event);
}

void TimeAxisWt::setKeyboardNavigationEnabled(bool enabled)
{
    if (enabled == isKeyboardNavigationEnabled())
        return;
    if (enabled) {
        d->keyboardNavigator = new TimeAxisKeyboardNavigator(this);
    } else {
        delete d->keyboardNavigator;
        d->keyboardNavigator = nullptr;
    }
}

bool TimeAxisWt::isKeyboardNavigationEnabled() const
{
    return d->keyboardNavigator != nullptr;
}

QDateTime TimeAxisWt::Private::clampedPanBegin(const QDateTime& newBegin) const
{
    if (!newBegin.isValid())
        return QDateTime();
    const qint64 span = TimeAxisMapping::spanSecs(degree);
    QDateTime begin = newBegin < minBeginDatetime ? minBeginDatetime : newBegin;
    if (begin.addSecs(span) > maxEndDatetime)
        begin = maxEndDatetime.addSecs(-span);
    return begin;
}

void TimeAxisWt::Private::applyPanBegin(const QDateTime& newBegin)
{
    beginDatetime = newBegin;
    updateTimeLabels();
    emit q->signalBeginTimeAndDegreeChanged(static_cast<TimeAxisDegree>(degree), beginDatetime);
}

void TimeAxisWt::Private::connectZoomRequests(RecordingsTimeAxisBox* box)
{
    QObject::connect(box, &RecordingsTimeAxisBox::signalZoomInTimeAxis, q, &TimeAxisWt::slotZoomInTimeAxis);
    QObject::connect(box, &RecordingsTimeAxisBox::signalZoomOutTimeAxis, q, &TimeAxisWt::slotZoomOutTimeAxis);
}

void TimeAxisWt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        d->retranslate();
    ZWidget::changeEvent(event);
}

// The form's texts come back from the catalogue; the labels then show the span again (the form's own label texts are
// those of the whole day).
void TimeAxisWt::Private::retranslate()
{
    ui->retranslateUi(q);
    updateTimeLabels();
}

} // namespace ZCORVANEBASE
