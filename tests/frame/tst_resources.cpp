// The library's compiled-in resources: its own images (each with its "@2x" drawing), and nothing of the host's.

#include "frame/corvanebaseinit.h"

#include <QFile>
#include <QImage>
#include <QMovie>
#include <QTest>

class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Use the library, so the linker keeps it (and with it its resources) even for a test that reads only those.
        QVERIFY(!ZCORVANEBASE::CorvaneBaseInit::_instance().isModuleInitialized());
    }

    void ownImages_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("folder_n") << QStringLiteral(":/images/images/folder_n.png") << QSize(16, 16);
        QTest::newRow("folder_h") << QStringLiteral(":/images/images/folder_h.png") << QSize(16, 16);
        QTest::newRow("waiting_error") << QStringLiteral(":/images/images/waiting_error.png") << QSize(129, 129);
        QTest::newRow("icon") << QStringLiteral(":/images/images/osprey_client.ico") << QSize(32, 32);
    }

    void ownImages()
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

    void waitingAnimationLoops()
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

    void hostImagesAreNotOurs_data()
    {
        QTest::addColumn<QString>("path");
        for (const char* p : { ":/images/images/ico_warning.png", ":/images/images/ico_calendar_n.png",
                 ":/images/images/show_pwd_n.png", ":/video/images/video/time_axis_waiting.gif",
                 ":/images/images/progress_cursor_bk.png", ":/images/images/added_label_n.png" })
            QTest::newRow(p) << QString::fromLatin1(p);
    }

    void hostImagesAreNotOurs()
    {
        QFETCH(QString, path);
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
