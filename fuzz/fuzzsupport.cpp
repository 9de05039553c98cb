// The start-up every fuzz target shares, run once by libFuzzer before the first input.

#include "fuzzsupport.h"

// The offscreen application (kept for the process's life, never destroyed, so no exit-time teardown order matters) and
// the library started the way a host starts it.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_NO_GLIB", "1");
    static QApplication* app = new QApplication(*argc, *argv);
    Q_UNUSED(app)
    // Warnings are the library telling a host it broke a rule; thousands of them per second only slow the run.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(message));
            std::abort();
        }
    });
    ZcbFuzz::worker() = new ZcbFuzz::Worker;
    ZCORVANEBASE::CorvaneBaseInit::_instance().worker = ZcbFuzz::worker();
    ZCORVANEBASE::CorvaneBaseInit::_instance().moduleInit();
    return 0;
}
