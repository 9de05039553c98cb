#pragma once

#include "frame/zcorvanebase_global.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QVector>

class QPainter;
class QPoint;
class QRect;
class QWidget;

namespace ZCORVANEBASE {

class ChannelRecordingTimeAxisWt;

// The bookmarks of a bar drawn as bands 3 pixels high along its bottom edge, made by the bar while its track holds
// bookmarks and deleted when they go.
//
// A bookmark covers the columns from its begin to its end at the current span (at least 3 pixels from its begin,
// held inside the bar). Taken by begin, a bookmark less than 8 pixels right of the band before it joins that band, so
// zooming out merges bands and zooming in parts them. A band's tool tip lists each of its bookmarks with its span.
// A press on a band (in the bar's lowest 7 rows) is a click on it and does not seek: the bar reports the band's first
// bookmark, and a merged band opens a menu of its bookmarks, each reported when chosen. Presses with Shift held are
// left to the range selection.
class ZCORVANEBASE_PRIVATE_EXPORT BookmarkBands : public QObject
{
    Q_OBJECT

public:
    struct Band
    {
        int x1; // columns x1 .. x2 - 1
        int x2;
        QVector<int> bookmarks; // positions in the track's bookmarks, by begin
    };

    explicit BookmarkBands(ChannelRecordingTimeAxisWt* bar);
    ~BookmarkBands() override;

    // The bookmarks changed (their moments are converted once here).
    void bookmarksChanged();
    // The bands at the bar's current span and width, left to right.
    const QVector<Band>& bands() const;
    void paint(QPainter& painter, int height, const QRect& dirty) const;
    QString toolTipOf(const Band& band) const;

signals:
    void clicked(const QString& id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int bandAt(const QPoint& pos) const;
    QString lineOf(int bookmark) const;
    void openMenu(const Band& band, const QPoint& globalPos);

    ChannelRecordingTimeAxisWt* bar;
    QPointer<QWidget> strip;
    QVector<qint64> m_begins; // of the track's bookmarks, milliseconds since the epoch
    QVector<qint64> m_ends;
    // The bands and the span and width they were made for.
    mutable QVector<Band> m_bands;
    mutable QDateTime m_bandsBegin;
    mutable int m_bandsDegree;
    mutable int m_bandsWidth;
    int m_pressed; // the band a press went down on, -1 none
};

} // namespace ZCORVANEBASE
