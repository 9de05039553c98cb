#include "frame/corvanebaseinit.h"

#include "frame/corvanebaseinit_p.h"
#include "frame/dictdef.h"
#include "frame/hostaccess_p.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

namespace ZCORVANEBASE {

template class ZSingleton<CorvaneBaseInit>;

namespace {

QString catalogueSuffix()
{
    switch (hostClientLanguage()) {
    case ZCORVANEDLL::ClientLanguageZhCN:
        return QStringLiteral("zh_CN");
    case ZCORVANEDLL::ClientLanguageZhHK:
        return QStringLiteral("zh_HK");
    default:
        return QStringLiteral("en_US");
    }
}

// A translator (owned by the application) holding ":/qm/<name>_<suffix>.qm"; empty when that catalogue is missing.
QTranslator* catalogueTranslator(const QString& name)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString path
        = QStringLiteral(":/qm/%1_%2.qm").arg(name, 0, QLatin1Char(' ')).arg(catalogueSuffix(), 0, QLatin1Char(' '));
    static_cast<void>(translator->load(path, QString(), QString(), QString())); // installed empty when missing
    return translator;
}

} // namespace

Language languageOfLocale(int language, int country)
{
    switch (language) {
    case QLocale::English:
        return LanguageEnglish;
    case QLocale::German:
        return LanguageGerman;
    case QLocale::Kikuyu:
        return LanguageKikuyu;
    case QLocale::Italian:
        return LanguageItalian;
    case QLocale::Japanese:
        return LanguageJapanese;
    case QLocale::Thai:
        return LanguageThai;
    case QLocale::Korean:
        return LanguageKorean;
    case QLocale::Arabic:
        return LanguageArabic;
    case QLocale::Bengali:
        return LanguageBengali;
    case QLocale::Chinese:
        return (country == QLocale::HongKong || country == QLocale::Taiwan) ? LanguageChineseTraditional
                                                                            : LanguageChineseSimplified;
    default:
        return static_cast<Language>(language);
    }
}

// Empty today: the place for the state of a later feature, so host modules derived from this class keep their
// layout.
class ModuleInitialization::Private
{
};

ModuleInitialization::ModuleInitialization(QObject* parent)
    : QObject(parent)
    , initialized(false)
    , systemCountry(0)
    , systemLanguage(0)
    , d(new Private)
{
    // Virtual dispatch does not reach a subclass from here: this is always the base version.
    ModuleInitialization::init();
}

ModuleInitialization::~ModuleInitialization() = default;

void ModuleInitialization::recoveryToInitialState() { }

void ModuleInitialization::moduleInit()
{
    if (initialized)
        return;
    initialized = true;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool ModuleInitialization::isModuleInitialized()
{
    return initialized;
}

void ModuleInitialization::init()
{
    const QLocale locale = QLocale::system();
    systemCountry = locale.country();
    systemLanguage = locale.language();
}

void ModuleInitialization::loadStyleSheet(const QString& path)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app)
        return;
    QString styleSheet = app->styleSheet();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        // In the stream's own codec, the locale's (GBK on a Chinese Windows desktop). Its unicode detection, on by
        // default, reads a sheet that starts with a byte-order mark (UTF-8 or UTF-16) in that encoding instead.
        QTextStream stream(&file);
        styleSheet += stream.readAll();
        file.close();
    }
    app->setStyleSheet(styleSheet);
}

void ModuleInitialization::loadTranslation(const QString& name)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        qWarning("ZCorvaneBase: loadTranslation(\"%s\") needs a QApplication; nothing installed", qPrintable(name));
        return;
    }
    QCoreApplication::installTranslator(catalogueTranslator(name));
}

Language ModuleInitialization::getLanguage()
{
    return languageOfLocale(systemLanguage, systemCountry);
}

QString ModuleInitialization::getLanguageSuffix()
{
    return catalogueSuffix();
}

class CorvaneBaseInit::Private
{
public:
    // The library's own catalogue, replaced by switchLanguage().
    QPointer<QTranslator> libraryTranslator;
};

CorvaneBaseInit::CorvaneBaseInit(QObject* parent)
    : ModuleInitialization(parent)
    , d(new Private)
{
    CorvaneBaseInit::init();
}

CorvaneBaseInit::~CorvaneBaseInit()
{
    // Objects the host deleted itself read null here and are skipped.
    delete hostObject1.data();
    delete hostObject2.data();
    delete worker.data();
}

void CorvaneBaseInit::moduleInit()
{
    if (initialized)
        return;
    if (!QCoreApplication::instance()) {
        // Too early: stay uninitialised so the host's next call, after it has created its application, works.
        qWarning("ZCorvaneBase: moduleInit() called before the QApplication exists; call it again afterwards");
        return;
    }
    installLibraryCatalogue();
    DictDef::_instance().retranslate();
    initialized = true;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// Replaces the catalogue the library installed (those the host installed stay), retranslates DictDef and delivers
// QEvent::LanguageChange to every widget before returning. Before moduleInit() it installs the library's catalogue,
// which moduleInit() later replaces rather than duplicates.
void CorvaneBaseInit::switchLanguage()
{
    if (!QCoreApplication::instance()) {
        qWarning("ZCorvaneBase: switchLanguage() needs a QApplication; nothing changed");
        return;
    }
    installLibraryCatalogue();
    DictDef::_instance().retranslate();
    // Installing and removing translators posts LanguageChange to the top-level widgets, which pass it on to their
    // children; deliver it now so the caller sees retranslated widgets when this returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

void CorvaneBaseInit::installLibraryCatalogue()
{
    // The new catalogue goes in before the old one leaves, so no moment shows untranslated source texts.
    QTranslator* previous = d->libraryTranslator.data();
    d->libraryTranslator = catalogueTranslator(QStringLiteral("ZCorvaneBase"));
    QCoreApplication::installTranslator(d->libraryTranslator);
    if (previous) {
        QCoreApplication::removeTranslator(previous);
        delete previous;
    }
}

void CorvaneBaseInit::recoveryToInitialState() { }

void CorvaneBaseInit::init() { }

} // namespace ZCORVANEBASE
