#include "dialogs/windowclassstyle_p.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace ZCORVANEBASE {
namespace WindowClassStyle {

namespace {
// Set once, never reset: the window class outlives every dialog.
WId shadowRemovedFrom = 0;

#ifndef Q_OS_WIN
// CS_DBLCLKS | CS_DROPSHADOW, what a dialog class starts with where the real one lives.
quint32 standInStyle = 0x00000008 | DropShadow;
#endif
} // namespace

quint32 read(WId window)
{
    if (!window)
        return 0;
#ifdef Q_OS_WIN
    return static_cast<quint32>(GetClassLongW(reinterpret_cast<HWND>(window), GCL_STYLE));
#else
    return standInStyle;
#endif
}

void write(WId window, quint32 style)
{
    if (!window)
        return;
#ifdef Q_OS_WIN
    SetClassLongW(reinterpret_cast<HWND>(window), GCL_STYLE, static_cast<LONG>(style));
#else
    standInStyle = style;
#endif
}

bool removeDropShadowOnce(WId window)
{
    if (!window || shadowRemovedFrom)
        return false;
    write(window, read(window) & ~DropShadow);
    shadowRemovedFrom = window;
    return true;
}

WId dropShadowRemovedFrom()
{
    return shadowRemovedFrom;
}

} // namespace WindowClassStyle
} // namespace ZCORVANEBASE
