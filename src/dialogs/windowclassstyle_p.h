#pragma once

#include "frame/zcorvanebase_global.h"

#include <QWindow>

namespace ZCORVANEBASE {

// The class style of native windows, the one place where the dialogs touch the window system directly.
//
// On Windows the functions read and write the style of the native window class (GetClassLongW/SetClassLongW with
// GCL_STYLE). Everywhere else there is no such thing; a process-local stand-in keeps one style word for all
// windows (as on Windows, where every top-level of the process shares one window class), starting with the drop
// shadow set, so the code above it and its tests behave the same on every platform.
namespace WindowClassStyle {

// CS_DROPSHADOW: the window manager draws a soft shadow under every window of the class.
constexpr quint32 DropShadow = 0x00020000;

ZCORVANEBASE_PRIVATE_EXPORT quint32 read(WId window);
ZCORVANEBASE_PRIVATE_EXPORT void write(WId window, quint32 style);

// The first call with a real window clears the drop shadow from its class and returns true. Later calls do
// nothing and return false: the class is shared, so once is enough for the whole process. A null window id does
// not count as the first call.
ZCORVANEBASE_PRIVATE_EXPORT bool removeDropShadowOnce(WId window);

// The window whose class lost its drop shadow, or 0 while that has not happened yet.
ZCORVANEBASE_PRIVATE_EXPORT WId dropShadowRemovedFrom();

} // namespace WindowClassStyle
} // namespace ZCORVANEBASE
