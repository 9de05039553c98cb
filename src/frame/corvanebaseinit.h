#pragma once

#include "frame/hostworker.h"
#include "frame/zsingleton.h"

#include <QObject>
#include <QPointer>

class QTranslator;

namespace ZCORVANEBASE {

// The system language as getLanguage() reports it. Languages outside this table are reported as their
// QLocale::Language number.
enum Language
{
    LanguageChineseSimplified = 10000,
    LanguageChineseTraditional = 10001,
    LanguageJapanese = 10002,
    LanguageKorean = 10003,
    LanguageEnglish = 10004,
    LanguageGerman = 10005,
    LanguageKikuyu = 10006, // QLocale language 178
    LanguageItalian = 10007,
    LanguageThai = 10008,
    LanguageArabic = 10009,
    LanguageBengali = 10010, // QLocale language 15
};

// Base of one-time module initialisers: the library's own (CorvaneBaseInit) and those of the host's feature
// modules, which load their catalogue and style sheet through the protected helpers and mark themselves done.
class ZCORVANEBASE_EXPORT ModuleInitialization : public QObject
{
    Q_OBJECT

public:
    virtual void recoveryToInitialState();
    virtual void moduleInit();
    bool isModuleInitialized();

protected:
    explicit ModuleInitialization(QObject* parent = nullptr);
    ~ModuleInitialization() override;

    virtual void init();
    // Appends the style-sheet file `path` to the application's style sheet; a missing file changes nothing.
    void loadStyleSheet(const QString& path);
    // Installs the catalogue ":/qm/<name>_<suffix>.qm" for the client language. Each call adds one translator;
    // a missing catalogue installs an empty one.
    void loadTranslation(const QString& name);

    bool initialized;
    int systemCountry;
    int systemLanguage;

private:
    Language getLanguage();
    QString getLanguageSuffix();

    friend class ModuleInitializationTest;
};

ZCORVANEBASE_DECLARE_SINGLETON(CorvaneBaseInit)

// The library's initialiser and the way every widget reaches the host.
//
// Calling order expected of the host: create QApplication; create the worker; assign
// CorvaneBaseInit::_instance().worker; call CorvaneBaseInit::_instance().moduleInit(); then create widgets.
// The singleton owns the worker (and the two host objects) from the moment they are stored: it deletes whatever
// is still alive when it is destroyed at library unload. An object the host deletes earlier is simply gone.
//
// Without a worker nothing crashes: the language falls back to en_US and each widget gives neutral answers,
// with one qWarning naming what is missing.
class ZCORVANEBASE_EXPORT CorvaneBaseInit : public ModuleInitialization, public ZSingleton<CorvaneBaseInit>
{
    Q_OBJECT
    friend class ZSingleton<CorvaneBaseInit>;

public:
    void moduleInit() override;
    void recoveryToInitialState() override;

    // Switches the library to the worker's current client language while widgets are alive: replaces the
    // catalogue the library installed with the one of that language, retranslates DictDef and delivers
    // QEvent::LanguageChange to every widget before returning, so each shows the new language when the call
    // returns. Catalogues the host installed itself stay as they are. Works before moduleInit() too (it then
    // installs the library's catalogue, which moduleInit() later replaces rather than duplicates).
    void switchLanguage();

    // Two slots for host objects the library never reads; it only deletes them at unload.
    QPointer<QObject> hostObject1;
    QPointer<QObject> hostObject2;
    QPointer<ZCORVANEDLL::CorvaneDllBaseWorker> worker;

protected:
    void init() override;

private:
    explicit CorvaneBaseInit(QObject* parent = nullptr);
    ~CorvaneBaseInit() override;

    void installLibraryCatalogue();

    QPointer<QTranslator> libraryTranslator;
};

} // namespace ZCORVANEBASE
