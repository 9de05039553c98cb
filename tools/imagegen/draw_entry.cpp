// The eye images of the password field. They are the host's images: the gallery (our demo host) ships them.

#include "imagegen.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The outline of an open eye, 16 x 16.
QPainterPath eyeOutline()
{
    QPainterPath path;
    path.moveTo(1.0, 8.0);
    path.cubicTo(QPointF(3.5, 3.5), QPointF(12.5, 3.5), QPointF(15.0, 8.0));
    path.cubicTo(QPointF(12.5, 12.5), QPointF(3.5, 12.5), QPointF(1.0, 8.0));
    path.closeSubpath();
    return path;
}

// The password is shown: an open eye with its pupil.
QImage shownEye(const QColor& color)
{
    QImage image = newImage(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(eyeOutline());
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QPointF(8.0, 8.0), 2.4, 2.4);
    return image;
}

// The password is hidden: the same eye, struck through.
QImage hiddenEye(const QColor& color)
{
    QImage image = newImage(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(eyeOutline());
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QPointF(8.0, 8.0), 2.4, 2.4);
    // Clear a gap along the stroke so that it reads as in front of the eye.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(QPen(Qt::transparent, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 2.5));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setPen(QPen(color, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 2.5));
    return image;
}

void drawEntry(ImageSink& sink)
{
    const QString dir = QStringLiteral("examples/gallery/images/images/");
    const QColor normal("#8d9bb0");
    const QColor highlighted("#2c7dce");
    sink.png(dir + QStringLiteral("show_pwd_n.png"), shownEye(normal));
    sink.png(dir + QStringLiteral("show_pwd_h.png"), shownEye(highlighted));
    sink.png(dir + QStringLiteral("hide_pwd_n.png"), hiddenEye(normal));
    sink.png(dir + QStringLiteral("hide_pwd_h.png"), hiddenEye(highlighted));
}

ImageGenRegistrar reg(&drawEntry);

} // namespace
