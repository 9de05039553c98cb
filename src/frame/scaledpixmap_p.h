#pragma once

// Pixmaps for high-DPI screens. QIcon finds "name@2x.png" next to "name.png" by itself; a QPixmap built from a path
// does not, so widgets that paint image files themselves load them through here.

#include "frame/zcorvanebase_global.h"

#include <QPixmap>
#include <QString>

class QPaintDevice;

namespace ZCORVANEBASE {

// The image at `path`, or its "@2x" variant when `devicePixelRatio` is above 1 and that variant exists. The pixmap
// carries its ratio, so drawing it at its logical size (width() / devicePixelRatio()) keeps it sharp. Loaded pixmaps
// are shared through QPixmapCache, so calling this from a paint event costs a lookup, not a decode.
ZCORVANEBASE_PRIVATE_EXPORT QPixmap scaledPixmap(const QString& path, qreal devicePixelRatio);

// The same for the ratio of the device a widget paints on.
ZCORVANEBASE_PRIVATE_EXPORT QPixmap scaledPixmap(const QString& path, const QPaintDevice* device);

// The logical size of a pixmap loaded with scaledPixmap().
inline QSize logicalSize(const QPixmap& pixmap)
{
    return pixmap.isNull() ? QSize() : pixmap.size() / pixmap.devicePixelRatio();
}

} // namespace ZCORVANEBASE
