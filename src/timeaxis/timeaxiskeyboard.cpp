#include "timeaxis/timeaxiskeyboard_p.h"

#include "frame/zcheckbox.h"
#include "timeaxis/channelrecordingtimeaxiswt_p.h"
#include "timeaxis/recordingstimeaxisbox_p.h"
#include "timeaxis/timeaxisaccessible_p.h"
#include "timeaxis/timeaxisstyle_p.h"
#include "timeaxis/timeaxiswt_p.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollArea>

#include <algorithm>

namespace ZCORVANEBASE {

namespace {

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
    TimeAxisWt::Private::get(ruler)->strip()->update();
}

void TimeAxisKeyboardNavigator::paintFocusFrame(QPainter& painter, const QRect& rect) const
{
    if (!ruler->hasFocus())
        return;
    painter.save();
    painter.setPen(QPen(TimeAxisStyle::keyboardFocus(), 1));
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
        TimeAxisWt::Private::get(ruler)->strip()->update();
        return false;
    default:
        return false;
    }
}

void TimeAxisKeyboardNavigator::handleKey(const QKeyEvent* event)
{
    TimeAxisWt::Private* state = TimeAxisWt::Private::get(ruler);
    const qint64 stepSecs = qint64(TimeAxisMapping::labelStepMinutes(state->degree)) * 60;
    const qint64 spanSecs = TimeAxisMapping::spanSecs(state->degree);
    const QDateTime& begin = state->beginDatetime;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        state->zoomIn(begin.addSecs(spanSecs / 2));
        break;
    case Qt::Key_Minus:
        state->zoomOut(begin.addSecs(spanSecs / 2));
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
        panTo(state->minBeginDatetime);
        break;
    case Qt::Key_End:
        panTo(state->maxEndDatetime.addSecs(-spanSecs));
        break;
    default:
        break;
    }
}

void TimeAxisKeyboardNavigator::bringIntoView(TimeAxisWt* ruler, const QDateTime& moment)
{
    TimeAxisWt::Private* state = TimeAxisWt::Private::get(ruler);
    const qint64 spanSecs = TimeAxisMapping::spanSecs(state->degree);
    const QDateTime& begin = state->beginDatetime;
    if (!moment.isValid() || (begin <= moment && moment <= begin.addSecs(spanSecs)))
        return;
    const QDateTime clamped = state->clampedPanBegin(moment.addSecs(-spanSecs / 2));
    if (clamped.isValid() && clamped != begin)
        state->applyPanBegin(clamped);
}

void TimeAxisKeyboardNavigator::panTo(const QDateTime& begin)
{
    TimeAxisWt::Private* state = TimeAxisWt::Private::get(ruler);
    const QDateTime clamped = state->clampedPanBegin(begin);
    if (!clamped.isValid() || clamped == state->beginDatetime)
        return;
    state->applyPanBegin(clamped);
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
    painter.fillRect(rect(), TimeAxisStyle::keyboardFocus());
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
    for (const auto& row : qAsConst(rows())) {
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
    for (auto it = rows().constBegin(); it != rows().constEnd(); ++it) {
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
            if (rows().contains(m_focusRow))
                TimeAxisAccessible::notifyFocus(rows().value(m_focusRow).second);
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
    case Qt::Key_B:
        return modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier;
    case Qt::Key_Left:
    case Qt::Key_Right:
        return modifiers == Qt::ControlModifier || modifiers == Qt::AltModifier;
    default:
        return false;
    }
}

bool RecordingsBoxKeyboardNavigator::handleKey(const QKeyEvent* event)
{
    if (!isHandledKey(event) || rows().isEmpty())
        return false;
    const bool forward = event->key() == Qt::Key_Right || event->key() == Qt::Key_N
        || (event->key() == Qt::Key_B && modifiersOf(event) == Qt::NoModifier);
    switch (event->key()) {
    case Qt::Key_Up:
        setFocusRow(m_focusRow - 1);
        break;
    case Qt::Key_Down:
        setFocusRow(m_focusRow + 1);
        break;
    case Qt::Key_Space:
        if (rows().contains(m_focusRow))
            rows().value(m_focusRow).first->click();
        break;
    case Qt::Key_N:
    case Qt::Key_P:
        seek(Target::LabelMark, forward);
        break;
    case Qt::Key_B:
        seek(Target::Bookmark, forward);
        break;
    default:
        seek(modifiersOf(event) == Qt::ControlModifier ? Target::Recording : Target::AlarmRecording, forward);
        break;
    }
    return true;
}

void RecordingsBoxKeyboardNavigator::setFocusRow(int row)
{
    row = qBound(rows().firstKey(), row, rows().lastKey());
    if (row == m_focusRow)
        return;
    m_focusRow = row;
    placeFrame();
    if (!box->hasFocus())
        return;
    TimeAxisAccessible::notifyFocus(rows().value(m_focusRow).second);
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
    const auto it = rows().constFind(m_focusRow);
    if (it == rows().constEnd() || !box->hasFocus()) {
        frame->hide();
        return;
    }
    frame->setRowRect(it->first->geometry() | it->second->geometry());
    frame->show();
}

const QMap<int, RecordingsTimeAxisBox::Private::Row>& RecordingsBoxKeyboardNavigator::rows() const
{
    return RecordingsTimeAxisBox::Private::get(box)->rows;
}

void RecordingsBoxKeyboardNavigator::seek(Target target, bool forward)
{
    ChannelRecordingTimeAxisWt* bar = RecordingsTimeAxisBox::Private::get(box)->barAt(m_focusRow);
    if (!bar)
        return;
    const RecordingTrack& track = bar->track();
    const QDateTime position = track.playbackDatetime();
    const QDateTime viewBegin = bar->viewBegin();
    const QDateTime viewEnd = viewBegin.addSecs(TimeAxisMapping::spanSecs(bar->viewDegree()));
    // "Next" is the first one after the play position, "previous" the last more than 3 s before it; a row that does
    // not play counts from the edges of the visible span.
    const QDateTime from = position.isValid() ? position.addMSecs(1) : viewBegin;
    const QDateTime before = position.isValid() ? position.addSecs(-previousGraceSecs) : viewEnd;
    QDateTime sought;
    if (target == Target::LabelMark || target == Target::Bookmark) {
        QVector<QDateTime> moments; // ascending
        if (target == Target::Bookmark) {
            for (const Bookmark& bookmark : track.bookmarks())
                moments << bookmark.begin; // valid, by begin
        } else {
            for (const LocalRecordingLabelInfo& mark : track.labelMarks()) {
                if (mark.datetime.isValid())
                    moments << mark.datetime;
            }
            std::sort(moments.begin(), moments.end());
        }
        // A mark outside every recording cannot be played: the one after it is tried.
        if (forward) {
            const auto first = std::lower_bound(moments.cbegin(), moments.cend(), from);
            const auto it = std::find_if(
                first, moments.cend(), [bar](const QDateTime& m) { return bar->appointPlaybackTime(m); });
            sought = it == moments.cend() ? QDateTime() : *it;
        } else {
            auto it = std::lower_bound(moments.cbegin(), moments.cend(), before);
            while (it != moments.cbegin() && !sought.isValid()) {
                --it;
                if (bar->appointPlaybackTime(*it))
                    sought = *it;
            }
        }
    } else {
        const bool alarmOnly = target == Target::AlarmRecording;
        const QDateTime begin
            = forward ? track.earliestBeginFrom(from, alarmOnly) : track.latestBeginBefore(before, alarmOnly);
        if (begin.isValid() && bar->appointPlaybackTime(begin))
            sought = begin;
    }
    const QPointer<TimeAxisWt>& ruler = RecordingsTimeAxisBox::Private::get(box)->timeAxisWt;
    if (sought.isValid() && ruler)
        TimeAxisKeyboardNavigator::bringIntoView(ruler, sought);
}

} // namespace ZCORVANEBASE
