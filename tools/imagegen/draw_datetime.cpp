// The calendar icons of the span line edit and the arrows of the calendar's year and month buttons. They are the
// host's images: the gallery (our demo host) ships them and selects the arrows in its style sheet.

#include "imagegen.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// A desk calendar, 16 x 16: a ring-bound sheet with a header band and a grid of days.
QImage calendarIcon(const QColor& color)
{
    QImage image = newImage(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.6, 3.1, 12.8, 11.3), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRect(QRectF(1.6, 3.1, 12.8, 3.0));
    // The two rings above the sheet.
    p.setPen(QPen(color, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.0, 1.2), QPointF(5.0, 4.2));
    p.drawLine(QPointF(11.0, 1.2), QPointF(11.0, 4.2));
    // Days: three columns of two rows.
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column)
            p.drawRect(QRectF(4.0 + column * 3.0, 8.0 + row * 3.0, 1.8, 1.6));
    }
    return image;
}

// A small filled triangle, 9 x 9, pointing left or right.
QImage arrow(const QColor& color, bool left)
{
    QImage image = newImage(9, 9);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    QPainterPath path;
    if (left) {
        path.moveTo(2.0, 4.5);
        path.lineTo(7.0, 0.5);
        path.lineTo(7.0, 8.5);
    } else {
        path.moveTo(7.0, 4.5);
        path.lineTo(2.0, 0.5);
        path.lineTo(2.0, 8.5);
    }
    path.closeSubpath();
    p.drawPath(path);
    return image;
}

void drawDatetime(ImageSink& sink)
{
    const QString dir = QStringLiteral("examples/gallery/images/images/");
    const QColor normal("#8d9bb0");
    const QColor highlighted("#2c7dce");
    sink.png(dir + QStringLiteral("ico_calendar_n.png"), calendarIcon(normal));
    sink.png(dir + QStringLiteral("ico_calendar_h.png"), calendarIcon(highlighted));
    sink.png(dir + QStringLiteral("calendar_arrow_left_n.png"), arrow(normal, true));
    sink.png(dir + QStringLiteral("calendar_arrow_left_h.png"), arrow(QColor("#ffffff"), true));
    sink.png(dir + QStringLiteral("calendar_arrow_right_n.png"), arrow(normal, false));
    sink.png(dir + QStringLiteral("calendar_arrow_right_h.png"), arrow(QColor("#ffffff"), false));
}

ImageGenRegistrar reg(&drawDatetime);

} // namespace
