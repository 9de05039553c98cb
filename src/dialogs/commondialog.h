#pragma once

#include <ZCorvaneBase/dialogs/moveabledialog.h>

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

namespace ZCORVANEBASE {

class ZWidget;
class ZPushButton;

// The client's standard dialog frame, which host dialogs derive from: a MoveableDialog with a 34-pixel title bar
// (title, optional minimise and maximise buttons, close button) that moves only by its title strip. Escape, the
// close button and the window's close request all go to slotCloseBtClicked(); Enter and Return that reach the dialog
// itself are swallowed. Maximising is the host worker's; a modal dialog is registered with the worker for its
// lifetime, and the worker's signalQuitSystem() hides and deletes the dialog after quitSystem().
class ZCORVANEBASE_EXPORT CommonDialog : public MoveableDialog
{
    Q_OBJECT

public:
    explicit CommonDialog(QWidget* parent = nullptr, bool withMinMax = false, bool modal = true);
    ~CommonDialog() override;

    void setTitle(const QString& title); // the title label and the window title
    void showDlg(); // raises and shows the dialog, maximised by the host if its maximise button is checked

protected slots:
    virtual void slotCloseBtClicked(); // reject()
    virtual void slotMinimizeBtClicked();
    virtual void slotMaximizeBtClicked(bool checked);
    void slotQuitSystem();

protected:
    virtual void quitSystem(); // runs on system quit, before the dialog is hidden and deleted

    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

    // The title bar's children, named "titleBar", "titleLabel", "closeBt", "minimizeBt" and "maximizeBt"; the last
    // two are null without minimise and maximise buttons.
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

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
