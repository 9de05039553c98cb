#include "frame/qtcompat_p.h"
#include "timeaxis/thumbnailpreview_p.h"

#include "timeaxis/channelrecordingtimeaxiswt_p.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace ZCORVANEBASE {

namespace {
constexpr int popupBorder = 2;
constexpr int momentHeight = 16;

QFont momentFont()
{
    QFont font(QStringLiteral("microsoft yahei"));
    font.setPixelSize(11);
    return font;
}
}

// ---- The cache ----

ThumbnailCache::ThumbnailCache(int capacity)
    : m_images(capacity)
{
}

void ThumbnailCache::insert(const QDateTime& moment, const QImage& image)
{
    m_images.insert(moment.toMSecsSinceEpoch(), new QImage(image), 1);
}

const QImage* ThumbnailCache::find(const QDateTime& moment)
{
    return m_images.object(moment.toMSecsSinceEpoch());
}

bool ThumbnailCache::contains(const QDateTime& moment) const
{
    return m_images.contains(moment.toMSecsSinceEpoch());
}

// ---- The preview window ----

ThumbnailPopup::ThumbnailPopup(QWidget* bar)
    : QWidget(bar, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("thumbnailPreview"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFont(momentFont());
    retranslate();
}

void ThumbnailPopup::setPicture(const QDateTime& moment, const QImage& image)
{
    m_moment = moment;
    m_picture = image.width() == TimeAxisStyle::thumbnailWidth
        ? image
        : image.scaledToWidth(TimeAxisStyle::thumbnailWidth, Qt::SmoothTransformation);
    setFixedSize(TimeAxisStyle::thumbnailWidth + 2 * popupBorder, m_picture.height() + momentHeight + 2 * popupBorder);
    setAccessibleDescription(moment.toString(QStringLiteral("hh:mm:ss")));
    update();
}

void ThumbnailPopup::place(int globalX, const QRect& barGlobal, const QRect& available)
{
    int x = globalX - width() / 2;
    x = qMax(available.left(), qMin(x, available.right() + 1 - width()));
    int y = barGlobal.top() - TimeAxisStyle::thumbnailGap - height();
    if (y < available.top())
        y = barGlobal.bottom() + 1 + TimeAxisStyle::thumbnailGap;
    y = qMax(available.top(), qMin(y, available.bottom() + 1 - height()));
    move(x, y);
}

void ThumbnailPopup::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ThumbnailPopup::retranslate()
{
    setAccessibleName(tr("Recording preview"));
}

void ThumbnailPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), TimeAxisStyle::ticks());
    painter.fillRect(rect().adjusted(1, 1, -1, -1), TimeAxisStyle::boxBackground());
    painter.drawImage(QPoint(popupBorder, popupBorder), m_picture);
    painter.setPen(Qt::white);
    painter.drawText(QRect(popupBorder, popupBorder + m_picture.height(), m_picture.width(), momentHeight),
        Qt::AlignCenter, m_moment.toString(QStringLiteral("hh:mm:ss")));
}

// ---- Hover, requests and the preview ----

ThumbnailPreview::ThumbnailPreview(ChannelRecordingTimeAxisWt* bar)
    : QObject(bar)
    , bar(bar)
    , strip(bar->strip())
    , m_x(-1)
{
    m_debounce.setSingleShot(true);
    m_debounce.setInterval(TimeAxisStyle::thumbnailDebounceMSecs);
    connect(&m_debounce, &QTimer::timeout, this, &ThumbnailPreview::requestHovered);
    strip->installEventFilter(this);
}

ThumbnailPreview::~ThumbnailPreview()
{
    delete m_popup.data();
}

bool ThumbnailPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == strip) {
        switch (event->type()) {
        case QEvent::MouseMove:
            hoverAt(QtCompat::eventPos(static_cast<QMouseEvent*>(event)).x());
            break;
        case QEvent::Leave:
        case QEvent::Hide:
            leave();
            break;
        default:
            break;
        }
    }
    return false;
}

void ThumbnailPreview::hoverAt(int x)
{
    if (!strip || x < 0 || x >= strip->width()) {
        leave();
        return;
    }
    m_x = x;
    const int bucket = x - x % TimeAxisStyle::thumbnailBucketWidth;
    const QDateTime moment = bar->getDatetimeAtPos(QPoint(bucket, 0));
    if (!moment.isValid() || bar->track().recordedAt(moment).kind == RecordingTrack::NoRecording) {
        m_hovered = QDateTime();
        m_debounce.stop();
        if (m_popup)
            m_popup->hide();
        return;
    }
    if (moment != m_hovered) {
        m_hovered = moment;
        if (const QImage* image = m_cache.find(moment)) {
            m_debounce.stop();
            showPicture(moment, *image);
            return;
        }
        m_debounce.start(); // a pointer passing through asks nothing
    }
    placePopup();
}

void ThumbnailPreview::leave()
{
    m_x = -1;
    m_hovered = QDateTime();
    m_debounce.stop();
    if (m_popup)
        m_popup->hide();
}

void ThumbnailPreview::requestHovered()
{
    if (m_hovered.isValid() && !m_cache.contains(m_hovered))
        emit requested(m_hovered);
}

void ThumbnailPreview::setThumbnail(const QDateTime& moment, const QImage& image)
{
    if (!moment.isValid() || image.isNull())
        return;
    m_cache.insert(moment, image);
    if (moment == m_hovered)
        showPicture(moment, image);
}

void ThumbnailPreview::viewChanged()
{
    if (m_x >= 0)
        hoverAt(m_x);
}

void ThumbnailPreview::recordingsChanged()
{
    m_cache.clear();
    m_hovered = QDateTime();
    if (m_popup)
        m_popup->hide();
    viewChanged();
}

void ThumbnailPreview::showPicture(const QDateTime& moment, const QImage& image)
{
    if (!m_popup)
        m_popup = new ThumbnailPopup(bar);
    m_popup->setPicture(moment, image);
    placePopup();
    m_popup->show();
}

void ThumbnailPreview::placePopup()
{
    if (!m_popup || !strip || m_x < 0)
        return;
    const QRect barGlobal(bar->mapToGlobal(QPoint(0, 0)), bar->size());
    QScreen* screen = bar->screen();
    const QRect available = screen ? screen->availableGeometry() : barGlobal;
    m_popup->place(strip->mapToGlobal(QPoint(m_x, 0)).x(), barGlobal, available);
}

} // namespace ZCORVANEBASE
