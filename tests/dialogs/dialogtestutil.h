#pragma once

// Shared by the dialog tests: mouse events with chosen global positions (a drag moves the window under the
// cursor, so positions taken from mapToGlobal would drift) and answering a modal loop from inside.

#include "zcbtest.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

using namespace ZCORVANEBASE;

inline void sendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint local, QPoint global)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(button);
    QMouseEvent event(type, local, global, type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Runs `answer` with the active modal widget (other than `except`) once the loop about to start shows it.
inline void whenModal(std::function<void(QWidget*)> answer, QWidget* except = nullptr, int turnsLeft = 500)
{
    QTimer::singleShot(0, [answer, except, turnsLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != except)
            answer(modal);
        else if (turnsLeft > 0)
            whenModal(answer, except, turnsLeft - 1);
    });
}
