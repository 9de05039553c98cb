#pragma once

// Shared by the dialog tests: mouse events with chosen global positions (a drag moves the window under the
// cursor, so positions taken from mapToGlobal would drift), answering a modal loop from inside, and a fake host
// that keeps the very pointers it is handed (a dialog registers itself before a derived class could name it).

#include "fakeworker.h"
#include "frame/corvanebaseinit.h"
#include "zcbtest.h"

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QTimer>

#include <functional>

namespace DialogTest {

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

class RecordingWorker : public FakeWorker
{
public:
    void setCurModalDlg(QDialog* dialog) override { modalDialogs.append(dialog); }
    void showMaximized(QWidget* widget) override
    {
        maximized.append(widget);
        FakeWorker::showMaximized(widget);
    }
    QList<QDialog*> modalDialogs;
    QList<QWidget*> maximized;

    static RecordingWorker* install()
    {
        ZcbTest::installFakeWorker(); // installs the catalogue once
        auto& init = ZCORVANEBASE::CorvaneBaseInit::_instance();
        delete init.worker.data();
        auto* worker = new RecordingWorker;
        init.worker = worker;
        return worker;
    }
};

} // namespace DialogTest
