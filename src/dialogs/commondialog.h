#pragma once

#include "dialogs/moveabledialog.h"

class QLabel;

namespace ZCORVANEBASE {

class ZWidget;
class ZPushButton;

// The client's standard dialog frame: a MoveableDialog with a 34-pixel title bar at (1, 1, width - 2, 34)
// holding the title, optional minimise and maximise buttons and a close button.
//
// - The dialog moves only by its title strip: presses with y < 36 start a drag, any other press does nothing.
// - Escape, the close button and the window's own close request all call slotCloseBtClicked() (by default
//   reject()). Enter and Return that reach the dialog itself are swallowed, so no default button fires by
//   accident; a focused child that handles them still gets them.
// - Maximising is the host's decision: the maximise button and a double click on the title strip ask the host
//   worker's showMaximized(). The button's checked state records whether the host maximised the dialog, and
//   showDlg() restores that state.
// - A modal dialog is registered as the host's current modal dialog (setCurModalDlg) from construction to
//   destruction; the dialog emits the worker's signalRootWtMoved(this) on every move; on the worker's
//   signalQuitSystem() it runs quitSystem(), hides and deletes itself later.
// - The title bar, its buttons and the properties "widget_top", "common_close_bt_style1",
//   "common_minimize_bt_style1" and "common_maximize_bt_style1" are styled by the application style sheet.
//
// Choices of ours: without a host worker the dialog maximises itself with QWidget::showMaximized() (what the
// worker's default does), registers nothing and connects to no quit signal. Only a dialog that registered itself
// as modal in its constructor unregisters in its destructor, so a dialog made modal later (for instance by
// exec()) never clears another dialog's registration. The title-bar children carry the object names "titleBar",
// "titleLabel", "closeBt", "minimizeBt" and "maximizeBt" and are protected, for derived dialogs.
//
// The title-bar buttons show icons only, so they carry translated accessible names ("Close", "Minimize",
// "Maximize") and the same tool tips, set again on a language switch. The title is the caller's: a derived dialog
// that translates it sets it again in its own changeEvent().
class ZCORVANEBASE_EXPORT CommonDialog : public MoveableDialog
{
    Q_OBJECT

public:
    explicit CommonDialog(QWidget* parent = nullptr, bool withMinMax = false, bool modal = true);
    ~CommonDialog() override;

    void setTitle(const QString& title);
    void showDlg();

protected slots:
    virtual void slotCloseBtClicked();
    virtual void slotMinimizeBtClicked();
    virtual void slotMaximizeBtClicked(bool checked);
    void slotQuitSystem();

protected:
    // Runs on system quit before the dialog is hidden and deleted: save or stop work here.
    virtual void quitSystem();

    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

    ZWidget* titleBar;
    QLabel* titleLabel;
    ZPushButton* closeBt;
    ZPushButton* minimizeBt;
    ZPushButton* maximizeBt;

private:
    void init(bool withMinMax);
    void connectSignalsWithSlots();
    void hostShowMaximized();
    void retranslate();

    bool m_registeredModal;
};

} // namespace ZCORVANEBASE
