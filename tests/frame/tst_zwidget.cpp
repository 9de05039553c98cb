// ZWidget: the delayed single click, the identifier and the background colour.

#include "frame/zwidget.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace ZCORVANEBASE;

class tst_ZWidget : public QObject
{
    Q_OBJECT

private slots:
    void clickReports_data();
    void clickReports();
    void releaseWhilePendingReportsOnce();
    void uuidFlag();
    void backgroundColourFills();
};

void tst_ZWidget::clickReports_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("expectedReports");
    QTest::newRow("single click") << false << 1;
    QTest::newRow("double click") << true << 0;
}

void tst_ZWidget::clickReports()
{
    QFETCH(bool, doubleClick);
    QFETCH(int, expectedReports);
    ZWidget widget;
    widget.resize(100, 50);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QSignalSpy clicked(&widget, SIGNAL(signalWtClicked()));
    QTest::mouseClick(&widget, Qt::LeftButton);
    if (doubleClick) {
        // What a real double click delivers: press, release, double-click, release.
        QTest::mouseDClick(&widget, Qt::LeftButton);
        QTest::mouseRelease(&widget, Qt::LeftButton);
    }
    QCOMPARE(clicked.count(), 0); // deferred by 200 ms
    QTest::qWait(350);
    QCOMPARE(clicked.count(), expectedReports);
    // The widget is idle again: the next single click reports.
    QTest::mouseClick(&widget, Qt::LeftButton);
    QVERIFY(clicked.wait(1000));
    QCOMPARE(clicked.count(), expectedReports + 1);
}

void tst_ZWidget::releaseWhilePendingReportsOnce()
{
    ZWidget widget;
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QSignalSpy clicked(&widget, SIGNAL(signalWtClicked()));
    QTest::mouseClick(&widget, Qt::LeftButton);
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(), 50);
    QTest::qWait(350);
    QCOMPARE(clicked.count(), 1);
}

void tst_ZWidget::uuidFlag()
{
    ZWidget a;
    ZWidget b;
    const QString first = a.getUuidFlag();
    QVERIFY(QRegularExpression(QStringLiteral("^\\{[0-9a-f-]{36}\\}$")).match(first).hasMatch());
    QVERIFY(first != b.getUuidFlag());
    const QString second = a.regenerateUuidFlag();
    QVERIFY(second != first);
    QCOMPARE(a.getUuidFlag(), second);
}

void tst_ZWidget::backgroundColourFills()
{
    ZWidget widget;
    widget.resize(20, 20);
    widget.setBackgroundColor(QColor("#266baf"));
    QCOMPARE(widget.grab().toImage().pixelColor(10, 10), QColor("#266baf"));
}

QTEST_MAIN(tst_ZWidget)
#include "tst_zwidget.moc"
