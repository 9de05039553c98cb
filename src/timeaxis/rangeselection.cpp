#include "frame/qtcompat_p.h"
#include "timeaxis/rangeselection_p.h"

#include "timeaxis/channelrecordingtimeaxiswt_p.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ZCORVANEBASE {

namespace {
constexpr int handleWidth = 3;
constexpr int handleGrip = 3; // a press this close to a handle drags it

QString durationText(qint64 secs)
{
    return QStringLiteral("%1:%2:%3")
        .arg(secs / 3600, 2, 10, QLatin1Char('0'))
        .arg(secs / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(secs % 60, 2, 10, QLatin1Char('0'));
}
}

RangeSelection::RangeSelection(ChannelRecordingTimeAxisWt* bar)
    : QObject(bar)
    , bar(bar)
    , m_strip(bar->strip())
    , m_drag(Drag::None)
    , m_beginMSecs(0)
    , m_endMSecs(0)
    , m_recorded(false)
{
    m_strip->installEventFilter(this);
    bar->installEventFilter(this);
    if (bar->parentWidget())
        bar->parentWidget()->installEventFilter(this);
}

RangeSelection::~RangeSelection() = default;

QPair<QDateTime, QDateTime> RangeSelection::selection() const
{
    return hasSelection() && m_drag == Drag::None && m_recorded ? qMakePair(m_begin, m_end)
                                                                : QPair<QDateTime, QDateTime>();
}

void RangeSelection::clear()
{
    if (m_drag == Drag::None && !m_begin.isValid())
        return;
    m_drag = Drag::None;
    m_anchor = m_begin = m_end = QDateTime();
    m_recorded = false;
    bar->strip()->update();
}

bool RangeSelection::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_strip) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            return mousePress(QtCompat::eventPos(mouse), mouse->button(), mouse->modifiers());
        }
        case QEvent::MouseMove:
            if (m_drag != Drag::None)
                dragTo(QtCompat::eventPos(static_cast<QMouseEvent*>(event)).x());
            return false; // the hover read-out follows the pointer too
        case QEvent::MouseButtonRelease:
            if (m_drag == Drag::None)
                return false;
            dragTo(QtCompat::eventPos(static_cast<QMouseEvent*>(event)).x());
            finish();
            return true; // no seek
        default:
            return false;
        }
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape
        && static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        // The bar and its box watch Escape (the box may hold the focus); every bar's band goes.
        if (clearAllInBox()) {
            event->accept();
            return true;
        }
    }
    return false;
}

bool RangeSelection::mousePress(const QPoint& pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (button != Qt::LeftButton)
        return false;
    const int handle = handleAt(pos.x());
    if (handle >= 0) {
        m_anchor = handle == 0 ? m_end : m_begin;
        m_drag = Drag::MovingEdge;
    } else if (modifiers & Qt::ShiftModifier) {
        m_anchor = bar->getDatetimeAtPos(QPoint(qBound(0, pos.x(), bar->width()), 0));
        if (!m_anchor.isValid())
            return false;
        m_drag = Drag::Creating;
        m_begin = m_end = QDateTime();
        m_recorded = false;
    } else {
        return false;
    }
    // The bar takes the keyboard focus when neither it nor its box has it, so that Escape reaches it.
    QWidget* focus = QApplication::focusWidget();
    if (focus != bar && (!bar->parentWidget() || focus != bar->parentWidget()))
        bar->setFocus(Qt::MouseFocusReason);
    dragTo(pos.x());
    return true;
}

void RangeSelection::dragTo(int x)
{
    const QDateTime at = bar->getDatetimeAtPos(QPoint(qBound(0, x, bar->width()), 0));
    if (!at.isValid() || !m_anchor.isValid())
        return;
    const QDateTime from = qMin(m_anchor, at);
    const QDateTime to = qMax(m_anchor, at);
    const QPair<QDateTime, QDateTime> recorded
        = bar->amendDateTimeRange(from, static_cast<unsigned int>(qMax<qint64>(0, from.secsTo(to))));
    m_recorded = recorded.first.isValid() && recorded.second.isValid() && recorded.first < recorded.second;
    m_begin = m_recorded ? recorded.first : from;
    m_end = m_recorded ? recorded.second : to;
    m_beginMSecs = m_begin.toMSecsSinceEpoch();
    m_endMSecs = m_end.toMSecsSinceEpoch();
    bar->strip()->update();
}

void RangeSelection::finish()
{
    m_drag = Drag::None;
    m_anchor = QDateTime();
    // A span without any recording in it (or a Shift+click that moved nowhere) was shown grey with "No recording"
    // while dragging: its release emits nothing and removes the band.
    if (!m_recorded) {
        clear();
        return;
    }
    emit selected(m_begin, m_end);
}

int RangeSelection::handleAt(int x) const
{
    if (!hasSelection() || !m_recorded || m_drag != Drag::None)
        return -1;
    const qint64 endX = posXOf(m_endMSecs);
    const qint64 beginX = posXOf(m_beginMSecs);
    if (qAbs(endX - x) <= handleGrip)
        return 1;
    if (qAbs(beginX - x) <= handleGrip)
        return 0;
    return -1;
}

qint64 RangeSelection::posXOf(qint64 msecs) const
{
    return bar->posXOfEpochMSecs(msecs);
}

bool RangeSelection::clearAllInBox()
{
    QWidget* box = bar->parentWidget();
    const QList<ChannelRecordingTimeAxisWt*> bars = box
        ? box->findChildren<ChannelRecordingTimeAxisWt*>(QString(), Qt::FindDirectChildrenOnly)
        : QList<ChannelRecordingTimeAxisWt*> { bar };
    bool cleared = false;
    for (ChannelRecordingTimeAxisWt* each : bars) {
        RangeSelection* selection = each->rangeSelection();
        if (selection && (selection->m_begin.isValid() || selection->m_drag != Drag::None)) {
            selection->clear();
            cleared = true;
        }
    }
    return cleared;
}

void RangeSelection::paint(QPainter& painter, int width, int height, const QRect& dirty) const
{
    if (!m_begin.isValid() || !m_end.isValid() || width <= 0)
        return;
    const qint64 beginX = posXOf(m_beginMSecs);
    const qint64 endX = posXOf(m_endMSecs);
    if (endX < 0 || beginX > width)
        return;
    const int x1 = int(qMax<qint64>(beginX, -handleWidth));
    const int x2 = int(qMin<qint64>(endX, width + handleWidth));
    QFont font(QStringLiteral("microsoft yahei"));
    font.setPixelSize(10);
    const QString text = m_recorded ? durationText((m_endMSecs - m_beginMSecs) / 1000) : tr("No recording");
    if (m_text.text() != text) {
        m_text.setText(text);
        m_text.setTextFormat(Qt::PlainText);
        m_text.prepare(QTransform(), font);
    }
    const QSizeF size = m_text.size();
    const int textWidth = int(size.width()) + 8;
    int textLeft = x1 + (x2 - x1 - int(size.width())) / 2;
    if (x2 - x1 < textWidth) // beside the band, on the side with room
        textLeft = x2 + textWidth <= width ? x2 + 6 : qMax(0, x1 - textWidth + 2);
    const QRect band(x1 - 1, 0, x2 - x1 + handleWidth, height);
    const QRect textRect(textLeft, 0, int(size.width()) + 1, height);
    if (!dirty.intersects(band) && !dirty.intersects(textRect))
        return; // a cursor step elsewhere on the strip

    const QColor accent(QStringLiteral("#3d8ef7"));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRect(x1, 0, x2 - x1, height), m_recorded ? QColor(61, 142, 247, 90) : QColor(255, 255, 255, 40));
    if (m_recorded) {
        painter.fillRect(QRect(x1 - 1, 0, handleWidth, height), accent);
        painter.fillRect(QRect(x2 - 1, 0, handleWidth, height), accent);
    }
    painter.setFont(font);
    painter.setPen(QColor(QStringLiteral("#ffffff")));
    painter.drawStaticText(QPointF(textLeft, (height - size.height()) / 2), m_text);
    painter.restore();
}

} // namespace ZCORVANEBASE
