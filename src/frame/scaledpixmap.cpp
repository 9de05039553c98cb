#include "frame/scaledpixmap_p.h"

#include <QFile>
#include <QPaintDevice>
#include <QPixmapCache>

namespace ZCORVANEBASE {

QPixmap scaledPixmap(const QString& path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        const int dot = path.lastIndexOf(QLatin1Char('.'));
        if (dot > 0) {
            const QString doubled = path.left(dot) + QLatin1String("@2x") + path.mid(dot);
            QPixmap pixmap;
            if (QPixmapCache::find(doubled, &pixmap))
                return pixmap;
            if (QFile::exists(doubled) && pixmap.load(doubled)) {
                pixmap.setDevicePixelRatio(2.0);
                QPixmapCache::insert(doubled, pixmap);
                return pixmap;
            }
        }
    }
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap))
        return pixmap;
    if (pixmap.load(path))
        QPixmapCache::insert(path, pixmap);
    return pixmap;
}

QPixmap scaledPixmap(const QString& path, const QPaintDevice* device)
{
    return scaledPixmap(path, device ? device->devicePixelRatioF() : 1.0);
}

} // namespace ZCORVANEBASE
