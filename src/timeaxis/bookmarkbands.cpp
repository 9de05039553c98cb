#include "frame/qtcompat_p.h"
#include "timeaxis/bookmarkbands_p.h"

#include "frame/zmenu.h"
#include "timeaxis/channelrecordingtimeaxiswt_p.h"
#include "timeaxis/timeaxisstyle_p.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace ZCORVANEBASE {

BookmarkBands::BookmarkBands(ChannelRecordingTimeAxisWt* bar)
    : QObject(bar)
    , bar(bar)
    , strip(bar->strip())
    , m_bandsDegree(0)
    , m_bandsWidth(0)
    , m_pressed(-1)
{
    strip->installEventFilter(this);
    bookmarksChanged();
}

BookmarkBands::~BookmarkBands() = default;

void BookmarkBands::bookmarksChanged()
{
    const QVector<Bookmark>& bookmarks = bar->track().bookmarks();
    toEpochMSecs(
        bookmarks.size(), [&bookmarks](int i) -> const QDateTime& { return bookmarks.at(i).begin; }, &m_begins);
    toEpochMSecs(
        bookmarks.size(), [&bookmarks](int i) -> const QDateTime& { return bookmarks.at(i).end; }, &m_ends);
    m_bandsDegree = 0; // made again when next asked for
    m_pressed = -1;
    if (strip)
        strip->update();
}

const QVector<BookmarkBands::Band>& BookmarkBands::bands() const
{
    const int width = strip ? strip->width() : 0;
    if (m_bandsDegree == bar->viewDegree() && m_bandsWidth == width && m_bandsBegin == bar->viewBegin())
        return m_bands;
    m_bands.clear();
    m_bandsBegin = bar->viewBegin();
    m_bandsDegree = bar->viewDegree();
    m_bandsWidth = width;
    if (width <= 0 || !m_bandsBegin.isValid())
        return m_bands;
    const qint64 viewBegin = bar->viewBeginEpochMSecs();
    const qint64 viewEnd = viewBegin + TimeAxisMapping::spanSecs(m_bandsDegree) * 1000;
    using namespace TimeAxisStyle;
    for (int i = 0; i < m_begins.size(); ++i) {
        if (m_ends.at(i) < viewBegin || m_begins.at(i) > viewEnd)
            continue;
        int x1 = int(bar->posXOfEpochMSecs(std::max(m_begins.at(i), viewBegin)));
        int x2 = int(bar->posXOfEpochMSecs(std::min(m_ends.at(i), viewEnd)));
        if (x2 - x1 < bookmarkMinimumWidth) {
            x1 = std::max(0, std::min(x1, width - bookmarkMinimumWidth));
            x2 = std::min(width, x1 + bookmarkMinimumWidth);
        }
        if (!m_bands.isEmpty() && x1 - m_bands.last().x2 < bookmarkMergeDistance) {
            m_bands.last().x2 = std::max(m_bands.last().x2, x2);
            m_bands.last().bookmarks << i;
        } else {
            m_bands.append({ x1, x2, { i } });
        }
    }
    return m_bands;
}

void BookmarkBands::paint(QPainter& painter, int height, const QRect& dirty) const
{
    for (const Band& band : bands()) {
        const QRect rect(
            band.x1, height - TimeAxisStyle::bookmarkBandHeight, band.x2 - band.x1, TimeAxisStyle::bookmarkBandHeight);
        if (rect.intersects(dirty))
            painter.fillRect(rect, TimeAxisStyle::bookmark());
    }
}

QString BookmarkBands::lineOf(int bookmark) const
{
    const Bookmark& each = bar->track().bookmarks().at(bookmark);
    return tr("%1: %2 to %3")
        .arg(each.name, each.begin.toString(QStringLiteral("hh:mm:ss")), each.end.toString(QStringLiteral("hh:mm:ss")));
}

QString BookmarkBands::toolTipOf(const Band& band) const
{
    QStringList lines;
    for (int bookmark : band.bookmarks)
        lines << lineOf(bookmark);
    return lines.join(QLatin1Char('\n'));
}

// A band's columns, and one more on each side: the bands are thin targets.
int BookmarkBands::bandAt(const QPoint& pos) const
{
    if (!strip || pos.y() < strip->height() - TimeAxisStyle::bookmarkHitHeight || pos.y() >= strip->height())
        return -1;
    const QVector<Band>& all = bands();
    for (int i = 0; i < all.size(); ++i) {
        if (all.at(i).x1 - 1 <= pos.x() && pos.x() <= all.at(i).x2)
            return i;
    }
    return -1;
}

bool BookmarkBands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != strip)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        m_pressed = mouse->modifiers() & Qt::ShiftModifier ? -1 : bandAt(QtCompat::eventPos(mouse));
        return m_pressed >= 0;
    }
    case QEvent::MouseButtonRelease: {
        if (m_pressed < 0)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int band = bandAt(QtCompat::eventPos(mouse));
        const bool isClick = band == m_pressed && mouse->button() == Qt::LeftButton;
        m_pressed = -1;
        if (isClick) {
            const Band& hit = bands().at(band);
            emit clicked(bar->track().bookmarks().at(hit.bookmarks.first()).id);
            if (hit.bookmarks.size() > 1)
                openMenu(hit, QtCompat::eventGlobalPos(mouse));
        }
        return true; // a press on a band never seeks
    }
    case QEvent::ToolTip: {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int band = bandAt(help->pos());
        if (band < 0)
            return false;
        const Band& hit = bands().at(band);
        QToolTip::showText(help->globalPos(), toolTipOf(hit), strip,
            QRect(hit.x1, strip->height() - TimeAxisStyle::bookmarkHitHeight, hit.x2 - hit.x1,
                TimeAxisStyle::bookmarkHitHeight));
        return true;
    }
    default:
        return false;
    }
}

void BookmarkBands::openMenu(const Band& band, const QPoint& globalPos)
{
    auto* menu = new ZMenu(bar);
    menu->setObjectName(QStringLiteral("bookmarkMenu"));
    menu->setAccessibleName(tr("Bookmarks"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (int bookmark : band.bookmarks) {
        const QString id = bar->track().bookmarks().at(bookmark).id;
        connect(menu->addAction(lineOf(bookmark)), &QAction::triggered, this, [this, id] { emit clicked(id); });
    }
    menu->popup(globalPos);
}

} // namespace ZCORVANEBASE
