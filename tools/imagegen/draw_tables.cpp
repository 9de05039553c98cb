// The images of the tables: the edit and delete buttons of the operation cells (18 x 18) and the four page
// buttons of the paging strip (16 x 16). The application style sheet selects them by the buttons' properties
// ("EditBtn", "DeleteBtn", "page_first_bt", ...); the library ships them so that a host need not draw its own.

#include "imagegen.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor normalColor("#8d9bb0");
const QColor hoverColor("#2c7dce");
const QColor disabledColor("#4a5874");

// A pencil lying from bottom left to top right, with a line to write on.
QImage editIcon(const QColor& color)
{
    QImage image = newImage(18, 18);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(9.0, 8.5);
    p.rotate(-45.0);
    // Body, a ferrule line near the top and the tip.
    QPainterPath body;
    body.addRoundedRect(QRectF(-4.0, -2.2, 9.5, 4.4), 0.8, 0.8);
    p.setPen(QPen(color, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.drawLine(QPointF(3.0, -2.2), QPointF(3.0, 2.2));
    QPainterPath tip;
    tip.moveTo(-4.0, -2.2);
    tip.lineTo(-7.5, 0.0);
    tip.lineTo(-4.0, 2.2);
    p.drawPath(tip);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QPointF(-6.6, 0.0), 0.9, 0.9);
    p.resetTransform();
    p.setPen(QPen(color, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.0, 16.0), QPointF(16.0, 16.0));
    return image;
}

// A waste bin: lid with handle, tapered body with two grooves.
QImage deleteIcon(const QColor& color)
{
    QImage image = newImage(18, 18);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(2.5, 4.5), QPointF(15.5, 4.5));
    p.drawPolyline(QPolygonF({ QPointF(6.5, 4.5), QPointF(6.5, 2.5), QPointF(11.5, 2.5), QPointF(11.5, 4.5) }));
    QPainterPath body;
    body.moveTo(4.0, 4.5);
    body.lineTo(5.0, 15.5);
    body.lineTo(13.0, 15.5);
    body.lineTo(14.0, 4.5);
    p.drawPath(body);
    p.drawLine(QPointF(7.5, 7.5), QPointF(7.7, 12.8));
    p.drawLine(QPointF(10.5, 7.5), QPointF(10.3, 12.8));
    return image;
}

// A chevron pointing left or right, with a bar before it for "first" and "last".
QImage pageIcon(bool forward, bool withBar, const QColor& color)
{
    QImage image = newImage(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (!forward) {
        // Mirror, so one drawing serves both directions.
        p.translate(16.0, 0.0);
        p.scale(-1.0, 1.0);
    }
    p.setPen(QPen(color, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal shift = withBar ? -1.5 : 0.0;
    p.drawPolyline(QPolygonF({ QPointF(6.0 + shift, 3.5), QPointF(10.5 + shift, 8.0), QPointF(6.0 + shift, 12.5) }));
    if (withBar)
        p.drawLine(QPointF(12.5, 3.5), QPointF(12.5, 12.5));
    return image;
}

void drawTables(ImageSink& sink)
{
    const QString dir = QStringLiteral("src/resources/images/images/");
    sink.png(dir + QStringLiteral("table_edit_n.png"), editIcon(normalColor));
    sink.png(dir + QStringLiteral("table_edit_h.png"), editIcon(hoverColor));
    sink.png(dir + QStringLiteral("table_delete_n.png"), deleteIcon(normalColor));
    sink.png(dir + QStringLiteral("table_delete_h.png"), deleteIcon(hoverColor));

    struct Page
    {
        const char* name;
        bool forward;
        bool withBar;
    };
    const Page pages[] = { { "page_first", false, true }, { "page_pre", false, false }, { "page_next", true, false },
        { "page_last", true, true } };
    for (const Page& page : pages) {
        const QString base = dir + QLatin1String(page.name);
        sink.png(base + QStringLiteral("_n.png"), pageIcon(page.forward, page.withBar, normalColor));
        sink.png(base + QStringLiteral("_h.png"), pageIcon(page.forward, page.withBar, hoverColor));
        sink.png(base + QStringLiteral("_d.png"), pageIcon(page.forward, page.withBar, disabledColor));
    }
}

ImageGenRegistrar reg(&drawTables);

} // namespace
