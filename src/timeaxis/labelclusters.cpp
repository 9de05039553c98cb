#include "timeaxis/labelclusters_p.h"

#include "timeaxis/channelrecordingtimeaxiswt_p.h"
#include "timeaxis/recordinglabelwt_p.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace ZCORVANEBASE {

namespace {
const QColor badgeColour(QStringLiteral("#f08c1a"));

QFont badgeFont()
{
    QFont font(QStringLiteral("microsoft yahei"));
    font.setPixelSize(9);
    return font;
}
}

LabelClusterBadge::LabelClusterBadge(QWidget* parent)
    : QWidget(parent)
    , m_count(0)
{
    setObjectName(QStringLiteral("labelClusterBadge"));
    setFont(badgeFont());
}

void LabelClusterBadge::setCount(int count)
{
    if (count == m_count)
        return;
    m_count = count;
    const int width = qMax(11, fontMetrics().horizontalAdvance(QString::number(count)) + 6);
    resize(width, 11);
    update();
}

void LabelClusterBadge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(badgeColour);
    painter.drawRoundedRect(QRectF(rect()), 5.5, 5.5);
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, QString::number(m_count));
}

LabelClusters::LabelClusters(ChannelRecordingTimeAxisWt* bar)
    : QObject(bar)
    , bar(bar)
    , strip(bar->strip())
{
}

namespace {
constexpr int notPlaced = -100000; // where a gathered mark is put before placement: still there, it is out of view
}

void LabelClusters::beforePlacement()
{
    for (RecordingLabelWt* mark : qAsConst(bar->labelMarks())) {
        if (m_gathered.contains(mark))
            mark->move(notPlaced, 0); // hidden: a move costs no repaint
    }
}

LabelClusters::~LabelClusters()
{
    for (const QPointer<LabelClusterBadge>& badge : qAsConst(m_badges))
        delete badge.data();
}

QList<LabelClusterBadge*> LabelClusters::badges() const
{
    QList<LabelClusterBadge*> shown;
    for (const QPointer<LabelClusterBadge>& badge : m_badges) {
        if (badge && !badge->isHidden())
            shown << badge.data();
    }
    std::sort(shown.begin(), shown.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    return shown;
}

void LabelClusters::update()
{
    if (!strip)
        return;
    // Where the marks stand as placed (centred on their moments, held inside the bar at its ends): what the user
    // sees crowd, and no date-time arithmetic on every change of the span.
    struct Placed
    {
        int x;
        RecordingLabelWt* mark;
    };
    QVector<Placed> placed;
    for (RecordingLabelWt* mark : qAsConst(bar->labelMarks())) {
        if (!mark->isHidden() || (m_gathered.contains(mark) && mark->x() != notPlaced))
            placed.append({ mark->x(), mark });
    }
    QSet<QWidget*> gathered;
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) { return a.x < b.x; });

    int used = 0;
    for (int first = 0; first < placed.size();) {
        int next = first + 1;
        while (next < placed.size() && placed.at(next).x - placed.at(first).x < clusterDistance)
            gathered.insert(placed.at(next++).mark);
        const int count = next - first;
        if (count > 1) {
            QStringList lines;
            for (int i = first; i < next; ++i)
                lines << placed.at(i).mark->toolTip();
            if (used == m_badges.size() || !m_badges.at(used)) {
                auto* badge = new LabelClusterBadge(strip);
                if (used == m_badges.size())
                    m_badges.append(badge);
                else
                    m_badges[used] = badge;
            }
            LabelClusterBadge* badge = m_badges.at(used++);
            badge->setCount(count);
            badge->setToolTip(lines.join(QLatin1Char('\n')));
            const QRect mark = placed.at(first).mark->geometry();
            int left = mark.right() - 2;
            if (left + badge->width() > strip->width())
                left = mark.left() - badge->width() + 2;
            badge->move(qMax(0, left), 0);
            if (badge->isHidden()) {
                badge->show();
                badge->raise();
            }
        }
        first = next;
    }
    for (int i = used; i < m_badges.size(); ++i) {
        if (m_badges.at(i))
            m_badges.at(i)->hide();
    }
    for (const Placed& each : qAsConst(placed))
        each.mark->setVisible(!gathered.contains(each.mark));
    m_gathered = gathered;
}

} // namespace ZCORVANEBASE
