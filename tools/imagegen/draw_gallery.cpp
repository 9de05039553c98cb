// The gallery's own images (host images of the controls page and of the application style sheet).

#include "imagegen.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QString dir = QStringLiteral("examples/gallery/images/images/");

QPainter* begin(QImage& image)
{
    auto* p = new QPainter(&image);
    p->setRenderHint(QPainter::Antialiasing);
    return p;
}

QImage roundButton(const QColor& ring, const QColor& glyph, bool pause)
{
    QImage image = newImage(28, 28);
    QPainter* p = begin(image);
    p->setPen(QPen(ring, 1.6));
    p->setBrush(Qt::NoBrush);
    p->drawEllipse(QRectF(1.5, 1.5, 25, 25));
    p->setPen(Qt::NoPen);
    p->setBrush(glyph);
    if (pause) {
        p->drawRoundedRect(QRectF(9.5, 8, 3.2, 12), 1, 1);
        p->drawRoundedRect(QRectF(15.3, 8, 3.2, 12), 1, 1);
    } else {
        QPainterPath triangle;
        triangle.moveTo(11, 8);
        triangle.lineTo(20, 14);
        triangle.lineTo(11, 20);
        triangle.closeSubpath();
        p->drawPath(triangle);
    }
    delete p;
    return image;
}

QImage menuIcon(int kind)
{
    QImage image = newImage(16, 16);
    QPainter* p = begin(image);
    const QColor c("#8fb8e6");
    p->setPen(QPen(c, 1.3));
    p->setBrush(Qt::NoBrush);
    switch (kind) {
    case 0: // live: a camera
        p->drawRoundedRect(QRectF(1.5, 4.5, 9, 7), 1.5, 1.5);
        p->drawLine(QPointF(10.5, 7), QPointF(14.5, 5));
        p->drawLine(QPointF(10.5, 9), QPointF(14.5, 11));
        break;
    case 1: // playback: a clock with an arrow
        p->drawEllipse(QRectF(2, 2, 12, 12));
        p->drawLine(QPointF(8, 8), QPointF(8, 4.5));
        p->drawLine(QPointF(8, 8), QPointF(10.5, 9.5));
        break;
    case 2: // snapshot: a photo camera
        p->drawRoundedRect(QRectF(1.5, 4.5, 13, 9), 1.5, 1.5);
        p->drawEllipse(QRectF(5.5, 6.5, 5, 5));
        p->drawLine(QPointF(5, 4.5), QPointF(6.5, 2.5));
        p->drawLine(QPointF(6.5, 2.5), QPointF(9.5, 2.5));
        p->drawLine(QPointF(9.5, 2.5), QPointF(11, 4.5));
        break;
    default: // video wall: a 2x2 grid
        p->drawRect(QRectF(1.5, 2.5, 6, 5));
        p->drawRect(QRectF(8.5, 2.5, 6, 5));
        p->drawRect(QRectF(1.5, 8.5, 6, 5));
        p->drawRect(QRectF(8.5, 8.5, 6, 5));
        break;
    }
    delete p;
    return image;
}

QImage flag(const QColor& color, const QString& text)
{
    QImage image = newImage(28, 14);
    QPainter* p = begin(image);
    p->setPen(Qt::NoPen);
    p->setBrush(color);
    p->drawRoundedRect(QRectF(0, 0, 28, 14), 3, 3);
    QFont font;
    font.setPixelSize(9);
    font.setBold(true);
    p->setFont(font);
    p->setPen(Qt::white);
    p->drawText(QRectF(0, 0, 28, 14), Qt::AlignCenter, text);
    delete p;
    return image;
}

QImage glyph(int kind, const QColor& color, int size = 12)
{
    QImage image = newImage(size, size);
    QPainter* p = begin(image);
    p->setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal s = size;
    switch (kind) {
    case 0: // close
        p->drawLine(QPointF(s * 0.2, s * 0.2), QPointF(s * 0.8, s * 0.8));
        p->drawLine(QPointF(s * 0.8, s * 0.2), QPointF(s * 0.2, s * 0.8));
        break;
    case 1: // minimise
        p->drawLine(QPointF(s * 0.2, s * 0.55), QPointF(s * 0.8, s * 0.55));
        break;
    case 2: // maximise
        p->drawRect(QRectF(s * 0.2, s * 0.2, s * 0.6, s * 0.6));
        break;
    case 3: // arrow down
        p->drawLine(QPointF(s * 0.15, s * 0.35), QPointF(s * 0.5, s * 0.7));
        p->drawLine(QPointF(s * 0.5, s * 0.7), QPointF(s * 0.85, s * 0.35));
        break;
    case 4: // check mark
        p->drawLine(QPointF(s * 0.18, s * 0.52), QPointF(s * 0.42, s * 0.75));
        p->drawLine(QPointF(s * 0.42, s * 0.75), QPointF(s * 0.84, s * 0.27));
        break;
    default: // partial
        p->drawLine(QPointF(s * 0.25, s * 0.5), QPointF(s * 0.75, s * 0.5));
        break;
    }
    delete p;
    return image;
}

void drawGallery(ImageSink& sink)
{
    sink.png(dir + QStringLiteral("gallery_play_n.png"), roundButton(QColor("#8d9bb0"), QColor("#ccd3dd"), false));
    sink.png(dir + QStringLiteral("gallery_play_h.png"), roundButton(QColor("#2c7dce"), QColor("#ffffff"), false));
    sink.png(dir + QStringLiteral("gallery_play_p.png"), roundButton(QColor("#266baf"), QColor("#8fb8e6"), false));
    sink.png(dir + QStringLiteral("gallery_play_d.png"), roundButton(QColor("#323e58"), QColor("#4a5874"), false));
    sink.png(dir + QStringLiteral("gallery_pause_n.png"), roundButton(QColor("#00cf8b"), QColor("#ccd3dd"), true));
    sink.png(dir + QStringLiteral("gallery_pause_h.png"), roundButton(QColor("#00cf8b"), QColor("#ffffff"), true));
    sink.png(dir + QStringLiteral("gallery_pause_p.png"), roundButton(QColor("#00a06c"), QColor("#8fb8e6"), true));
    const char* menus[] = { "live", "playback", "snapshot", "wall" };
    for (int i = 0; i < 4; ++i)
        sink.png(dir + QStringLiteral("gallery_menu_%1.png").arg(QLatin1String(menus[i])), menuIcon(i));
    sink.png(dir + QStringLiteral("gallery_flag_new.png"), flag(QColor("#00cf8b"), QStringLiteral("NEW")));
    sink.png(dir + QStringLiteral("gallery_flag_alarm.png"), flag(QColor("#dc4d4d"), QStringLiteral("ALM")));
    sink.png(dir + QStringLiteral("gallery_arrow_down.png"), glyph(3, QColor("#8d9bb0"), 10));
    sink.png(dir + QStringLiteral("gallery_check.png"), glyph(4, QColor("#ffffff"), 12));
    sink.png(dir + QStringLiteral("gallery_partial.png"), glyph(5, QColor("#ffffff"), 12));
    const char* title[] = { "close", "minimize", "maximize" };
    for (int i = 0; i < 3; ++i) {
        sink.png(dir + QStringLiteral("title_%1_n.png").arg(QLatin1String(title[i])), glyph(i, QColor("#8d9bb0")));
        sink.png(dir + QStringLiteral("title_%1_h.png").arg(QLatin1String(title[i])), glyph(i, QColor("#ffffff")));
    }
}

ImageGenRegistrar reg(&drawGallery);

} // namespace
