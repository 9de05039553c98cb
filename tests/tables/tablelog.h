#pragma once

// Shared by the table tests: one log of a table's signals in the order they came, as "sel(5,6)", "add(11)", ...

#include "tables/ztablewidget.h"

#include <QStringList>

// "sel(5,6) add(11)" -> { "sel(5,6)", "add(11)" }
inline QStringList words(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

struct TableLog
{
    QStringList events;

    void attach(ZCORVANEBASE::ZTableWidget* table)
    {
        using ZCORVANEBASE::ZTableWidget;
        const auto pair = [this](const char* name) {
            return [this, name](
                       int a, int b) { events << QStringLiteral("%1(%2,%3)").arg(QLatin1String(name)).arg(a).arg(b); };
        };
        const auto count = [this](const char* name) {
            return [this, name](int n) { events << QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(n); };
        };
        QObject::connect(table, &ZTableWidget::signalHoverRowChanged, pair("hover"));
        QObject::connect(table, &ZTableWidget::signalSelRowChanged, pair("sel"));
        QObject::connect(table, &ZTableWidget::signalAddRow, count("add"));
        QObject::connect(table, &ZTableWidget::signalDelRow, count("del"));
        QObject::connect(table, &ZTableWidget::signalSetRowHidden, pair("hidden"));
    }

    QStringList take()
    {
        const QStringList taken = events;
        events.clear();
        return taken;
    }
};
