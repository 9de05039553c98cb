// Start-up: moduleInit(), the catalogue of the client language, the dictionary, style sheets and the language map.

#include "zcbtest.h"

#include "frame/corvanebaseinit.h"
#include "frame/corvanebaseinit_p.h"
#include "frame/dictdef.h"

#include <QApplication>
#include <QLabel>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QTextCodec>
#endif
#include <QTranslator>

using namespace ZCORVANEBASE;

// Reaches the protected helpers of ModuleInitialization, as a host module's initialiser does.
class ModuleInitializationTest : public ModuleInitialization
{
public:
    using ModuleInitialization::loadStyleSheet;
    using ModuleInitialization::loadTranslation;
};

class tst_CorvaneBaseInit : public QObject
{
    Q_OBJECT

private slots:
    void moduleInitInstallsOneTranslatorOnce();
    void catalogueFollowsClientLanguage_data();
    void catalogueFollowsClientLanguage();
    void loadStyleSheetAccumulates();
    void loadStyleSheetCodec_data();
    void loadStyleSheetCodec();
    void switchLanguageRetranslatesLiveWidgets();
    void getLanguageMapping_data();
    void getLanguageMapping();

private:
    static QStringList dictTexts()
    {
        const DictDef& d = DictDef::_instance();
        return { d.msgInfo, d.msgWarning, d.msgError, d.errSaveFileFailed, d.errQueryNone, d.errQueryError,
            d.errDbError, d.errImproper, d.errPtzCtrl, d.errCorvane, d.errDiskFull };
    }
    static int translatorCount() { return qApp->findChildren<QTranslator*>().size(); }
};

void tst_CorvaneBaseInit::moduleInitInstallsOneTranslatorOnce()
{
    QCOMPARE(dictTexts().join(QString()), QString()); // empty until translated
    DictDef::_instance().retranslate();
    QCOMPARE(DictDef::_instance().errDbError, QStringLiteral("DB error")); // no catalogue: the source text
    CorvaneBaseInit& init = CorvaneBaseInit::_instance();
    QVERIFY(!init.isModuleInitialized());
    init.worker = new FakeWorker;
    const int before = translatorCount();
    init.moduleInit();
    init.moduleInit();
    QCOMPARE(translatorCount(), before + 1);
    QVERIFY(init.isModuleInitialized());
    QCOMPARE(DictDef::_instance().errQueryNone, QStringLiteral("Search result is empty"));
    QVERIFY(!dictTexts().contains(QString())); // every member filled
    QVERIFY(init.qt_metacast("ZSingleton<CorvaneBaseInit>"));
}

void tst_CorvaneBaseInit::catalogueFollowsClientLanguage_data()
{
    QTest::addColumn<int>("clientLanguage");
    QTest::addColumn<QString>("expected"); // msgError|errSaveFileFailed|errDbError|errCorvane
    const QString english = QStringLiteral("Error|Failed to save file|Database Error|Video Wall Error");
    QTest::newRow("0 zh_CN") << 0 << QStringLiteral("错误|保存文件失败|数据库操作失败|电视墙错误");
    QTest::newRow("1 zh_HK") << 1 << QStringLiteral("錯誤|保存檔失敗|資料庫操作失敗|電視牆錯誤");
    QTest::newRow("2 en_US") << 2 << english;
    QTest::newRow("7 falls back to en_US") << 7 << english;
}

void tst_CorvaneBaseInit::catalogueFollowsClientLanguage()
{
    QFETCH(int, clientLanguage);
    ZcbTest::installFakeWorker()->language = static_cast<ZCORVANEDLL::ClientLanguage>(clientLanguage);
    const int before = translatorCount();
    ModuleInitializationTest().loadTranslation(QStringLiteral("ZCorvaneBase"));
    QCOMPARE(translatorCount(), before + 1); // each call adds one
    DictDef::_instance().retranslate(); // refills every member from the newest catalogue
    const DictDef& d = DictDef::_instance();
    QTEST(QStringList({ d.msgError, d.errSaveFileFailed, d.errDbError, d.errCorvane }).join('|'), "expected");
}

// A label that shows a library text and counts the language changes it receives.
class DictLabel : public QLabel
{
public:
    using QLabel::QLabel;
    int changes = 0;

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange) {
            ++changes;
            setText(QCoreApplication::translate("ZCORVANEBASE::DictDef", "DB error"));
        }
        QLabel::changeEvent(event);
    }
};

void tst_CorvaneBaseInit::switchLanguageRetranslatesLiveWidgets()
{
    ZcbTest::installFakeWorker(ZCORVANEDLL::ClientLanguageEnUS);
    ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageEnUS);
    QWidget window;
    auto* child = new DictLabel(&window);
    DictLabel hidden; // a parentless widget never shown still hears of the change
    const int before = translatorCount();

    ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhCN);
    // Delivered before the call returns, without an event loop turn.
    QCOMPARE(child->text(), QStringLiteral("数据库操作失败"));
    QCOMPARE(hidden.text(), QStringLiteral("数据库操作失败"));
    QCOMPARE(DictDef::_instance().errDbError, QStringLiteral("数据库操作失败"));
    QCOMPARE(translatorCount(), before); // replaced, not stacked

    ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhHK);
    QCOMPARE(child->text(), QStringLiteral("資料庫操作失敗"));
    ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageEnUS);
    QCOMPARE(child->text(), QStringLiteral("Database Error"));
    QCOMPARE(DictDef::_instance().errDbError, QStringLiteral("Database Error"));
    QCOMPARE(translatorCount(), before);
    QVERIFY(child->changes >= 3);
}

void tst_CorvaneBaseInit::loadStyleSheetAccumulates()
{
    QTemporaryDir dir;
    qApp->setStyleSheet(QString());
    ModuleInitializationTest module;
    module.loadStyleSheet(dir.filePath(QStringLiteral("missing.qss")));
    QCOMPARE(qApp->styleSheet(), QString());
    for (const char* text : { "QLabel{color:red;}", "QLabel{color:blue;}" }) {
        QFile file(dir.filePath(QString::fromLatin1(text).mid(13, 3))); // "red", "blu"
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
        file.close();
        module.loadStyleSheet(file.fileName());
    }
    QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel{color:red;}QLabel{color:blue;}"));
    qApp->setStyleSheet(QString());
}

void tst_CorvaneBaseInit::loadStyleSheetCodec_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString sheet = QStringLiteral("QLabel{font-family:\"微软雅黑\";}");
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QTextCodec* gbk = QTextCodec::codecForName("GBK");
    QVERIFY(gbk);
    QTest::newRow("GBK") << gbk->fromUnicode(sheet);
#else
    // Qt 6 has no locale codec: a text stream reads UTF-8 unless a byte-order mark names another encoding.
    QTest::newRow("UTF-8") << sheet.toUtf8();
#endif
    QTest::newRow("UTF-8 with a byte-order mark") << QByteArray("\xEF\xBB\xBF") + sheet.toUtf8();
}

// A sheet is read in the locale's codec (GBK on a Chinese Windows desktop); a byte-order mark names its own.
void tst_CorvaneBaseInit::loadStyleSheetCodec()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("module.qss")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QTextCodec* previous = QTextCodec::codecForLocale();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("GBK"));
    const auto restore = qScopeGuard([previous] {
        QTextCodec::setCodecForLocale(previous);
        qApp->setStyleSheet(QString());
    });
#else
    const auto restore = qScopeGuard([] { qApp->setStyleSheet(QString()); });
#endif
    qApp->setStyleSheet(QString());
    ModuleInitializationTest().loadStyleSheet(file.fileName());
    QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel{font-family:\"微软雅黑\";}"));
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
    // QLocale's numbers of the languages (Qt 5's: Japanese 59, Korean 66, English 31, German 42, Kikuyu 178,
    // Italian 58, Thai 120, Arabic 8, Bengali 15; Qt 6 numbers them anew); any other stays its own number.
    const int table[][2] = { { QLocale::Japanese, 10002 }, { QLocale::Korean, 10003 }, { QLocale::English, 10004 },
        { QLocale::German, 10005 }, { QLocale::Kikuyu, 10006 }, { QLocale::Italian, 10007 }, { QLocale::Thai, 10008 },
        { QLocale::Arabic, 10009 }, { QLocale::Bengali, 10010 }, { QLocale::Swahili, QLocale::Swahili } };
    for (const auto& row : table)
        QTest::addRow("language %d", row[0]) << row[0] << 0 << row[1];
}

void tst_CorvaneBaseInit::getLanguageMapping()
{
    QFETCH(int, language);
    QFETCH(int, country);
    QFETCH(int, expected);
    QCOMPARE(int(languageOfLocale(language, country)), expected);
}

QTEST_MAIN(tst_CorvaneBaseInit)
#include "tst_corvanebaseinit.moc"
