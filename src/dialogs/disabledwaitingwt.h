#pragma once

#include <ZCorvaneBase/dialogs/suspendlayerwt.h>

#include <QUuid>

namespace ZCORVANEBASE {

// The waiting overlay: covers a target widget (its parent and owner) while a long operation runs for it, with an
// animated waiting image, a line of description and an optional Cancel button, and keeps the buttons found under the
// target at construction from reacting to presses. It shows, hides and resizes with its target; the constructor does
// not show it. It registers itself with DisabledWaitingWtManager under its identifier and leaves the registry when
// it is destroyed.
class ZCORVANEBASE_EXPORT DisabledWaitingWt : public SuspendLayerWt
{
    Q_OBJECT
    friend class DisabledWaitingWtManager; // recreates an overlay from its description and target

public:
    DisabledWaitingWt(
        QWidget* parent, const QString& description, const QString& uuid = QString(), bool showCancel = true);
    ~DisabledWaitingWt() override;

    QUuid getUuid() const;
    QUuid regenerateUUid(); // a fresh identifier; the registry is not touched (see the manager's regenerateUuid())
    void updateDescription(const QString& description);
    // Replaces the animation, for good, by the error image and shows `msg`.
    void setErrorMsg(const QString& msg);

signals:
    void signalCancelBtClicked(); // on every click of Cancel; what follows is the caller's decision

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void slotRootWtMoved(QWidget* root);

private:
    void init();
    void connectSignalsWithSlots();
    void updateGeometry();
    void watchAncestors();
    void setAnimationRunning(bool running);
    void retranslate();
    QString description() const;
    QWidget* targetWt() const;

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
