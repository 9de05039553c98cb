#pragma once

#include "frame/zcorvanebase_global.h"
#include "timeaxis/timeaxisstyle_p.h"

#include <QCache>
#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace ZCORVANEBASE {

class ChannelRecordingTimeAxisWt;

// The host's pictures of a bar's moments, the most recently used kept: the least recently used goes when a new one
// would exceed the capacity. Looking a picture up counts as using it.
class ZCORVANEBASE_PRIVATE_EXPORT ThumbnailCache
{
public:
    explicit ThumbnailCache(int capacity = TimeAxisStyle::thumbnailCacheSize);

    void insert(const QDateTime& moment, const QImage& image);
    // The picture of a moment, now the most recently used; null when there is none.
    const QImage* find(const QDateTime& moment);
    bool contains(const QDateTime& moment) const;
    int size() const { return m_images.size(); }
    void clear() { m_images.clear(); }

private:
    QCache<qint64, QImage> m_images; // by milliseconds since the epoch, each of cost 1
};

// The preview: a frameless top-level window like a tool tip, with the picture 160 pixels wide and its moment under
// it. It never takes the focus, and mouse events pass through it.
class ZCORVANEBASE_PRIVATE_EXPORT ThumbnailPopup : public QWidget
{
    Q_OBJECT

public:
    explicit ThumbnailPopup(QWidget* bar);

    void setPicture(const QDateTime& moment, const QImage& image);
    const QDateTime& moment() const { return m_moment; }
    const QImage& picture() const { return m_picture; }
    // Centred on globalX above the bar (below it where the screen has no room above), inside `available`.
    void place(int globalX, const QRect& barGlobal, const QRect& available);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void retranslate();

    QDateTime m_moment;
    QImage m_picture; // scaled to the preview's width
};

// Preview thumbnails of a bar, made by ChannelRecordingTimeAxisWt::setThumbnailPreviewEnabled(true) and deleted
// (with the cache and the preview) when it is turned off.
//
// The pointer over the strip stands in a bucket of 4 pixels; the moment asked for is the one at the bucket's first
// pixel (bar mapping), so moves inside a bucket ask nothing new. Once the pointer has rested 80 ms in a bucket whose
// moment is recorded, the bar asks the host for its picture (requested), unless the cache has it: then it shows at
// once. Over a gap nothing is asked and the preview hides. An answer (setThumbnail) is cached; it shows only while
// its moment is the one under the pointer. While an answer is awaited the preview keeps the last picture with its
// own moment. The preview hides when the pointer leaves the bar; new recordings or a new search empty the cache.
// A change of the span or the width under a pointer that stands still asks for the new moment there.
class ZCORVANEBASE_PRIVATE_EXPORT ThumbnailPreview : public QObject
{
    Q_OBJECT

public:
    explicit ThumbnailPreview(ChannelRecordingTimeAxisWt* bar);
    ~ThumbnailPreview() override;

    void setThumbnail(const QDateTime& moment, const QImage& image);
    void viewChanged();
    void recordingsChanged();
    const QDateTime& hoveredMoment() const { return m_hovered; }
    int cachedCount() const { return m_cache.size(); }
    ThumbnailPopup* popup() const { return m_popup.data(); }

signals:
    void requested(const QDateTime& moment);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void hoverAt(int x);
    void leave();
    void requestHovered();
    void showPicture(const QDateTime& moment, const QImage& image);
    void placePopup();

    ChannelRecordingTimeAxisWt* bar;
    // The bar deletes its strip before its helpers when it goes: what lives on the strip is watched.
    QPointer<QWidget> strip;
    ThumbnailCache m_cache;
    QTimer m_debounce;
    QDateTime m_hovered; // the moment of the bucket under the pointer; invalid off the bar and over a gap
    int m_x; // the pointer's x on the strip, -1 off it
    QPointer<ThumbnailPopup> m_popup; // made for the first picture shown
};

} // namespace ZCORVANEBASE
