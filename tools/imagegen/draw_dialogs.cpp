// The message-box icons. They are the host's images (the application registers them under ":/images/images/"),
// so the gallery, our demo host, ships them: 30 x 30, one colour per kind, legible on the dark dialog background.

#include "imagegen.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const int iconSize = 30;

// A filled disc with a white glyph drawn by `glyph`.
QImage disc(const QColor& color, void (*glyph)(QPainter&))
{
    QImage image = newImage(iconSize, iconSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QRectF(1.0, 1.0, iconSize - 2.0, iconSize - 2.0));
    glyph(p);
    p.end();
    return image;
}

void informationGlyph(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(15.0, 8.6), 2.1, 2.1);
    p.drawRoundedRect(QRectF(13.2, 12.5, 3.6, 10.5), 1.4, 1.4);
}

void errorGlyph(QPainter& p)
{
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.0, 10.0), QPointF(20.0, 20.0));
    p.drawLine(QPointF(20.0, 10.0), QPointF(10.0, 20.0));
}

void questionGlyph(QPainter& p)
{
    QPainterPath hook;
    hook.moveTo(10.6, 11.6);
    hook.cubicTo(QPointF(10.6, 6.4), QPointF(19.6, 6.4), QPointF(19.6, 11.4));
    hook.cubicTo(QPointF(19.6, 14.6), QPointF(15.0, 14.8), QPointF(15.0, 18.2));
    p.setPen(QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(15.0, 22.6), 1.9, 1.9);
}

// A rounded warning triangle with a dark exclamation mark (white would vanish on the amber).
QImage warningIcon()
{
    QImage image = newImage(iconSize, iconSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(15.0, 2.5);
    triangle.lineTo(28.5, 26.5);
    triangle.lineTo(1.5, 26.5);
    triangle.closeSubpath();
    p.setPen(QPen(QColor("#ffcb5a"), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor("#ffcb5a"));
    p.drawPath(triangle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#172335"));
    p.drawRoundedRect(QRectF(13.3, 9.5, 3.4, 10.0), 1.4, 1.4);
    p.drawEllipse(QPointF(15.0, 22.6), 1.9, 1.9);
    p.end();
    return image;
}

void drawDialogs(ImageSink& sink)
{
    const QString dir = QStringLiteral("examples/gallery/images/images/");
    sink.png(dir + QStringLiteral("ico_warning.png"), warningIcon());
    sink.png(dir + QStringLiteral("ico_information.png"), disc(QColor("#2c7dce"), &informationGlyph));
    sink.png(dir + QStringLiteral("ico_error.png"), disc(QColor("#dc4d4d"), &errorGlyph));
    sink.png(dir + QStringLiteral("ico_question.png"), disc(QColor("#00cf8b"), &questionGlyph));
}

ImageGenRegistrar reg(&drawDialogs);

} // namespace
