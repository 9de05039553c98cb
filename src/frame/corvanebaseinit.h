#pragma once

#include <ZCorvaneBase/frame/hostworker.h>
#include <ZCorvaneBase/frame/zsingleton.h>

#include <QObject>
#include <QPointer>

#include <memory>

namespace ZCORVANEBASE {

// The system language as ModuleInitialization reports it. Languages outside this table are reported as their
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

    virtual void init(); // captures the system locale
    // Appends the style-sheet file `path`, read in the locale's codec, to the application's style sheet; a missing
    // file changes nothing.
    void loadStyleSheet(const QString& path);
    // Installs ":/qm/<name>_<suffix>.qm" for the client language; each call adds one translator.
    void loadTranslation(const QString& name);

    bool initialized;
    int systemCountry; // a QLocale::Country
    int systemLanguage; // a QLocale::Language

private:
    Language getLanguage();
    QString getLanguageSuffix();

    class Private;
    std::unique_ptr<Private> d;
};

ZCORVANEBASE_DECLARE_SINGLETON(CorvaneBaseInit)

// The library's initialiser and the way every widget reaches the host: the host stores its worker in `worker` and
// calls moduleInit() after creating its QApplication and before creating the library's widgets. The singleton owns
// the worker and the two host objects from the moment they are stored and deletes those still alive at unload.
class ZCORVANEBASE_EXPORT CorvaneBaseInit : public ModuleInitialization, public ZSingleton<CorvaneBaseInit>
{
    Q_OBJECT
    friend class ZSingleton<CorvaneBaseInit>;

public:
    void moduleInit() override;
    void recoveryToInitialState() override;

    // Switches the library live to the worker's current client language: widgets show it when the call returns.
    void switchLanguage();

    QPointer<QObject> hostObject1; // never read by the library; deleted at unload
    QPointer<QObject> hostObject2; // never read by the library; deleted at unload
    QPointer<ZCORVANEDLL::CorvaneDllBaseWorker> worker;

protected:
    void init() override;

private:
    explicit CorvaneBaseInit(QObject* parent = nullptr);
    ~CorvaneBaseInit() override;

    void installLibraryCatalogue();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
