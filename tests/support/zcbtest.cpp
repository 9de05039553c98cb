#include "zcbtest.h"

#include "frame/corvanebaseinit.h"
#include "frame/qtcompat_p.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

using namespace ZCORVANEBASE;

namespace {

QtMessageHandler previousHandler = nullptr;

// A mistyped SIGNAL()/SLOT() only warns at run time; in tests it fails loudly.
void failOnBadConnect(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QObject::connect:"))) {
        std::fprintf(stderr, "FATAL (bad connection): %s\n", qPrintable(message));
        std::abort();
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

// Before any application object: settings, caches and file-dialog histories go to Qt's test folders, never the
// user's; and a run on a real window system (scripts/test --xcb) names its platform in ZCB_TEST_PLATFORM, since
// CTest gives every test the offscreen one.
void prepareTestProcess()
{
    QStandardPaths::setTestModeEnabled(true);
    const QByteArray platform = qgetenv("ZCB_TEST_PLATFORM");
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    previousHandler = qInstallMessageHandler(failOnBadConnect);
}
Q_CONSTRUCTOR_FUNCTION(prepareTestProcess)

// Watches the application's events for the move of the pointer to one place on the screen.
class PointerArrival : public QObject
{
public:
    explicit PointerArrival(const QPoint& global)
        : global(global)
    {
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove && QtCompat::eventGlobalPos(static_cast<QMouseEvent*>(event)) == global)
            arrived = true;
        return false;
    }
    QPoint global;
    bool arrived = false;
};

} // namespace

namespace ZcbTest {

FakeWorker* installFakeWorker(ZCORVANEDLL::ClientLanguage language)
{
    CorvaneBaseInit& init = CorvaneBaseInit::_instance();
    delete init.worker.data();
    auto* worker = new FakeWorker;
    worker->language = language;
    init.worker = worker;
    if (!init.isModuleInitialized())
        init.moduleInit();
    else
        installCatalogue(language);
    return worker;
}

void removeWorker()
{
    delete CorvaneBaseInit::_instance().worker.data();
}

FakeWorker* switchLanguage(ZCORVANEDLL::ClientLanguage language)
{
    CorvaneBaseInit& init = CorvaneBaseInit::_instance();
    auto* worker = qobject_cast<FakeWorker*>(init.worker.data());
    if (!worker)
        worker = installFakeWorker(language);
    worker->language = language;
    init.switchLanguage();
    return worker;
}

void mouseMove(QWidget* widget, const QPoint& pos)
{
    const QPoint global = widget->mapToGlobal(pos);
    if (QGuiApplication::platformName() == QLatin1String("offscreen") || QCursor::pos() == global) {
        QTest::mouseMove(widget, pos);
        return;
    }
    PointerArrival arrival(global);
    qApp->installEventFilter(&arrival);
    QTest::mouseMove(widget, pos);
    // Qt takes a move to where it last saw the pointer for no move, also when the pointer has been parked off every
    // window since (a table of the test before at the same place, say): one pixel further does arrive.
    if (!QTest::qWaitFor([&arrival] { return arrival.arrived; }, 300)) {
        arrival.global = global + QPoint(1, 0);
        QTest::mouseMove(widget, pos + QPoint(1, 0));
        if (!QTest::qWaitFor([&arrival] { return arrival.arrived; }, 2000))
            qWarning("ZcbTest::mouseMove: the pointer's move to (%d, %d) did not arrive", global.x(), global.y());
    }
    qApp->removeEventFilter(&arrival);
}

void parkPointer()
{
    QCursor::setPos(QGuiApplication::primaryScreen()->geometry().bottomRight());
    const bool parked = QTest::qWaitFor(
        [] {
            const QWidgetList widgets = QApplication::allWidgets();
            return std::none_of(widgets.cbegin(), widgets.cend(), [](QWidget* w) { return w->underMouse(); });
        },
        2000);
    if (!parked)
        qWarning("ZcbTest::parkPointer: a widget still has the pointer");
}

void sendEvent(QObject* target, QEvent::Type type)
{
    QEvent event(type);
    QCoreApplication::sendEvent(target, &event);
}

void whenModal(std::function<void(QWidget*)> answer, QWidget* except)
{
    // Asked again at each turn of the event loop, 500 turns at most.
    static const std::function<void(std::function<void(QWidget*)>, QWidget*, int)> poll
        = [](std::function<void(QWidget*)> answer, QWidget* except, int turnsLeft) {
              QTimer::singleShot(0, [answer, except, turnsLeft] {
                  QWidget* modal = QApplication::activeModalWidget();
                  if (modal && modal != except)
                      answer(modal);
                  else if (turnsLeft > 0)
                      poll(answer, except, turnsLeft - 1);
              });
          };
    poll(std::move(answer), except, 500);
}

void installCatalogue(ZCORVANEDLL::ClientLanguage language)
{
    static const char* const suffixes[] = { "zh_CN", "zh_HK", "en_US" };
    const int index = (language >= 0 && language <= 2) ? language : 2;
    auto* translator = new QTranslator(QCoreApplication::instance());
    static_cast<void>(translator->load(QStringLiteral(":/qm/ZCorvaneBase_%1.qm").arg(QLatin1String(suffixes[index]))));
    QCoreApplication::installTranslator(translator);
}

} // namespace ZcbTest
