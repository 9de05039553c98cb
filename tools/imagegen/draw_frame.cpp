// The library's own images of the frame and the shared waiting overlay.

#include "imagegen.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

QImage folder(const QColor& color)
{
    QImage image = newImage(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(1.5, 3.5);
    path.lineTo(6.0, 3.5);
    path.lineTo(7.5, 5.0);
    path.lineTo(14.5, 5.0);
    path.lineTo(14.5, 13.5);
    path.lineTo(1.5, 13.5);
    path.closeSubpath();
    p.setPen(QPen(color, 1.2));
    QColor fill = color;
    fill.setAlpha(70);
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(1.5, 7.0), QPointF(14.5, 7.0));
    return image;
}

// A ring of twelve dots whose brightness runs round: the library's waiting animation.
QVector<QImage> spinner()
{
    QVector<QImage> frames;
    const int size = 129;
    const int dots = 12;
    for (int frame = 0; frame < dots; ++frame) {
        QImage image = newImage(size, size);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < dots; ++i) {
            const int age = (frame - i + dots) % dots; // 0 = the head of the run
            const qreal angle = 2 * M_PI * i / dots - M_PI / 2;
            const QPointF centre(size / 2.0 + 34 * qCos(angle), size / 2.0 + 34 * qSin(angle));
            QColor color = age == 0 ? QColor("#2c7dce") : QColor("#266baf");
            color.setAlpha(qMax(60, 255 - age * 22));
            p.setBrush(color);
            const qreal radius = age == 0 ? 7.0 : qMax(4.0, 6.5 - age * 0.25);
            p.drawEllipse(centre, radius, radius);
        }
        frames.append(image);
    }
    return frames;
}

QImage waitingError()
{
    QImage image = newImage(129, 129);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor("#dc4d4d"), 5));
    p.setBrush(QColor(220, 77, 77, 40));
    p.drawEllipse(QPointF(64.5, 64.5), 36, 36);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#dc4d4d"));
    p.drawRoundedRect(QRectF(60.5, 42, 8, 28), 4, 4);
    p.drawEllipse(QPointF(64.5, 82), 5, 5);
    return image;
}

QImage appIcon()
{
    QImage image = newImage(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#266baf"));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 7, 7);
    // A lens: the client watches.
    p.setBrush(QColor("#0e1624"));
    p.drawEllipse(QPointF(16, 16), 10, 10);
    p.setBrush(QColor("#00cf8b"));
    p.drawEllipse(QPointF(16, 16), 5, 5);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(14, 14), 1.6, 1.6);
    return image;
}

void drawFrame(ImageSink& sink)
{
    const QString dir = QStringLiteral("src/resources/images/images/");
    sink.png(dir + QStringLiteral("folder_n.png"), folder(QColor("#8d9bb0")));
    sink.png(dir + QStringLiteral("folder_h.png"), folder(QColor("#2c7dce")));
    sink.png(dir + QStringLiteral("waiting_error.png"), waitingError());
    sink.gif(dir + QStringLiteral("waiting_corvane.gif"), spinner(), 8);
    sink.ico(dir + QStringLiteral("osprey_client.ico"), appIcon());
}

ImageGenRegistrar reg(&drawFrame);

} // namespace
