#pragma once

// What the datetime tests share: includes, date-times, events and the day grid's looks.

#include "datetime/calendarwt.h"
#include "zcbtest.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using namespace ZCORVANEBASE;

// A local date-time: the tests run in Berlin time, so rows can cross a daylight-saving change.
inline QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

// A bare event such as Enter or Leave.
inline void send(QObject* target, QEvent::Type type)
{
    QEvent event(type);
    QCoreApplication::sendEvent(target, &event);
}

// The day grid's cells count from 0; their labels are named from 1.
inline QLabel* cell(const QWidget* widget, int index)
{
    return widget->findChild<QLabel*>(QStringLiteral("label_%1").arg(index + 1));
}

// The day grid, one letter a cell: '.' a day of the month, 'g' a grey day of a neighbour month, 'x' out of range,
// 'h' hovered, 's' selected.
inline QString looks(const QWidget* widget)
{
    const QString font = QStringLiteral("font-size:12px;font-family:microsoft yahei;");
    const QString normal = "background: #1e293d;" + font, month = QStringLiteral("color:#ebf3fa;");
    const QMap<QString, QChar> letters { { normal + month, '.' }, { normal + "color:#6c7586;", 'g' },
        { normal + "color:#3c4658", 'x' }, { normal + "border:1px solid #555c73;" + month, 'h' },
        { "background: #0f8bfd;" + font + month, 's' } };
    QString result;
    for (int i = 0; i < 42; ++i)
        result += letters.value(cell(widget, i)->styleSheet(), QLatin1Char('?'));
    return result;
}
