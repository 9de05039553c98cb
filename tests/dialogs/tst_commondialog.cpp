#include "dialogs/commondialog.h"
#include "dialogtestutil.h"
#include "frame/zpushbutton.h"
#include "frame/zwidget.h"

#include <QPushButton>
#include <QtTest>

using namespace ZCORVANEBASE;
using DialogTest::RecordingWorker;
using DialogTest::sendMouse;

namespace {

class ProbeDialog : public CommonDialog
{
public:
    explicit ProbeDialog(bool withMinMax = false, bool modal = true)
        : CommonDialog(nullptr, withMinMax, modal)
    {
        resize(300, 200);
    }
    using CommonDialog::closeBt;
    using CommonDialog::maximizeBt;
    using CommonDialog::titleBar;
    int closeRequests = 0;
    int quitCalls = 0;
    bool keepOpen = false;

protected:
    void slotCloseBtClicked() override
    {
        ++closeRequests;
        if (!keepOpen)
            CommonDialog::slotCloseBtClicked();
    }
    void quitSystem() override { quitCalls += isVisible() ? 1 : 100; } // must run while still visible
};

} // namespace

class tst_CommonDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { worker = RecordingWorker::install(); }
    void dragsOnlyByTitleStrip_data();
    void dragsOnlyByTitleStrip();
    void closeRoutes_data();
    void closeRoutes();
    void enterAndReturnAreSwallowed();
    void modalRegistration();
    void quitHidesAndDeletes();
    void maximiseThroughHost();
    void reportsMovesThroughHost();
    void worksWithoutHostWorker();

private:
    RecordingWorker* worker = nullptr;
};

void tst_CommonDialog::dragsOnlyByTitleStrip_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("moves");
    QTest::newRow("y 35") << 35 << true;
    QTest::newRow("y 36") << 36 << false;
}

void tst_CommonDialog::dragsOnlyByTitleStrip()
{
    QFETCH(int, y);
    QFETCH(bool, moves);
    ProbeDialog dialog;
    dialog.show();
    QCOMPARE(dialog.titleBar->geometry(), QRect(1, 1, 298, 34));
    const QPoint start = dialog.pos();
    const QPoint at(150, y);
    sendMouse(&dialog, QEvent::MouseButtonPress, Qt::LeftButton, at, start + at);
    sendMouse(&dialog, QEvent::MouseMove, Qt::LeftButton, at, start + at + QPoint(-20, 45));
    QCOMPARE(dialog.pos(), moves ? start + QPoint(-20, 45) : start);
}

void tst_CommonDialog::closeRoutes_data()
{
    QTest::addColumn<QString>("route");
    QTest::newRow("escape") << QStringLiteral("escape");
    QTest::newRow("close button") << QStringLiteral("button");
    QTest::newRow("window close request") << QStringLiteral("close");
}

void tst_CommonDialog::closeRoutes()
{
    QFETCH(QString, route);
    for (bool keepOpen : { false, true }) {
        ProbeDialog dialog;
        dialog.keepOpen = keepOpen; // an override of the slot decides alone
        dialog.show();
        QSignalSpy rejected(&dialog, SIGNAL(rejected()));
        if (route == QLatin1String("escape"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else if (route == QLatin1String("button"))
            QTest::mouseClick(dialog.closeBt, Qt::LeftButton);
        else
            dialog.close();
        QCOMPARE(dialog.closeRequests, 1);
        QCOMPARE(rejected.count(), keepOpen ? 0 : 1);
        QCOMPARE(dialog.isVisible(), keepOpen);
    }
}

void tst_CommonDialog::enterAndReturnAreSwallowed()
{
    ProbeDialog dialog;
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    dialog.show();
    QSignalSpy clicked(ok, SIGNAL(clicked()));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QTest::keyClick(&dialog, Qt::Key_Enter);
    QCOMPARE(clicked.count(), 0);
    QVERIFY(dialog.isVisible());
}

void tst_CommonDialog::modalRegistration()
{
    auto* modal = new ProbeDialog(false, true);
    delete new ProbeDialog(false, false); // modeless: never touches the registration
    auto* later = new ProbeDialog(false, false);
    later->setModal(true); // made modal later (exec() does that): registered nothing, releases nothing
    delete later;
    QCOMPARE(worker->modalDialogs, QList<QDialog*> { modal });
    delete modal;
    QCOMPARE(worker->modalDialogs, QList<QDialog*>({ modal, nullptr }));
}

void tst_CommonDialog::quitHidesAndDeletes()
{
    QPointer<ProbeDialog> dialog = new ProbeDialog;
    dialog->show();
    emit worker->signalQuitSystem();
    QCOMPARE(dialog->quitCalls, 1);
    QVERIFY(!dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.isNull());
}

void tst_CommonDialog::maximiseThroughHost()
{
    ProbeDialog dialog(true);
    dialog.show();
    QTest::mouseClick(dialog.maximizeBt, Qt::LeftButton);
    QCOMPARE(worker->maximized, QList<QWidget*> { &dialog });
    dialog.hide();
    dialog.showDlg(); // the button remembers: the host maximises it again
    QCOMPARE(worker->maximized.size(), 2);
    QTest::mouseClick(dialog.maximizeBt, Qt::LeftButton);
    QVERIFY(!dialog.isMaximized());

    // A double click on the title strip toggles too; below it, nothing.
    QTest::mouseDClick(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(150, 36));
    QCOMPARE(worker->maximized.size(), 2);
    QTest::mouseDClick(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(150, 20));
    QCOMPARE(worker->maximized.size(), 3);
    QVERIFY(dialog.maximizeBt->isChecked());
    QTest::mouseDClick(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(150, 20));
    QVERIFY(!dialog.isMaximized());
    QVERIFY(!dialog.maximizeBt->isChecked());

    ProbeDialog plain; // without the buttons, showDlg() shows it normal
    plain.showDlg();
    QVERIFY(plain.isVisible() && !plain.isMaximized());
    QCOMPARE(worker->maximized.size(), 3);
}

void tst_CommonDialog::reportsMovesThroughHost()
{
    ProbeDialog dialog;
    dialog.show();
    QSignalSpy moved(worker, SIGNAL(signalRootWtMoved(QWidget*)));
    dialog.move(dialog.pos() + QPoint(20, 0));
    dialog.move(dialog.pos() + QPoint(0, 20));
    QCOMPARE(moved.count(), 2);
    QCOMPARE(moved.at(1).at(0).value<QWidget*>(), &dialog);
}

void tst_CommonDialog::worksWithoutHostWorker()
{
    ZcbTest::removeWorker();
    ProbeDialog dialog(true);
    dialog.show();
    QTest::mouseClick(dialog.maximizeBt, Qt::LeftButton);
    QVERIFY(dialog.isMaximized()); // maximised by itself
}

QTEST_MAIN(tst_CommonDialog)
#include "tst_commondialog.moc"
