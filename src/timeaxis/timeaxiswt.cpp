#include "timeaxis/timeaxiswt.h"

#include "timeaxis/timeaxisaccessible_p.h"
#include "timeaxis/timeaxiskeyboard_p.h"
#include "ui_timeaxiswt.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace ZCORVANEBASE {

namespace {
constexpr int dragThreshold = 5; // pixels the pointer must travel before a press becomes a pan
}

TimeAxisWt::TimeAxisWt(QWidget* parent)
    : ZWidget(parent)
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
    , m_keyboardNavigator(nullptr)
{
    ui->setupUi(this);
    init();
}

TimeAxisWt::~TimeAxisWt()
{
    delete m_keyboardNavigator; // it watches the form's strip: it goes first
    delete ui;
}

void TimeAxisWt::init()
{
    setProperty("WidgetBK", 1);
    timeLabels << ui->timeLabel1 << ui->timeLabel2 << ui->timeLabel3 << ui->timeLabel4 << ui->timeLabel5
               << ui->timeLabel6 << ui->timeLabel7 << ui->timeLabel8 << ui->timeLabel9 << ui->timeLabel10
               << ui->timeLabel11 << ui->timeLabel12 << ui->timeLabel13;
    ui->timeAxis->setMouseTracking(true);
    ui->timeAxis->installEventFilter(this);
}

void TimeAxisWt::updateTimeAxisDegreeAtFixedDatetime(TimeAxisDegree degree, const QDateTime& fixedDatetime)
{
    if (!TimeAxisMapping::isValidDegree(degree) || !fixedDatetime.isValid())
        return;
    this->degree = degree;
    this->fixedDatetime = fixedDatetime;
    beginDatetime = TimeAxisMapping::zoomBegin(degree, fixedDatetime, minBeginDatetime);
    updateTimeLabels();
    emit signalBeginTimeAndDegreeChanged(degree, beginDatetime);
}

void TimeAxisWt::setMinBeginDatetime(const QDateTime& datetime)
{
    if (!datetime.isValid())
        return;
    minBeginDatetime = datetime;
    maxEndDatetime = datetime.addSecs(TimeAxisMapping::daySecs);
    beginDatetime = datetime;
    fixedDatetime = datetime;
    updateTimeAxisDegreeAtFixedDatetime(Degree24Hours, datetime);
}

const QDateTime& TimeAxisWt::getBeginDatetime() const
{
    return beginDatetime;
}

const QDateTime& TimeAxisWt::getFixedDatetime() const
{
    return fixedDatetime;
}

void TimeAxisWt::slotZoomInTimeAxis(const QDateTime& fixedDatetime)
{
    if (degree == Degree1Hour)
        return;
    updateTimeAxisDegreeAtFixedDatetime(
        static_cast<TimeAxisDegree>(TimeAxisMapping::zoomInDegree(degree)), fixedDatetime);
}

void TimeAxisWt::slotZoomOutTimeAxis(const QDateTime& fixedDatetime)
{
    if (degree == Degree24Hours)
        return;
    updateTimeAxisDegreeAtFixedDatetime(
        static_cast<TimeAxisDegree>(TimeAxisMapping::zoomOutDegree(degree)), fixedDatetime);
}

QDateTime TimeAxisWt::getDatetimeAtPos(const QPoint& pos)
{
    return TimeAxisMapping::rulerDatetimeAtPosX(beginDatetime, degree, pos.x(), minTimePosX, maxTimePosX);
}

void TimeAxisWt::updateTimeLabels()
{
    const qint64 stepSecs = qint64(TimeAxisMapping::labelStepMinutes(degree)) * 60;
    for (int i = 0; i < timeLabels.size(); ++i)
        timeLabels.at(i)->setText(beginDatetime.addSecs(i * stepSecs).toString(QStringLiteral("hh:mm")));
    TimeAxisAccessible::notifyValueChanged(this, m_accessibleValueClock);
}

void TimeAxisWt::paintTicks()
{
    QWidget* strip = ui->timeAxis;
    QPainter painter(strip);
    painter.setPen(QPen(QColor(QStringLiteral("#323e58")), 1));
    const int bottom = strip->height() - 1;
    const int spacing = ui->timeLabel2->geometry().center().x() - ui->timeLabel1->geometry().center().x();
    for (int i = 0; i < timeLabels.size(); ++i) {
        const QRect rect = timeLabels.at(i)->geometry();
        const int x = rect.center().x();
        painter.drawLine(x, bottom - 9, x, bottom);
        if (i == 0)
            continue;
        const QRect previous = timeLabels.at(i - 1)->geometry();
        const int mid = static_cast<int>((previous.right() + rect.left()) * 0.5);
        const int minorXs[] = { mid, static_cast<int>(mid - spacing * 0.25), static_cast<int>(mid + spacing * 0.25) };
        for (int minorX : minorXs)
            painter.drawLine(minorX, bottom - 4, minorX, bottom);
    }
    painter.drawLine(0, bottom, strip->width(), bottom);
    if (m_keyboardNavigator)
        m_keyboardNavigator->paintFocusFrame(painter, strip->rect());
}

void TimeAxisWt::updateTimePosX()
{
    QWidget* strip = ui->timeAxis;
    const QRect first = ui->timeLabel1->geometry();
    minTimePosX = static_cast<int>((first.left() + first.right()) * 0.5);
    emit signalMinTimePosX(strip->mapToParent(QPoint(minTimePosX, height())).x());
    const QRect last = ui->timeLabel13->geometry();
    maxTimePosX = static_cast<int>((last.left() + last.right()) * 0.5);
    emit signalMaxTimePosX(strip->mapToParent(QPoint(maxTimePosX, height())).x());
}

bool TimeAxisWt::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != ui->timeAxis)
        return ZWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::Paint:
        paintTicks();
        return true;
    case QEvent::Resize:
        updateTimePosX();
        break;
    case QEvent::MouseButtonPress: {
        auto* mouseEvent = static_cast<QMouseEvent*>(event);
        const int x = mouseEvent->pos().x();
        if (mouseEvent->button() == Qt::LeftButton && minTimePosX <= x && x <= maxTimePosX) {
            isPressed = true;
            pressPos = mouseEvent->pos();
        }
        break;
    }
    case QEvent::MouseMove: {
        auto* mouseEvent = static_cast<QMouseEvent*>(event);
        const QPoint pos = mouseEvent->pos();
        if (isPressed && !isDragging && degree != Degree24Hours && qAbs(pos.x() - pressPos.x()) > dragThreshold) {
            isDragging = true;
            ui->timeAxis->setCursor(Qt::ClosedHandCursor);
        }
        if (isDragging && maxTimePosX > minTimePosX) {
            const auto offset = static_cast<qint64>(static_cast<double>(pressPos.x() - pos.x())
                / static_cast<double>(maxTimePosX - minTimePosX) * degree * 3600);
            pressPos = pos;
            applyPanBegin(clampedPanBegin(beginDatetime.addSecs(offset)));
        }
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouseEvent = static_cast<QMouseEvent*>(event);
        if (isPressed && !isDragging) {
            const QDateTime datetime = getDatetimeAtPos(mouseEvent->pos());
            if (datetime.isValid())
                emit signalBatchAppointPlaybackTime(datetime);
        }
        ui->timeAxis->setCursor(Qt::ArrowCursor);
        isPressed = false;
        isDragging = false;
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

// ---- Keyboard operation and language change ----

void TimeAxisWt::setKeyboardNavigationEnabled(bool enabled)
{
    if (enabled == isKeyboardNavigationEnabled())
        return;
    if (enabled) {
        m_keyboardNavigator = new TimeAxisKeyboardNavigator(this);
    } else {
        delete m_keyboardNavigator;
        m_keyboardNavigator = nullptr;
    }
}

bool TimeAxisWt::isKeyboardNavigationEnabled() const
{
    return m_keyboardNavigator != nullptr;
}

QDateTime TimeAxisWt::clampedPanBegin(const QDateTime& newBegin) const
{
    if (!newBegin.isValid())
        return QDateTime();
    const qint64 span = TimeAxisMapping::spanSecs(degree);
    QDateTime begin = newBegin < minBeginDatetime ? minBeginDatetime : newBegin;
    if (begin.addSecs(span) > maxEndDatetime)
        begin = maxEndDatetime.addSecs(-span);
    return begin;
}

void TimeAxisWt::applyPanBegin(const QDateTime& newBegin)
{
    beginDatetime = newBegin;
    updateTimeLabels();
    emit signalBeginTimeAndDegreeChanged(static_cast<TimeAxisDegree>(degree), beginDatetime);
}

void TimeAxisWt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ZWidget::changeEvent(event);
}

// The form's texts come back from the catalogue; the labels then show the span again (the form's own label texts are
// those of the whole day).
void TimeAxisWt::retranslate()
{
    ui->retranslateUi(this);
    updateTimeLabels();
}

} // namespace ZCORVANEBASE
