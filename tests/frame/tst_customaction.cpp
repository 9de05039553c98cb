// CustomAction: size, colours on hover and leave, the flag image's position, and the delayed click.

#include "frame/customaction.h"
#include "frame/zmenu.h"
#include "frame/zwidget.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace ZCORVANEBASE;

class tst_CustomAction : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void geometry();
    void hoverAndLeave_data();
    void hoverAndLeave();
    void flagImagePosition_data();
    void flagImagePosition();

private:
    QString icon(int n) const { return dir.filePath(QStringLiteral("icon%1.png").arg(n)); }
    QTemporaryDir dir;
};

void tst_CustomAction::initTestCase()
{
    for (int n = 1; n <= 2; ++n) {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(n == 1 ? Qt::yellow : Qt::magenta);
        QVERIFY(image.save(icon(n)));
    }
}

void tst_CustomAction::geometry()
{
    ZMenu menu;
    auto* action = new CustomAction(&menu, QStringLiteral("Playback"), icon(1), icon(2), QString());
    menu.addAction(action);
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QWidget* entry = action->defaultWidget();
    QVERIFY(qobject_cast<ZWidget*>(entry));
    QCOMPARE(entry->height(), 24);
    QVERIFY(entry->width() >= 134);
    QVERIFY(action->isEnabled());
}

void tst_CustomAction::hoverAndLeave_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QString>("textColour");
    QTest::addColumn<QColor>("iconColour");
    QTest::newRow("hover") << "enter" << QColor("#266baf") << "#ffffff" << QColor(Qt::yellow);
    QTest::newRow("leave") << "leave" << QColor("#131d2d") << "#ccd3dd" << QColor(Qt::magenta);
    QTest::newRow("release") << "release" << QColor("#131d2d") << "#ccd3dd" << QColor(Qt::yellow);
}

void tst_CustomAction::hoverAndLeave()
{
    QFETCH(QString, event);
    QFETCH(QColor, background);
    QFETCH(QString, textColour);
    QFETCH(QColor, iconColour);
    QWidget owner;
    CustomAction action(&owner, QStringLiteral("Snapshot"), icon(1), icon(2), QString());
    QWidget* entry = action.defaultWidget();
    entry->resize(134, 24);
    entry->show();
    QVERIFY(QTest::qWaitForWindowExposed(entry));
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(entry, &enter); // start hovered
    if (event == QLatin1String("leave")) {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(entry, &leave);
    } else if (event == QLatin1String("release")) {
        QTest::mouseClick(entry, Qt::LeftButton, {}, QPoint(100, 12));
    }
    const QImage pixels = entry->grab().toImage();
    QCOMPARE(pixels.pixelColor(133, 1), background);
    // The icon sits 10 pixels from the left, vertically centred.
    QCOMPARE(pixels.pixelColor(18, 12), iconColour);
    auto* text = entry->findChildren<QLabel*>().last();
    QVERIFY(text->styleSheet().contains(QStringLiteral("color:") + textColour));
    QVERIFY(text->styleSheet().contains(QLatin1String("font-size:13px")));
}

void tst_CustomAction::flagImagePosition_data()
{
    QTest::addColumn<QSize>("flagSize");
    QTest::addColumn<int>("entryWidth");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<int>("ratio"); // the flag's device pixel ratio
    QTest::newRow("12x8 on 134") << QSize(12, 8) << 134 << QPoint(112, 8) << 1;
    QTest::newRow("20x9 on 200") << QSize(20, 9) << 200 << QPoint(170, 7) << 1; // (24 - 9) / 2 = 7
    QTest::newRow("12x8 made for ratio 2") << QSize(12, 8) << 134 << QPoint(112, 8) << 2; // placed by logical size
}

void tst_CustomAction::flagImagePosition()
{
    QFETCH(QSize, flagSize);
    QFETCH(int, entryWidth);
    QFETCH(QPoint, topLeft);
    QFETCH(int, ratio);
    QWidget owner;
    CustomAction action(&owner, QString(), icon(1), icon(2), QString());
    QPixmap flag(flagSize * ratio);
    flag.setDevicePixelRatio(ratio);
    flag.fill(Qt::red);
    action.addFlagImage(flag);
    QWidget* entry = action.defaultWidget();
    entry->resize(entryWidth, 24);
    const QImage pixels = entry->grab().toImage();
    const QRect expected(topLeft, flagSize);
    QCOMPARE(pixels.pixelColor(expected.topLeft()), QColor(Qt::red));
    QCOMPARE(pixels.pixelColor(expected.bottomRight()), QColor(Qt::red));
    QVERIFY(pixels.pixelColor(expected.topLeft() - QPoint(1, 0)) != QColor(Qt::red));
    QVERIFY(pixels.pixelColor(expected.bottomRight() + QPoint(1, 0)) != QColor(Qt::red));
    QVERIFY(pixels.pixelColor(expected.topLeft() - QPoint(0, 1)) != QColor(Qt::red));
}

QTEST_MAIN(tst_CustomAction)
#include "tst_customaction.moc"
