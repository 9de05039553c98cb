#pragma once

#include "frame/zcorvanebase_global.h"

#include <QAccessible>

class QElapsedTimer;

namespace ZCORVANEBASE {

// Screen-reader support of the time axis. The library installs (once, when it is loaded) a factory of
// QAccessibleInterfaces for its custom-painted time-axis widgets:
// - the ruler: a scroll bar over the day, named "Time ruler", its value the visible span ("08:00 to 14:00"; as a
//   number, the seconds from the start of the day to the begin), which an assistive tool may also set;
// - each bar: a slider named with its row's title, its value the play position and the kind of recording under it
//   ("14:03:22, alarm recording", also its description, which reaches tools that read values as numbers only; as a
//   number, the seconds since midnight, which seeks when set); the description then names the row's bookmarks;
// - the play cursor (a text "Play position", the moment it shows) and the label marks ("Label mark <name>").
// All texts are made when they are asked for, so they follow a language switch by themselves. A name the host gives
// with setAccessibleName() wins over these.
namespace TimeAxisAccessible {

// Sends a QAccessibleValueChangeEvent for the object's current value and a description change (a bar's description is
// its readable value), at most once a second per object: `clock`
// keeps the time of the last one sent (a timestamp, not a timer, so an idle axis never wakes up). A change inside the
// second after an event is not sent; assistive tools read the value anew when they present it.
ZCORVANEBASE_PRIVATE_EXPORT void notifyValueChanged(QObject* object, QElapsedTimer& clock);

// Tells assistive tools that `widget` (a row's bar) has the keyboard focus within its box.
ZCORVANEBASE_PRIVATE_EXPORT void notifyFocus(QWidget* widget);

// Tells assistive tools that the name of `widget` (a bar, named by its row's title) changed.
ZCORVANEBASE_PRIVATE_EXPORT void notifyNameChanged(QWidget* widget);

// Tells assistive tools that the description of `widget` (a bar whose bookmarks changed) changed.
ZCORVANEBASE_PRIVATE_EXPORT void notifyDescriptionChanged(QWidget* widget);

// Qt hands events on only while an assistive tool is active; a test has none, so it may observe the time axis's
// events here instead (null: back to QAccessible::updateAccessibility). Returns the observer it replaces.
ZCORVANEBASE_PRIVATE_EXPORT QAccessible::UpdateHandler setEventObserver(QAccessible::UpdateHandler observer);

} // namespace TimeAxisAccessible

} // namespace ZCORVANEBASE
