#pragma once

#include <ZCorvaneBase/frame/zsingleton.h>

#include <QObject>
#include <QUuid>

#include <memory>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace ZCORVANEBASE {

class DisabledWaitingWt;

ZCORVANEBASE_DECLARE_SINGLETON(DisabledWaitingWtManager)

// The process-wide registry of waiting overlays, keyed by identifier, so the host can update or remove an overlay
// without keeping a pointer to it. The registry does not own the overlays (their targets do). Every operation given
// an identifier that is not registered does nothing. When the host worker emits signalRecreateSuspendLayer(w), the
// first overlay (in identifier order) under w is replaced by a hidden one without Cancel, with the same target,
// description and identifier.
class ZCORVANEBASE_EXPORT DisabledWaitingWtManager : public QObject, public ZSingleton<DisabledWaitingWtManager>
{
    Q_OBJECT
    friend class ZSingleton<DisabledWaitingWtManager>;
    friend class DisabledWaitingWt; // registers itself when built and leaves when destroyed

public:
    void destroyDisabledWaitingWt(const QUuid& uuid); // hides it at once, deletes it later, forgets the identifier
    void setDisabledWaitingWtErrorMsg(const QUuid& uuid, const QString& msg);
    void updateDisabledWaitingWtDescription(const QUuid& uuid, const QString& description);
    // Re-keys the overlay under a fresh identifier and returns it; the null QUuid when `old` is not registered.
    QUuid regenerateUuid(const QUuid& old);

private slots:
    void slotRecreateSuspendLayer(QWidget* w);

private:
    explicit DisabledWaitingWtManager(QObject* parent = nullptr);
    ~DisabledWaitingWtManager() override;

    static DisabledWaitingWtManager* living(); // null once destroyed: overlays outliving it have nothing to leave
    void addDisabledWaitingWt(DisabledWaitingWt* overlay);
    void removeDisabledWaitingWt(DisabledWaitingWt* overlay);
    void connectToWorker();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
