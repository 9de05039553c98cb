#pragma once

#include "fakeworker.h"

#include <QKeySequence>
#include <QPoint>

class QWidget;

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
// where the pointer already is reports nothing: callers move somewhere new.
void mouseMove(QWidget* widget, const QPoint& pos);

// Moves the pointer to the screen's bottom-right corner, off every test window, and waits until no widget is under it
// any more: on a real screen a window shown under the pointer would otherwise see it enter.
void parkPointer();

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
