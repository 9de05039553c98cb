#include "dialogs/disabledwaitingwtmanager.h"

#include "dialogs/disabledwaitingwt.h"
#include "frame/hostaccess_p.h"

#include <QMap>
#include <QPointer>

namespace ZCORVANEBASE {

template class ZSingleton<DisabledWaitingWtManager>;

namespace {
DisabledWaitingWtManager* livingManager = nullptr;
} // namespace

class DisabledWaitingWtManager::Private
{
public:
    QMap<QUuid, DisabledWaitingWt*> registry;
    QPointer<ZCORVANEDLL::CorvaneDllBaseWorker> connectedWorker;
};

DisabledWaitingWtManager::DisabledWaitingWtManager(QObject* parent)
    : QObject(parent)
    , d(new Private)
{
    livingManager = this;
    connectToWorker();
}

DisabledWaitingWtManager::~DisabledWaitingWtManager()
{
    livingManager = nullptr;
}

DisabledWaitingWtManager* DisabledWaitingWtManager::living()
{
    return livingManager;
}

// Connects to the worker installed now. Called again whenever an overlay registers, so a worker the host installs or
// replaces after the manager exists is followed too, whatever order the host starts things in.
void DisabledWaitingWtManager::connectToWorker()
{
    using Worker = ZCORVANEDLL::CorvaneDllBaseWorker;
    Worker* worker = hostWorker("signalRecreateSuspendLayer");
    if (!worker || worker == d->connectedWorker)
        return;
    if (d->connectedWorker)
        disconnect(d->connectedWorker, &Worker::signalRecreateSuspendLayer, this,
            &DisabledWaitingWtManager::slotRecreateSuspendLayer);
    connect(worker, &Worker::signalRecreateSuspendLayer, this, &DisabledWaitingWtManager::slotRecreateSuspendLayer);
    d->connectedWorker = worker;
}

void DisabledWaitingWtManager::addDisabledWaitingWt(DisabledWaitingWt* overlay)
{
    if (!overlay)
        return;
    connectToWorker();
    d->registry.insert(overlay->getUuid(), overlay);
}

// Every entry that points at the overlay goes, also one left under an identifier replaced by the overlay's own
// regenerateUUid().
void DisabledWaitingWtManager::removeDisabledWaitingWt(DisabledWaitingWt* overlay)
{
    for (auto it = d->registry.begin(); it != d->registry.end();) {
        if (it.value() == overlay)
            it = d->registry.erase(it);
        else
            ++it;
    }
}

void DisabledWaitingWtManager::destroyDisabledWaitingWt(const QUuid& uuid)
{
    DisabledWaitingWt* overlay = d->registry.take(uuid);
    if (!overlay)
        return;
    overlay->hide();
    overlay->deleteLater();
}

void DisabledWaitingWtManager::setDisabledWaitingWtErrorMsg(const QUuid& uuid, const QString& msg)
{
    if (DisabledWaitingWt* overlay = d->registry.value(uuid))
        overlay->setErrorMsg(msg);
}

void DisabledWaitingWtManager::updateDisabledWaitingWtDescription(const QUuid& uuid, const QString& description)
{
    if (DisabledWaitingWt* overlay = d->registry.value(uuid))
        overlay->updateDescription(description);
}

QUuid DisabledWaitingWtManager::regenerateUuid(const QUuid& old)
{
    DisabledWaitingWt* overlay = d->registry.value(old);
    if (!overlay)
        return QUuid();
    const QUuid fresh = overlay->regenerateUUid();
    d->registry.insert(fresh, overlay);
    d->registry.remove(old);
    return fresh;
}

void DisabledWaitingWtManager::slotRecreateSuspendLayer(QWidget* w)
{
    if (!w)
        return;
    auto* worker = hostWorker("isObjInParentList");
    if (!worker)
        return;
    DisabledWaitingWt* found = nullptr;
    for (auto it = d->registry.cbegin(); it != d->registry.cend(); ++it) {
        if (it.value() && worker->isObjInParentList(it.value(), w)) {
            found = it.value();
            break;
        }
    }
    if (!found)
        return;

    const QUuid uuid = found->getUuid();
    const QString uuidText = uuid.toString();
    const QString description = found->description();
    QWidget* target = found->targetWt();

    delete found;
    d->registry.remove(uuid);

    auto* recreated = new DisabledWaitingWt(target, description, uuidText, false);
    recreated->hide();
}

} // namespace ZCORVANEBASE
