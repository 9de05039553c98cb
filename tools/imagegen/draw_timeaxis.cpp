// The host images the time axis names: the waiting animation of a searching row, the play cursor's flag (and its
// mirror), the label mark and the cursor's download button. They belong to the host: the gallery ships them.

#include "imagegen.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

const QColor accent(QStringLiteral("#2c7dce"));
const QColor accentDark(QStringLiteral("#266baf"));

// The play cursor: a flag over the time text (the upper 16 pixels) on a stem that marks the moment. The stem is
// at x 0; the mirrored image has it at the right edge.
QImage cursorFlag(bool mirrored)
{
    QImage image = newImage(61, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath flag;
    flag.moveTo(0, 0);
    flag.lineTo(57, 0);
    flag.quadTo(61, 0, 61, 4);
    flag.lineTo(61, 12);
    flag.quadTo(61, 16, 57, 16);
    flag.lineTo(0, 16);
    flag.closeSubpath();
    QColor fill = accentDark;
    fill.setAlpha(225);
    p.fillPath(flag, fill);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, 0, 2, 20), QColor(QStringLiteral("#ffffff")));
    p.end();
    return mirrored ? image.mirrored(true, false) : image;
}

// A bookmark on a stem: stands out on the green and red recordings and on the empty bar.
QImage labelMark()
{
    QImage image = newImage(11, 21);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath flag;
    flag.moveTo(0.5, 0.5);
    flag.lineTo(10.5, 0.5);
    flag.lineTo(10.5, 10.5);
    flag.lineTo(5.5, 7.0);
    flag.lineTo(0.5, 10.5);
    flag.closeSubpath();
    p.setPen(QPen(QColor(QStringLiteral("#0e1624")), 1.0));
    p.setBrush(QColor(QStringLiteral("#ffc53d")));
    p.drawPath(flag);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(5, 8, 1, 13), QColor(QStringLiteral("#ffc53d")));
    return image;
}

// An arrow into a tray, 14 x 14.
QImage downloadIcon(const QColor& color)
{
    QImage image = newImage(14, 14);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(7, 1.5), QPointF(7, 9));
    p.drawPolyline(QPolygonF({ QPointF(3.5, 5.8), QPointF(7, 9.3), QPointF(10.5, 5.8) }));
    p.drawPolyline(QPolygonF({ QPointF(1.5, 9.5), QPointF(1.5, 12.5), QPointF(12.5, 12.5), QPointF(12.5, 9.5) }));
    return image;
}

// Eight dots on a circle, the brightest one travelling round: one frame per step. No antialiasing, so the dots
// keep clean edges in the GIF's one-bit transparency.
QVector<QImage> waitingFrames()
{
    const QColor shades[] = { QColor(QStringLiteral("#ffffff")), QColor(QStringLiteral("#99ccff")),
        QColor(QStringLiteral("#3399ff")), QColor(QStringLiteral("#3366cc")) };
    QVector<QImage> frames;
    for (int frame = 0; frame < 8; ++frame) {
        QImage image = newImage(20, 20);
        QPainter p(&image);
        p.setPen(Qt::NoPen);
        for (int dot = 0; dot < 8; ++dot) {
            const int age = (frame - dot + 8) % 8;
            if (age > 3)
                continue;
            const double angle = dot * M_PI / 4.0 - M_PI / 2.0;
            const QPointF centre(10 + 7 * qCos(angle), 10 + 7 * qSin(angle));
            p.setBrush(shades[age]);
            const int radius = age == 0 ? 2 : 1;
            p.drawRect(QRect(qRound(centre.x()) - radius, qRound(centre.y()) - radius, 2 * radius, 2 * radius));
        }
        frames << image;
    }
    return frames;
}

void drawTimeaxis(ImageSink& sink)
{
    const QString dir = QStringLiteral("examples/gallery/images/images/");
    sink.png(dir + QStringLiteral("progress_cursor_bk.png"), cursorFlag(false));
    sink.png(dir + QStringLiteral("progress_cursor_bk_r.png"), cursorFlag(true));
    sink.png(dir + QStringLiteral("added_label_n.png"), labelMark());
    sink.png(
        dir + QStringLiteral("ico_progress_cursor_download_n.png"), downloadIcon(QColor(QStringLiteral("#ffffff"))));
    sink.png(
        dir + QStringLiteral("ico_progress_cursor_download_h.png"), downloadIcon(QColor(QStringLiteral("#7fc4ff"))));
    sink.png(
        dir + QStringLiteral("ico_progress_cursor_download_d.png"), downloadIcon(QColor(QStringLiteral("#6d7a8f"))));
    sink.gif(QStringLiteral("examples/gallery/images/video/time_axis_waiting.gif"), waitingFrames(), 10);
}

} // namespace

static ImageGenRegistrar registrar(&drawTimeaxis);
