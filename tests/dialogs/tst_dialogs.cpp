// The dialog frames (MoveableDialog and the CommonDialog built on it), the message box on them, and the file
// dialogs that keep the event loop alive.

#include "dialogs/commondialog.h"
#include "dialogs/windowclassstyle_p.h"
#include "dialogs/zfiledialog.h"
#include "dialogs/zmessagebox.h"
#include "zcbtest.h"

#include <QAbstractEventDispatcher>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>

using namespace ZCORVANEBASE;

class ProbeDialog : public CommonDialog
{
public:
    using CommonDialog::CommonDialog;
    int closeRequests = 0;
    int quitCalls = 0;

protected:
    void slotCloseBtClicked() override { ++closeRequests; } // keeps the dialog open
    void quitSystem() override { quitCalls += isVisible() ? 1 : 100; } // must run while still visible
};

using Wrapper = std::function<bool()>; // runs one file-dialog wrapper, its result flattened to "is it empty"
Q_DECLARE_METATYPE(Wrapper)

// A mouse event with a chosen global position: a drag moves the window under the cursor, so positions taken from
// mapToGlobal would drift.
static void sendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint local, QPoint global)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(button);
    QMouseEvent event(type, local, global, type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class tst_Dialogs : public QObject
{
    Q_OBJECT

    FakeWorker* worker = nullptr;
    QString shown; // the last box as "title size icon[ x]:" (x: close button visible), then "caption=result" each

    // Presses `button` at `at`, moves the cursor by `by` with it held and returns how far the dialog went.
    static QPoint drag(QDialog* dialog, Qt::MouseButton button, QPoint at, QPoint by)
    {
        const QPoint start = dialog->pos();
        sendMouse(dialog, QEvent::MouseButtonPress, button, at, start + at);
        sendMouse(dialog, QEvent::MouseMove, button, at, start + at + by);
        return dialog->pos() - start;
    }
    // Closes a dialog by `route`: a key, or 0 for the close button and 1 for a window close request.
    static void close(QDialog* dialog, int route)
    {
        if (route == 0)
            QTest::mouseClick(dialog->findChild<QWidget*>("closeBt"), Qt::LeftButton);
        else if (route == 1)
            dialog->close();
        else
            QTest::keyClick(dialog, Qt::Key(route));
    }
    static QImage argb(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }
    int pumps() { return QAbstractEventDispatcher::instance()->registeredTimers(&ZFileDialog::_instance()).size(); }

    // Records the next box in `shown`, then closes it: `how` is "click N" (N: a button's position, 3 for the close
    // button), "quit", or a key ("Escape", "Return N", "Enter N") with the button at N focused.
    void answerNext(const QString& how)
    {
        ZcbTest::whenModal([this, how](QWidget* box) {
            const QImage icon = argb(box->findChild<QLabel*>("iconlabel")->pixmap(Qt::ReturnByValue).toImage());
            auto* closeBt = box->findChild<QWidget*>("closeBt");
            shown = QStringLiteral("%1 %2x%3 ").arg(box->windowTitle()).arg(box->width()).arg(box->height());
            for (const char* name : { "warning", "information", "error", "question" }) // the host's images
                if (argb(QImage(QStringLiteral(":/images/images/ico_%1.png").arg(name))) == icon)
                    shown += name;
            shown += closeBt->isVisible() ? " x:" : ":";
            QList<QWidget*> targets; // the buttons by position, then the close button
            for (const char* name : { "firstbutton", "secondbutton", "thirdbutton" }) {
                auto* button = box->findChild<QPushButton*>(name);
                targets << button;
                if (button->isVisible())
                    shown += QString(" %1=%2").arg(button->text()).arg(button->property("msgBoxButton").toInt(), 0, 16);
            }
            QTest::keyClick(targets.first(), Qt::Key_C, Qt::ControlModifier); // these boxes have no copy key
            QWidget* at = (targets << closeBt).value(how.section(' ', 1).toInt());
            if (how.startsWith("click")) {
                QTest::mouseClick(at, Qt::LeftButton);
            } else if (how == "quit") {
                emit worker->signalQuitSystem();
            } else { // a key to the box itself, as when no child takes it
                QApplication::setActiveWindow(box);
                at->setFocus(Qt::TabFocusReason);
                QTest::keyClick(box, ZcbTest::firstKey(QKeySequence(how.section(QLatin1Char(' '), 0, 0))));
            }
        });
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
        QFETCH(QSize, dialogSize);
        if (parentGeometry.isNull() && QGuiApplication::primaryScreen()->geometry() != QRect(0, 0, 800, 600))
            QSKIP("expects the 800 x 600 offscreen screen");
        QWidget reference;
        reference.setGeometry(parentGeometry);
        MoveableDialog dialog(parentGeometry.isNull() ? nullptr : &reference);
        QCOMPARE(dialog.parentWidget(), nullptr); // never the Qt parent
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

    // Escape, the close button and the window's close request all go to the close slot: an override decides alone
    // (it keeps this one open, the default button unclicked); by default the dialog is rejected and, asking for it,
    // deleted once (a window close request once hid it and kept it alive). Return and Enter do nothing.
    void closeWays_data()
    {
        QTest::addColumn<int>("route"); // a key, or 0 for the close button and 1 for a window close request
        QTest::addColumn<bool>("closes");
        QTest::newRow("escape") << int(Qt::Key_Escape) << true;
        QTest::newRow("close button") << 0 << true;
        QTest::newRow("window close request") << 1 << true;
        QTest::newRow("return swallowed") << int(Qt::Key_Return) << false;
        QTest::newRow("enter swallowed") << int(Qt::Key_Enter) << false;
    }
    void closeWays()
    {
        QFETCH(int, route);
        QFETCH(bool, closes);
        ProbeDialog probe;
        QPushButton ok(QStringLiteral("OK"), &probe);
        ok.setDefault(true);
        probe.show();
        QSignalSpy probeRejected(&probe, SIGNAL(rejected())), clicked(&ok, SIGNAL(clicked()));
        close(&probe, route);
        QCOMPARE(probe.closeRequests, int(closes));
        QVERIFY(probe.isVisible() && probeRejected.isEmpty() && clicked.isEmpty());

        QPointer<CommonDialog> dialog = new CommonDialog;
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        QSignalSpy rejected(dialog.data(), &QDialog::rejected);
        close(dialog, route);
        if (!closes) {
            QTest::qWait(50);
            QVERIFY(dialog && dialog->isVisible());
            delete dialog.data();
        }
        QTRY_VERIFY(!dialog);
        QCOMPARE(rejected.count(), int(closes));
    }

    void hostIntegration()
    {
        // Made modal later (exec() does that): registers nothing, releases nothing.
        ProbeDialog(nullptr, false, false).setModal(true);
        delete new ProbeDialog(nullptr, false, false); // modeless: never touches the registration
        QPointer<ProbeDialog> dialog = new ProbeDialog(nullptr, true);
        auto* maximizeBt = dialog->findChild<QAbstractButton*>("maximizeBt");
        QStringList names; // the icon-only title-bar buttons are named for assistive tools
        for (const char* name : { "minimizeBt", "maximizeBt", "closeBt" })
            names << dialog->findChild<QWidget*>(name)->accessibleName();
        QCOMPARE(names, QStringList({ "Minimize", "Maximize", "Close" }));
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
        QCOMPARE(worker->calls,
            QStringList({ "setCurModalDlg()", "showMaximized()", "showMaximized()", "showMaximized()",
                "setCurModalDlg(null)" }));
        ProbeDialog plain; // without the buttons, showDlg() shows it normal
        plain.showDlg();
        QVERIFY(plain.isVisible() && !plain.isMaximized());
        ZcbTest::removeWorker(); // without a host worker, the dialog maximises itself
        ProbeDialog alone(nullptr, true);
        alone.show();
        QTest::mouseClick(alone.findChild<QWidget*>("maximizeBt"), Qt::LeftButton);
        QVERIFY(alone.isMaximized());
    }

    void boxes_data()
    {
        QTest::addColumn<QString>("function"); // " hidden": without close button; text variants are titled "Export"
        QTest::addColumn<QVariant>("buttons"); // role flags, or the texts of the text variants
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("shown"); // role captions are translated keys, in the fixed order
        const auto row = [](const char* function, const QVariant& buttons, const char* how, int result,
                             const QString& shown) {
            QTest::addRow("%s, %s", function, how) << QString(function) << buttons << QString(how) << result << shown;
        };
        const int yesNoCancel = MsgBoxYes | MsgBoxNo | MsgBoxCancel;
        const QString yesNoCancelBox = QStringLiteral("Information 342x200 question x: Yes=80 Cancel=2 No=40");
        const QStringList abc { "A", "B", "C" };
        row("warning", yesNoCancel, "click 2", MsgBoxNo, "Warning 342x200 warning x: Yes=80 Cancel=2 No=40");
        row("information", MsgBoxOk | MsgBoxCancel | MsgBoxYes | MsgBoxNo, "click 1", MsgBoxYes,
            "Information 342x200 information x: Ok=1 Yes=80 Cancel=2");
        row("critical", MsgBoxOpen | MsgBoxSave | MsgBoxHelp | MsgBoxClose | 0x4100, "click 0", MsgBoxOpen,
            "Error 342x200 error x: Open=4 Save=8 Help=10");
        row("question hidden", yesNoCancel, "Escape", 0, "Information 342x200 question: Yes=80 Cancel=2 No=40");
        row("question", yesNoCancel, "click 3", 0, yesNoCancelBox);
        row("question", yesNoCancel, "Return 1", MsgBoxCancel, yesNoCancelBox);
        row("warningEx", QStringList { "Retry", "Skip" }, "click 1", 1, "Export 320x160 warning x: Retry=0 Skip=1");
        row("informationEx", abc, "Enter 2", 2, "Export 380x190 information x: A=0 B=1 C=2");
        row("criticalEx", QStringList { "A", "B", "C", "D" }, "click 1", 1, "Export 380x190 error x: A=0 B=1 C=2");
        row("warningEx", QStringList(), "Escape", 0, "Export 320x160 warning x:");
        row("criticalEx", abc, "quit", 0, "Export 380x190 error x: A=0 B=1 C=2");
    }
    void boxes()
    {
        QFETCH(QString, function);
        QFETCH(QVariant, buttons);
        QFETCH(QString, how);
        const QMap<QString, decltype(&ZMessageBox::warning)> roles { { "warning", &ZMessageBox::warning },
            { "information", &ZMessageBox::information }, { "question", &ZMessageBox::question },
            { "critical", &ZMessageBox::critical } };
        const QMap<QString, decltype(&ZMessageBox::warningEx)> texts { { "warningEx", &ZMessageBox::warningEx },
            { "informationEx", &ZMessageBox::informationEx }, { "criticalEx", &ZMessageBox::criticalEx } };
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        answerNext(how);
        const QString name = function.section(' ', 0, 0);
        if (roles.contains(name))
            QTEST(int(roles[name](nullptr, "text", short(buttons.toInt()), function.endsWith("hidden"))), "result");
        else
            QTEST(texts[name](nullptr, "Export", "text", buttons.toStringList()), "result");
        QTEST(shown, "shown");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    // message(): the details toggle grows and shrinks the box, the check box's state comes back, Ctrl+C copies what
    // the box says, and every text follows a language switch while the box is open (the title-bar buttons' names
    // too). Steps: "details" (click the toggle), "check" (click the check box), "copy" (Ctrl+C), "zh" (to zh_CN and
    // back), "escape", "click N".
    void message_data()
    {
        QTest::addColumn<QString>("details");
        QTest::addColumn<bool>("doNotAsk"); // the check box shown, unchecked
        QTest::addColumn<QStringList>("texts"); // button texts, or Yes and No
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("seen"); // the size first, then what the steps saw
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("doNotAskAgain");
        const QString line = QStringLiteral("---------------------------|");
        const QString copied = line + "Information|" + line + "Delete the clip?|" + line;
        QTest::newRow("details") << "HTTP 401" << false << QStringList()
                                 << QStringList { "details", "details", "copy", "click 1" }
                                 << QStringList { "342x230", "342x336", "342x230",
                                        copied + "HTTP 401|" + line + "Yes   No|" + line }
                                 << int(MsgBoxNo) << false;
        QTest::newRow("do not ask again")
            << QString() << true << QStringList { "Retry", "Skip" } << QStringList { "check", "escape" }
            << QStringList { "320x190" } << 0 << true;
        QTest::newRow("nothing extra") << QString() << false << QStringList() << QStringList { "copy", "click 0" }
                                       << QStringList { "342x200", copied + "Yes   No|" + line } << int(MsgBoxYes)
                                       << false;
        QTest::newRow("language") << "HTTP 401" << true << QStringList() << QStringList { "details", "zh", "click 0" }
                                  << QStringList { "342x230", "342x336", "提示", "是", "否", "隐藏详细信息", "不再询问",
                                         "详细信息", "关闭", "Close" }
                                  << int(MsgBoxYes) << false;
    }
    void message()
    {
        QFETCH(QString, details);
        QFETCH(bool, doNotAsk);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, steps);
        ZMessageBoxOptions options;
        options.icon = MsgBoxIconQuestion;
        options.text = QStringLiteral("Delete the clip?");
        options.buttons = MsgBoxYes | MsgBoxNo;
        options.buttonTexts = texts;
        options.detailText = details;
        options.doNotAskAgainVisible = doNotAsk;
        QGuiApplication::clipboard()->clear();
        QStringList seen;
        ZcbTest::whenModal([&seen, steps](QWidget* box) {
            const auto size = [box] { return QStringLiteral("%1x%2").arg(box->width()).arg(box->height()); };
            const auto child = [box](const char* name) { return box->findChild<QAbstractButton*>(name); };
            seen << size();
            for (const QString& step : steps) {
                if (step == "details") {
                    QTest::mouseClick(child("detailsButton"), Qt::LeftButton);
                    seen << size();
                } else if (step == "check") {
                    QTest::mouseClick(child("doNotAskAgainBox"), Qt::LeftButton);
                } else if (step == "copy") {
                    QTest::keyClick(child("firstbutton"), Qt::Key_C, Qt::ControlModifier);
                    seen << QGuiApplication::clipboard()->text().replace('\n', '|');
                } else if (step == "zh") {
                    ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhCN);
                    seen << box->windowTitle() << child("firstbutton")->text() << child("secondbutton")->text()
                         << child("detailsButton")->text() << child("doNotAskAgainBox")->text()
                         << box->findChild<QWidget*>("detailsEdit")->accessibleName()
                         << child("closeBt")->accessibleName();
                    ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageEnUS);
                    seen << child("closeBt")->accessibleName();
                } else if (step == "escape") {
                    QTest::keyClick(box, Qt::Key_Escape);
                } else {
                    QTest::mouseClick(child(step.endsWith('0') ? "firstbutton" : "secondbutton"), Qt::LeftButton);
                }
            }
        });
        const ZMessageBoxResult result = ZMessageBox::message(nullptr, options);
        QTEST(seen, "seen");
        QTEST(result.button, "button");
        QTEST(result.doNotAskAgain, "doNotAskAgain");
    }

    void fileDialogs_data()
    {
        QTest::addColumn<Wrapper>("run");
        const QFileDialog::Options nonNative = QFileDialog::DontUseNativeDialog; // nothing blocks outside Qt
#define WRAPPER(name, ...)                                                                                             \
    QTest::newRow(#name) << Wrapper([=] { return ZFileDialog::name(nullptr, "Pick", __VA_ARGS__).isEmpty(); })
        WRAPPER(getExistingDirectory, QDir::tempPath(), nonNative);
        WRAPPER(getExistingDirectoryUrl, QUrl(), nonNative);
        WRAPPER(getOpenFileName, {}, {}, nullptr, nonNative);
        WRAPPER(getOpenFileNames, {}, {}, nullptr, nonNative);
        WRAPPER(getOpenFileUrl, {}, {}, nullptr, nonNative);
        WRAPPER(getOpenFileUrls, {}, {}, nullptr, nonNative);
        WRAPPER(getSaveFileName, {}, {}, nullptr, nonNative);
        WRAPPER(getSaveFileUrl, {}, {}, nullptr, nonNative);
#undef WRAPPER
    }
    // A cancelled dialog gives an empty result; a call made while another is open pumps on its own, and each
    // stops only its own pump. The caption passes through.
    void fileDialogs()
    {
        QFETCH(Wrapper, run);
        QList<int> pumpsSeen;
        bool nestedEmpty = false;
        QString caption;
        ZcbTest::whenModal([&](QWidget* outer) {
            caption = outer->windowTitle();
            ZcbTest::whenModal(
                [&](QWidget* inner) {
                    pumpsSeen << pumps();
                    static_cast<QDialog*>(inner)->reject();
                },
                outer);
            pumpsSeen << pumps();
            nestedEmpty = run();
            pumpsSeen << pumps();
            static_cast<QDialog*>(outer)->reject();
        });
        QVERIFY(run() && nestedEmpty);
        QCOMPARE(caption, QStringLiteral("Pick"));
        QCOMPARE(pumpsSeen, QList<int>({ 1, 2, 1 }));
        QCOMPARE(pumps(), 0);
    }

    // An accepted dialog's answers (the file, the filter chosen) pass through.
    void fileDialogAccepted()
    {
        QTemporaryDir dir;
        ZcbTest::whenModal([&](QWidget* box) {
            auto* dialog = qobject_cast<QFileDialog*>(box);
            dialog->selectNameFilter(QStringLiteral("All (*)"));
            dialog->selectFile(dir.filePath(QStringLiteral("clip.txt")));
            static_cast<QDialog*>(dialog)->accept();
        });
        QString filter;
        QCOMPARE(ZFileDialog::getSaveFileName(
                     nullptr, {}, dir.path(), "Text (*.txt);;All (*)", &filter, QFileDialog::DontUseNativeDialog),
            dir.filePath(QStringLiteral("clip.txt")));
        QCOMPARE(filter, QStringLiteral("All (*)"));
    }
};

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
