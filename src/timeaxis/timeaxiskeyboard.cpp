#include "timeaxis/timeaxiskeyboard_p.h"

#include "frame/zcheckbox.h"
#include "timeaxis/channelrecordingtimeaxiswt_p.h"
#include "timeaxis/recordinglabelwt_p.h"
#include "timeaxis/recordingstimeaxisbox.h"
#include "timeaxis/timeaxisaccessible_p.h"
#include "timeaxis/timeaxiswt.h"

#include "ui_timeaxiswt.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollArea>

#include <algorithm>

namespace ZCORVANEBASE {

namespace {

const QColor focusColour(QStringLiteral("#4da3ff"));
constexpr qint64 previousGraceSecs = 3; // "previous" this soon after a begin goes to the one before

// The modifiers that matter: the keypad's is the same key.
Qt::KeyboardModifiers modifiersOf(const QKeyEvent* event)
{
    return event->modifiers() & ~Qt::KeypadModifier;
}

// Plus (or "=", the same key unshifted) and minus with Shift or nothing; the pan keys alone.
bool isRulerKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
    case Qt::Key_Minus:
        return (modifiersOf(event) & ~Qt::ShiftModifier) == Qt::NoModifier;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return modifiersOf(event) == Qt::NoModifier;
    default:
        return false;
    }
}

} // namespace

// ---- The ruler ----

TimeAxisKeyboardNavigator::TimeAxisKeyboardNavigator(TimeAxisWt* ruler)
    : QObject(ruler)
    , ruler(ruler)
    , previousFocusPolicy(ruler->focusPolicy())
{
    setObjectName(QStringLiteral("keyboardNavigator"));
    ruler->setFocusPolicy(Qt::StrongFocus);
    ruler->installEventFilter(this);
}

TimeAxisKeyboardNavigator::~TimeAxisKeyboardNavigator()
{
    ruler->removeEventFilter(this);
    ruler->setFocusPolicy(previousFocusPolicy);
    ruler->ui->timeAxis->update();
}

void TimeAxisKeyboardNavigator::paintFocusFrame(QPainter& painter, const QRect& rect) const
{
    if (!ruler->hasFocus())
        return;
    painter.save();
    painter.setPen(QPen(focusColour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

bool TimeAxisKeyboardNavigator::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != ruler)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // The ruler's keys are the ruler's while it has the focus, even where the host made them shortcuts.
        if (isRulerKey(static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        return false;
    case QEvent::KeyPress:
        if (isRulerKey(static_cast<QKeyEvent*>(event))) {
            handleKey(static_cast<QKeyEvent*>(event));
            event->accept();
            return true;
        }
        return false;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        ruler->ui->timeAxis->update();
        return false;
    default:
        return false;
    }
}

void TimeAxisKeyboardNavigator::handleKey(const QKeyEvent* event)
{
    const qint64 stepSecs = qint64(TimeAxisMapping::labelStepMinutes(ruler->degree)) * 60;
    const qint64 spanSecs = TimeAxisMapping::spanSecs(ruler->degree);
    const QDateTime& begin = ruler->beginDatetime;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        ruler->slotZoomInTimeAxis(begin.addSecs(spanSecs / 2));
        break;
    case Qt::Key_Minus:
        ruler->slotZoomOutTimeAxis(begin.addSecs(spanSecs / 2));
        break;
    case Qt::Key_Left:
        panTo(begin.addSecs(-stepSecs / 4));
        break;
    case Qt::Key_Right:
        panTo(begin.addSecs(stepSecs / 4));
        break;
    case Qt::Key_PageUp:
        panTo(begin.addSecs(-stepSecs));
        break;
    case Qt::Key_PageDown:
        panTo(begin.addSecs(stepSecs));
        break;
    case Qt::Key_Home:
        panTo(ruler->minBeginDatetime);
        break;
    case Qt::Key_End:
        panTo(ruler->maxEndDatetime.addSecs(-spanSecs));
        break;
    default:
        break;
    }
}

void TimeAxisKeyboardNavigator::bringIntoView(TimeAxisWt* ruler, const QDateTime& moment)
{
    const qint64 spanSecs = TimeAxisMapping::spanSecs(ruler->degree);
    const QDateTime& begin = ruler->beginDatetime;
    if (!moment.isValid() || (begin <= moment && moment <= begin.addSecs(spanSecs)))
        return;
    const QDateTime clamped = ruler->clampedPanBegin(moment.addSecs(-spanSecs / 2));
    if (clamped.isValid() && clamped != begin)
        ruler->applyPanBegin(clamped);
}

void TimeAxisKeyboardNavigator::panTo(const QDateTime& begin)
{
    const QDateTime clamped = ruler->clampedPanBegin(begin);
    if (!clamped.isValid() || clamped == ruler->beginDatetime)
        return;
    ruler->applyPanBegin(clamped);
}

// ---- The box ----

RowFocusFrame::RowFocusFrame(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("keyboardFocusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void RowFocusFrame::setRowRect(const QRect& rowRect)
{
    setGeometry(rowRect.adjusted(-1, -1, 1, 1));
    const QRect ring = rect();
    setMask(QRegion(ring).subtracted(QRegion(ring.adjusted(2, 2, -2, -2))));
    raise();
}

void RowFocusFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), focusColour);
}

RecordingsBoxKeyboardNavigator::RecordingsBoxKeyboardNavigator(RecordingsTimeAxisBox* box)
    : QObject(box)
    , box(box)
    , frame(new RowFocusFrame(box))
    , m_focusRow(0)
    , previousFocusPolicy(box->focusPolicy())
{
    setObjectName(QStringLiteral("keyboardNavigator"));
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(this);
    for (const auto& row : qAsConst(box->rows)) {
        for (QWidget* child : { static_cast<QWidget*>(row.first), static_cast<QWidget*>(row.second) }) {
            previousChildPolicies.insert(child, child->focusPolicy());
            child->setFocusPolicy(Qt::NoFocus);
            child->installEventFilter(this);
        }
    }
    placeFrame();
}

RecordingsBoxKeyboardNavigator::~RecordingsBoxKeyboardNavigator()
{
    for (auto it = previousChildPolicies.constBegin(); it != previousChildPolicies.constEnd(); ++it) {
        it.key()->removeEventFilter(this);
        it.key()->setFocusPolicy(it.value());
    }
    box->removeEventFilter(this);
    box->setFocusPolicy(previousFocusPolicy);
    delete frame;
}

int RecordingsBoxKeyboardNavigator::rowOf(QObject* child) const
{
    for (auto it = box->rows.constBegin(); it != box->rows.constEnd(); ++it) {
        if (it->first == child || it->second == child)
            return it.key();
    }
    return -1;
}

bool RecordingsBoxKeyboardNavigator::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == box) {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            if (isHandledKey(static_cast<QKeyEvent*>(event))) {
                event->accept();
                return true;
            }
            return false;
        case QEvent::KeyPress:
            if (handleKey(static_cast<QKeyEvent*>(event))) {
                event->accept();
                return true;
            }
            return false;
        case QEvent::FocusIn:
            placeFrame();
            if (box->rows.contains(m_focusRow))
                TimeAxisAccessible::notifyFocus(box->rows.value(m_focusRow).second);
            return false;
        case QEvent::FocusOut:
            placeFrame();
            return false;
        default:
            return false;
        }
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const int row = rowOf(watched);
        if (row >= 0)
            setFocusRow(row);
        break;
    }
    case QEvent::Move:
    case QEvent::Resize:
        // Rows move when the box is laid out again (a resize, a swap): the frame follows its row.
        if (rowOf(watched) == m_focusRow)
            placeFrame();
        break;
    default:
        break;
    }
    return false;
}

bool RecordingsBoxKeyboardNavigator::isHandledKey(const QKeyEvent* event) const
{
    const Qt::KeyboardModifiers modifiers = modifiersOf(event);
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Space:
    case Qt::Key_N:
    case Qt::Key_P:
        return modifiers == Qt::NoModifier;
    case Qt::Key_Left:
    case Qt::Key_Right:
        return modifiers == Qt::ControlModifier || modifiers == Qt::AltModifier;
    default:
        return false;
    }
}

bool RecordingsBoxKeyboardNavigator::handleKey(const QKeyEvent* event)
{
    if (!isHandledKey(event) || box->rows.isEmpty())
        return false;
    const bool forward = event->key() == Qt::Key_Right || event->key() == Qt::Key_N;
    switch (event->key()) {
    case Qt::Key_Up:
        setFocusRow(m_focusRow - 1);
        break;
    case Qt::Key_Down:
        setFocusRow(m_focusRow + 1);
        break;
    case Qt::Key_Space:
        if (box->rows.contains(m_focusRow))
            box->rows.value(m_focusRow).first->click();
        break;
    case Qt::Key_N:
    case Qt::Key_P:
        seek(Target::LabelMark, forward);
        break;
    default:
        seek(modifiersOf(event) == Qt::ControlModifier ? Target::Recording : Target::AlarmRecording, forward);
        break;
    }
    return true;
}

void RecordingsBoxKeyboardNavigator::setFocusRow(int row)
{
    row = qBound(box->rows.firstKey(), row, box->rows.lastKey());
    if (row == m_focusRow)
        return;
    m_focusRow = row;
    placeFrame();
    if (!box->hasFocus())
        return;
    TimeAxisAccessible::notifyFocus(box->rows.value(m_focusRow).second);
    // In a scroll area (as hosts place a box of many rows) the focus row is scrolled into view.
    for (QWidget* ancestor = box->parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(ancestor)) {
            area->ensureWidgetVisible(frame, 0, 0);
            break;
        }
    }
}

void RecordingsBoxKeyboardNavigator::placeFrame()
{
    const auto it = box->rows.constFind(m_focusRow);
    if (it == box->rows.constEnd() || !box->hasFocus()) {
        frame->hide();
        return;
    }
    frame->setRowRect(it->first->geometry() | it->second->geometry());
    frame->show();
}

void RecordingsBoxKeyboardNavigator::seek(Target target, bool forward)
{
    ChannelRecordingTimeAxisWt* bar = box->barAt(m_focusRow);
    if (!bar)
        return;
    QVector<QDateTime> moments; // ascending
    if (target == Target::LabelMark) {
        for (RecordingLabelWt* label : qAsConst(bar->recordingLabels)) {
            if (label->getRecordingLabelInfo().datetime.isValid())
                moments << label->getRecordingLabelInfo().datetime;
        }
        std::sort(moments.begin(), moments.end());
    } else {
        for (const RecordingTimeInfo& recording : qAsConst(bar->recordings)) {
            if (target == Target::Recording || recording.isAlarm)
                moments << recording.beginDatetime;
        }
    }

    const QDateTime position = bar->playbackDatetime;
    const QDateTime viewBegin = bar->beginDatetime;
    const QDateTime viewEnd = viewBegin.addSecs(TimeAxisMapping::spanSecs(bar->degree));
    QDateTime sought;
    if (forward) {
        for (const QDateTime& moment : qAsConst(moments)) {
            const bool after = position.isValid() ? moment > position : moment >= viewBegin;
            if (after && bar->appointPlaybackTime(moment)) {
                sought = moment;
                break;
            }
        }
    } else {
        const QDateTime limit = position.isValid() ? position.addSecs(-previousGraceSecs) : viewEnd;
        for (auto it = moments.crbegin(); it != moments.crend(); ++it) {
            if (*it < limit && bar->appointPlaybackTime(*it)) {
                sought = *it;
                break;
            }
        }
    }
    if (sought.isValid() && box->timeAxisWt)
        TimeAxisKeyboardNavigator::bringIntoView(box->timeAxisWt, sought);
}

} // namespace ZCORVANEBASE
