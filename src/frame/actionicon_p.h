#pragma once

// Shared by the line edits that carry one trailing action icon (the span line edit's calendar, the directory
// field's folder): the icon shows its hover image while the pointer is over the field and goes back to normal when
// the pointer leaves (unless the field has the focus) or when the focus goes.

#include "frame/zcorvanebase_global.h"

#include <QString>

QT_BEGIN_NAMESPACE
class QAction;
class QEvent;
class QLineEdit;
QT_END_NAMESPACE

namespace ZCORVANEBASE {

// Follows `event` of `edit` with the icon of `action`. Returns true for a mouse release on the field, which those
// fields report as a click.
ZCORVANEBASE_PRIVATE_EXPORT bool followPointerWithActionIcon(
    const QLineEdit* edit, QAction* action, const QString& normalIcon, const QString& hoverIcon, const QEvent* event);

} // namespace ZCORVANEBASE
