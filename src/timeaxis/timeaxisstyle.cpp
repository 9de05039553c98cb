#include "timeaxis/timeaxisstyle_p.h"

#include "frame/constants.h"

namespace ZCORVANEBASE {

const QColor& TimeAxisStyle::barBackground()
{
    static const QColor colour(QStringLiteral("#24344c"));
    return colour;
}

const QColor& TimeAxisStyle::recording()
{
    static const QColor colour(colorRecording);
    return colour;
}

const QColor& TimeAxisStyle::alarmRecording()
{
    static const QColor colour(colorAlarm);
    return colour;
}

const QColor& TimeAxisStyle::ticks()
{
    static const QColor colour(colorBorder);
    return colour;
}

const QColor& TimeAxisStyle::boxBackground()
{
    static const QColor colour(QStringLiteral("#0e1622"));
    return colour;
}

const QColor& TimeAxisStyle::keyboardFocus()
{
    static const QColor colour(QStringLiteral("#4da3ff"));
    return colour;
}

const QColor& TimeAxisStyle::bookmark()
{
    static const QColor colour(colorHighlight);
    return colour;
}

QColor TimeAxisStyle::activity(int level)
{
    QColor colour = alarmRecording();
    colour.setAlpha(qBound(0, level, 100) * 255 / 100);
    return colour;
}

} // namespace ZCORVANEBASE
