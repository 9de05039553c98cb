// MoveableDialog and the CommonDialog frame built on it.

#include "dialogs/commondialog.h"
#include "dialogs/windowclassstyle_p.h"
#include "dialogtestutil.h"

#include <QPointer>

class ProbeDialog : public CommonDialog
{
public:
    using CommonDialog::CommonDialog;
    int closeRequests = 0;
    int quitCalls = 0;

protected:
    // Keeps the dialog open; the ZMessageBox tests cover the default, reject().
    void slotCloseBtClicked() override { ++closeRequests; }
    void quitSystem() override { quitCalls += isVisible() ? 1 : 100; } // must run while still visible
};

class tst_MoveableDialog : public QObject
{
    Q_OBJECT

    FakeWorker* worker = nullptr;

    // Presses `button` at `at`, moves the cursor by `by` with it held and returns how far the dialog went.
    static QPoint drag(QDialog* dialog, Qt::MouseButton button, QPoint at, QPoint by)
    {
        const QPoint start = dialog->pos();
        sendMouse(dialog, QEvent::MouseButtonPress, button, at, start + at);
        sendMouse(dialog, QEvent::MouseMove, button, at, start + at + by);
        return dialog->pos() - start;
    }

private slots:
    void init() { worker = ZcbTest::installFakeWorker(); }

    // First: it needs a process in which no MoveableDialog has shown yet.
    void onlyTheFirstDirectMoveableDialogStripsTheShadow()
    {
        ProbeDialog common; // handles its own events, without the stripping step
        common.show();
        QCOMPARE(WindowClassStyle::dropShadowRemovedFrom(), WId(0));
        MoveableDialog first;
        first.show();
        const quint32 stripped = WindowClassStyle::read(first.winId());
        QVERIFY(stripped != 0 && !(stripped & WindowClassStyle::DropShadow)); // the other class styles stay
        // With the shadow put back, a second dialog leaves the class alone.
        WindowClassStyle::write(first.winId(), stripped | WindowClassStyle::DropShadow);
        MoveableDialog second;
        second.show();
        QVERIFY(WindowClassStyle::read(second.winId()) & WindowClassStyle::DropShadow);
    }

    void centresOnShow_data()
    {
        QTest::addColumn<QRect>("parentGeometry"); // null: no parent widget, centred on the 800 x 600 screen
        QTest::addColumn<QSize>("dialogSize");
        QTest::addColumn<QPoint>("expected");
        // 100 + 401 / 2 = 300.5 and 50 + 301 / 2 = 200.5: halves are dropped, not rounded.
        QTest::newRow("odd differences") << QRect(100, 50, 801, 601) << QSize(400, 300) << QPoint(300, 200);
        // 10 - 149.5 = -139.5 truncates toward zero to -139, where rounding down would give -140.
        QTest::newRow("larger than parent") << QRect(10, 20, 101, 51) << QSize(400, 300) << QPoint(-139, -104);
        QTest::newRow("screen") << QRect() << QSize(333, 201) << QPoint(233, 199);
    }
    void centresOnShow()
    {
        QFETCH(QRect, parentGeometry);
        if (parentGeometry.isNull() && QGuiApplication::primaryScreen()->geometry() != QRect(0, 0, 800, 600))
            QSKIP("expects the 800 x 600 offscreen screen");
        QWidget reference;
        reference.setGeometry(parentGeometry);
        MoveableDialog dialog(parentGeometry.isNull() ? nullptr : &reference);
        QCOMPARE(dialog.parentWidget(), nullptr); // never the Qt parent
        QFETCH(QSize, dialogSize);
        dialog.resize(dialogSize);
        dialog.show();
        QTEST(dialog.pos(), "expected");
    }

    void drag_data()
    {
        QTest::addColumn<bool>("common"); // a CommonDialog moves only by its title strip, y < 36
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("y");
        QTest::addColumn<QPoint>("moved"); // by a drag of (40, 25)
        QTest::newRow("left press") << false << int(Qt::LeftButton) << 0 << 100 << QPoint(40, 25);
        QTest::newRow("right press") << false << int(Qt::RightButton) << 0 << 10 << QPoint();
        QTest::newRow("maximised") << false << int(Qt::LeftButton) << int(Qt::WindowMaximized) << 10 << QPoint();
        QTest::newRow("full screen") << false << int(Qt::LeftButton) << int(Qt::WindowFullScreen) << 10 << QPoint();
        QTest::newRow("title strip, y 35") << true << int(Qt::LeftButton) << 0 << 35 << QPoint(40, 25);
        QTest::newRow("below it, y 36") << true << int(Qt::LeftButton) << 0 << 36 << QPoint();
    }
    void drag()
    {
        QFETCH(bool, common);
        QFETCH(int, button);
        QFETCH(int, state);
        QFETCH(int, y);
        QScopedPointer<QDialog> dialog(common ? new ProbeDialog : new MoveableDialog);
        dialog->setWindowState(Qt::WindowStates(state));
        dialog->show();
        QTEST(drag(dialog.data(), Qt::MouseButton(button), QPoint(150, y), QPoint(40, 25)), "moved");
    }

    void dragAfterDoubleClickAndRelease()
    {
        MoveableDialog dialog;
        dialog.show();
        const QPoint at(20, 20);
        sendMouse(&dialog, QEvent::MouseButtonDblClick, Qt::LeftButton, at, dialog.pos() + at);
        QCOMPARE(drag(&dialog, Qt::LeftButton, at, QPoint(30, 30)), QPoint()); // the press after it never drags
        sendMouse(&dialog, QEvent::MouseButtonRelease, Qt::LeftButton, at, dialog.pos() + at); // clears the latch
        const QPoint start = dialog.pos();
        QCOMPARE(drag(&dialog, Qt::LeftButton, at, QPoint(-1000, -1005)), QPoint(-1000, -1005)); // no clamping
        sendMouse(&dialog, QEvent::MouseButtonRelease, Qt::LeftButton, at, start);
        sendMouse(&dialog, QEvent::MouseMove, Qt::NoButton, at, start + QPoint(300, 300));
        QCOMPARE(dialog.pos(), start - QPoint(1000, 1005));
    }

    void closeAndKeys_data()
    {
        QTest::addColumn<int>("route"); // a key, or 0 for the close button and 1 for a window close request
        QTest::addColumn<int>("closeRequests"); // to slotCloseBtClicked(): an override of it decides alone
        QTest::newRow("escape") << int(Qt::Key_Escape) << 1;
        QTest::newRow("close button") << 0 << 1;
        QTest::newRow("window close request") << 1 << 1;
        QTest::newRow("return swallowed") << int(Qt::Key_Return) << 0;
        QTest::newRow("enter swallowed") << int(Qt::Key_Enter) << 0;
    }
    void closeAndKeys()
    {
        QFETCH(int, route);
        ProbeDialog dialog;
        QPushButton ok(QStringLiteral("OK"), &dialog);
        ok.setDefault(true);
        dialog.show();
        QSignalSpy rejected(&dialog, SIGNAL(rejected()));
        QSignalSpy clicked(&ok, SIGNAL(clicked()));
        if (route == 0)
            QTest::mouseClick(dialog.findChild<QWidget*>("closeBt"), Qt::LeftButton);
        else if (route == 1)
            dialog.close();
        else
            QTest::keyClick(&dialog, Qt::Key(route));
        QTEST(dialog.closeRequests, "closeRequests");
        QVERIFY(dialog.isVisible() && rejected.isEmpty() && clicked.isEmpty());
    }

    // Every way out deletes a dialog that asks for it, once (a window close request once hid it and kept it alive);
    // an override of the close slot that keeps the dialog open keeps it alive too.
    void closeWaysDelete_data()
    {
        QTest::addColumn<int>("route"); // as in closeAndKeys
        QTest::addColumn<bool>("keepsOpen");
        QTest::newRow("escape") << int(Qt::Key_Escape) << false;
        QTest::newRow("close button") << 0 << false;
        QTest::newRow("window close request") << 1 << false;
        QTest::newRow("window close request, kept open") << 1 << true;
    }
    void closeWaysDelete()
    {
        QFETCH(int, route);
        QFETCH(bool, keepsOpen);
        QPointer<CommonDialog> dialog = keepsOpen ? new ProbeDialog : new CommonDialog;
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        QSignalSpy rejected(dialog.data(), &QDialog::rejected);
        if (route == 0)
            QTest::mouseClick(dialog->findChild<QWidget*>("closeBt"), Qt::LeftButton);
        else if (route == 1)
            dialog->close();
        else
            QTest::keyClick(dialog.data(), Qt::Key(route));
        if (keepsOpen) {
            QTest::qWait(50);
            QVERIFY(dialog && dialog->isVisible());
            delete dialog.data();
            return;
        }
        QTRY_VERIFY(!dialog);
        QCOMPARE(rejected.count(), 1);
    }

    // The icon-only title-bar buttons are named for assistive tools, in the current language.
    void titleBarNames()
    {
        ProbeDialog dialog(nullptr, true, false);
        const auto names = [&dialog] {
            QStringList result;
            for (const char* name : { "minimizeBt", "maximizeBt", "closeBt" })
                result << dialog.findChild<QWidget*>(name)->accessibleName();
            return result;
        };
        QCOMPARE(names(), QStringList({ "Minimize", "Maximize", "Close" }));
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhHK);
        const QStringList zhHK = names();
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageEnUS);
        QCOMPARE(zhHK, QStringList({ "最小化", "最大化", "關閉" }));
    }

    void hostIntegration()
    {
        // Made modal later (exec() does that): registers nothing, releases nothing.
        ProbeDialog(nullptr, false, false).setModal(true);
        delete new ProbeDialog(nullptr, false, false); // modeless: never touches the registration
        QPointer<ProbeDialog> dialog = new ProbeDialog(nullptr, true);
        auto* maximizeBt = dialog->findChild<QAbstractButton*>("maximizeBt");
        dialog->show();
        QSignalSpy moved(worker, SIGNAL(signalRootWtMoved(QWidget*)));
        dialog->move(dialog->pos() + QPoint(20, 0));
        dialog->move(dialog->pos() + QPoint(0, 20));
        QCOMPARE(moved.count(), 2);
        QCOMPARE(moved.at(1).at(0).value<QWidget*>(), dialog.data());
        // Maximising is the host's; the checked button remembers it for showDlg().
        QTest::mouseClick(maximizeBt, Qt::LeftButton);
        dialog->hide();
        dialog->showDlg();
        // A double click on the title strip toggles like the button; below it, nothing.
        QTest::mouseDClick(dialog, Qt::LeftButton, Qt::NoModifier, QPoint(150, 20));
        QVERIFY(!dialog->isMaximized() && !maximizeBt->isChecked());
        QTest::mouseDClick(dialog, Qt::LeftButton, Qt::NoModifier, QPoint(150, 36));
        QTest::mouseDClick(dialog, Qt::LeftButton, Qt::NoModifier, QPoint(150, 20));
        QTest::mouseClick(maximizeBt, Qt::LeftButton);
        QVERIFY(!dialog->isMaximized());
        emit worker->signalQuitSystem();
        QCOMPARE(dialog->quitCalls, 1);
        QVERIFY(!dialog->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
        // Registered before it could be named, released when deleted.
        QCOMPARE(worker->calls.join(' '),
            QStringLiteral("setCurModalDlg() showMaximized() showMaximized() showMaximized() setCurModalDlg(null)"));

        ProbeDialog plain; // without the buttons, showDlg() shows it normal
        plain.showDlg();
        QVERIFY(plain.isVisible() && !plain.isMaximized());
        ZcbTest::removeWorker(); // without a host worker, the dialog maximises itself
        ProbeDialog alone(nullptr, true);
        alone.show();
        QTest::mouseClick(alone.findChild<QWidget*>("maximizeBt"), Qt::LeftButton);
        QVERIFY(alone.isMaximized());
    }
};

QTEST_MAIN(tst_MoveableDialog)
#include "tst_moveabledialog.moc"
