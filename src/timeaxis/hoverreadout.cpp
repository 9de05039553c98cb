#include "frame/qtcompat_p.h"
#include "timeaxis/hoverreadout_p.h"

#include "timeaxis/channelrecordingtimeaxiswt_p.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace ZCORVANEBASE {

namespace {
constexpr int pointerGap = 12;
}

HoverReadout::HoverReadout(ChannelRecordingTimeAxisWt* bar)
    : QObject(bar)
    , bar(bar)
    , strip(bar->strip())
    , m_label(nullptr)
    , m_x(-1)
{
    strip->installEventFilter(this); // the bar has the strip and the cursor track the pointer while this exists
}

HoverReadout::~HoverReadout()
{
    delete m_label.data();
}

bool HoverReadout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == strip) {
        switch (event->type()) {
        case QEvent::MouseMove:
            showAt(QtCompat::eventPos(static_cast<QMouseEvent*>(event)).x());
            break;
        case QEvent::Paint:
            // The span, the width or the recordings may have changed under a pointer that stands still.
            if (m_x >= 0 && m_label && !m_label->isHidden() && readoutText() != m_label->text())
                QMetaObject::invokeMethod(
                    this, [this] { showAt(m_x); }, Qt::QueuedConnection);
            break;
        case QEvent::Leave:
        case QEvent::Hide:
            m_x = -1;
            if (m_label)
                m_label->hide();
            break;
        default:
            break;
        }
    } else if (event->type() == QEvent::LanguageChange && m_x >= 0 && watched == m_label.data()) {
        // (The type is tested first: the label's own destruction passes through here, and a label being destroyed
        // must not be looked at.)
        showAt(m_x); // the kind's text, and with it the width, changes
    }
    return false;
}

void HoverReadout::showAt(int x)
{
    m_x = x >= 0 && x <= strip->width() ? x : -1;
    const QString text = readoutText();
    if (text.isEmpty()) {
        if (m_label)
            m_label->hide();
        return;
    }
    if (!m_label) { // made on the first hover: 64 rows would otherwise each build and style one with the box
        m_label = new QLabel(strip);
        m_label->setObjectName(QStringLiteral("hoverReadout"));
        m_label->setStyleSheet(QStringLiteral("QLabel{font-size:10px;font-family: microsoft yahei;color:#ffffff;"
                                              "background-color:rgba(14,22,34,220);padding:0px 4px;}"));
        m_label->setAlignment(Qt::AlignCenter);
        m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_label->installEventFilter(this);
    }
    m_label->setText(text);
    const int width = m_label->sizeHint().width();
    int left = x + pointerGap;
    if (left + width > strip->width())
        left = qMax(0, x - pointerGap - width);
    m_label->setGeometry(left, 0, width, strip->height());
    m_label->show();
    m_label->raise();
}

QString HoverReadout::readoutText() const
{
    const QDateTime moment = bar->getDatetimeAtPos(QPoint(m_x, 0));
    if (m_x < 0 || !moment.isValid())
        return QString();
    // The kind is that of the column as painted (short recordings widened, alarm winning, when the bar paints so):
    // the read-out names what the user points at, also where a column stands for a minute that a clip fills in part.
    const RecordingTrack::RecordingKind kind = bar->paintedKindAt(m_x);
    const QString kindText = kind == RecordingTrack::AlarmRecording ? tr("alarm recording")
        : kind == RecordingTrack::NormalRecording                   ? tr("recording")
                                                                    : tr("no recording");
    return moment.toString(QStringLiteral("hh:mm:ss")) + QStringLiteral("  ") + kindText;
}

} // namespace ZCORVANEBASE
