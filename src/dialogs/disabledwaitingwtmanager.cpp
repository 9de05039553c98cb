#include "dialogs/disabledwaitingwtmanager.h"

#include "dialogs/disabledwaitingwt.h"
#include "frame/hostaccess_p.h"

#include <QLabel>

namespace ZCORVANEBASE {

template class ZSingleton<DisabledWaitingWtManager>;

namespace {
DisabledWaitingWtManager* livingManager = nullptr;
} // namespace

DisabledWaitingWtManager::DisabledWaitingWtManager(QObject* parent)
    : QObject(parent)
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

void DisabledWaitingWtManager::connectToWorker()
{
    ZCORVANEDLL::CorvaneDllBaseWorker* worker = hostWorker("signalRecreateSuspendLayer");
    if (!worker || worker == m_connectedWorker)
        return;
    if (m_connectedWorker)
        disconnect(m_connectedWorker,
            SIGNAL(signalRecreateSuspendLayer(QWidget*)), this, SLOT(slotRecreateSuspendLayer(QWidget*)));
    connect(worker, SIGNAL(signalRecreateSuspendLayer(QWidget*)), this, SLOT(slotRecreateSuspendLayer(QWidget*)));
    m_connectedWorker = worker;
}

void DisabledWaitingWtManager::addDisabledWaitingWt(DisabledWaitingWt* overlay)
{
    if (!overlay)
        return;
    connectToWorker();
    registry.insert(overlay->getUuid(), overlay);
}

void DisabledWaitingWtManager::removeDisabledWaitingWt(DisabledWaitingWt* overlay)
{
    for (auto it = registry.begin(); it != registry.end();) {
        if (it.value() == overlay)
            it = registry.erase(it);
        else
            ++it;
    }
}

void DisabledWaitingWtManager::destroyDisabledWaitingWt(const QUuid& uuid)
{
    DisabledWaitingWt* overlay = registry.take(uuid);
    if (!overlay)
        return;
    overlay->hide();
    overlay->deleteLater();
}

void DisabledWaitingWtManager::setDisabledWaitingWtErrorMsg(const QUuid& uuid, const QString& msg)
{
    if (DisabledWaitingWt* overlay = registry.value(uuid))
        overlay->setErrorMsg(msg);
}

void DisabledWaitingWtManager::updateDisabledWaitingWtDescription(const QUuid& uuid, const QString& description)
{
    if (DisabledWaitingWt* overlay = registry.value(uuid))
        overlay->updateDescription(description);
}

QUuid DisabledWaitingWtManager::regenerateUuid(const QUuid& old)
{
    DisabledWaitingWt* overlay = registry.value(old);
    if (!overlay)
        return QUuid();
    const QUuid fresh = overlay->regenerateUUid();
    registry.insert(fresh, overlay);
    registry.remove(old);
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
    for (auto it = registry.cbegin(); it != registry.cend(); ++it) {
        if (it.value() && worker->isObjInParentList(it.value(), w)) {
            found = it.value();
            break;
        }
    }
    if (!found)
        return;

    const QUuid uuid = found->getUuid();
    const QString uuidText = uuid.toString();
    const QString description = found->descriptionLabel->text();
    QWidget* target = found->target;

    delete found;
    registry.remove(uuid);

    auto* recreated = new DisabledWaitingWt(target, description, uuidText, false);
    recreated->hide();
}

} // namespace ZCORVANEBASE
