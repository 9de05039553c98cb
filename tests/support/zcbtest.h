#pragma once

#include "fakeworker.h"

#include <QDateTime>
#include <QEvent>
#include <QKeySequence>
#include <QPoint>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <utility>

namespace ZcbTest {

// Installs a fresh FakeWorker as the host worker (replacing and deleting any earlier one) and, the first time,
// runs moduleInit() so the catalogue of `language` is installed. Returns the worker (owned by CorvaneBaseInit).
FakeWorker* installFakeWorker(ZCORVANEDLL::ClientLanguage language = ZCORVANEDLL::ClientLanguageEnUS);

// Deletes the installed worker, leaving the library without a host worker.
void removeWorker();

// Sets the installed FakeWorker's client language (installing a FakeWorker if there is none) and switches the
// library to it with CorvaneBaseInit::switchLanguage(): widgets alive have retranslated when this returns.
FakeWorker* switchLanguage(ZCORVANEDLL::ClientLanguage language);

// Installs the catalogue of `language` on top of the ones installed (the last installed wins).
void installCatalogue(ZCORVANEDLL::ClientLanguage language);

// QTest::mouseMove that returns once the move has arrived. Offscreen it arrives at once; on a real window system the
// pointer moves and the server reports it later, so this waits (up to 2 s) for the application to see it. A move to
// where the pointer already is reports nothing: callers move somewhere new. A move Qt would take for none (to where
// it last saw the pointer before it was parked) goes one pixel further right.
void mouseMove(QWidget* widget, const QPoint& pos);

// Moves the pointer to the screen's bottom-right corner, off every test window, and waits until no widget is under it
// any more: on a real screen a window shown under the pointer would otherwise see it enter.
void parkPointer();

// Sends a bare event such as Enter or Leave to `target` at once.
void sendEvent(QObject* target, QEvent::Type type);

// Runs `answer` with the active modal widget (other than `except`) once the event loop about to start (a modal box's
// exec(), say) shows it.
void whenModal(std::function<void(QWidget*)> answer, QWidget* except = nullptr);

// A local date-time (the date-time tests run in Berlin time, so rows can cross a daylight-saving change).
inline QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

// The signals of several objects in the order they came, each as "name(arg,arg)": "sel(5,6)", "add(301)".
class SignalLog
{
public:
    template <class Sender, class... Args> void watch(Sender* sender, void (Sender::*signal)(Args...), const char* name)
    {
        QObject::connect(sender, signal, [this, name](Args... args) {
            const QStringList parts { QVariant(args).toString()... };
            entries << QStringLiteral("%1(%2)").arg(QLatin1String(name), parts.join(QLatin1Char(',')));
        });
    }
    // The entries so far; the log starts empty again.
    QStringList take() { return std::exchange(entries, QStringList()); }

private:
    QStringList entries;
};

// A widget shown in a frame with a margin around it, so that the pointer can leave it; the pointer starts off both.
template <class W> struct Framed
{
    explicit Framed(W* widget, const QSize& size, int margin = 30)
        : widget(widget)
    {
        widget->setParent(&frame);
        widget->setGeometry(QRect(QPoint(margin, margin), size));
        frame.resize(size + 2 * QSize(margin, margin));
        parkPointer();
        frame.show();
        if (!QTest::qWaitForWindowExposed(&frame))
            qWarning("ZcbTest::Framed: the frame was not shown");
    }
    QWidget frame;
    W* const widget;
};

// The key of a sequence's first chord, the same in the Qt 5 and the Qt 6 build.
inline Qt::Key firstKey(const QKeySequence& sequence)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return sequence[0].key();
#else
    return Qt::Key(sequence[0]);
#endif
}

} // namespace ZcbTest
