#pragma once

#include "frame/zcorvanebase_global.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QWidget>

namespace ZCORVANEBASE {

class ChannelRecordingTimeAxisWt;

// The count on a cluster: an orange pill with the number in white, painted by hand (a style sheet costs more than
// the whole strip when 64 rows repaint). Its tool tip names the marks.
class ZCORVANEBASE_PRIVATE_EXPORT LabelClusterBadge : public QWidget
{
    Q_OBJECT

public:
    explicit LabelClusterBadge(QWidget* parent);

    int count() const { return m_count; }
    void setCount(int count);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_count;
};

// Label marks gathered into one where they crowd, made by ChannelRecordingTimeAxisWt::setLabelClusteringEnabled(true)
// and deleted when it is turned off (the bar then places every mark again). The bar calls update() whenever it
// has placed its marks (span, size, a mark added, removed or renamed).
//
// Marks are taken left to right as they are placed (centred on their moments, held inside the bar at its ends); a
// cluster starts at a mark and takes every following mark less than 12 pixels right of that first one, so all marks of
// a cluster lie less than 12 pixels apart. The first mark of a cluster of two or more stays, the others hide, and a
// badge at its top right corner shows how many marks it stands for; the badge's tool tip lists the marks' own tool tips
// (name and moment), one a line, left to right. Zooming in spreads the marks and the clusters come apart.
class ZCORVANEBASE_PRIVATE_EXPORT LabelClusters : public QObject
{
    Q_OBJECT

public:
    static constexpr int clusterDistance = 12;

    explicit LabelClusters(ChannelRecordingTimeAxisWt* bar);
    ~LabelClusters() override;

    // Around the bar's placement of its marks: the marks a cluster hides stay hidden while placed (showing and
    // hiding them again at every change of the span would cost more than the placement).
    void beforePlacement();
    bool isGathered(QWidget* mark) const { return m_gathered.contains(mark); }
    void update();
    // The badges shown, left to right.
    QList<LabelClusterBadge*> badges() const;

private:
    ChannelRecordingTimeAxisWt* bar;
    QPointer<QWidget> strip; // the bar deletes its strip (and the badges on it) before its helpers when it goes
    QList<QPointer<LabelClusterBadge>> m_badges; // kept and reused; those beyond the clusters of now are hidden
    QSet<QWidget*> m_gathered; // the marks hidden by a cluster
};

} // namespace ZCORVANEBASE
