#pragma once

// Shared by the table tests.

#include <QStringList>

// "a b c" -> { "a", "b", "c" }
inline QStringList words(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
