#include "dialogs/disabledwaitingwt.h"
#include "dialogs/disabledwaitingwtmanager.h"
#include "dialogtestutil.h"

#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QtTest>

using namespace ZCORVANEBASE;

namespace {

const QUuid idA(QStringLiteral("{00000000-0000-0000-0000-00000000000a}"));
const QUuid idB(QStringLiteral("{00000000-0000-0000-0000-00000000000b}"));

// A window with a panel (the target) holding a button, as the host would cover it.
struct Scene
{
    Scene()
    {
        window.setGeometry(40, 30, 600, 450);
        target = new QWidget(&window);
        target->setGeometry(20, 10, 300, 200);
        button = new QPushButton(QStringLiteral("Search"), target);
        button->setGeometry(10, 10, 80, 30);
    }
    QRect targetGlobal() const { return QRect(target->mapToGlobal(QPoint(0, 0)), target->size()); }
    QWidget window;
    QWidget* target;
    QPushButton* button;
};

QWidget* part(QWidget* overlay, const char* name)
{
    return overlay->findChild<QWidget*>(QLatin1String(name));
}
QString text(QWidget* overlay)
{
    return static_cast<QLabel*>(part(overlay, "descriptionLabel"))->text();
}
QMovie* movie(QWidget* overlay)
{
    return static_cast<QLabel*>(part(overlay, "animationLabel"))->movie();
}
DisabledWaitingWtManager& manager()
{
    return DisabledWaitingWtManager::_instance();
}

} // namespace

class tst_DisabledWaitingWt : public QObject
{
    Q_OBJECT

private slots:
    void init() { worker = DialogTest::RecordingWorker::install(); }
    void innerLayout_data();
    void innerLayout();
    void coversAndFollowsTarget();
    void animationRunsOnlyWhileVisible();
    void blocksPressesOnTargetButtons();
    void managerOperations();
    void registryForgetsDestroyedOverlays();
    void recreation();

private:
    DialogTest::RecordingWorker* worker = nullptr;
};

void tst_DisabledWaitingWt::innerLayout_data()
{
    QTest::addColumn<bool>("showCancel");
    QTest::addColumn<bool>("resizedWhileShown");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("animationPos");
    QTest::addColumn<QRect>("description");
    QTest::addColumn<QPoint>("cancelPos");
    QTest::addColumn<double>("opacity");
    // y = trunc((300 - 129 - 30) / 2) = 70, minus half the Cancel height while it is visible: 56.
    QTest::newRow("400x300 with cancel") << true << true << QSize(400, 300) << QPoint(135, 56) << QRect(0, 184, 400, 30)
                                         << QPoint(152, 213) << 0.85;
    QTest::newRow("400x300 without cancel")
        << false << true << QSize(400, 300) << QPoint(135, 70) << QRect(0, 198, 400, 30) << QPoint(152, 227) << 0.65;
    // Laid out as it first shows, before its Cancel button counts as visible.
    QTest::newRow("400x300 first show") << true << false << QSize(400, 300) << QPoint(135, 70) << QRect(0, 198, 400, 30)
                                        << QPoint(152, 227) << 0.85;
    // Smaller than the content: -9.5 and -15.5 truncate toward zero.
    QTest::newRow("110x128 without cancel")
        << false << true << QSize(110, 128) << QPoint(-9, -15) << QRect(0, 113, 110, 30) << QPoint(7, 142) << 0.65;
}

void tst_DisabledWaitingWt::innerLayout()
{
    QFETCH(bool, showCancel);
    QFETCH(bool, resizedWhileShown);
    QFETCH(QSize, size);
    QFETCH(QPoint, animationPos);
    QFETCH(QRect, description);
    QFETCH(QPoint, cancelPos);
    QFETCH(double, opacity);
    Scene scene;
    auto* overlay = new DisabledWaitingWt(scene.target, QStringLiteral("Searching"), QString(), showCancel);
    QVERIFY(qAbs(overlay->windowOpacity() - opacity) < 0.01); // kept in 8 bits
    if (resizedWhileShown)
        scene.window.show();
    scene.target->resize(size);
    scene.window.show();
    QCOMPARE(overlay->size(), size);
    QCOMPARE(part(overlay, "animationLabel")->geometry(), QRect(animationPos, QSize(129, 129)));
    QCOMPARE(part(overlay, "descriptionLabel")->geometry(), description);
    QCOMPARE(part(overlay, "cancelBt")->geometry(), QRect(cancelPos, QSize(96, 28)));
}

void tst_DisabledWaitingWt::coversAndFollowsTarget()
{
    Scene scene;
    auto* overlay = new DisabledWaitingWt(scene.target, QStringLiteral("Searching"));
    QVERIFY(!overlay->isVisible()); // not shown by the constructor
    scene.window.show();
    QVERIFY(overlay->isVisible());
    QCOMPARE(overlay->geometry(), QRect(60, 40, 300, 200));

    scene.target->hide();
    QVERIFY(!overlay->isVisible());
    scene.target->setGeometry(50, 60, 250, 150); // changed while hidden
    scene.target->show();
    QVERIFY(overlay->isVisible());
    QCOMPARE(overlay->geometry(), QRect(90, 90, 250, 150));
    scene.target->resize(320, 180);
    QCOMPARE(overlay->geometry(), QRect(90, 90, 320, 180));
    scene.target->move(0, 0);
    QCOMPARE(overlay->geometry(), QRect(40, 30, 320, 180));

    // Moves of its window reach it through the host, as a moving CommonDialog reports itself.
    QWidget unrelated;
    scene.window.move(140, 130);
    emit worker->signalRootWtMoved(&unrelated);
    QCOMPARE(overlay->geometry(), QRect(40, 30, 320, 180));
    emit worker->signalRootWtMoved(&scene.window);
    QCOMPARE(overlay->geometry(), QRect(scene.target->mapToGlobal(QPoint(0, 0)), QSize(320, 180)));
    QVERIFY(overlay->geometry().topLeft() != QPoint(40, 30));

    scene.window.hide();
    QVERIFY(!overlay->isVisible());
}

void tst_DisabledWaitingWt::animationRunsOnlyWhileVisible()
{
    Scene scene;
    auto* overlay = new DisabledWaitingWt(scene.target, QStringLiteral("Searching"), idA.toString());
    QPointer<QMovie> animation = movie(overlay);
    QVERIFY(animation && animation->isValid());
    QCOMPARE(animation->state(), QMovie::Paused); // built hidden: no frames decoded
    scene.window.show();
    QCOMPARE(animation->state(), QMovie::Running);
    scene.target->hide();
    QCOMPARE(animation->state(), QMovie::Paused);
    scene.target->show();
    QCOMPARE(animation->state(), QMovie::Running);

    // The error state removes the animation for good.
    manager().setDisabledWaitingWtErrorMsg(idA, QStringLiteral("Device offline"));
    QVERIFY(animation.isNull());
    QVERIFY(!static_cast<QLabel*>(part(overlay, "animationLabel"))->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(text(overlay), QStringLiteral("Device offline"));
    QVERIFY(part(overlay, "cancelBt")->isVisible());
    manager().setDisabledWaitingWtErrorMsg(idA, QStringLiteral("Still offline"));
    QCOMPARE(text(overlay), QStringLiteral("Still offline"));
}

void tst_DisabledWaitingWt::blocksPressesOnTargetButtons()
{
    Scene scene;
    auto* overlay = new DisabledWaitingWt(scene.target, QStringLiteral("Searching"));
    auto* later = new QPushButton(QStringLiteral("Later"), scene.target);
    scene.window.show();
    QSignalSpy clicked(scene.button, SIGNAL(clicked()));
    QSignalSpy laterClicked(later, SIGNAL(clicked()));
    QSignalSpy cancelled(overlay, SIGNAL(signalCancelBtClicked()));
    QTest::mouseClick(scene.button, Qt::LeftButton);
    QTest::mouseClick(later, Qt::LeftButton); // added after the overlay: not blocked
    QTest::mouseClick(part(overlay, "cancelBt"), Qt::LeftButton);
    QTest::mouseClick(part(overlay, "cancelBt"), Qt::LeftButton);
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(laterClicked.count(), 1);
    QCOMPARE(cancelled.count(), 2);
    QVERIFY(overlay->isVisible()); // Cancel alone does not remove it
    delete overlay;
    QTest::mouseClick(scene.button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

void tst_DisabledWaitingWt::managerOperations()
{
    Scene scene;
    auto* first = new DisabledWaitingWt(scene.target, QStringLiteral("one"), idA.toString().mid(1, 36));
    auto* second = new DisabledWaitingWt(scene.target, QStringLiteral("two"), idA.toString());
    QCOMPARE(first->getUuid(), idA);
    scene.window.show();
    // The later overlay under one identifier replaces the earlier in the registry.
    manager().updateDisabledWaitingWtDescription(idA, QStringLiteral("Downloading 40%"));
    QCOMPARE(text(second), QStringLiteral("Downloading 40%"));
    QCOMPARE(text(first), QStringLiteral("one"));

    const QUuid fresh = manager().regenerateUuid(idA);
    QVERIFY(!fresh.isNull() && fresh != idA);
    QCOMPARE(second->getUuid(), fresh);
    QCOMPARE(manager().regenerateUuid(idA), QUuid()); // the old key reaches nothing
    manager().updateDisabledWaitingWtDescription(fresh, QStringLiteral("50%"));
    QCOMPARE(text(second), QStringLiteral("50%"));
    for (const QUuid& unknown : { idB, QUuid() }) { // unknown keys change nothing
        manager().destroyDisabledWaitingWt(unknown);
        manager().setDisabledWaitingWtErrorMsg(unknown, QStringLiteral("x"));
        manager().updateDisabledWaitingWtDescription(unknown, QStringLiteral("x"));
        QCOMPARE(manager().regenerateUuid(unknown), QUuid());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(second->isVisible() && movie(second));
    QCOMPARE(text(second), QStringLiteral("50%"));

    QPointer<DisabledWaitingWt> guard(second);
    manager().destroyDisabledWaitingWt(fresh);
    QVERIFY(guard && !second->isVisible()); // gone from the screen at once, deleted later
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
    QCOMPARE(manager().regenerateUuid(fresh), QUuid());
}

void tst_DisabledWaitingWt::registryForgetsDestroyedOverlays()
{
    {
        Scene scene;
        new DisabledWaitingWt(scene.target, QStringLiteral("Searching"), idA.toString());
    } // destroyed with its target
    QCOMPARE(manager().regenerateUuid(idA), QUuid());

    Scene scene; // re-keyed on the overlay alone: the entry under the old key goes too
    auto* overlay = new DisabledWaitingWt(scene.target, QStringLiteral("Searching"), idB.toString());
    overlay->regenerateUUid();
    delete overlay;
    QCOMPARE(manager().regenerateUuid(idB), QUuid());
}

void tst_DisabledWaitingWt::recreation()
{
    Scene scene;
    QWidget unrelated;
    auto* otherTarget = new QWidget(&scene.window);
    QPointer<DisabledWaitingWt> first
        = new DisabledWaitingWt(scene.target, QStringLiteral("Searching"), idA.toString());
    QPointer<DisabledWaitingWt> second = new DisabledWaitingWt(otherTarget, QStringLiteral("Loading"), idB.toString());
    scene.window.show();
    emit worker->signalRecreateSuspendLayer(&unrelated);
    emit worker->signalRecreateSuspendLayer(nullptr);
    QVERIFY(first && second);

    // Both lie under the window: only the first in identifier order is recreated, at once.
    emit worker->signalRecreateSuspendLayer(&scene.window);
    QVERIFY(first.isNull() && second);
    auto* recreated = scene.target->findChild<DisabledWaitingWt*>();
    QCOMPARE(recreated->getUuid(), idA);
    QCOMPARE(text(recreated), QStringLiteral("Searching"));
    QVERIFY(part(recreated, "cancelBt")->isHidden());
    QVERIFY(qAbs(recreated->windowOpacity() - 0.65) < 0.01);
    QVERIFY(!recreated->isVisible());
    manager().updateDisabledWaitingWtDescription(idA, QStringLiteral("again"));
    QCOMPARE(text(recreated), QStringLiteral("again"));

    scene.target->hide(); // back with its target, blocking its buttons again
    scene.target->show();
    QVERIFY(recreated->isVisible());
    QCOMPARE(recreated->geometry(), scene.targetGlobal());
    QSignalSpy clicked(scene.button, SIGNAL(clicked()));
    QTest::mouseClick(scene.button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 0);

    emit worker->signalRecreateSuspendLayer(otherTarget);
    QVERIFY(second.isNull());
    QCOMPARE(otherTarget->findChild<DisabledWaitingWt*>()->getUuid(), idB);
}

QTEST_MAIN(tst_DisabledWaitingWt)
#include "tst_disabledwaitingwt.moc"
