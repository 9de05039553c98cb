// The widget-box icons of the Qt Designer plugin (designer/icons/<class>.png): one 22 x 22 pictogram per widget, in
// the library's dark palette with its blue accent, so the "ZCorvaneBase" group reads as one family.

#include "imagegen.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor frameColor("#8d9bb0");
const QColor fieldColor("#0e1623");
const QColor accent("#2c7dce");
const QColor light("#ccd3dd"); // on the dark fields
const QColor ink("#3a4a62"); // strokes on Designer's light widget box
const QColor green("#3fae5a");
const QColor red("#d9473f");

// A painter set up for crisp one-pixel lines on the 22 x 22 grid.
class Icon
{
public:
    Icon()
        : image(newImage(22, 22))
        , p(&image)
    {
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(0.5, 0.5);
    }
    QImage take()
    {
        p.end();
        return image;
    }
    void box(const QRectF& r, const QColor& fill, const QColor& pen = frameColor, qreal radius = 1.5)
    {
        p.setPen(pen.isValid() ? QPen(pen, 1) : Qt::NoPen);
        p.setBrush(fill.isValid() ? QBrush(fill) : Qt::NoBrush);
        p.drawRoundedRect(r, radius, radius);
    }
    void line(qreal x1, qreal y1, qreal x2, qreal y2, const QColor& color = light, qreal width = 1)
    {
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
    void fill(const QRectF& r, const QColor& color) { p.fillRect(r, color); }
    void polygon(const QVector<QPointF>& points, const QColor& color)
    {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawPolygon(points.constData(), points.size());
    }
    // A down-pointing arrow centred at (x, y).
    void arrowDown(qreal x, qreal y, const QColor& color = light)
    {
        polygon({ QPointF(x - 3, y - 1.5), QPointF(x + 3, y - 1.5), QPointF(x, y + 1.5) }, color);
    }
    QImage image;
    QPainter p;
};

QImage widgetIcon()
{
    Icon i;
    i.box(QRectF(1, 2, 19, 17), fieldColor);
    i.fill(QRectF(1.5, 2.5, 18, 4), accent);
    return i.take();
}

QImage pushButtonIcon()
{
    Icon i;
    i.box(QRectF(1, 5, 19, 11), accent, light, 3);
    i.line(6, 10.5, 15, 10.5);
    return i.take();
}

QImage labelIcon()
{
    Icon i;
    i.line(2, 7, 17, 7, ink);
    i.line(2, 11, 12, 11, ink);
    for (qreal x : { 14.0, 16.5, 19.0 })
        i.fill(QRectF(x - 0.5, 10.5, 1.5, 1.5), accent);
    i.line(2, 15, 8, 15, frameColor);
    return i.take();
}

QImage checkBoxIcon()
{
    Icon i;
    i.box(QRectF(1, 5, 11, 11), fieldColor, ink);
    QPainterPath tick;
    tick.moveTo(3.5, 10.5);
    tick.lineTo(6, 13);
    tick.lineTo(10, 7.5);
    i.p.setPen(QPen(accent, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    i.p.setBrush(Qt::NoBrush);
    i.p.drawPath(tick);
    i.line(15, 10.5, 20, 10.5, ink);
    return i.take();
}

QImage lineEditIcon()
{
    Icon i;
    i.box(QRectF(1, 6, 19, 9), fieldColor);
    i.line(4, 10.5, 10, 10.5);
    i.line(12, 8, 12, 13, accent);
    return i.take();
}

QImage sliderIcon()
{
    Icon i;
    i.line(2, 10.5, 19, 10.5, frameColor, 2);
    i.line(2, 10.5, 11, 10.5, accent, 2);
    i.p.setPen(QPen(light, 1));
    i.p.setBrush(accent);
    i.p.drawEllipse(QPointF(11, 10.5), 3.5, 3.5);
    return i.take();
}

QImage zComboBoxIcon()
{
    Icon i;
    i.box(QRectF(1, 6, 19, 9), fieldColor);
    i.line(4, 10.5, 11, 10.5);
    i.arrowDown(16, 10.5);
    return i.take();
}

QImage comboBoxIcon()
{
    Icon i;
    i.box(QRectF(1, 1, 19, 7), fieldColor);
    i.line(3.5, 4.5, 10, 4.5);
    i.arrowDown(16, 4.5);
    // The dark popup list below, its second entry highlighted.
    i.box(QRectF(1, 9, 19, 11), QColor("#213147"), frameColor, 0.5);
    i.line(3.5, 12, 14, 12);
    i.fill(QRectF(1.5, 14, 18, 3), accent);
    i.line(3.5, 15.5, 12, 15.5);
    return i.take();
}

QImage timeAxisIcon()
{
    Icon i;
    i.line(1, 14, 20, 14, ink);
    for (int k = 0; k <= 6; ++k) {
        const qreal x = 1 + k * 19.0 / 6;
        i.line(x, k % 3 == 0 ? 8 : 11, x, 14, k % 3 == 0 ? ink : frameColor);
    }
    i.line(12, 4, 12, 19, accent, 1.5);
    return i.take();
}

QImage recordingsBoxIcon()
{
    Icon i;
    for (int row = 0; row < 3; ++row) {
        const qreal y = 3 + row * 6;
        i.fill(QRectF(0.5, y, 3, 3), row == 1 ? accent : frameColor);
        i.fill(QRectF(5, y, 15.5, 3), QColor("#213147"));
        i.fill(QRectF(5 + row * 2, y, 7 - row, 3), green);
        i.fill(QRectF(14 - row, y, 4, 3), row == 2 ? red : green);
    }
    i.line(11, 1, 11, 20, ink, 1);
    return i.take();
}

// A month grid in the rectangle r.
void calendar(Icon& i, const QRectF& r, int selected)
{
    i.box(r, fieldColor);
    i.fill(QRectF(r.x() + 0.5, r.y() + 0.5, r.width() - 1, 3.5), accent);
    const qreal cell = (r.width() - 3) / 4;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            const QRectF dot(r.x() + 2 + col * cell, r.y() + 6 + row * cell * 0.9, cell * 0.55, cell * 0.5);
            i.fill(dot, row * 4 + col == selected ? accent : light);
        }
    }
}

QImage calendarIcon()
{
    Icon i;
    calendar(i, QRectF(2, 2, 17, 17), 6);
    return i.take();
}

QImage spanSelIcon()
{
    Icon i;
    calendar(i, QRectF(0, 5, 10, 12), 1);
    calendar(i, QRectF(11, 5, 10, 12), 2);
    return i.take();
}

QImage timeSpaceIcon()
{
    Icon i;
    i.box(QRectF(0, 6, 21, 9), fieldColor);
    i.line(2.5, 10.5, 6, 10.5);
    i.line(8, 10.5, 9, 10.5, frameColor);
    i.line(11, 10.5, 13, 10.5);
    i.box(QRectF(15, 8, 4.5, 5), QColor(), accent, 0.5);
    i.line(15, 9.5, 19.5, 9.5, accent);
    return i.take();
}

QImage ipEditIcon()
{
    Icon i;
    i.box(QRectF(0, 6, 21, 9), fieldColor);
    for (int k = 0; k < 4; ++k) {
        const qreal x = 1.5 + k * 5;
        i.line(x + 0.5, 10.5, x + 2.5, 10.5, light, 1.2);
        if (k < 3)
            i.fill(QRectF(x + 3.5, 12, 1, 1), accent);
    }
    return i.take();
}

QImage passwordIcon()
{
    Icon i;
    i.box(QRectF(0, 6, 21, 9), fieldColor);
    i.p.setPen(Qt::NoPen);
    i.p.setBrush(light);
    for (qreal x : { 3.5, 7.0, 10.5 })
        i.p.drawEllipse(QPointF(x, 10.5), 1.3, 1.3);
    QPainterPath eye;
    eye.moveTo(13.5, 10.5);
    eye.cubicTo(QPointF(15, 8), QPointF(18, 8), QPointF(19.5, 10.5));
    eye.cubicTo(QPointF(18, 13), QPointF(15, 13), QPointF(13.5, 10.5));
    i.p.setPen(QPen(accent, 1));
    i.p.setBrush(Qt::NoBrush);
    i.p.drawPath(eye);
    i.p.setBrush(accent);
    i.p.drawEllipse(QPointF(16.5, 10.5), 0.9, 0.9);
    return i.take();
}

// Three graded segments under a field.
QImage strengthBarIcon()
{
    Icon i;
    i.box(QRectF(0, 4, 21, 8), fieldColor);
    i.p.setPen(Qt::NoPen);
    const QColor grades[] = { QColor("#dc4d4d"), QColor("#e8a33d"), QColor("#00cf8b") };
    for (int k = 0; k < 3; ++k) {
        i.p.setBrush(grades[k]);
        i.p.drawRect(QRectF(0.5 + k * 7, 14.5, 6, 3));
    }
    return i.take();
}

QImage selDirIcon()
{
    Icon i;
    i.box(QRectF(0, 6, 21, 9), fieldColor);
    i.line(2.5, 10.5, 10, 10.5);
    QPainterPath folder;
    folder.moveTo(13, 8.5);
    folder.lineTo(15, 8.5);
    folder.lineTo(16, 9.5);
    folder.lineTo(19.5, 9.5);
    folder.lineTo(19.5, 13);
    folder.lineTo(13, 13);
    folder.closeSubpath();
    i.p.setPen(QPen(accent, 1));
    i.p.setBrush(QColor("#1b4f84"));
    i.p.drawPath(folder);
    return i.take();
}

// Rows of a table; `header` adds a header strip, `hovered` highlights one row.
QImage tableIcon(bool header)
{
    Icon i;
    i.box(QRectF(1, 2, 19, 17), fieldColor);
    qreal y = 3;
    if (header) {
        i.fill(QRectF(1.5, 2.5, 18, 3.5), QColor("#213147"));
        i.line(3, 4.25, 7, 4.25, light);
        i.line(11, 4.25, 15, 4.25, light);
        y = 7;
    }
    for (int row = 0; y + 3 <= 18; ++row, y += 3.5) {
        if (row == 1)
            i.fill(QRectF(1.5, y - 0.75, 18, 3), accent);
        i.line(3, y + 0.75, 8, y + 0.75, light);
        i.line(11, y + 0.75, 17, y + 0.75, frameColor);
    }
    return i.take();
}

QImage pageEditIcon()
{
    Icon i;
    const qreal y = 10.5;
    i.line(1.5, y - 3, 1.5, y + 3, ink);
    i.polygon({ QPointF(6, y - 3), QPointF(6, y + 3), QPointF(2.5, y) }, ink);
    i.polygon({ QPointF(10, y - 3), QPointF(10, y + 3), QPointF(6.5, y) }, ink);
    i.polygon({ QPointF(11, y - 3), QPointF(11, y + 3), QPointF(14.5, y) }, accent);
    i.polygon({ QPointF(15, y - 3), QPointF(15, y + 3), QPointF(18.5, y) }, accent);
    i.line(19.5, y - 3, 19.5, y + 3, accent);
    return i.take();
}

QImage editOperIcon()
{
    Icon i;
    // A pencil.
    i.line(2.5, 15.5, 8.5, 6.5, accent, 2.2);
    i.polygon({ QPointF(1.5, 17.5), QPointF(1.8, 14.6), QPointF(3.8, 16) }, ink);
    // A waste bin.
    i.line(12, 7, 20, 7, ink);
    i.line(14.5, 5.5, 17.5, 5.5, ink);
    i.box(QRectF(13, 8, 6, 9), QColor(), ink, 0.5);
    i.line(15, 10, 15, 15, frameColor);
    i.line(17, 10, 17, 15, frameColor);
    return i.take();
}

QImage automaticHideIcon()
{
    Icon i;
    i.box(QRectF(1, 2, 19, 17), fieldColor, frameColor);
    // The panel sliding out at the right edge.
    i.box(QRectF(12, 3, 7.5, 15), QColor("#213147"), accent, 0.5);
    i.polygon({ QPointF(9.5, 7.5), QPointF(9.5, 13.5), QPointF(6.5, 10.5) }, accent);
    return i.take();
}

void drawDesigner(ImageSink& sink)
{
    const QString dir = QStringLiteral("designer/icons/");
    const QVector<QPair<const char*, QImage>> icons {
        { "zwidget", widgetIcon() },
        { "zpushbutton", pushButtonIcon() },
        { "zlabel", labelIcon() },
        { "zcheckbox", checkBoxIcon() },
        { "zlineedit", lineEditIcon() },
        { "slider", sliderIcon() },
        { "zcombobox", zComboBoxIcon() },
        { "combobox", comboBoxIcon() },
        { "timeaxiswt", timeAxisIcon() },
        { "recordingstimeaxisbox", recordingsBoxIcon() },
        { "calendarwt", calendarIcon() },
        { "datetimespanselwt", spanSelIcon() },
        { "timespacelineet", timeSpaceIcon() },
        { "ipeditwt", ipEditIcon() },
        { "passwordlineedit", passwordIcon() },
        { "passwordstrengthbar", strengthBarIcon() },
        { "seldirlineet", selDirIcon() },
        { "ztablewidget", tableIcon(false) },
        { "tablewidget", tableIcon(true) },
        { "pageeditwt", pageEditIcon() },
        { "editoperwt", editOperIcon() },
        { "automatichidewt", automaticHideIcon() },
    };
    for (const auto& icon : icons)
        sink.png(dir + QLatin1String(icon.first) + QStringLiteral(".png"), icon.second);
}

ImageGenRegistrar reg(&drawDesigner);

} // namespace
