#pragma once

// What differs between the Qt 5 and the Qt 6 build, in one place. The Qt 5 build keeps the classes it has always used
// (QRegExp, QRegExpValidator: a host may qobject_cast a field's validator); the Qt 6 build uses their successors.

#include <QMouseEvent>
#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#else
#include <QRegExp>
#include <QRegExpValidator>
#endif

namespace ZCORVANEBASE {
namespace QtCompat {

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)

// A pattern matched against a whole string, as QRegExp::exactMatch() does.
using WholePattern = QRegularExpression;
inline WholePattern wholePattern(const QString& pattern)
{
    // As QRegExp: "." also matches a line break, \d and \w know every script, and a space (\s, \S) is what
    // QChar::isSpace() says: the controls tab to carriage return, U+0085 and the separators (PCRE's \s would add
    // U+180E).
    QString translated = pattern;
    translated.replace(QLatin1String("\\S"), QLatin1String("[^\\t-\\r\\x{85}\\p{Z}]"));
    translated.replace(QLatin1String("\\s"), QLatin1String("[\\t-\\r\\x{85}\\p{Z}]"));
    return QRegularExpression(QRegularExpression::anchoredPattern(translated),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::UseUnicodePropertiesOption);
}
inline bool matchesWhole(const WholePattern& pattern, const QString& text)
{
    return pattern.match(text).hasMatch();
}
// A validator accepting what a whole-string pattern matches.
inline QValidator* wholePatternValidator(const QString& pattern, QObject* parent)
{
    return new QRegularExpressionValidator(wholePattern(pattern), parent);
}

inline QPoint eventPos(const QMouseEvent* event)
{
    return event->position().toPoint();
}
inline QPoint eventGlobalPos(const QMouseEvent* event)
{
    return event->globalPosition().toPoint();
}

#else

using WholePattern = QRegExp;
inline WholePattern wholePattern(const QString& pattern)
{
    return QRegExp(pattern);
}
inline bool matchesWhole(const WholePattern& pattern, const QString& text)
{
    return pattern.exactMatch(text);
}
inline QValidator* wholePatternValidator(const QString& pattern, QObject* parent)
{
    return new QRegExpValidator(QRegExp(pattern), parent);
}

inline QPoint eventPos(const QMouseEvent* event)
{
    return event->pos();
}
inline QPoint eventGlobalPos(const QMouseEvent* event)
{
    return event->globalPos();
}

#endif

} // namespace QtCompat
} // namespace ZCORVANEBASE
