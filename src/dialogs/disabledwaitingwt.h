#pragma once

#include "dialogs/suspendlayerwt.h"

#include <QList>
#include <QUuid>

class QAbstractButton;
class QLabel;
class QPushButton;

namespace ZCORVANEBASE {

// The waiting overlay: covers a target widget while a long operation runs for it, with an animated waiting image,
// a line of description and an optional Cancel button, and keeps the target's buttons from reacting to presses.
//
// - The overlay lies over the target's global rectangle as a tool window; it shows, hides and resizes with its
//   target. It is not shown by the constructor: it appears when the target is next shown (or when the host
//   shows it).
// - Presses on the buttons found under the target at construction are swallowed; buttons added later are not.
// - Every click of Cancel emits signalCancelBtClicked(); what follows is the caller's decision.
// - setErrorMsg() replaces the animation, for good, by ":/images/images/waiting_error.png" and the message.
// - The overlay registers itself with DisabledWaitingWtManager under its identifier and leaves the registry when
//   it is destroyed, whether through the manager or together with its target.
//
// Choices of ours:
// - The overlay follows moves of its window by itself: it connects its slotRootWtMoved() to the host worker's
//   signalRootWtMoved() (emitted by every CommonDialog that moves), so it never stays behind when the dialog
//   holding its target is dragged. It also follows moves of the target inside its window.
// - The waiting animation only runs while the overlay is visible: hidden, it decodes no frames and starts no
//   timer, so an idle hidden overlay costs nothing.
// - On destruction every registry entry that points at this overlay is removed, also one left under an
//   identifier replaced by regenerateUUid() alone.
// - An empty or unparsable identifier text gives a fresh identifier; Cancel is shown unless asked otherwise.
//   The children are named "animationLabel", "descriptionLabel" and "cancelBt" for style sheets and tests.
// - The Cancel caption follows a language switch; the description is the caller's and stays as set.
class ZCORVANEBASE_EXPORT DisabledWaitingWt : public SuspendLayerWt
{
    Q_OBJECT
    friend class DisabledWaitingWtManager;

public:
    DisabledWaitingWt(
        QWidget* parent, const QString& description, const QString& uuid = QString(), bool showCancel = true);
    ~DisabledWaitingWt() override;

    QUuid getUuid() const;
    // A fresh identifier for this overlay; the registry is not touched (use the manager's regenerateUuid()).
    QUuid regenerateUUid();
    void updateDescription(const QString& description);
    void setErrorMsg(const QString& msg);

signals:
    void signalCancelBtClicked();

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
    void setAnimationRunning(bool running);
    void retranslate();

    QWidget* target;
    QLabel* animationLabel;
    QLabel* descriptionLabel;
    QPushButton* cancelBt;
    QUuid uuid;
    QList<QAbstractButton*> blockedButtons;
};

} // namespace ZCORVANEBASE
