// Dialogs and overlays under a host that misbehaves: parents that die while a modal box runs, overlay targets deleted
// first, a worker deleted while dialogs live, and worker signals carrying null widgets.

#include "dialogs/commondialog.h"
#include "dialogs/disabledwaitingwt.h"
#include "dialogs/disabledwaitingwtmanager.h"
#include "dialogs/zmessagebox.h"

#include "reliabilitysupport.h"

#include <QPointer>
#include <QTest>

using namespace ZCORVANEBASE;

using namespace ReliabilitySupport;

class tst_DialogsReliability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { captureWarnings(); }
    void init() { worker = freshHost(); }

    void parentDiesDuringExec_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("button"); // what the user presses once the parent is gone
        QTest::addColumn<int>("expected");
        QTest::newRow("role box") << "warning" << QStringLiteral("firstbutton") << int(MsgBoxOk);
        QTest::newRow("text box") << "criticalEx" << QStringLiteral("secondbutton") << 1;
        QTest::newRow("common dialog") << "common" << QStringLiteral("closeBt") << int(QDialog::Rejected);
    }

    // The host deletes the window a modal dialog was opened over while the dialog runs (say, a device page closing
    // on a disconnect). The dialog is its own window and only remembers that widget through a guarded pointer: it
    // stays open and answerable, and exec() returns what the user pressed.
    void parentDiesDuringExec()
    {
        QFETCH(QString, box);
        QFETCH(QString, button);
        QFETCH(int, expected);
        auto* parent = new QWidget;
        parent->resize(300, 200);
        parent->show();
        bool stillOpen = false;
        ZcbTest::whenModal([&](QWidget* modal) {
            delete parent;
            stillOpen = modal->isVisible();
            modal->move(modal->pos() + QPoint(20, 20)); // centring and moves read the parent pointer
            QTest::mouseClick(modal->findChild<QWidget*>(button), Qt::LeftButton);
        });
        int result = -1;
        if (box == "warning") {
            result = ZMessageBox::warning(parent, QStringLiteral("The device went offline"));
        } else if (box == "criticalEx") {
            result = ZMessageBox::criticalEx(parent, "Export", "Failed", { "A", "B", "C" });
        } else {
            CommonDialog dialog(parent);
            result = dialog.exec();
        }
        QVERIFY(stillOpen);
        QCOMPARE(result, expected);
        QVERIFY(warnings.isEmpty());
    }

    // Overlays go with their targets; the registry forgets them, and calls naming them afterwards do nothing.
    void overlayTargetDeletedFirst()
    {
        DisabledWaitingWtManager& manager = DisabledWaitingWtManager::_instance();
        auto* target = new QWidget;
        target->resize(200, 100);
        target->show();
        auto* overlay = new DisabledWaitingWt(target, "Saving");
        const QUuid id = overlay->getUuid();
        QPointer<DisabledWaitingWt> guard(overlay);
        delete target;
        QVERIFY(guard.isNull());
        manager.updateDisabledWaitingWtDescription(id, "later");
        manager.setDisabledWaitingWtErrorMsg(id, "failed");
        QVERIFY(manager.regenerateUuid(id).isNull());
        manager.destroyDisabledWaitingWt(id);

        // Destroyed through the registry, then the target goes before the deferred deletion runs.
        auto* second = new QWidget;
        second->show();
        auto* other = new DisabledWaitingWt(second, "Loading");
        const QUuid otherId = other->getUuid();
        manager.destroyDisabledWaitingWt(otherId);
        delete second;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(manager.regenerateUuid(otherId).isNull());

        // A host that reports a null window.
        QWidget third;
        third.show();
        DisabledWaitingWt overlay3(&third, "Busy");
        emit worker->signalRootWtMoved(nullptr);
        emit worker->signalRecreateSuspendLayer(nullptr);
        QCOMPARE(manager.regenerateUuid(overlay3.getUuid()).isNull(), false);
        QVERIFY(warnings.isEmpty());
    }

    // The host deletes its worker while dialogs and overlays live: they keep working on neutral answers, and each
    // operation that needed the host warns once at most.
    void workerDeletedWhileDialogsLive()
    {
        auto* dialog = new CommonDialog(nullptr, true, true);
        QWidget target;
        target.show();
        DisabledWaitingWt overlay(&target, "Waiting");
        ZcbTest::removeWorker();
        dialog->show();
        QTest::mouseClick(dialog->findChild<QWidget*>("maximizeBt"), Qt::LeftButton);
        QVERIFY(dialog->isMaximized());
        dialog->move(dialog->pos() + QPoint(5, 5));
        target.hide();
        target.show();
        delete dialog; // unregistering the modal dialog needs the host too
        QVERIFY2(noWarningRepeated(), qPrintable(warnings.join(QLatin1Char('\n'))));
    }

private:
    FakeWorker* worker = nullptr;
};

QTEST_MAIN(tst_DialogsReliability)
#include "tst_dialogsreliability.moc"
