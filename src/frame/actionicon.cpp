#include "frame/actionicon_p.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>

namespace ZCORVANEBASE {

bool followPointerWithActionIcon(
    const QLineEdit* edit, QAction* action, const QString& normalIcon, const QString& hoverIcon, const QEvent* event)
{
    switch (event->type()) {
    case QEvent::Enter:
        action->setIcon(QIcon(hoverIcon));
        break;
    case QEvent::Leave:
        if (!edit->hasFocus())
            action->setIcon(QIcon(normalIcon));
        break;
    case QEvent::FocusOut:
        action->setIcon(QIcon(normalIcon));
        break;
    case QEvent::MouseButtonRelease:
        return true;
    default:
        break;
    }
    return false;
}

} // namespace ZCORVANEBASE
