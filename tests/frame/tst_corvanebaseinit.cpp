// Start-up and the host: moduleInit(), the catalogue of the client language, the dictionary, style sheets, the
// language map, the library's resources, the host interface's defaults and its own end-of-span stop, and a host
// without a worker.

#include "zcbtest.h"

#include "frame/corvanebaseinit.h"
#include "frame/corvanebaseinit_p.h"
#include "frame/dictdef.h"
#include "frame/hostaccess_p.h"

#include <QApplication>
#include <QDirIterator>
#include <QLabel>
#include <QMovie>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QTextCodec>
#endif
#include <QTranslator>

using namespace ZCORVANEBASE;
using ZCORVANEDLL::ClientLanguage;

// Reaches the protected helpers of ModuleInitialization, as a host module's initialiser does.
class ModuleInitializationTest : public ModuleInitialization
{
public:
    using ModuleInitialization::loadStyleSheet;
    using ModuleInitialization::loadTranslation;
};

namespace ZCORVANEDLL {
// The base class with only the pure operation.
class BareWorker : public CorvaneDllBaseWorker
{
    Q_OBJECT

public:
    int getClientType() override { return 0; }
};
} // namespace ZCORVANEDLL
using ZCORVANEDLL::BareWorker;

namespace {
QStringList warnings;
void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg)
        warnings << message;
}

// A label that shows a library text in the language of the moment.
class DictLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            setText(QCoreApplication::translate("ZCORVANEBASE::DictDef", "DB error"));
        QLabel::changeEvent(event);
    }
};

int translatorCount()
{
    return qApp->findChildren<QTranslator*>().size();
}
} // namespace

class tst_CorvaneBaseInit : public QObject
{
    Q_OBJECT

private slots:
    // First: it needs a process in which the library has not started yet.
    void moduleInitInstallsOneTranslatorOnce()
    {
        const DictDef& d = DictDef::_instance();
        const auto dictTexts = [&d] {
            return QStringList { d.msgInfo, d.msgWarning, d.msgError, d.errSaveFileFailed, d.errQueryNone,
                d.errQueryError, d.errDbError, d.errImproper, d.errPtzCtrl, d.errCorvane, d.errDiskFull };
        };
        QCOMPARE(dictTexts().join(QString()), QString()); // empty until translated
        DictDef::_instance().retranslate();
        QCOMPARE(d.errDbError, QStringLiteral("DB error")); // no catalogue: the source text
        CorvaneBaseInit& init = CorvaneBaseInit::_instance();
        QVERIFY(!init.isModuleInitialized());
        init.worker = new FakeWorker;
        const int before = translatorCount();
        init.moduleInit();
        init.moduleInit();
        QCOMPARE(translatorCount(), before + 1);
        QVERIFY(init.isModuleInitialized());
        QCOMPARE(d.errQueryNone, QStringLiteral("Search result is empty"));
        QVERIFY(!dictTexts().contains(QString())); // every member filled
    }

    // A host module's loadTranslation() installs the catalogue of the worker's client language (en_US for a value
    // it does not know), one more translator each call. switchLanguage() replaces the library's own, retranslates the
    // dictionary and delivers the change to live widgets (a parentless one never shown too) before it returns.
    void catalogueOfClientLanguage_data()
    {
        QTest::addColumn<int>("clientLanguage");
        QTest::addColumn<QStringList>("expected"); // msgError, errSaveFileFailed, errDbError, errCorvane
        const QStringList english { "Error", "Failed to save file", "Database Error", "Video Wall Error" };
        QTest::newRow("0 zh_CN") << 0 << QStringList { "错误", "保存文件失败", "数据库操作失败", "电视墙错误" };
        QTest::newRow("1 zh_HK") << 1 << QStringList { "錯誤", "保存檔失敗", "資料庫操作失敗", "電視牆錯誤" };
        QTest::newRow("2 en_US") << 2 << english;
        QTest::newRow("7 falls back to en_US") << 7 << english;
    }
    void catalogueOfClientLanguage()
    {
        QFETCH(int, clientLanguage);
        QFETCH(QStringList, expected);
        QWidget window;
        auto* child = new DictLabel(&window);
        DictLabel hidden;
        qobject_cast<FakeWorker*>(CorvaneBaseInit::_instance().worker)->language = ClientLanguage(clientLanguage);
        const int before = translatorCount();
        ModuleInitializationTest().loadTranslation(QStringLiteral("ZCorvaneBase"));
        QCOMPARE(translatorCount(), before + 1);
        QCOMPARE(QCoreApplication::translate("ZCORVANEBASE::DictDef", "DB error"), expected[2]);
        CorvaneBaseInit::_instance().switchLanguage();
        QCOMPARE(translatorCount(), before + 1);
        const DictDef& d = DictDef::_instance();
        QCOMPARE(QStringList({ d.msgError, d.errSaveFileFailed, d.errDbError, d.errCorvane }), expected);
        QCOMPARE(child->text() + hidden.text(), expected[2] + expected[2]);
    }

    // Sheets accumulate in the order loaded, a missing file adds nothing. A sheet is read in the locale's codec (GBK
    // on a Chinese Windows desktop); a byte-order mark names its own.
    void loadStyleSheet_data()
    {
        QTest::addColumn<QList<QByteArray>>("files"); // an empty one is not written: a missing file
        QTest::addColumn<QString>("sheet");
        const QString chinese = QStringLiteral("QLabel{font-family:\"微软雅黑\";}");
        QTest::newRow("accumulated") << QList<QByteArray> { "QLabel{color:red;}", "", "QLabel{color:blue;}" }
                                     << "QLabel{color:red;}QLabel{color:blue;}";
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        QTest::newRow("GBK") << QList<QByteArray> { QTextCodec::codecForName("GBK")->fromUnicode(chinese) } << chinese;
#else
        // Qt 6 has no locale codec: a text stream reads UTF-8 unless a byte-order mark names another encoding.
        QTest::newRow("UTF-8") << QList<QByteArray> { chinese.toUtf8() } << chinese;
#endif
        QTest::newRow("UTF-8 with a byte-order mark")
            << QList<QByteArray> { "\xEF\xBB\xBF" + chinese.toUtf8() } << chinese;
    }
    void loadStyleSheet()
    {
        QFETCH(QList<QByteArray>, files);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        QTextCodec* previous = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("GBK"));
        const auto restore = qScopeGuard([previous] { QTextCodec::setCodecForLocale(previous); });
#endif
        const auto clearSheet = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        qApp->setStyleSheet(QString());
        QTemporaryDir dir;
        for (int i = 0; i < files.size(); ++i) {
            QFile file(dir.filePath(QString::number(i)));
            QVERIFY(files[i].isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(files[i]) > 0));
            file.close();
            ModuleInitializationTest().loadStyleSheet(file.fileName());
        }
        QTEST(qApp->styleSheet(), "sheet");
    }

    // The library's own images, each beside its "@2x" drawing for high-DPI screens; the host's images are not in it.
    // The waiting animation loops for ever, and moves.
    void resources()
    {
        int pictures = 0;
        for (QDirIterator it(QStringLiteral(":/images/images")); it.hasNext();) {
            const QString path = it.next();
            const QImage image(path);
            if (path.endsWith(QLatin1String(".png")) && !path.endsWith(QLatin1String("@2x.png")) && ++pictures)
                QVERIFY2(!image.isNull() && QImage(path.chopped(4) + "@2x.png").size() == image.size() * 2,
                    qPrintable(path));
        }
        QVERIFY(pictures > 0 && !QImage(QStringLiteral(":/images/images/osprey_client.ico")).isNull());
        for (const char* path : { ":/images/images/ico_warning.png", ":/images/images/ico_calendar_n.png",
                 ":/images/images/show_pwd_n.png", ":/video/images/video/time_axis_waiting.gif",
                 ":/images/images/progress_cursor_bk.png", ":/images/images/added_label_n.png" })
            QVERIFY2(!QFile::exists(QLatin1String(path)), path);
        QMovie movie(QStringLiteral(":/images/images/waiting_corvane.gif"));
        QCOMPARE(movie.loopCount(), -1);
        QVERIFY(movie.jumpToFrame(0));
        const QImage first = movie.currentImage();
        QCOMPARE(qAlpha(first.pixel(0, 0)), 0); // corners are transparent
        QVERIFY(movie.jumpToNextFrame() && movie.currentImage() != first);
    }

    void hostInterfaceDefaults_data()
    {
        QTest::addColumn<int>("protocol");
        QTest::addColumn<bool>("onvif");
        for (int p : { 1, 2, 6 })
            QTest::addRow("protocol %d", p) << p << false;
        for (int p : { -1, 0, 3, 7 })
            QTest::addRow("protocol %d", p) << p << true;
    }
    void hostInterfaceDefaults()
    {
        QFETCH(int, protocol);
        BareWorker worker;
        QTEST(worker.isOnvifProtocol(protocol), "onvif");
        const QDateTime moment = ZcbTest::at(2024, 3, 5, 14, 7, 9);
        QCOMPARE(worker.strDatetime(moment, false), QStringLiteral("2024-03-05 14:07:09"));
        QCOMPARE(worker.strDatetime(moment, true), QStringLiteral("03-05 14:07"));
        QPair<QDateTime, QDateTime> span(moment, QDateTime());
        QVERIFY(worker.getTimeInfoByRequestId(QStringLiteral("r"), span));
        QCOMPARE(span.first, moment); // untouched
        // An ancestor other than the object itself, anywhere up the chain.
        QObject root, stranger;
        auto* leaf = new QObject(new QObject(&root));
        QVERIFY(worker.isObjInParentList(leaf, leaf->parent()) && worker.isObjInParentList(leaf, &root));
        QVERIFY(!worker.isObjInParentList(leaf, leaf) && !worker.isObjInParentList(&root, leaf));
        QVERIFY(!worker.isObjInParentList(leaf, &stranger) && !worker.isObjInParentList(nullptr, &root));
        QVERIFY(!worker.isObjInParentList(leaf, nullptr));
    }

    // The whole list from the first line to the last, without a repeated or empty entry or a line break left over.
    void weakPasswordList()
    {
        const QStringList list = BareWorker().getWeakPwdList();
        QCOMPARE(list.size(), 370);
        QCOMPARE(QSet<QString>(list.begin(), list.end()).size(), 370);
        QCOMPARE(list.first(), QStringLiteral("123456"));
        QVERIFY(!list.contains(QString()) && !list.join(QString()).contains(QRegularExpression("[\r\n]")));
    }

    // The system's locale as the library's Language (a number of its own for the languages it names, else QLocale's)
    // and as the client language a worker answers by default.
    void languageOfLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("clientLanguage");
        QTest::newRow("Chinese/China") << QLocale(QLocale::Chinese, QLocale::China) << 10000 << 0;
        QTest::newRow("Chinese/Singapore") << QLocale(QLocale::Chinese, QLocale::Singapore) << 10000 << 1;
        QTest::newRow("Chinese/Taiwan") << QLocale(QLocale::Chinese, QLocale::Taiwan) << 10001 << 1;
        QTest::newRow("Chinese/Hong Kong") << QLocale(QLocale::Chinese, QLocale::HongKong) << 10001 << 1;
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << 10005 << 2;
        QTest::newRow("Swahili") << QLocale(QLocale::Swahili, QLocale::Kenya) << int(QLocale::Swahili) << 2;
    }
    void languageOfLocale()
    {
        QFETCH(QLocale, locale);
        QTEST(int(ZCORVANEBASE::languageOfLocale(locale.language(), locale.country())), "language");
        const QLocale saved;
        QLocale::setDefault(locale);
        const int language = BareWorker().getClientLanguage();
        QLocale::setDefault(saved);
        QTEST(language, "clientLanguage");
    }

    void endOfSpanStop_data()
    {
        QTest::addColumn<int>("clientType");
        QTest::addColumn<QTime>("stamp");
        QTest::addColumn<bool>("stops");
        QTest::newRow("type 1, one second past the end") << 1 << QTime(10, 0, 1) << true;
        QTest::newRow("type 1, exactly at the end") << 1 << QTime(10, 0, 0) << false;
        QTest::newRow("type 0, past the end") << 0 << QTime(10, 0, 1) << false;
        QTest::newRow("type 2, past the end") << 2 << QTime(11, 0, 0) << false;
    }
    void endOfSpanStop()
    {
        QFETCH(int, clientType);
        QFETCH(QTime, stamp);
        QFETCH(bool, stops);
        FakeWorker* worker = ZcbTest::installFakeWorker();
        worker->clientType = clientType;
        worker->spans.insert(QStringLiteral("req-7"), { ZcbTest::at(2024, 6, 1, 9), ZcbTest::at(2024, 6, 1, 10) });
        emit worker->signalPlaybackProgress(QStringLiteral("req-7"), 5, 10, QDateTime(QDate(2024, 6, 1), stamp));
        const QStringList stop { "disconnectPlayer(req-7)", "removeOneVideoPlaybackPlayer(req-7)" };
        QCOMPARE(worker->calls, stops ? stop : QStringList());
    }

    void missingWorkerGivesNeutralAnswersAndWarnsOnce()
    {
        FakeWorker* worker = ZcbTest::installFakeWorker();
        worker->clientType = 2;
        QCOMPARE(hostClientType(), 2);
        delete worker; // the host deletes its worker early: the guarded pointer reads null
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
        const int type = hostClientType() + hostClientType();
        const QString format = hostDateFormat();
        const QString text = hostStrDatetime(ZcbTest::at(2024, 3, 5, 14, 7, 9), true);
        const ClientLanguage language = hostClientLanguage();
        qInstallMessageHandler(previous);
        QCOMPARE(QVariantList({ type, format, text, language }),
            QVariantList({ 0, "yyyy-MM-dd", "03-05 14:07", ZCORVANEDLL::ClientLanguageEnUS }));
        QCOMPARE(warnings.size(), 4); // one per operation, not per call
        QVERIFY(warnings[0].contains(QLatin1String("getClientType")));
        // A loose worker (not installed) answers its own progress reports.
        FakeWorker loose;
        loose.clientType = 1;
        emit loose.signalPlaybackProgress(QStringLiteral("r"), 0, 0, QDateTime::currentDateTime());
        QCOMPARE(loose.calls.size(), 2);
    }
};

QTEST_MAIN(tst_CorvaneBaseInit)
#include "tst_corvanebaseinit.moc"
