// The library's compiled-in resources: catalogues, the weak-password list and its own images, and nothing of the
// host's.

#include "frame/corvanebaseinit.h"

#include <QFile>
#include <QImage>
#include <QMovie>
#include <QTest>
#include <QTranslator>

class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cataloguesLoad_data();
    void cataloguesLoad();
    void ownImages_data();
    void ownImages();
    void waitingAnimationLoops();
    void hostImagesAreNotOurs_data();
    void hostImagesAreNotOurs();
};

void tst_Resources::initTestCase()
{
    // Use the library, so the linker keeps it (and with it its resources) even for a test that reads only those.
    QVERIFY(!ZCORVANEBASE::CorvaneBaseInit::_instance().isModuleInitialized());
}

void tst_Resources::cataloguesLoad_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("info");
    QTest::newRow("zh_CN") << QStringLiteral("zh_CN") << QStringLiteral("提示");
    QTest::newRow("zh_HK") << QStringLiteral("zh_HK") << QStringLiteral("提示");
    QTest::newRow("en_US") << QStringLiteral("en_US") << QStringLiteral("Info");
}

void tst_Resources::cataloguesLoad()
{
    QFETCH(QString, language);
    QFETCH(QString, info);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/qm/ZCorvaneBase_%1.qm").arg(language)));
    QCOMPARE(translator.translate("ZCORVANEBASE::DictDef", "info"), info);
}

void tst_Resources::ownImages_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("folder_n") << QStringLiteral(":/images/images/folder_n.png") << QSize(16, 16);
    QTest::newRow("folder_h") << QStringLiteral(":/images/images/folder_h.png") << QSize(16, 16);
    QTest::newRow("waiting_error") << QStringLiteral(":/images/images/waiting_error.png") << QSize(129, 129);
    QTest::newRow("icon") << QStringLiteral(":/images/images/osprey_client.ico") << QSize(32, 32);
}

void tst_Resources::ownImages()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    // Beside each picture its drawing for high-DPI screens, found by QIcon and scaledPixmap() by its name.
    if (path.endsWith(QLatin1String(".png")))
        QCOMPARE(QImage(path.chopped(4) + QLatin1String("@2x.png")).size(), size * 2);
}

void tst_Resources::waitingAnimationLoops()
{
    QMovie movie(QStringLiteral(":/images/images/waiting_corvane.gif"));
    QVERIFY(movie.isValid());
    QCOMPARE(movie.frameCount(), 12);
    QCOMPARE(movie.loopCount(), -1); // forever
    QVERIFY(movie.jumpToFrame(0));
    const QImage first = movie.currentImage();
    QCOMPARE(first.size(), QSize(129, 129));
    QVERIFY(movie.jumpToNextFrame());
    QVERIFY(movie.currentImage() != first); // it moves
    // Corners are transparent, the ring is opaque.
    QCOMPARE(qAlpha(first.pixel(0, 0)), 0);
}

void tst_Resources::hostImagesAreNotOurs_data()
{
    QTest::addColumn<QString>("path");
    for (const char* p : { ":/images/images/ico_warning.png", ":/images/images/ico_calendar_n.png",
             ":/images/images/show_pwd_n.png", ":/video/images/video/time_axis_waiting.gif",
             ":/images/images/progress_cursor_bk.png", ":/images/images/added_label_n.png" })
        QTest::newRow(p) << QString::fromLatin1(p);
}

void tst_Resources::hostImagesAreNotOurs()
{
    QFETCH(QString, path);
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
