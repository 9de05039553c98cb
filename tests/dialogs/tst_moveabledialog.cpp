#include "dialogs/commondialog.h"
#include "dialogs/moveabledialog.h"
#include "dialogs/windowclassstyle_p.h"
#include "dialogtestutil.h"

#include <QScreen>
#include <QtTest>

using namespace ZCORVANEBASE;
using DialogTest::sendMouse;

class tst_MoveableDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZcbTest::installFakeWorker(); }
    void onlyTheFirstDirectMoveableDialogStripsTheShadow(); // first: it needs a process without shown dialogs
    void centresOnShow_data();
    void centresOnShow();
    void drag_data();
    void drag();
    void pressAfterDoubleClickDoesNotDrag();
};

void tst_MoveableDialog::onlyTheFirstDirectMoveableDialogStripsTheShadow()
{
    QVERIFY(!WindowClassStyle::removeDropShadowOnce(0)); // no window: does not use up the one change

    CommonDialog common; // handles its own events, without the stripping step
    common.show();
    QCOMPARE(WindowClassStyle::dropShadowRemovedFrom(), WId(0));
    QVERIFY(WindowClassStyle::read(common.winId()) & WindowClassStyle::DropShadow);

    MoveableDialog first;
    first.show();
    QCOMPARE(WindowClassStyle::dropShadowRemovedFrom(), first.winId());
    const quint32 stripped = WindowClassStyle::read(first.winId());
    QCOMPARE(stripped & WindowClassStyle::DropShadow, quint32(0));
    QVERIFY(stripped != 0); // the other class styles stay

    // With the shadow put back, a second dialog leaves the class alone.
    WindowClassStyle::write(first.winId(), stripped | WindowClassStyle::DropShadow);
    MoveableDialog second;
    second.show();
    QVERIFY(second.winId() != first.winId());
    QCOMPARE(WindowClassStyle::dropShadowRemovedFrom(), first.winId());
    QVERIFY(WindowClassStyle::read(second.winId()) & WindowClassStyle::DropShadow);
}

void tst_MoveableDialog::centresOnShow_data()
{
    QTest::addColumn<QRect>("parentGeometry"); // null: no parent widget, centred on the 800 x 600 screen
    QTest::addColumn<QSize>("dialogSize");
    QTest::addColumn<QPoint>("expected");
    // 100 + 401 / 2 = 300.5 and 50 + 301 / 2 = 200.5: halves are dropped, not rounded.
    QTest::newRow("odd differences") << QRect(100, 50, 801, 601) << QSize(400, 300) << QPoint(300, 200);
    // 10 - 149.5 = -139.5 truncates toward zero to -139, where rounding down would give -140.
    QTest::newRow("dialog larger than parent") << QRect(10, 20, 101, 51) << QSize(400, 300) << QPoint(-139, -104);
    QTest::newRow("screen") << QRect() << QSize(333, 201) << QPoint(233, 199);
}

void tst_MoveableDialog::centresOnShow()
{
    QFETCH(QRect, parentGeometry);
    QFETCH(QSize, dialogSize);
    QFETCH(QPoint, expected);
    if (parentGeometry.isNull() && QGuiApplication::primaryScreen()->geometry() != QRect(0, 0, 800, 600))
        QSKIP("expects the 800 x 600 offscreen screen");

    QWidget reference;
    reference.setGeometry(parentGeometry);
    MoveableDialog dialog(parentGeometry.isNull() ? nullptr : &reference, QString(), Qt::red);
    QCOMPARE(dialog.parentWidget(), nullptr); // never the Qt parent
    dialog.resize(dialogSize);
    dialog.show();
    QCOMPARE(dialog.pos(), expected);
}

void tst_MoveableDialog::drag_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("windowState");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left press") << int(Qt::LeftButton) << int(Qt::WindowNoState) << true;
    QTest::newRow("right press") << int(Qt::RightButton) << int(Qt::WindowNoState) << false;
    QTest::newRow("middle press") << int(Qt::MiddleButton) << int(Qt::WindowNoState) << false;
    QTest::newRow("maximised") << int(Qt::LeftButton) << int(Qt::WindowMaximized) << false;
    QTest::newRow("full screen") << int(Qt::LeftButton) << int(Qt::WindowFullScreen) << false;
}

void tst_MoveableDialog::drag()
{
    QFETCH(int, button);
    QFETCH(int, windowState);
    QFETCH(bool, moves);
    MoveableDialog dialog(nullptr, QString(), Qt::red);
    dialog.resize(200, 150);
    dialog.setWindowState(Qt::WindowStates(windowState));
    dialog.show();
    const QPoint start = dialog.pos();
    const auto pressed = Qt::MouseButton(button);
    const QPoint at(10, 10);

    sendMouse(&dialog, QEvent::MouseButtonPress, pressed, at, start + at);
    sendMouse(&dialog, QEvent::MouseMove, pressed, at, start + QPoint(50, 35));
    QCOMPARE(dialog.pos(), moves ? start + QPoint(40, 25) : start);
    // No clamping to the screen.
    sendMouse(&dialog, QEvent::MouseMove, pressed, at, start + QPoint(-990, -995));
    QCOMPARE(dialog.pos(), moves ? start + QPoint(-1000, -1005) : start);
    const QPoint released = dialog.pos();
    sendMouse(&dialog, QEvent::MouseButtonRelease, pressed, at, start);
    sendMouse(&dialog, QEvent::MouseMove, Qt::NoButton, at, start + QPoint(300, 300));
    QCOMPARE(dialog.pos(), released);
}

void tst_MoveableDialog::pressAfterDoubleClickDoesNotDrag()
{
    MoveableDialog dialog(nullptr, QString(), Qt::red);
    dialog.resize(200, 150);
    dialog.show();
    const QPoint start = dialog.pos();
    const QPoint at(20, 20);
    sendMouse(&dialog, QEvent::MouseButtonDblClick, Qt::LeftButton, at, start + at);
    sendMouse(&dialog, QEvent::MouseButtonPress, Qt::LeftButton, at, start + at);
    sendMouse(&dialog, QEvent::MouseMove, Qt::LeftButton, at, start + at + QPoint(30, 30));
    QCOMPARE(dialog.pos(), start);
    // The release clears the latch.
    sendMouse(&dialog, QEvent::MouseButtonRelease, Qt::LeftButton, at, start + at);
    sendMouse(&dialog, QEvent::MouseButtonPress, Qt::LeftButton, at, start + at);
    sendMouse(&dialog, QEvent::MouseMove, Qt::LeftButton, at, start + at + QPoint(30, 30));
    QCOMPARE(dialog.pos(), start + QPoint(30, 30));
}

QTEST_MAIN(tst_MoveableDialog)
#include "tst_moveabledialog.moc"
