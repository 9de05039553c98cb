// DisabledWaitingWt, the waiting overlay: its layout, covering and following its target, the registry of keyed
// overlays, and recreation on the host's request.

#include "dialogs/disabledwaitingwt.h"
#include "dialogs/disabledwaitingwtmanager.h"
#include "zcbtest.h"

#include <QLabel>
#include <QMovie>
#include <QPointer>
#include <QPushButton>

using namespace ZCORVANEBASE;

static const QUuid idA(QStringLiteral("{00000000-0000-0000-0000-00000000000a}"));
static const QUuid idB(QStringLiteral("{00000000-0000-0000-0000-00000000000b}"));

// A window with a panel (the target) holding a button, as the host would cover it.
struct Scene
{
    Scene()
    {
        window.setGeometry(40, 30, 600, 450);
        target->setGeometry(20, 10, 300, 200);
    }
    QWidget window;
    QWidget* target = new QWidget(&window);
    QPushButton* button = new QPushButton(QStringLiteral("Search"), target);
};

class tst_DisabledWaitingWt : public QObject
{
    Q_OBJECT

    FakeWorker* worker = nullptr;

    static QWidget* part(QWidget* overlay, const char* name) { return overlay->findChild<QWidget*>(name); }
    static QLabel* label(QWidget* overlay, const char* name) { return static_cast<QLabel*>(part(overlay, name)); }
    static QString text(QWidget* overlay) { return label(overlay, "descriptionLabel")->text(); }
    static DisabledWaitingWtManager& manager() { return DisabledWaitingWtManager::_instance(); }

private slots:
    void init() { worker = ZcbTest::installFakeWorker(); }

    void innerLayout_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("animation");
        QTest::addColumn<QPoint>("cancelPos"); // the description lies between them, 30 high
        // y = trunc((300 - 129 - 30) / 2) = 70, minus half the Cancel height while it is visible: 56.
        QTest::newRow("with cancel") << true << QSize(400, 300) << QPoint(135, 56) << QPoint(152, 213);
        // Without Cancel, smaller than the content: -9.5 and -15.5 truncate toward zero.
        QTest::newRow("110x128") << false << QSize(110, 128) << QPoint(-9, -15) << QPoint(7, 142);
    }
    void innerLayout()
    {
        QFETCH(bool, cancel);
        QFETCH(QSize, size);
        QFETCH(QPoint, animation);
        Scene scene;
        auto* overlay = new DisabledWaitingWt(scene.target, "Searching", QString(), cancel);
        scene.window.show(); // resized while shown, once Cancel counts as visible
        scene.target->resize(size);
        QCOMPARE(part(overlay, "animationLabel")->geometry(), QRect(animation, QSize(129, 129)));
        QCOMPARE(part(overlay, "descriptionLabel")->geometry(), QRect(0, animation.y() + 128, size.width(), 30));
        QTEST(part(overlay, "cancelBt")->pos(), "cancelPos");
    }

    void coversAndFollowsTarget()
    {
        Scene scene;
        auto* overlay = new DisabledWaitingWt(scene.target, "Searching");
        auto* later = new QPushButton(QStringLiteral("Later"), scene.target);
        QPointer<QMovie> animation = label(overlay, "animationLabel")->movie();
        QVERIFY(animation && animation->isValid());
        // Not shown by the constructor, and its animation runs only while it is visible.
        QVERIFY(!overlay->isVisible() && animation->state() == QMovie::Paused);
        scene.window.show();
        QCOMPARE(overlay->geometry(), QRect(60, 40, 300, 200));
        QCOMPARE(animation->state(), QMovie::Running);
        // Presses on the target's buttons are swallowed, except on those added after the overlay.
        QSignalSpy clicked(scene.button, SIGNAL(clicked()));
        QSignalSpy laterClicked(later, SIGNAL(clicked()));
        QSignalSpy cancelled(overlay, SIGNAL(signalCancelBtClicked()));
        QTest::mouseClick(scene.button, Qt::LeftButton);
        QTest::mouseClick(later, Qt::LeftButton);
        QTest::mouseClick(part(overlay, "cancelBt"), Qt::LeftButton);
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(laterClicked.count(), 1);
        QCOMPARE(cancelled.count(), 1);
        QVERIFY(overlay->isVisible()); // Cancel alone does not remove it
        scene.target->hide();
        QVERIFY(!overlay->isVisible() && animation->state() == QMovie::Paused);
        scene.target->setGeometry(50, 60, 250, 150); // changed while hidden
        scene.target->show();
        QCOMPARE(overlay->geometry(), QRect(90, 90, 250, 150));
        QCOMPARE(animation->state(), QMovie::Running);
        scene.target->resize(320, 180);
        scene.target->move(0, 0);
        QCOMPARE(overlay->geometry(), QRect(40, 30, 320, 180));
        // Moves of its window move it too, with no report from the host (it once stayed behind until a moving
        // CommonDialog reported itself through the host); a report of an unrelated move changes nothing.
        scene.window.move(140, 130);
        QCOMPARE(overlay->pos(), scene.target->mapToGlobal(QPoint(0, 0)));
        QWidget unrelated;
        emit worker->signalRootWtMoved(&unrelated);
        emit worker->signalRootWtMoved(&scene.window);
        QCOMPARE(overlay->pos(), scene.target->mapToGlobal(QPoint(0, 0)));
    }

    void managerOperations()
    {
        Scene scene;
        auto* first = new DisabledWaitingWt(scene.target, QStringLiteral("one"), idA.toString().mid(1, 36));
        // The later overlay under an identifier replaces the earlier in the registry.
        QPointer<DisabledWaitingWt> second = new DisabledWaitingWt(scene.target, "Searching", idA.toString());
        QCOMPARE(first->getUuid(), idA); // read without braces too
        manager().updateDisabledWaitingWtDescription(idA, QStringLiteral("40%"));
        QCOMPARE(text(second), QStringLiteral("40%"));
        const QUuid fresh = manager().regenerateUuid(idA);
        QVERIFY(!fresh.isNull() && fresh != idA);
        QCOMPARE(second->getUuid(), fresh);
        for (const QUuid& unknown : { idA, idB, QUuid() }) { // the old key reaches nothing either
            manager().destroyDisabledWaitingWt(unknown);
            manager().setDisabledWaitingWtErrorMsg(unknown, QStringLiteral("x"));
            QCOMPARE(manager().regenerateUuid(unknown), QUuid());
        }
        scene.window.show();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(second->isVisible() && text(second) == "40%");
        // The error state replaces the animation for good.
        QPointer<QMovie> animation = label(second, "animationLabel")->movie();
        manager().setDisabledWaitingWtErrorMsg(fresh, QStringLiteral("Device offline"));
        QVERIFY(animation.isNull() && !label(second, "animationLabel")->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(text(second), QStringLiteral("Device offline"));
        // A language switch translates Cancel and leaves the caller's message alone.
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhCN);
        const QString cancel = second->findChild<QPushButton*>("cancelBt")->text();
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageEnUS);
        QCOMPARE(cancel + ' ' + text(second), QStringLiteral("取消 Device offline"));
        QCOMPARE(second->findChild<QPushButton*>("cancelBt")->text(), QStringLiteral("Cancel"));
        manager().destroyDisabledWaitingWt(fresh);
        QVERIFY(second && !second->isVisible()); // gone from the screen at once, deleted later
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(second.isNull());
        QCOMPARE(manager().regenerateUuid(fresh), QUuid());
    }

    void recreation()
    {
        Scene scene;
        QWidget unrelated;
        auto* otherTarget = new QWidget(&scene.window);
        QPointer<DisabledWaitingWt> first = new DisabledWaitingWt(scene.target, "Searching", idA.toString());
        QPointer<DisabledWaitingWt> second = new DisabledWaitingWt(otherTarget, QString(), idB.toString());
        scene.window.show();
        emit worker->signalRecreateSuspendLayer(&unrelated);
        QVERIFY(first && second);
        // Both lie under the window: only the first in identifier order is recreated, at once, hidden.
        emit worker->signalRecreateSuspendLayer(&scene.window);
        QVERIFY(first.isNull() && second);
        auto* recreated = scene.target->findChild<DisabledWaitingWt*>();
        QCOMPARE(text(recreated), QStringLiteral("Searching"));
        QVERIFY(part(recreated, "cancelBt")->isHidden() && !recreated->isVisible());
        manager().updateDisabledWaitingWtDescription(idA, QStringLiteral("again")); // registered under its key
        QCOMPARE(text(recreated), QStringLiteral("again"));
        emit worker->signalRecreateSuspendLayer(otherTarget);
        QVERIFY(second.isNull());
        auto* recreatedB = otherTarget->findChild<DisabledWaitingWt*>();
        QCOMPARE(recreatedB->getUuid(), idB);
        // Destroyed after a re-key on the overlay alone: the entry under the old key goes too.
        recreatedB->regenerateUUid();
        delete recreatedB;
        QCOMPARE(manager().regenerateUuid(idB), QUuid());
    }
};

QTEST_MAIN(tst_DisabledWaitingWt)
#include "tst_disabledwaitingwt.moc"
