#include "zcbtest.h"

#include "frame/corvanebaseinit.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTranslator>
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

void installCatalogue(ZCORVANEDLL::ClientLanguage language)
{
    static const char* const suffixes[] = { "zh_CN", "zh_HK", "en_US" };
    const int index = (language >= 0 && language <= 2) ? language : 2;
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->load(QStringLiteral(":/qm/ZCorvaneBase_%1.qm").arg(QLatin1String(suffixes[index])));
    QCoreApplication::installTranslator(translator);
}

} // namespace ZcbTest
