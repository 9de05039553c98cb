#pragma once

#include "frame/zcorvanebase_global.h"

#include <QColor>

namespace ZCORVANEBASE {

// The colours and sizes the time axis's widgets share.
namespace TimeAxisStyle {

// Colours; those of the palette come from its constants (frame/constants.h).
ZCORVANEBASE_PRIVATE_EXPORT const QColor& barBackground(); // "#24344c": no recording
ZCORVANEBASE_PRIVATE_EXPORT const QColor& recording(); // colorRecording, "#00cf8b"
ZCORVANEBASE_PRIVATE_EXPORT const QColor& alarmRecording(); // colorAlarm, "#dc4d4d"
ZCORVANEBASE_PRIVATE_EXPORT const QColor& ticks(); // colorBorder, "#323e58": the ruler's ticks and base line
ZCORVANEBASE_PRIVATE_EXPORT const QColor& boxBackground(); // "#0e1622"
ZCORVANEBASE_PRIVATE_EXPORT const QColor& keyboardFocus(); // "#4da3ff": the focus frames of the ruler and the box

// The box: rows of a check box and a bar, 21 pixels high and one apart, inside margins of 10.
constexpr int rowHeight = 21;
constexpr int rowSpacing = 1;
constexpr int boxMargin = 10;
constexpr int checkBoxToBar = 6; // between a row's check box and its bar
constexpr int defaultRowCount = 64;

// The play cursor: a flag with the time and the download button in its upper row.
constexpr int cursorWidth = 61;
constexpr int cursorHeight = 20;
constexpr int cursorUpperRowHeight = 16;

// A label mark.
constexpr int labelMarkWidth = 11;
constexpr int labelMarkHeight = 21;

} // namespace TimeAxisStyle

} // namespace ZCORVANEBASE
