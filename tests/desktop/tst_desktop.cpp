// What only a real window system shows (run by scripts/test --xcb, on Xvfb with the openbox window manager): a waiting
// overlay over a window the manager moves, minimises and restores, a dialog the manager closes, and a label mark
// dragged onto a bar with a real pointer.

#include "dialogs/commondialog.h"
#include "dialogs/disabledwaitingwt.h"
#include "timeaxis/recordingstimeaxisbox.h"
#include "zcbtest.h"

#include <QtTest>
#include <QtWidgets>

using namespace ZCORVANEBASE;

namespace {

// Runs xdotool, which acts on the X server as a user's pointer, keyboard or window manager would.
bool xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

QPoint dropPoint(const QDropEvent* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position().toPoint();
#else
    return event->pos();
#endif
}

QString windowId(QWidget* window)
{
    return QString::number(window->winId());
}

// A window with a panel in it, the target of an overlay.
struct Scene
{
    Scene()
    {
        window.setWindowTitle(QStringLiteral("scene"));
        window.resize(500, 400);
        target = new QWidget(&window);
        target->setGeometry(50, 60, 300, 200);
        window.show();
    }
    QRect targetOnScreen() const { return QRect(target->mapToGlobal(QPoint(0, 0)), target->size()); }
    QWidget window;
    QWidget* target;
};

} // namespace

class tst_Desktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs a real X server: run through scripts/test --xcb");
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("needs xdotool (scripts/setup-debian --xcb installs it)");
        ZcbTest::installFakeWorker();
    }

    // The overlay follows its target's window when the window manager moves it, with no report from the host.
    void overlayFollowsMovedWindow()
    {
        Scene scene;
        QVERIFY(QTest::qWaitForWindowActive(&scene.window));
        DisabledWaitingWt overlay(scene.target, QStringLiteral("Searching"));
        overlay.show();
        QVERIFY(QTest::qWaitForWindowExposed(&overlay));
        QTRY_COMPARE(overlay.geometry(), scene.targetOnScreen());
        const QPoint before = scene.window.pos();
        QVERIFY(xdotool({ QStringLiteral("windowmove"), windowId(&scene.window), QString::number(before.x() + 137),
            QString::number(before.y() + 71) }));
        QTRY_VERIFY(scene.window.pos() != before);
        QTRY_COMPARE(overlay.geometry(), scene.targetOnScreen());
    }

    // A window whose overlay shows comes back from minimised and stays back, its overlay over the target: minimised
    // and restored by the program or by the window manager (as a task bar does).
    void minimiseAndRestoreWithOverlay_data()
    {
        QTest::addColumn<bool>("byManager");
        QTest::newRow("by the program") << false;
        QTest::newRow("by the window manager") << true;
    }
    void minimiseAndRestoreWithOverlay()
    {
        QFETCH(bool, byManager);
        Scene scene;
        QVERIFY(QTest::qWaitForWindowActive(&scene.window));
        DisabledWaitingWt overlay(scene.target, QStringLiteral("Searching"));
        overlay.show();
        QVERIFY(QTest::qWaitForWindowExposed(&overlay));
        if (byManager)
            QVERIFY(xdotool({ QStringLiteral("windowminimize"), windowId(&scene.window) }));
        else
            scene.window.showMinimized();
        QTRY_VERIFY(scene.window.isMinimized());
        QTest::qWait(300);
        if (byManager) {
            QVERIFY(xdotool({ QStringLiteral("windowactivate"), windowId(&scene.window) }));
        } else {
            scene.window.showNormal();
            scene.window.activateWindow();
        }
        QTRY_VERIFY(!scene.window.isMinimized() && scene.window.windowHandle()->isExposed());
        QTest::qWait(500); // the manager's answer to the overlay's mapping comes later
        QVERIFY(!scene.window.isMinimized());
        QVERIFY(scene.window.windowHandle()->isExposed());
        QTRY_VERIFY(overlay.isVisible() && !overlay.isMinimized());
        QTRY_COMPARE(overlay.geometry(), scene.targetOnScreen());
    }

    // The window manager's close (Alt+F4 under openbox) takes the dialog's way out, deletion included.
    void windowManagerClosesDialog()
    {
        QPointer<CommonDialog> dialog = new CommonDialog;
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->resize(400, 300);
        QSignalSpy rejected(dialog.data(), &QDialog::rejected);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.data()));
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("alt+F4") }));
        QTRY_VERIFY(!dialog);
        QCOMPARE(rejected.count(), 1);
    }

    // A label dragged with the real pointer onto a recording: the box previews it where a mark may go, and the drop
    // gives the host the channel, location and moment under the pointer.
    void labelDragAndDrop()
    {
        QWidget page;
        auto* source = new QLabel(QStringLiteral("label"), &page);
        source->setGeometry(10, 10, 60, 20);
        auto* box = new RecordingsTimeAxisBox(2, false, &page);
        box->setGeometry(0, 50, 10 + 100 + 6 + 1440 + 10, box->height());
        box->setChannelCheckBoxWidth(100);
        box->setMarginRight(10);
        box->setAcceptDrops(true);
        const QString key = QStringLiteral("k");
        const QDateTime midnight(QDate::currentDate(), QTime(0, 0));
        box->setRecordingSearchInfo(SearchStarted, key,
            RecordingSearchInfo { QStringLiteral("dev1_1"), 3, 1, 0, midnight, midnight.addDays(1), QDateTime() });
        box->setChannelRecordingsTimeInfo(
            { RecordingTimeInfo { midnight.addSecs(3600), midnight.addSecs(7200), QString(), 0, false } }, 1, key, true,
            false);

        // The host's side, as a client writes it: its label drags, the box's preview and the drop.
        const QString mime = QStringLiteral("application/x-label");
        struct Host : QObject
        {
            RecordingsTimeAxisBox* box;
            QLabel* source;
            QString mime;
            bool previewShown = false;
            LocalRecordingLabelInfo dropped;
            bool eventFilter(QObject* watched, QEvent* event) override
            {
                if (watched == source && event->type() == QEvent::MouseButtonPress) {
                    auto* drag = new QDrag(source);
                    auto* data = new QMimeData;
                    data->setData(mime, QByteArray("label"));
                    drag->setMimeData(data);
                    drag->exec(Qt::CopyAction);
                    return true;
                }
                if (watched != box)
                    return false;
                if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
                    auto* move = static_cast<QDragMoveEvent*>(event);
                    const bool may = box->canAddRecordingLabelAtPos(dropPoint(move), QPixmap(11, 21));
                    previewShown = previewShown || may;
                    move->setAccepted(move->mimeData()->hasFormat(mime));
                    return true;
                }
                if (event->type() == QEvent::Drop) {
                    auto* drop = static_cast<QDropEvent*>(event);
                    dropped = box->getRecordingLabelInfoAtPos(dropPoint(drop));
                    box->hideAddingRecordingLabel();
                    drop->acceptProposedAction();
                    return true;
                }
                return false;
            }
        } host;
        host.box = box;
        host.source = source;
        host.mime = mime;
        source->installEventFilter(&host);
        box->installEventFilter(&host);
        page.resize(box->width(), 150);
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));

        // Row 1's bar starts at x 116 in the box; a minute a pixel: 01:30 is 90 pixels in.
        const QPoint from = source->mapToGlobal(QPoint(30, 10));
        const QPoint over = box->mapToGlobal(QPoint(116 + 80, 10 + 22 + 10));
        const QPoint to = box->mapToGlobal(QPoint(116 + 90, 10 + 22 + 10));
        const auto at = [](const QPoint& p) { return QStringList { QString::number(p.x()), QString::number(p.y()) }; };
        QProcess pointer;
        pointer.start(QStringLiteral("xdotool"),
            QStringList { QStringLiteral("mousemove") } + at(from)
                + QStringList { QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("sleep"),
                    QStringLiteral("0.3"), QStringLiteral("mousemove") }
                + at(from + QPoint(20, 20))
                + QStringList { QStringLiteral("sleep"), QStringLiteral("0.3"), QStringLiteral("mousemove") } + at(over)
                + QStringList { QStringLiteral("sleep"), QStringLiteral("0.3"), QStringLiteral("mousemove") } + at(to)
                + QStringList {
                    QStringLiteral("sleep"), QStringLiteral("0.3"), QStringLiteral("mouseup"), QStringLiteral("1") });
        QTRY_COMPARE_WITH_TIMEOUT(pointer.state(), QProcess::NotRunning, 10000);
        QTRY_VERIFY(host.dropped.datetime.isValid());
        QVERIFY(host.previewShown);
        QCOMPARE(host.dropped.channelId, QStringLiteral("dev1_1"));
        QCOMPARE(host.dropped.recordingLocation, 3);
        QCOMPARE(host.dropped.datetime, midnight.addSecs(90 * 60));
    }
};

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
