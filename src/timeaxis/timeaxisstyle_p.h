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
ZCORVANEBASE_PRIVATE_EXPORT const QColor& bookmark(); // colorHighlight, "#ffcb5a": the bookmark bands
// The activity band's ramp: the alarm colour at an opacity of `level` percent (alpha level * 255 / 100), from
// transparent at 0 to the alarm colour itself at 100.
ZCORVANEBASE_PRIVATE_EXPORT QColor activity(int level);

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

// The activity band along a bar's top edge and the bookmark bands along its bottom edge. Bookmarks shorter than the
// minimum width are drawn that wide from their begin; bands less than the merge distance apart become one. A press
// in the lowest rows of a bar (the hit height) on a band is a click on the bookmark.
constexpr int activityBandHeight = 4;
constexpr int bookmarkBandHeight = 3;
constexpr int bookmarkMinimumWidth = 3;
constexpr int bookmarkMergeDistance = 8;
constexpr int bookmarkHitHeight = 7;

// Preview thumbnails: the moment asked for is that at the start of the bucket of pixels under the pointer, once the
// pointer has rested in the bucket for the debounce time; the last answers of a bar are cached.
constexpr int thumbnailBucketWidth = 4;
constexpr int thumbnailDebounceMSecs = 80;
constexpr int thumbnailCacheSize = 64;
constexpr int thumbnailWidth = 160;
constexpr int thumbnailGap = 4; // between the preview and the bar

} // namespace TimeAxisStyle

} // namespace ZCORVANEBASE
