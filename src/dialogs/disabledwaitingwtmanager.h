#pragma once

#include "frame/zsingleton.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QUuid>

namespace ZCORVANEDLL {
class CorvaneDllBaseWorker;
}

namespace ZCORVANEBASE {

class DisabledWaitingWt;
class DisabledWaitingWtManager;
extern template class ZCORVANEBASE_EXPORT ZSingleton<DisabledWaitingWtManager>;

// The process-wide registry of waiting overlays, keyed by identifier, so the host can update or remove an
// overlay without keeping a pointer to it. The registry does not own the overlays (their targets do); an overlay
// leaves it when destroyed. Every operation given an identifier that is not registered does nothing.
//
// When the host worker emits signalRecreateSuspendLayer(w), the first overlay (in identifier order) that lies
// under w is replaced by a fresh one for the same target, with the same description and identifier but without a
// Cancel button; it stays hidden until its target is next shown.
//
// Choice of ours: the manager connects to the worker it finds when it is created and, should the host install or
// replace its worker later, to the new one as soon as the next overlay registers, so recreation keeps working
// whatever order the host starts things in.
class ZCORVANEBASE_EXPORT DisabledWaitingWtManager : public QObject, public ZSingleton<DisabledWaitingWtManager>
{
    Q_OBJECT
    friend class ZSingleton<DisabledWaitingWtManager>;
    friend class DisabledWaitingWt;

public:
    // Hides the overlay at once, deletes it later and forgets the identifier.
    void destroyDisabledWaitingWt(const QUuid& uuid);
    void setDisabledWaitingWtErrorMsg(const QUuid& uuid, const QString& msg);
    void updateDisabledWaitingWtDescription(const QUuid& uuid, const QString& description);
    // Re-keys the overlay under a fresh identifier and returns it; the null QUuid when `old` is not registered.
    QUuid regenerateUuid(const QUuid& old);

private slots:
    void slotRecreateSuspendLayer(QWidget* w);

private:
    explicit DisabledWaitingWtManager(QObject* parent = nullptr);
    ~DisabledWaitingWtManager() override;

    // The manager while it exists: an overlay destroyed after it (at process exit) has nothing to leave.
    static DisabledWaitingWtManager* living();
    void addDisabledWaitingWt(DisabledWaitingWt* overlay);
    void removeDisabledWaitingWt(DisabledWaitingWt* overlay);
    void connectToWorker();

    QMap<QUuid, DisabledWaitingWt*> registry;
    QPointer<ZCORVANEDLL::CorvaneDllBaseWorker> m_connectedWorker;
};

} // namespace ZCORVANEBASE
