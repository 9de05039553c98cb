// Start-up: the singleton, moduleInit(), catalogues, the dictionary, style sheets and the language mapping.

#include "zcbtest.h"

#include "frame/corvanebaseinit.h"
#include "frame/dictdef.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace ZCORVANEBASE;

namespace ZCORVANEBASE {
// Reaches the protected helpers and the private language mapping of ModuleInitialization.
class ModuleInitializationTest : public ModuleInitialization
{
public:
    using ModuleInitialization::loadStyleSheet;
    using ModuleInitialization::loadTranslation;
    Language languageFor(int language, int country)
    {
        systemLanguage = language;
        systemCountry = country;
        return getLanguage();
    }
};
} // namespace ZCORVANEBASE

class tst_CorvaneBaseInit : public QObject
{
    Q_OBJECT

private slots:
    void dictionaryIsEmptyBeforeRetranslate();
    void retranslateWithoutCatalogueKeepsSourceTexts();
    void moduleInitInstallsOneTranslatorOnce();
    void singletonIsOneObject();
    void catalogueFollowsClientLanguage_data();
    void catalogueFollowsClientLanguage();
    void retranslateReplacesEveryText();
    void loadStyleSheetAccumulates();
    void getLanguageMapping_data();
    void getLanguageMapping();
    void workerDeletedByHostReadsNull();

private:
    static QStringList dictTexts()
    {
        const DictDef& d = DictDef::_instance();
        return { d.msgInfo, d.msgWarning, d.msgError, d.errSaveFileFailed, d.errQueryNone, d.errQueryError,
            d.errDbError, d.errImproper, d.errPtzCtrl, d.errCorvane, d.errDiskFull };
    }
    static int translatorCount() { return qApp->findChildren<QTranslator*>().size(); }
};

void tst_CorvaneBaseInit::dictionaryIsEmptyBeforeRetranslate()
{
    for (const QString& text : dictTexts())
        QVERIFY(text.isEmpty());
}

void tst_CorvaneBaseInit::retranslateWithoutCatalogueKeepsSourceTexts()
{
    DictDef::_instance().retranslate();
    QCOMPARE(DictDef::_instance().errDbError, QStringLiteral("DB error"));
    QCOMPARE(DictDef::_instance().msgInfo, QStringLiteral("info"));
}

void tst_CorvaneBaseInit::moduleInitInstallsOneTranslatorOnce()
{
    CorvaneBaseInit& init = CorvaneBaseInit::_instance();
    QVERIFY(!init.isModuleInitialized());
    auto* worker = new FakeWorker;
    worker->language = ZCORVANEDLL::ClientLanguageEnUS;
    init.worker = worker;
    const int before = translatorCount();
    init.moduleInit();
    init.moduleInit();
    QCOMPARE(translatorCount(), before + 1);
    QVERIFY(init.isModuleInitialized());
    QCOMPARE(DictDef::_instance().msgInfo, QStringLiteral("Info"));
    QCOMPARE(DictDef::_instance().errQueryNone, QStringLiteral("Search result is empty"));
}

void tst_CorvaneBaseInit::singletonIsOneObject()
{
    QCOMPARE(&CorvaneBaseInit::_instance(), &CorvaneBaseInit::_instance());
    QVERIFY(CorvaneBaseInit::_instance().qt_metacast("ZSingleton<CorvaneBaseInit>"));
    QVERIFY(DictDef::_instance().qt_metacast("ZSingleton<DictDef>"));
    QVERIFY(!CorvaneBaseInit::_instance().parent());
}

void tst_CorvaneBaseInit::catalogueFollowsClientLanguage_data()
{
    QTest::addColumn<int>("clientLanguage");
    QTest::addColumn<QStringList>("expected"); // msgError, errSaveFileFailed, errDbError, errPtzCtrl, errDiskFull
    QTest::newRow("0 zh_CN") << 0
                             << QStringList { QStringLiteral("错误"), QStringLiteral("保存文件失败"),
                                    QStringLiteral("数据库操作失败"), QStringLiteral("云台控制失败"),
                                    QStringLiteral("磁盘满") };
    QTest::newRow("1 zh_HK") << 1
                             << QStringList { QStringLiteral("錯誤"), QStringLiteral("保存檔失敗"),
                                    QStringLiteral("資料庫操作失敗"), QStringLiteral("雲臺控制失敗"),
                                    QStringLiteral("磁片滿") };
    QTest::newRow("2 en_US") << 2
                             << QStringList { QStringLiteral("Error"), QStringLiteral("Failed to save file"),
                                    QStringLiteral("Database Error"), QStringLiteral("PTZ Control Error"),
                                    QStringLiteral("Disk Full") };
    QTest::newRow("7 falls back to en_US")
        << 7
        << QStringList { QStringLiteral("Error"), QStringLiteral("Failed to save file"),
               QStringLiteral("Database Error"), QStringLiteral("PTZ Control Error"), QStringLiteral("Disk Full") };
}

void tst_CorvaneBaseInit::catalogueFollowsClientLanguage()
{
    QFETCH(int, clientLanguage);
    QFETCH(QStringList, expected);
    FakeWorker* worker = ZcbTest::installFakeWorker();
    worker->language = static_cast<ZCORVANEDLL::ClientLanguage>(clientLanguage);
    ModuleInitializationTest module;
    const int before = translatorCount();
    module.loadTranslation(QStringLiteral("ZCorvaneBase"));
    QCOMPARE(translatorCount(), before + 1); // each call adds one
    DictDef::_instance().retranslate();
    const DictDef& d = DictDef::_instance();
    QCOMPARE((QStringList { d.msgError, d.errSaveFileFailed, d.errDbError, d.errPtzCtrl, d.errDiskFull }), expected);
}

void tst_CorvaneBaseInit::retranslateReplacesEveryText()
{
    ZcbTest::installCatalogue(ZCORVANEDLL::ClientLanguageEnUS);
    DictDef::_instance().retranslate();
    const QStringList english = dictTexts();
    ZcbTest::installCatalogue(ZCORVANEDLL::ClientLanguageZhCN);
    DictDef::_instance().retranslate();
    const QStringList chinese = dictTexts();
    QCOMPARE(chinese.size(), 11);
    for (int i = 0; i < chinese.size(); ++i) {
        QVERIFY2(!chinese[i].isEmpty() && chinese[i] != english[i], qPrintable(english[i]));
    }
    QCOMPARE(DictDef::_instance().errCorvane, QStringLiteral("电视墙错误"));
}

void tst_CorvaneBaseInit::loadStyleSheetAccumulates()
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("a.qss"));
    const QString second = dir.filePath(QStringLiteral("b.qss"));
    for (const auto& [path, text] :
        { std::pair { first, "QLabel{color:red;}" }, std::pair { second, "QLabel{color:blue;}" } }) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    qApp->setStyleSheet(QString());
    ModuleInitializationTest module;
    module.loadStyleSheet(dir.filePath(QStringLiteral("missing.qss")));
    QCOMPARE(qApp->styleSheet(), QString());
    module.loadStyleSheet(first);
    module.loadStyleSheet(second);
    QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel{color:red;}QLabel{color:blue;}"));
    qApp->setStyleSheet(QString());
}

void tst_CorvaneBaseInit::getLanguageMapping_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("country");
    QTest::addColumn<int>("expected");
    QTest::newRow("Chinese/China") << int(QLocale::Chinese) << int(QLocale::China) << 10000;
    QTest::newRow("Chinese/Singapore") << int(QLocale::Chinese) << int(QLocale::Singapore) << 10000;
    QTest::newRow("Chinese/Taiwan") << int(QLocale::Chinese) << int(QLocale::Taiwan) << 10001;
    QTest::newRow("Chinese/Hong Kong") << int(QLocale::Chinese) << int(QLocale::HongKong) << 10001;
    QTest::newRow("Japanese") << 59 << 0 << 10002;
    QTest::newRow("Korean") << 66 << 0 << 10003;
    QTest::newRow("English") << 31 << 0 << 10004;
    QTest::newRow("German") << 42 << 0 << 10005;
    QTest::newRow("178") << 178 << 0 << 10006;
    QTest::newRow("Italian") << 58 << 0 << 10007;
    QTest::newRow("Thai") << 120 << 0 << 10008;
    QTest::newRow("Arabic") << 8 << 0 << 10009;
    QTest::newRow("15") << 15 << 0 << 10010;
    QTest::newRow("French unmapped") << 37 << 0 << 37;
}

void tst_CorvaneBaseInit::getLanguageMapping()
{
    QFETCH(int, language);
    QFETCH(int, country);
    QFETCH(int, expected);
    ModuleInitializationTest module;
    QCOMPARE(int(module.languageFor(language, country)), expected);
}

void tst_CorvaneBaseInit::workerDeletedByHostReadsNull()
{
    FakeWorker* worker = ZcbTest::installFakeWorker();
    delete worker;
    QVERIFY(CorvaneBaseInit::_instance().worker.isNull());
    // A later install works as before; the singleton's destructor at exit must not touch the deleted object.
    QVERIFY(ZcbTest::installFakeWorker());
}

QTEST_MAIN(tst_CorvaneBaseInit)
#include "tst_corvanebaseinit.moc"
