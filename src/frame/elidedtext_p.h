#pragma once

#include <QFontMetrics>
#include <QString>

namespace ZCORVANEBASE {

// `text` elided at the right to `width` pixels, for a text whose advance is `width` or more. With fractional glyph
// widths (a real screen's fonts, Qt 6) such a text may measure a fraction below its rounded advance, and Qt would keep
// it whole: one pixel less then settles it, so a text as wide as the room is always elided.
inline QString elidedText(const QFontMetrics& metrics, const QString& text, int width)
{
    const QString elided = metrics.elidedText(text, Qt::ElideRight, width);
    return elided == text ? metrics.elidedText(text, Qt::ElideRight, width - 1) : elided;
}

} // namespace ZCORVANEBASE
